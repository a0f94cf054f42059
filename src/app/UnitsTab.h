#pragma once

#include "units/UnitEditor.h"

#include <QObject>

class UnitDataSource;
class WindowDesigns;

// The preferences window's "Units" tab and the unit sheet, wired to the
// registry.
class UnitsTab : public QObject {
    Q_OBJECT
public:
    UnitsTab(WindowDesigns& designs, UnitDataSource& units);

    UnitEditor& getEditor() { return editor; }

private:
    UnitEditor editor;
};
