#include "units/UnitEditor.h"

#include "platform/Alerts.h"
#include "platform/Log.h"
#include "platform/StringTables.h"
#include "platform/UiText.h"
#include "units/UnitDataSource.h"
#include "units/UnitSheetRules.h"
#include "units/UnitTableModel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

UnitEditor::UnitEditor(UnitDataSource& u, const Outlets& outlets, QObject* parent)
    : QObject(parent), units(u), ui(outlets), table(new UnitTableModel(u, outlets.tableView)) {
    units.ensureBuilt();
    ui.tableView->setModel(table);
    ui.tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.tableView->verticalHeader()->hide();
    ui.tableView->horizontalHeader()->setStretchLastSection(true);
    labelTheSheet();
    connectControls();
    tableViewSelectionDidChange();
}

// The sheet's own words come from the toolkit's table "Did-ir", not the
// application's.
void UnitEditor::labelTheSheet() {
    ui.unitEditWindow->setWindowTitle(StringTables::translate("Did-ir", "Unit"));
    ui.okButton->setText(StringTables::translate("Did-ir", "OK"));
    ui.cancelButton->setText(StringTables::translate("Did-ir", "Cancel"));
}

void UnitEditor::connectControls() {
    connect(ui.tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &UnitEditor::tableViewSelectionDidChange);
    connect(ui.tableView, &QAbstractItemView::doubleClicked, this, &UnitEditor::doubleClick);
    connect(ui.createUnitButton, &QAbstractButton::clicked, this, &UnitEditor::createUnit);
    connect(ui.editUnitButton, &QAbstractButton::clicked, this, &UnitEditor::editUnit);
    connect(ui.deleteUnitButton, &QAbstractButton::clicked, this, &UnitEditor::deleteUnit);
    connect(ui.okButton, &QAbstractButton::clicked, this, &UnitEditor::okButton);
    connect(ui.cancelButton, &QAbstractButton::clicked, this, &UnitEditor::cancelButton);
    // Escape and the window's close box cancel as the button does.
    connect(ui.unitEditWindow, &QDialog::rejected, this, [this] { currentUnit = nullptr; });
}

WandrelUnit* UnitEditor::selectedUnit() const {
    const QModelIndexList selected = ui.tableView->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : units.getnthItem(selected.first().row());
}

void UnitEditor::tableViewSelectionDidChange() {
    currentUnit = selectedUnit();
    const bool editable = currentUnit && currentUnit->isEditable();
    ui.editUnitButton->setEnabled(editable);
    ui.deleteUnitButton->setEnabled(editable);
}

// The selected row, not currentUnit: the sheet forgets its unit on closing
// while the row stays selected.
void UnitEditor::doubleClick() {
    const WandrelUnit* unit = selectedUnit();
    if (unit && unit->isEditable())
        editUnit();
}

void UnitEditor::createUnit() {
    ui.nameField->setText(QString());
    ui.shortNameField->setText(QString());
    ui.conversionFactorField->setText(QStringLiteral("1"));
    currentUnit = nullptr;
    openSheet();
}

void UnitEditor::editUnit() {
    WandrelUnit* unit = selectedUnit();
    if (!unit || !unit->isEditable())
        return;
    currentUnit = unit;
    ui.nameField->setText(QString::fromStdString(unit->getName()));
    ui.shortNameField->setText(QString::fromStdString(unit->getShortName()));
    ui.conversionFactorField->setText(UnitSheetRules::factorText(unit->getConversionFactor()));
    ui.isAreaButton->setChecked(unit->isArea());
    openSheet();
}

void UnitEditor::openSheet() {
    ui.unitEditWindow->open();
    ui.nameField->setFocus();
    ui.nameField->selectAll();
}

void UnitEditor::okButton() {
    const UnitSheetRules::Fields fields{ui.nameField->text(), ui.shortNameField->text(),
                                        ui.conversionFactorField->text(),
                                        ui.isAreaButton->isChecked()};
    const QString problem = UnitSheetRules::problem(units, currentUnit, fields);
    if (!problem.isEmpty()) {
        Alerts::run(ui.unitEditWindow, StringTables::translate("Did-ir", "Unit"), problem,
                    StringTables::translate("Did-ir", "OK"));
        return;
    }
    WandrelUnit* unit = currentUnit;
    if (!unit) {
        auto made = std::make_unique<WandrelUnit>();
        made->setEditable(true);
        unit = units.add(std::move(made));
    }
    UnitSheetRules::apply(fields, *unit);
    if (!currentUnit)
        wlog(QStringLiteral("added unit, now have %1").arg(units.count()));
    ui.unitEditWindow->accept();
    reloadTable(units.indexOf(unit));
    currentUnit = nullptr;
    units.updateAllButtons();
}

void UnitEditor::cancelButton() {
    ui.unitEditWindow->reject();
    currentUnit = nullptr;
}

void UnitEditor::deleteUnit() {
    WandrelUnit* unit = selectedUnit();
    if (!unit || !unit->isEditable())
        return;
    currentUnit = unit;
    const QString question = Wandrel::tr("Are you sure you want to delete the unit '%1'?")
                                 .arg(QString::fromStdString(unit->getName()));
    const Alerts::Answer answer = Alerts::run(ui.tableView->window(), Wandrel::tr("Delete Unit"),
                                              question, StringTables::translate("Did-ir", "OK"),
                                              StringTables::translate("Did-ir", "Cancel"));
    if (answer == Alerts::Answer::Default) {
        currentUnit = nullptr;
        units.deleteItem(unit);
        reloadTable(-1);
    }
    units.updateAllButtons();
}

// A reset clears the selection without telling anyone, so select and
// update the buttons here.
void UnitEditor::reloadTable(int64_t rowToSelect) {
    table->reloadData();
    if (rowToSelect >= 0) {
        ui.tableView->selectRow(static_cast<int>(rowToSelect));
        ui.tableView->scrollTo(table->index(static_cast<int>(rowToSelect), 0));
    }
    tableViewSelectionDidChange();
}
