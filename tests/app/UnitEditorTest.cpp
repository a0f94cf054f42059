#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "platform/Alerts.h"
#include "platform/AppDataSandbox.h"
#include "units/UnitDataSource.h"

#include "QStringPrinter.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

QStringList titles(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// The units tab of a real acetate, with a store of its own and alerts
// answered by script.
class UnitEditorTest : public ::testing::Test {
protected:
    UnitEditorTest() {
        Alerts::scriptAnswers({});
        start();
    }
    ~UnitEditorTest() override {
        qInstallMessageHandler(nullptr);
        Alerts::reset();
    }

    void start() {
        window = std::make_unique<AcetateWindow>();
        window->getController().showPreferences();
        prefs().wandrelPrefsTabView->setCurrentWidget(prefs().unitsTab);
    }

    WindowDesigns& designs() { return window->getDesigns(); }
    Ui::PreferencesWindow& prefs() { return designs().preferences; }
    Ui::UnitEditSheet& sheet() { return designs().unitEdit; }
    UnitDataSource& units() { return window->getUnitDataSource(); }
    bool sheetIsOpen() { return designs().unitEditSheet->isVisible(); }

    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    // Fills the open sheet and presses OK.
    void answerSheet(const QString& name, const QString& shortName, const QString& factor,
                     bool area = false) {
        type(sheet().nameField, name);
        type(sheet().shortNameField, shortName);
        type(sheet().conversionFactorField, factor);
        if (sheet().isAreaButton->isChecked() != area)
            QTest::mouseClick(sheet().isAreaButton, Qt::LeftButton);
        QTest::mouseClick(sheet().okButton, Qt::LeftButton);
    }

    void addUnit(const QString& name, const QString& shortName, const QString& factor,
                 bool area = false) {
        QTest::mouseClick(prefs().createUnitButton, Qt::LeftButton);
        answerSheet(name, shortName, factor, area);
        ASSERT_FALSE(sheetIsOpen()) << lastMessage().toStdString();
    }

    QPoint rowCentre(int row) {
        QTableView* table = prefs().unitTableView;
        table->scrollTo(table->model()->index(row, 0));
        return table->visualRect(table->model()->index(row, 0)).center();
    }
    void clickRow(int row) {
        QTest::mouseClick(prefs().unitTableView->viewport(), Qt::LeftButton, {}, rowCentre(row));
    }
    void doubleClickRow(int row) {
        QTest::mouseDClick(prefs().unitTableView->viewport(), Qt::LeftButton, {}, rowCentre(row));
    }
    bool canChangeSelection() {
        EXPECT_EQ(prefs().editUnitButton->isEnabled(), prefs().deleteUnitButton->isEnabled());
        return prefs().editUnitButton->isEnabled();
    }

    static QString lastMessage() {
        const auto answered = Alerts::answered();
        return answered.isEmpty() ? QString() : answered.last().message;
    }

    TemporaryAppDataFolder folder;
    std::unique_ptr<AcetateWindow> window;
};

TEST_F(UnitEditorTest, SheetRefusesFieldsInReadingOrder) {
    QTest::mouseClick(prefs().createUnitButton, Qt::LeftButton);
    ASSERT_TRUE(sheetIsOpen());
    EXPECT_EQ(designs().unitEditSheet->windowTitle(), "Unit");
    EXPECT_EQ(sheet().conversionFactorField->text(), "1");
    EXPECT_EQ(sheet().okButton->text(), "OK");
    EXPECT_EQ(sheet().cancelButton->text(), "Cancel");

    const QString aboveZero = "Please provide a conversion factor greater than zero for this unit.";
    const struct {
        const char *name, *shortName, *factor;
        QString message;
    } refused[] = {
        {"", "", "", "Please provide a name for this new unit"},
        {"chains", "", "", "Please provide an abbreviation for this new unit"},
        {"chains", "ch", "",
         "Please provide a conversion factor for this new unit. (The number of metres in "
         "this unit?)"},
        {"chains", "ch", "0", aboveZero},
        {"chains", "ch", "-20.1168", aboveZero},
        {"chains", "ch", "chain", aboveZero},
        {"chains", "ch", "1e39", aboveZero},
        {"feet", "ch", "20.1168", "Please provide a different name - 'feet' is already being used"},
        {"chains", "km", "20.1168",
         "Please provide a different abbreviation - 'km' is already being used"},
    };
    for (const auto& c : refused) {
        answerSheet(c.name, c.shortName, c.factor);
        ASSERT_FALSE(Alerts::answered().isEmpty());
        EXPECT_EQ(Alerts::answered().last().title, "Unit");
        EXPECT_EQ(lastMessage(), c.message) << c.name << " " << c.shortName << " " << c.factor;
        EXPECT_TRUE(sheetIsOpen());
        EXPECT_EQ(units().count(), 9);
    }
    EXPECT_EQ(Alerts::answered().size(), std::size(refused));
}

TEST_F(UnitEditorTest, ANewUnitReachesTheTableAndThePopUpsOfItsKind) {
    logged.clear();
    qInstallMessageHandler(capture);
    addUnit("chains", "ch", "20.1168");
    EXPECT_TRUE(logged.contains("added unit, now have 10"));
    const WandrelUnit* chains = units().getUnitWithShortName("ch");
    ASSERT_NE(chains, nullptr);
    EXPECT_EQ(chains->getConversionFactor(), 20.1168f);
    EXPECT_FALSE(chains->isArea());
    EXPECT_EQ(prefs().unitTableView->model()->rowCount(), 10);
    EXPECT_EQ(prefs().unitTableView->currentIndex().row(), 9);
    EXPECT_TRUE(canChangeSelection());
    for (QComboBox* box : {designs().unitViews.scaleUnits2, designs().unitViews.answerUnits2,
                           designs().unitViews.areaUnits, prefs().scaleUnits, prefs().answerUnits})
        EXPECT_EQ(titles(box).last(), "ch") << box->objectName().toStdString();

    addUnit("square chains", "sq ch", "20.1168", true);
    EXPECT_TRUE(units().getUnitWithShortName("sq ch")->isArea());
    EXPECT_EQ(titles(designs().unitViews.areaUnits).last(), "sq ch");
    for (QComboBox* box : {designs().unitViews.scaleUnits2, designs().unitViews.answerUnits2,
                           prefs().scaleUnits, prefs().answerUnits})
        EXPECT_EQ(titles(box).last(), "ch") << box->objectName().toStdString();
}

TEST_F(UnitEditorTest, OnlyCustomUnitsOpenForEditing) {
    addUnit("square chains", "sq ch", "20.1168", true);
    clickRow(1);
    EXPECT_FALSE(canChangeSelection());
    doubleClickRow(1);
    EXPECT_FALSE(sheetIsOpen());

    clickRow(9);
    EXPECT_TRUE(canChangeSelection());
    sheet().isAreaButton->setChecked(false);
    doubleClickRow(9);
    ASSERT_TRUE(sheetIsOpen());
    EXPECT_EQ(sheet().nameField->text(), "square chains");
    EXPECT_EQ(sheet().shortNameField->text(), "sq ch");
    EXPECT_EQ(sheet().conversionFactorField->text(), "20.1168");
    EXPECT_TRUE(sheet().isAreaButton->isChecked());
}

TEST_F(UnitEditorTest, EditingRefusesOnlyOtherUnitsNamesAndCancelChangesNothing) {
    addUnit("chains", "ch", "20.1168");
    addUnit("leagues", "lea", "4828.032");
    designs().unitViews.scaleUnits2->setCurrentIndex(
        designs().unitViews.scaleUnits2->findText("ch"));

    clickRow(9);
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    for (const char* taken : {"lea", "km"}) {
        answerSheet("chains", taken, "20.1168");
        EXPECT_EQ(lastMessage(), QString("Please provide a different abbreviation - '%1' is "
                                         "already being used")
                                     .arg(taken));
    }
    answerSheet("leagues", "ch", "20.1168");
    EXPECT_EQ(lastMessage(), "Please provide a different name - 'leagues' is already being used");
    QTest::mouseClick(sheet().cancelButton, Qt::LeftButton);
    EXPECT_FALSE(sheetIsOpen());
    const WandrelUnit* chains = units().getnthItem(9);
    EXPECT_EQ(chains->getName(), "chains");
    EXPECT_EQ(chains->getShortName(), "ch");
    EXPECT_EQ(chains->getConversionFactor(), 20.1168f);

    // Keeping its own names is no clash; a new short name reaches the pop-ups.
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    answerSheet("chains", "gch", "20.1168");
    EXPECT_FALSE(sheetIsOpen()) << lastMessage().toStdString();
    EXPECT_EQ(chains->getShortName(), "gch");
    EXPECT_EQ(designs().unitViews.scaleUnits2->currentText(), "mile(s)");
    EXPECT_TRUE(titles(designs().unitViews.scaleUnits2).contains("gch"));

    // OK on an untouched sheet keeps every digit of the factor.
    clickRow(10);
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    QTest::mouseClick(sheet().okButton, Qt::LeftButton);
    EXPECT_EQ(units().getnthItem(10)->getConversionFactor(), 4828.032f);
}

TEST_F(UnitEditorTest, DeletingAsksFirstAndRefillsThePopUpsWhateverTheAnswer) {
    addUnit("chains", "ch", "20.1168");
    QComboBox* scale = designs().unitViews.scaleUnits2;
    scale->setCurrentIndex(scale->findText("ch"));
    clickRow(9);

    Alerts::reset();
    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    logged.clear();
    qInstallMessageHandler(capture);
    QTest::mouseClick(prefs().deleteUnitButton, Qt::LeftButton);
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered().first().title, "Delete Unit");
    EXPECT_EQ(lastMessage(), "Are you sure you want to delete the unit 'chains'?");
    EXPECT_EQ(units().count(), 10);
    EXPECT_EQ(logged.filter(QRegularExpression("^updating \\d+ buttons$")).size(), 1);
    EXPECT_EQ(scale->currentText(), "ch");

    QTest::mouseClick(prefs().deleteUnitButton, Qt::LeftButton);
    EXPECT_EQ(units().getUnitWithShortName("ch"), nullptr);
    EXPECT_EQ(prefs().unitTableView->model()->rowCount(), 9);
    EXPECT_EQ(scale->currentText(), "mile(s)");
    EXPECT_FALSE(canChangeSelection());
}

TEST_F(UnitEditorTest, UnitsKeptAtQuitComeBackAtTheNextStart) {
    addUnit("chains", "ch", "20.1168");
    addUnit("square chains", "sq ch", "20.1168", true);
    window->getController().applicationWillTerminate();
    window.reset();
    start();
    EXPECT_EQ(prefs().unitTableView->model()->rowCount(), 11);
    EXPECT_EQ(titles(designs().unitViews.areaUnits).mid(9), QStringList({"ch", "sq ch"}));
    EXPECT_TRUE(units().getnthItem(10)->isEditable());
}

TEST_F(UnitEditorTest, EveryControlIsNamedForScreenReaders) {
    const std::pair<QWidget*, QString> named[] = {
        {prefs().unitTableView, "Units"},
        {prefs().createUnitButton, "New Unit"},
        {prefs().editUnitButton, "Edit"},
        {prefs().deleteUnitButton, "Delete Unit"},
        {sheet().nameField, "Name"},
        {sheet().shortNameField, "Short name"},
        {sheet().conversionFactorField, "Metres per unit"},
        {sheet().isAreaButton, "Unit of area (factor is the side of its square)"},
        {sheet().okButton, "OK"},
        {sheet().cancelButton, "Cancel"},
    };
    for (const auto& [widget, name] : named) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << widget->objectName().toStdString();
        EXPECT_EQ(accessible->text(QAccessible::Name), name) << widget->objectName().toStdString();
    }
}

} // namespace
