#pragma once

#include "model/rtDataSource.h"
#include "units/WandrelUnit.h"

#include <QComboBox>
#include <QPointer>

#include <string>
#include <vector>

// The unit registry: the built-in units, then the custom ones. Built on the
// first look-up or fill that finds it empty.
class UnitDataSource : public rtDataSource<WandrelUnit> {
public:
    void setupUnits();
    void ensureBuilt();
    // Appends the user's stored units after the built-in ones.
    void loadCustomUnits();
    // Stores the editable units; a registry never built stores nothing, so
    // that it cannot wipe the units of an earlier run.
    void saveCustomUnits() const;

    // Cells of the units table by column: "name", "shortName",
    // "conversionFactor" ("%g"); "" for any other column or row.
    std::string objectValueForTableColumn(const TableView* table, const std::string& column,
                                          int32_t row) const override;

    WandrelUnit* getUnitWithShortName(const std::string& shortName);
    WandrelUnit* getUnitWithName(const std::string& name);

    // Fills a pop-up with short names, keeping its selected title where it
    // still exists, and remembers it for updateAllButtons().
    void populatePopUpButton(QComboBox* button, bool areas);
    void updateAllButtons();

private:
    static void remember(std::vector<QPointer<QComboBox>>& buttons, QComboBox* button);

    // The pop-ups belong to their windows; a closed window leaves a null entry.
    std::vector<QPointer<QComboBox>> unitButtons;
    std::vector<QPointer<QComboBox>> areaButtons;
};
