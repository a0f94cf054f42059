#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// Property-list files whose root is a dictionary. Values map to QString,
// double, qint64, bool, QByteArray, QDateTime (UTC), QVariantList and
// QVariantMap.
class PropertyList {
public:
    // An XML or binary property list. Missing, unreadable or malformed
    // files, and files whose root is not a dictionary, give nullopt; values
    // of kinds that have no match above are left out.
    static std::optional<QVariantMap> read(const QString& path);
    // The same with a size limit of the caller's, for lists that grow large;
    // larger files give nullopt unread.
    static std::optional<QVariantMap> read(const QString& path, qint64 maximumSize);
    // Writes XML through a temporary file that replaces `path` only once it
    // is complete, so a failed write leaves the old file as it was. False
    // when the file cannot be written or a value (at any depth) is of a kind
    // a property list cannot hold; nothing is written then.
    static bool write(const QString& path, const QVariantMap& dictionary);
};
