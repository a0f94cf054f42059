#include "platform/Log.h"

#include <QDebug>

Q_LOGGING_CATEGORY(lcWandrel, "wandrel")

void wlog(const QString& line) {
    qCInfo(lcWandrel).noquote() << line;
}
