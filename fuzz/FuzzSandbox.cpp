#include "FuzzSandbox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QCoreApplication>& application() {
    static std::unique_ptr<QCoreApplication> app;
    return app;
}

QTemporaryDir& privateFolder() {
    static QTemporaryDir dir;
    return dir;
}

} // namespace

void FuzzSandbox::start(Kind kind) {
    if (application())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Thousands of runs a second would bury any finding under the readers'
    // "skipped" lines.
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false\n*.warning=false"));
    static int argc = 1;
    static char name[] = "wandrel-fuzz";
    static char* argv[] = {name, nullptr};
    if (kind == Widgets)
        application() = std::make_unique<QApplication>(argc, argv);
    else
        application() = std::make_unique<QCoreApplication>(argc, argv);
    // A static's destructor would run after Qt's own globals are gone; this
    // runs before them, and after the harness's own statics made later.
    std::atexit([] { application().reset(); });
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder());
    if (!privateFolder().isValid())
        std::abort();
}

QString FuzzSandbox::folder() {
    return privateFolder().path();
}

QString FuzzSandbox::write(const QString& name, const uint8_t* data, size_t size) {
    const QString path = QDir(folder()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}
