#include "app/UnitsTab.h"

#include "app/WindowDesigns.h"
#include "units/UnitDataSource.h"

#include <QCoreApplication>

namespace {

UnitEditor::Outlets outletsOf(WindowDesigns& d) {
    UnitEditor::Outlets outlets;
    outlets.tableView = d.preferences.ui().unitTableView;
    outlets.createUnitButton = d.preferences.ui().createUnitButton;
    outlets.editUnitButton = d.preferences.ui().editUnitButton;
    outlets.deleteUnitButton = d.preferences.ui().deleteUnitButton;
    outlets.unitEditWindow = d.unitEditSheet;
    outlets.nameField = d.unitEdit.nameField;
    outlets.shortNameField = d.unitEdit.shortNameField;
    outlets.conversionFactorField = d.unitEdit.conversionFactorField;
    outlets.isAreaButton = d.unitEdit.isAreaButton;
    outlets.okButton = d.unitEdit.okButton;
    outlets.cancelButton = d.unitEdit.cancelButton;
    return outlets;
}

} // namespace

UnitsTab::UnitsTab(WindowDesigns& designs, UnitDataSource& units)
    : editor(units, outletsOf(designs)) {}
