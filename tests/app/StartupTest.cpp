#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/Preferences.h"
#include "app/WindowDesigns.h"
#include "labels/WandrelLabel.h"
#include "platform/AppDataSandbox.h"
#include "platform/ColourWell.h"
#include "platform/Defaults.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"
#include "units/WandrelUnit.h"

#include "DefaultsSandbox.h"
#include "PopUpSteps.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Starts and quits the real acetate over a defaults store and an
// application-data folder of the test's own.
class Startup : public ::testing::Test {
protected:
    explicit Startup(TemporaryDefaults::Start how = TemporaryDefaults::Empty) : store(how) {}

    void start() {
        window = std::make_unique<AcetateWindow>();
        QCoreApplication::processEvents(); // the welcome sheet waits for the loop
    }
    void quit() {
        window->getController().applicationWillTerminate();
        window.reset();
    }
    // The store as a fresh reader sees it, in the form it is kept.
    QString stored(const QString& key) {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "Wandrel", "Wandrel")
            .value(key)
            .toString();
    }
    void put(const QString& key, const QString& value) {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Wandrel", "Wandrel")
            .setValue(key, value);
    }

    WindowDesigns& d() { return window->getDesigns(); }
    FatController& controller() { return window->getController(); }

    TemporaryDefaults store;
    TemporaryAppDataFolder appData;
    std::unique_ptr<AcetateWindow> window;
};

TEST_F(Startup, FirstStartKeepsTheDesignAndWelcomes) {
    start();
    EXPECT_TRUE(d().informationWindow->isVisible()) << "the welcome sheet";
    EXPECT_FALSE(d().information.wandrelShowAtStartupButton->isChecked());
    EXPECT_TRUE(d().preferences.includeJournalForWeb->isChecked());
    EXPECT_TRUE(d().preferences.webImageSize0->isChecked());
    EXPECT_EQ(d().acetate.scaleSlider->getThisEnd(), QPointF(15, 15)) << "the designed bar";
    EXPECT_EQ(controller().getRouteFolder(), QDir::homePath() + "/Documents");
    EXPECT_FALSE(d().acetate.wandrelMainView->DontShowWaypointAlertIsSet());
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 1 mile(s) ");
    EXPECT_TRUE(window->isMaximized());
    d().informationWindow->accept();
}

TEST_F(Startup, StoredValuesAreReadAsTheyAreKept) {
    put("WandrelShowInfoAtStartup", "NO");
    put("WandrelScaleThisEndX", "120");
    put("includeDistancesForWeb", "NO");
    put("resizeImagesForWeb", "maybe");
    put("webImageSize", "2");
    put("WandrelDontShowWaypointAlert", "YES");
    put("WandrelRouteFolder", "/srv/routes");
    start();
    EXPECT_FALSE(d().informationWindow->isVisible());
    EXPECT_FALSE(d().information.wandrelShowAtStartupButton->isChecked());
    // The ends went to (120, 0) and (0, 0); the bar then fits around them.
    EXPECT_EQ(d().acetate.scaleSlider->getThisEnd(), QPointF(140, 20));
    EXPECT_EQ(d().acetate.scaleSlider->getThatEnd(), QPointF(20, 20));
    EXPECT_FALSE(d().preferences.includeDistancesForWeb->isChecked());
    EXPECT_TRUE(d().preferences.resizeImagesForWeb->isChecked()) << "only NO turns it off";
    EXPECT_TRUE(d().preferences.webImageSize2->isChecked());
    EXPECT_EQ(controller().getRouteFolder(), "/srv/routes");
    // The route's notice flag lives in a check box the route here lacks.
    EXPECT_FALSE(d().acetate.wandrelMainView->DontShowWaypointAlertIsSet());
}

// Everything the user can set survives a quit and the next start; a custom
// unit chosen as a scale unit too, which needs the pop-ups filled first.
TEST_F(Startup, EveryPreferenceComesBackAfterAQuit) {
    put("WandrelShowInfoAtStartup", "NO");
    start();
    window->getUnitDataSource().add(std::make_unique<WandrelUnit>("chains", "ch", 20.1168f, false));
    window->getUnitDataSource().getUnitWithShortName("ch")->setEditable(true);
    window->getUnitDataSource().updateAllButtons();
    d().preferences.mainWindowColour->setColor(QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.01f));
    d().acetate.scaleSlider->moveThisEndToX(100, 90);
    d().acetate.scaleSlider->moveThatEndToX(300, 95);
    choose(d().unitViews.scaleUnits2, "ch");
    choose(d().unitViews.answerUnits2, "km");
    d().unitViews.numberOfUnits2->setText("2.5");
    d().preferences.includeJournalForWeb->setChecked(false);
    d().preferences.webImageSize1->setChecked(true);
    d().information.wandrelShowAtStartupButton->setChecked(true);
    quit();

    EXPECT_EQ(stored("WandrelScaleUnits"), "ch");
    EXPECT_EQ(stored("WandrelNumberOfUnits"), "2.5");
    EXPECT_NEAR(stored("WandrelMainWindowColourA").toFloat(), 0.01f, 1e-4)
        << "the well's alpha, not the window's";
    EXPECT_EQ(stored("includeJournalForWeb"), "NO");
    EXPECT_EQ(stored("webImageSize"), "1");
    EXPECT_EQ(stored("WandrelLineWidthSliderVaule"), "2");
    for (const QString& key : Preferences::writtenKeys())
        EXPECT_FALSE(stored(key).isNull()) << key.toStdString();

    put("WandrelLineWidthSliderVaule", "9"); // written, never read
    start();
    d().informationWindow->accept();
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "ch");
    EXPECT_EQ(d().preferences.scaleUnits->currentText(), "ch");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "km");
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "2.5");
    const SwinginSlider& bar = *d().acetate.scaleSlider;
    EXPECT_EQ(bar.getThatEnd() - bar.getThisEnd(), QPointF(200, 5)) << "the bar's length";
    EXPECT_NEAR(d().preferences.mainWindowColour->color().alphaF(), 0.01, 1e-4);
    EXPECT_FALSE(d().preferences.includeJournalForWeb->isChecked());
    EXPECT_TRUE(d().preferences.webImageSize1->isChecked());
    EXPECT_TRUE(d().information.wandrelShowAtStartupButton->isChecked());
    EXPECT_EQ(d().acetate.wandrelMainView->getLineWidth(), 2);
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 2.5 ch ");
}

} // namespace
