#pragma once

#include <QCoreApplication>
#include <QString>

// The application's string table "Wandrel" as a translation context: lupdate
// files every Wandrel::tr text under it, and the window designs are compiled
// to call it too (uic --tr Wandrel::tr), so designs and code share one table.
class Wandrel {
    Q_DECLARE_TR_FUNCTIONS(Wandrel)
};

// Older spelling of Wandrel::tr, kept while callers move over; lupdate cannot
// see through it, so its texts go untranslated.
inline QString wandrelTr(const char* text, const char* disambiguation = nullptr) {
    return Wandrel::tr(text, disambiguation);
}
