#include "SessionFixture.h"

#include <QTableView>

namespace {

QStringList titles(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// The units tab of the preferences, alerts answered by script.
class UnitEditor : public Session {
protected:
    void SetUp() override {
        start();
        Alerts::scriptAnswers({});
        openUnitsTab();
    }
    void openUnitsTab() {
        d().acetate.actionPreferences->trigger();
        ASSERT_TRUE(d().preferences.window()->isVisible());
        prefs().wandrelPrefsTabView->setCurrentWidget(prefs().unitsTab);
    }
    Ui::PreferencesWindow& prefs() { return d().preferences.ui(); }
    Ui::UnitEditSheet& sheet() { return d().unitEdit; }
    bool sheetIsOpen() { return d().unitEditSheet->isVisible(); }

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
    void createUnit(const QString& name, const QString& shortName, const QString& factor,
                    bool area = false) {
        QTest::mouseClick(prefs().createUnitButton, Qt::LeftButton);
        answerSheet(name, shortName, factor, area);
        ASSERT_FALSE(sheetIsOpen()) << lastMessage().toStdString();
    }
    void clickRow(int row, bool twice = false) {
        QTableView* table = prefs().unitTableView;
        const QModelIndex index = table->model()->index(row, 0);
        table->scrollTo(index);
        const QPoint centre = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    }
    bool canChangeSelection() {
        EXPECT_EQ(prefs().editUnitButton->isEnabled(), prefs().deleteUnitButton->isEnabled());
        return prefs().editUnitButton->isEnabled();
    }
    static QString lastMessage() {
        const auto answered = Alerts::answered();
        return answered.isEmpty() ? QString() : answered.last().message;
    }
};

TEST_F(UnitEditor, SheetRefusesFieldsInReadingOrder) {
    QTest::mouseClick(prefs().createUnitButton, Qt::LeftButton);
    ASSERT_TRUE(sheetIsOpen());
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

TEST_F(UnitEditor, ANewUnitReachesTheTableAndOnlyThePopUpsOfItsKind) {
    createUnit("chains", "ch", "20.1168");
    createUnit("square chains", "sq ch", "20.1168", true);
    EXPECT_EQ(prefs().unitTableView->model()->rowCount(), 11);
    EXPECT_EQ(prefs().unitTableView->currentIndex().row(), 10);
    EXPECT_TRUE(units().getUnitWithShortName("sq ch")->isArea());
    EXPECT_EQ(titles(d().unitViews.areaUnits).mid(9), QStringList({"ch", "sq ch"}));
    for (QComboBox* box : {d().unitViews.scaleUnits2, d().unitViews.answerUnits2,
                           prefs().scaleUnits, prefs().answerUnits})
        EXPECT_EQ(titles(box).last(), "ch") << box->objectName().toStdString();
}

TEST_F(UnitEditor, OnlyCustomUnitsAreEditedAndOnlyOtherUnitsNamesClash) {
    createUnit("chains", "ch", "20.1168");
    createUnit("leagues", "lea", "4828.032", true);
    clickRow(1, true);
    EXPECT_FALSE(canChangeSelection()) << "a built-in unit";
    EXPECT_FALSE(sheetIsOpen());
    sheet().isAreaButton->setChecked(false);
    clickRow(10, true);
    ASSERT_TRUE(sheetIsOpen());
    EXPECT_EQ(sheet().nameField->text(), "leagues");
    EXPECT_EQ(sheet().conversionFactorField->text(), "4828.032");
    EXPECT_TRUE(sheet().isAreaButton->isChecked());
    QTest::mouseClick(sheet().okButton, Qt::LeftButton); // untouched: every digit kept
    EXPECT_EQ(units().getnthItem(10)->getConversionFactor(), 4828.032f);

    choose(d().unitViews.scaleUnits2, "ch");
    clickRow(9);
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    for (const char* taken : {"lea", "km"}) {
        answerSheet("chains", taken, "20.1168");
        EXPECT_EQ(lastMessage(),
                  QString("Please provide a different abbreviation - '%1' is already being used")
                      .arg(taken));
    }
    answerSheet("leagues", "ch", "20.1168");
    EXPECT_EQ(lastMessage(), "Please provide a different name - 'leagues' is already being used");
    QTest::mouseClick(sheet().cancelButton, Qt::LeftButton);
    const WandrelUnit* chains = units().getnthItem(9);
    EXPECT_EQ(chains->getShortName(), "ch") << "cancelled";

    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    answerSheet("chains", "gch", "20.1168");
    EXPECT_FALSE(sheetIsOpen()) << lastMessage().toStdString();
    EXPECT_EQ(chains->getShortName(), "gch");
    EXPECT_TRUE(titles(d().unitViews.scaleUnits2).contains("gch"));
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "mile(s)");
}

// A 200-pixel bar for 1 km under a straight route of 400 pixels.
TEST_F(UnitEditor, ACustomUnitIsUsedEditedKeptAndDeletedOnlyWhenConfirmed) {
    setBarLength(200);
    choose(d().unitViews.scaleUnits2, "km");
    click({100, 300});
    doubleClick({500, 300});
    createUnit("chains", "ch", "20.1168");
    choose(d().unitViews.answerUnits2, "ch");
    EXPECT_SHOWN(length(), 2000 / 20.1168);

    clickRow(9);
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    answerSheet("chains", "ch", "22");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ch");
    backToTheAcetateFrom(d().preferences.window()); // the figures follow
    EXPECT_SHOWN(length(), 2000 / 22.0);

    restart();
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ch") << "kept and chosen again";
    click({100, 300});
    doubleClick({500, 300});
    openUnitsTab();
    clickRow(9);
    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    QTest::mouseClick(prefs().deleteUnitButton, Qt::LeftButton);
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title, "Delete Unit");
    EXPECT_EQ(lastMessage(), "Are you sure you want to delete the unit 'chains'?");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ch") << "cancelled";
    QTest::mouseClick(prefs().deleteUnitButton, Qt::LeftButton);
    EXPECT_EQ(units().getUnitWithShortName("ch"), nullptr);
    EXPECT_EQ(prefs().unitTableView->model()->rowCount(), 9);
    EXPECT_FALSE(canChangeSelection());
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    backToTheAcetateFrom(d().preferences.window());
    EXPECT_SHOWN(length(), 2000 / 1609.344);

    restart();
    EXPECT_EQ(units().getUnitWithShortName("ch"), nullptr);
    EXPECT_EQ(stored("WandrelAnswerUnits"), "mile(s)");
}

} // namespace
