// Start-up and shutdown: the preferences, the wiring of the window and the
// first figures.
#include "app/FatController.h"

#include "app/AcetateController.h"
#include "app/Preferences.h"
#include "app/WindowDesigns.h"
#include "labels/WandrelLabel.h"
#include "platform/Defaults.h"
#include "platform/StringTables.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QComboBox>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>

namespace {

Preferences::Controls preferenceControls(WindowDesigns& d) {
    Preferences::Controls c;
    c.scaleSlider = d.acetate.scaleSlider;
    c.numberOfUnits2 = d.unitViews.numberOfUnits2;
    c.scaleUnits2 = d.unitViews.scaleUnits2;
    c.answerUnits2 = d.unitViews.answerUnits2;
    c.tracingView = d.acetate.wandrelMainView;
    return c;
}

} // namespace

void FatController::awakeFromNib() {
    wandrelMainWindow->setWindowFlag(Qt::NoDropShadowWindowHint);
    defaults = std::make_unique<Defaults>();
    preferences =
        std::make_unique<Preferences>(*defaults, preferenceValues, preferenceControls(designs));
    designs.preferences.whenBuilt(
        [this](QWidget&, Ui::PreferencesWindow& window) { preferences->showIn(window); });
    restorePreferences();
    acetate->applyTint();
    wireTracingView();
    wandrelMainWindow->setMouseTracking(true);
    createToolbars();
    preferences->restoreShowAtStartup();
    designs.information.whenBuilt([this](QDialog&, Ui::InformationWindow& information) {
        preferences->setShowAtStartupButton(information.wandrelShowAtStartupButton);
    });
    preferences->restoreWaypointAlert();
    preferences->restoreWebImageSize();
    createScaleText();
    setRemoveMarkerMenuItem(false);
    fillUnitPopUps();
    switchPreset();
    unitsHaveChanged(this);
    finishStartup();
}

void FatController::restorePreferences() {
    preferences->restoreWebChecks();
    preferences->restoreTint();
    // The bar's designed place, bottom left above the caption, unless the
    // user left it elsewhere.
    scaleSlider->setFrameOrigin(QPointF(40, 40));
    preferences->restoreScaleBar();
    preferences->restoreUnits();
    routeFolder = preferences->routeFolder();
}

// The terrain slider stays unmade with the preferences window; the view
// keeps its designed value meanwhile.
void FatController::wireTracingView() {
    wandrelMainView->setTerrainFactor(PreferenceValues::flatTerrain);
    wandrelMainView->setController(this);
    wandrelMainView->setUnitDataSource(&unitDataSource);
    wandrelMainView->setInfosController(this);
}

// A stored unit, a custom one too, is selected again once the pop-ups list
// it; before they are filled only the designed titles can take it.
void FatController::fillUnitPopUps() {
    unitDataSource.populatePopUpButton(scaleUnits2, false);
    unitDataSource.populatePopUpButton(answerUnits2, false);
    unitDataSource.populatePopUpButton(areaUnits, true);
    preferences->restoreUnits();
}

// Given its maximised size before it is shown, as far as the frame is known
// by then, the window is laid out once.
void FatController::finishStartup() {
    if (!(wandrelMainWindow->windowState() & Qt::WindowMaximized)) {
        wandrelMainWindow->setWindowState(wandrelMainWindow->windowState() | Qt::WindowMaximized);
        const QWindow* window = wandrelMainWindow->windowHandle();
        if (const QScreen* screen = window ? window->screen() : nullptr)
            wandrelMainWindow->setGeometry(
                screen->availableGeometry().marginsRemoved(window->frameMargins()));
    }
    makeWindowTransparent();
    // The sheet needs its window on screen first.
    if (preferences->showInfoAtStartup())
        QMetaObject::invokeMethod(this, &FatController::showInformation, Qt::QueuedConnection);
}

void FatController::applicationWillTerminate() {
    if (!preferences)
        return;
    preferences->save(routeFolder);
    unitDataSource.saveCustomUnits();
}

void FatController::createScaleText() {
    scaleText = new WandrelLabel(QRectF(10, 10, 500, 20), wandrelMainView); // owned by the view
    scaleText->setAccessibleName(StringTables::translate("Wandrel", "Scale caption"));
    scaleText->setString(QStringLiteral("Scale is 1 mile"));
    scaleText->show();
}
