#include "platform/AppDataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString AppDataFolder::path() {
    if (!chosenFolder().isEmpty())
        return chosenFolder();
#ifdef Q_OS_MACOS
    // AppDataLocation would add the organisation's name a second time.
    return QDir::homePath() + QStringLiteral("/Library/Application Support/Wandrel");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

void AppDataFolder::setPath(const QString& folder) {
    chosenFolder() = folder;
}
