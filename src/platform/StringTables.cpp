#include "platform/StringTables.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

QString StringTables::translate(const char* table, const char* key) {
    return QCoreApplication::translate(table, key);
}

QTranslator* StringTables::installTranslations(QCoreApplication& app, const QLocale& locale,
                                               const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("wandrel"), QStringLiteral("_"), directory) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    translator->setParent(&app);
    return translator.release();
}
