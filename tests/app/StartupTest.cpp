#include "SessionFixture.h"

#include "app/PreferenceValues.h"
#include "app/Preferences.h"
#include "labels/WandrelLabel.h"
#include "platform/ColourWell.h"
#include "platform/Defaults.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QTimer>

namespace {

// An empty defaults store: the welcome sheet is not yet turned off.
class Startup : public Session {
protected:
    Startup() : Session(TemporaryDefaults::Empty) {}
};

TEST_F(Startup, FirstStartKeepsTheDesignAndWelcomes) {
    open();
    EXPECT_TRUE(d().information.window()->isVisible()) << "the welcome sheet";
    EXPECT_FALSE(d().information.ui().wandrelShowAtStartupButton->isChecked());
    EXPECT_EQ(d().preferences.ui().mainWindowColour->color(), window->tint());
    EXPECT_LT(window->tint().alphaF(), 0.5) << "the designed tint, not an opaque white";
    EXPECT_EQ(controller().getRouteFolder(), QDir::homePath() + "/Documents");
    EXPECT_TRUE(window->isMaximized());
    d().information.window()->accept();
}

TEST_F(Startup, StoredValuesAreReadAsTheyAreKept) {
    put("WandrelShowInfoAtStartup", "NO");
    put("WandrelScaleThisEndX", "120");
    put("resizeImagesForWeb", "maybe");
    put("WandrelDontShowWaypointAlert", "YES");
    put("WandrelRouteFolder", "/srv/routes");
    open();
    EXPECT_FALSE(d().information.isBuilt()) << "the welcome sheet is made only to be shown";
    // The ends went to (120, 0) and (0, 0); the bar then fits around them.
    EXPECT_EQ(bar()->getThisEnd(), QPointF(140, 20));
    EXPECT_EQ(bar()->getThatEnd(), QPointF(20, 20));
    EXPECT_TRUE(d().preferences.ui().resizeImagesForWeb->isChecked()) << "only NO turns it off";
    EXPECT_EQ(controller().getRouteFolder(), "/srv/routes");
    // The route's notice flag lives in a check box the route here lacks.
    EXPECT_FALSE(view()->DontShowWaypointAlertIsSet());
    quit();
    EXPECT_EQ(stored("WandrelShowInfoAtStartup"), "NO") << "kept though the sheet never came";
}

// Most sessions never open the preferences window: what it would show is
// kept all the same, and shown as kept once it opens.
TEST_F(Startup, ChoicesPassThroughASessionThatNeverOpensThePreferences) {
    put("WandrelShowInfoAtStartup", "NO");
    put("includeDistancesForWeb", "NO");
    put("webImageSize", "1");
    const QColor tint = QColor::fromRgbF(0.3f, 0.5f, 0.1f, 0.4f);
    Defaults().setColour("WandrelMainWindowColour", tint);
    open();
    EXPECT_FALSE(d().preferences.isBuilt());
    EXPECT_EQ(window->tint().rgba(), tint.rgba());
    quit();
    EXPECT_EQ(stored("includeDistancesForWeb"), "NO");
    EXPECT_EQ(stored("includeJournalForWeb"), "YES");
    EXPECT_EQ(stored("webImageSize"), "1");
    open();
    EXPECT_EQ(window->tint().rgba(), tint.rgba());
    EXPECT_EQ(d().preferences.ui().mainWindowColour->color().rgba(), tint.rgba());
    EXPECT_FALSE(d().preferences.ui().includeDistancesForWeb->isChecked());
    EXPECT_TRUE(d().preferences.ui().webImageSize1->isChecked());
    // The limits kept beside the values are the window's own.
    EXPECT_EQ(d().preferences.ui().terrainSlider->minimum(), PreferenceValues::flatTerrain);
    EXPECT_EQ(d().preferences.ui().terrainSlider->maximum(), PreferenceValues::steepestTerrain);
    EXPECT_EQ(d().preferences.ui().lineWidthSlider->minimum(), PreferenceValues::thinnestLine);
    EXPECT_EQ(d().preferences.ui().lineWidthSlider->maximum(), PreferenceValues::widestLine);
}

class Preferring : public Session {
protected:
    void SetUp() override { start(); }
    Ui::PreferencesWindow& prefs() { return d().preferences.ui(); }
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

TEST_F(Preferring, EveryChoiceComesBackAfterARestartButTheLineStyleDoesNot) {
    const QColor tint = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.01f); // fainter than allowed
    d().acetate.actionPreferences->trigger();
    pickColour(prefs().mainWindowColour, tint);
    EXPECT_EQ(prefs().mainWindowColour->color().rgba(), tint.rgba());
    EXPECT_NEAR(window->tint().alphaF(), 0.05, 0.001);
    choose(prefs().presets, "Highlighter Pen");
    EXPECT_EQ(controller().getLineWidth(), 10.0f);
    EXPECT_EQ(prefs().lineWidthSlider->value(), 10);
    pickColour(prefs().highLightColourWell, Qt::red);
    EXPECT_EQ(controller().getHighLightColour(), QColor(Qt::red));

    // A custom scale unit comes back only if the pop-ups are filled first.
    addUnit("chains", "ch", 20.1168f);
    QTest::mouseClick(prefs().includeJournalForWeb, Qt::LeftButton);
    QTest::mouseClick(prefs().webImageSize2, Qt::LeftButton);
    d().information.ui().wandrelShowAtStartupButton->setChecked(true);
    const bool journal = prefs().includeJournalForWeb->isChecked();
    dragBarEnd(true, {300, 90});
    type(d().unitViews.numberOfUnits2, "750");
    choose(d().unitViews.scaleUnits2, "ch");
    choose(d().unitViews.answerUnits2, "ft");
    const QPointF barVector = bar()->thatEndOnParent() - bar()->thisEndOnParent();
    quit();
    EXPECT_EQ(stored("WandrelScaleUnits"), "ch");
    EXPECT_EQ(stored("webImageSize"), "2");
    EXPECT_EQ(stored("WandrelLineWidthSliderVaule"), "2") << "the route's own, not the pen's";
    for (const QString& key : Preferences::writtenKeys())
        EXPECT_FALSE(stored(key).isNull()) << key.toStdString();

    put("WandrelLineWidthSliderVaule", "9"); // written, never read
    open();
    ASSERT_TRUE(d().information.window()->isVisible()) << "asked to welcome at every start";
    d().information.window()->accept();
    EXPECT_EQ(prefs().mainWindowColour->color().rgba(), tint.rgba());
    EXPECT_NEAR(window->tint().alphaF(), 0.05, 0.001);
    EXPECT_EQ(prefs().includeJournalForWeb->isChecked(), journal);
    EXPECT_TRUE(prefs().webImageSize2->isChecked());
    EXPECT_EQ(bar()->thatEndOnParent() - bar()->thisEndOnParent(), barVector);
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "750");
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "ch");
    EXPECT_EQ(prefs().scaleUnits->currentText(), "ch");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "ft");
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 750 ch ");
    EXPECT_EQ(prefs().presets->currentText(), "Wandrel Default");
    EXPECT_EQ(controller().getLineWidth(), 2.0f);
    EXPECT_EQ(view()->getLineWidth(), 2);
    quit();
}

} // namespace
