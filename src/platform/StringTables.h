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
};
