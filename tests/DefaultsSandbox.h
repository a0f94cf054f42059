#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// Points the per-user defaults store at a folder of its own for as long as
// it lives; the folder in use before comes back after. Unless asked for an
// empty store, the welcome sheet is turned off in it: the sheet is modal to
// the acetate and would keep a test's clicks from it.
class TemporaryDefaults {
public:
    enum Start { Quiet, Empty };
    explicit TemporaryDefaults(Start start = Quiet) : previous(currentPath()) {
        point(dir.path());
        if (start == Quiet)
            QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Wandrel"),
                      QStringLiteral("Wandrel"))
                .setValue(QStringLiteral("WandrelShowInfoAtStartup"), QStringLiteral("NO"));
    }
    ~TemporaryDefaults() { point(previous); }
    TemporaryDefaults(const TemporaryDefaults&) = delete;
    TemporaryDefaults& operator=(const TemporaryDefaults&) = delete;

    QString path() const { return dir.path(); }

    // Where the store of the previous folder lives.
    static QString currentPath() {
        const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("x"));
        const QString file = probe.fileName(); // <folder>/x.ini
        return file.left(file.lastIndexOf(u'/'));
    }

private:
    static void point(const QString& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    QTemporaryDir dir;
    QString previous;
};
