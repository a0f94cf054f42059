#include "platform/StringTables.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

QTranslator* install(QCoreApplication& app, const QLocale& locale, const QString& name,
                     const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), directory) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    translator->setParent(&app);
    return translator.release();
}

} // namespace

QString StringTables::translate(const char* table, const char* key) {
    return QCoreApplication::translate(table, key);
}

QTranslator* StringTables::installTranslations(QCoreApplication& app, const QLocale& locale,
                                               const QString& directory) {
    return install(app, locale, QStringLiteral("wandrel"), directory);
}

QTranslator* StringTables::installToolkitTranslations(QCoreApplication& app, const QLocale& locale,
                                                      const QString& directory) {
    return install(app, locale, QStringLiteral("qtbase"),
                   directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                       : directory);
}
