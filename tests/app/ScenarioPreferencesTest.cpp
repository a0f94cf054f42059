#include "SessionFixture.h"

#include "platform/ColourWell.h"
#include "platform/PropertyList.h"
#include "units/UnitDataSource.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {

QStringList titles(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// A 200-pixel bar for 1 km, the preferences window open, and a straight
// route of 400 pixels: 2 km.
class Preferring : public Session {
protected:
    void SetUp() override {
        start();
        Alerts::scriptAnswers({});
    }
    void measureTwoKilometres() {
        dragBarEnd(true, barEnd(false) + QPointF(200, 0));
        choose(d().unitViews.scaleUnits2, "km");
        click({100, 300});
        doubleClick({500, 300});
    }
    Ui::PreferencesWindow& prefs() { return d().preferences; }
    void openUnitsTab() {
        d().acetate.actionPreferences->trigger();
        ASSERT_TRUE(d().preferencesWindow->isVisible());
        prefs().wandrelPrefsTabView->setCurrentWidget(prefs().unitsTab);
    }
    void clickUnitRow(int row) {
        QTableView* table = prefs().unitTableView;
        const QModelIndex index = table->model()->index(row, 0);
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }
    void fillUnitSheet(const QString& name, const QString& shortName, const QString& factor) {
        ASSERT_TRUE(d().unitEditSheet->isVisible());
        type(d().unitEdit.nameField, name);
        type(d().unitEdit.shortNameField, shortName);
        type(d().unitEdit.conversionFactorField, factor);
        QTest::mouseClick(d().unitEdit.okButton, Qt::LeftButton);
        ASSERT_FALSE(d().unitEditSheet->isVisible());
    }
    // The user leaves the preferences window for the acetate.
    // A tool window counts as active with its parent, so the focus is asked.
    void backToTheAcetate() {
        const auto focusOn = [](QWidget* widget) {
            widget->activateWindow();
            return QTest::qWaitFor(
                [widget] { return QGuiApplication::focusWindow() == widget->windowHandle(); });
        };
        ASSERT_TRUE(focusOn(d().preferencesWindow));
        ASSERT_TRUE(focusOn(window.get()));
    }
    // Clicks the well and answers the colour dialog it opens with `colour`.
    void pickColour(ColourWell* well, const QColor& colour) {
        QTimer::singleShot(0, well, [colour] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(colour);
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        QTest::mouseClick(well, Qt::LeftButton);
    }
};

TEST_F(Preferring, ACustomUnitIsMadeUsedEditedKeptAndDeleted) {
    measureTwoKilometres();
    openUnitsTab();
    QTest::mouseClick(prefs().createUnitButton, Qt::LeftButton);
    fillUnitSheet("chains", "ch", "20.1168");
    choose(d().unitViews.answerUnits2, "ch");
    EXPECT_SHOWN(length(), 2000 / 20.1168);

    clickUnitRow(9);
    QTest::mouseClick(prefs().editUnitButton, Qt::LeftButton);
    fillUnitSheet("chains", "ch", "22");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ch");
    backToTheAcetate(); // the figures follow at the next showing
    EXPECT_SHOWN(length(), 2000 / 22.0);

    restart();
    const auto kept = PropertyList::read(appData.file("customUnits.plist"));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->value("customUnits").toList().size(), 1);
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ch") << "kept and chosen again";
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "km");
    click({100, 300});
    doubleClick({500, 300});
    EXPECT_SHOWN(length(), 2000 / 22.0);

    openUnitsTab();
    clickUnitRow(9);
    Alerts::scriptAnswers({Alerts::Answer::Default});
    QTest::mouseClick(prefs().deleteUnitButton, Qt::LeftButton);
    EXPECT_FALSE(titles(d().unitViews.answerUnits2).contains("ch"));
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    backToTheAcetate();
    EXPECT_SHOWN(length(), 2000 / 1609.344);

    restart();
    EXPECT_EQ(window->getUnitDataSource().getUnitWithShortName("ch"), nullptr);
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    EXPECT_EQ(stored("WandrelAnswerUnits"), "mile(s)");
    quit();
}

TEST_F(Preferring, TintPresetAndEveryChoiceComeBackAfterARestart) {
    const QColor tint = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.3f);
    d().acetate.actionPreferences->trigger();
    pickColour(prefs().mainWindowColour, tint);
    EXPECT_EQ(prefs().mainWindowColour->color().rgba(), tint.rgba());
    EXPECT_EQ(window->tint().rgba(), tint.rgba());

    choose(prefs().presets, "Highlighter Pen");
    EXPECT_EQ(controller().getLineWidth(), 10.0f);
    EXPECT_EQ(prefs().lineWidthSlider->value(), 10);

    QTest::mouseClick(prefs().includeJournalForWeb, Qt::LeftButton);
    QTest::mouseClick(prefs().webImageSize2, Qt::LeftButton);
    const bool journal = prefs().includeJournalForWeb->isChecked();
    dragBarEnd(true, {300, 90});
    type(d().unitViews.numberOfUnits2, "750");
    choose(d().unitViews.scaleUnits2, "m");
    choose(d().unitViews.answerUnits2, "ft");
    const QPointF barVector = barEnd(true) - barEnd(false);

    restart();
    EXPECT_EQ(prefs().mainWindowColour->color().rgba(), tint.rgba());
    EXPECT_EQ(window->tint().rgba(), tint.rgba());
    EXPECT_EQ(prefs().includeJournalForWeb->isChecked(), journal);
    EXPECT_TRUE(prefs().webImageSize2->isChecked());
    EXPECT_EQ(barEnd(true) - barEnd(false), barVector);
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "750");
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "m");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ft");
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 750 m ");
    // The style is no preference: it comes from the pop-up's first preset.
    EXPECT_EQ(prefs().presets->currentText(), "Wandrel Default");
    EXPECT_EQ(controller().getLineWidth(), 2.0f);
    EXPECT_EQ(stored("WandrelLineWidthSliderVaule"), "2") << "the route's own, never read";
    quit();
}

} // namespace
