#pragma once

#include <QCoreApplication>
#include <QString>

// Window designs look their texts up in the application's string table.
inline QString wandrelTr(const char* text, const char* /*disambiguation*/ = nullptr) {
    return QCoreApplication::translate("Wandrel", text);
}
