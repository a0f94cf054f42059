#pragma once

#include <QSettings>
#include <QString>

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

    bool hasKey(const QString& key) const;
    void remove(const QString& key);
    // Writes pending changes; false when the file could not be written.
    bool sync();
    QString fileName() const { return settings.fileName(); }

private:
    QSettings settings;
};
