#include "platform/Log.h"

#include <QDebug>

void wlog(const QString& line) {
    qInfo().noquote() << line;
}
