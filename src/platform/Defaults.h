#pragma once

#include <QColor>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

// The per-user defaults store: an INI file through QSettings. Booleans are
// the strings "YES" and "NO"; floats are written with the fewest "." digits
// that read back to the same float, so values survive any locale.
class Defaults {
public:
    // Without a path: the usual per-user INI file of organisation and
    // application "Wandrel".
    Defaults();
    explicit Defaults(const QString& path);
    Defaults(const Defaults&) = delete;
    Defaults& operator=(const Defaults&) = delete;

    // A null QString when the key is missing (isNull() tells it from an
    // empty value).
    QString stringForKey(const QString& key) const;
    void setString(const QString& key, const QString& value);
    // The leading number of the stored text; 0 when missing or not a number.
    float floatForKey(const QString& key) const;
    void setFloat(const QString& key, float value);
    // True only for the stored string "YES".
    bool boolForKey(const QString& key) const;
    void setBool(const QString& key, bool value);
    // nullopt when the key is missing; a stored empty list reads back empty.
    std::optional<QStringList> stringListForKey(const QString& key) const;
    void setStringList(const QString& key, const QStringList& value);

    // A colour as four floats under the prefix followed by R, G, B and A,
    // each 0 to 1; components read as floats do, clamped to 0..1.
    void setColour(const QString& prefix, const QColor& colour);
    QColor colourForKey(const QString& prefix) const;

    bool hasKey(const QString& key) const;
    void remove(const QString& key);
    // Writes pending changes; false when the file could not be written.
    bool sync();
    QString fileName() const { return settings.fileName(); }

private:
    QSettings settings;
};
