#pragma once

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QDialog;
class QLineEdit;
class QTableView;
class UnitDataSource;
class UnitTableModel;
class WandrelUnit;

// The units table and the sheet in which the user makes, changes and
// deletes units of their own. Built-in units can be neither changed nor
// deleted. Every change refills every unit pop-up.
class UnitEditor : public QObject {
    Q_OBJECT
public:
    // The controls of the units table and the sheet; they belong to their
    // windows, which outlive the editor.
    struct Outlets {
        QTableView* tableView = nullptr;
        QAbstractButton* createUnitButton = nullptr;
        QAbstractButton* editUnitButton = nullptr;
        QAbstractButton* deleteUnitButton = nullptr;
        QDialog* unitEditWindow = nullptr;
        QLineEdit* nameField = nullptr;
        QLineEdit* shortNameField = nullptr;
        QLineEdit* conversionFactorField = nullptr;
        QCheckBox* isAreaButton = nullptr;
        QAbstractButton* okButton = nullptr;
        QAbstractButton* cancelButton = nullptr;
    };

    // Builds the registry so that the table shows every unit from the start.
    UnitEditor(UnitDataSource& units, const Outlets& outlets, QObject* parent = nullptr);

    void tableViewSelectionDidChange();
    void doubleClick();
    void createUnit();
    void editUnit();
    void okButton();
    void cancelButton();
    void deleteUnit();

    // The unit the sheet is open for; nullptr for a new unit or no sheet.
    WandrelUnit* getCurrentUnit() const { return currentUnit; }

private:
    void labelTheSheet();
    void connectControls();
    WandrelUnit* selectedUnit() const;
    void openSheet();
    void reloadTable(int64_t rowToSelect);

    UnitDataSource& units;
    Outlets ui;
    UnitTableModel* table; // owned by the table view
    WandrelUnit* currentUnit = nullptr;
};
