#pragma once

#include <QString>

// The per-user folder "Wandrel" where the application keeps files of its
// own: "~/Library/Application Support/Wandrel" on macOS, the platform's
// application-data location elsewhere.
class AppDataFolder {
public:
    // May be "" when the platform has no such location.
    static QString path();
    // Points path() at another folder for the whole process (tests); ""
    // goes back to the platform's folder.
    static void setPath(const QString& folder);
};
