#pragma once

#include <QCoreApplication>

// The application's string table "Wandrel" as a translation context: lupdate
// files every Wandrel::tr text under it, and the window designs are compiled
// to call it too (uic --tr Wandrel::tr), so designs and code share one table.
class Wandrel {
    Q_DECLARE_TR_FUNCTIONS(Wandrel)
};
