#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

// The string tables "Wandrel" and "Did-ir": the English text is the key and
// is shown as it is when there is no translation.
class StringTables {
public:
    static QString translate(const char* table, const char* key);

    // Installs "wandrel_<language>.qm" from `directory` for `locale` (the
    // usual fallbacks apply: "de_CH" finds wandrel_de.qm). The translator
    // belongs to `app`; nullptr when there is no file for the locale.
    static QTranslator* installTranslations(QCoreApplication& app,
                                            const QLocale& locale = QLocale(),
                                            const QString& directory = QStringLiteral(":/i18n"));

    // The same for the toolkit's own texts (standard buttons, the file,
    // colour and print dialogs): "qtbase_<language>.qm" from `directory`,
    // by default Qt's translations folder.
    static QTranslator* installToolkitTranslations(QCoreApplication& app,
                                                   const QLocale& locale = QLocale(),
                                                   const QString& directory = {});
};
