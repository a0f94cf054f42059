// Construction: the controller's fields are connected to the designs here,
// in one place, and the controls to the controller's operations.
#include "app/FatController.h"

#include "app/AcetateController.h"
#include "app/MarkerCommands.h"
#include "app/MeasurementDocument.h"
#include "app/PictureCommands.h"
#include "app/Preferences.h"
#include "app/ToolbarItems.h"
#include "app/UnitsTab.h"
#include "app/WaypointDetails.h"
#include "app/WindowDesigns.h"
#include "labels/WandrelLabel.h"
#include "platform/Defaults.h"
#include "platform/PopUpTitles.h"
#include "platform/UiText.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QUrl>
#include <QWindow>

FatController::FatController(WindowDesigns& d, UnitDataSource& units)
    : designs(d), unitDataSource(units) {
    connectOutlets(designs);
    nameForAccessibility();
    connectControls();
    connectRouteCommands();
    markerCommands = std::make_unique<MarkerCommands>(designs, units, *this);
    waypointDetails = std::make_unique<WaypointDetails>(designs, *this);
    connectInspector();
    designs.preferences.whenBuilt(
        [this](QWidget&, Ui::PreferencesWindow& window) { adoptPreferencesWindow(window); });
    acetate = std::make_unique<AcetateController>(designs, *this);
    document = std::make_unique<MeasurementDocument>(designs, *this);
    pictureCommands = std::make_unique<PictureCommands>(designs, *this);
    toolbarItems = std::make_unique<ToolbarItems>(designs, *this, *acetate);
}

// The views outlive the controller inside the window; they must not call back.
FatController::~FatController() {
    wandrelMainView->setController(nullptr);
    wandrelMainView->setInfosController(nullptr);
    scaleSlider->setClient(nullptr);
}

void FatController::connectOutlets(WindowDesigns& d) {
    wandrelMainWindow = &d.acetateWindow;
    wandrelMainView = d.acetate.wandrelMainView;
    scaleSlider = d.acetate.scaleSlider;
    answer2 = d.unitViews.answer2;
    numberOfUnits2 = d.unitViews.numberOfUnits2;
    scaleUnits2 = d.unitViews.scaleUnits2;
    answerUnits2 = d.unitViews.answerUnits2;
    areaAnswer = d.unitViews.areaAnswer;
    areaUnits = d.unitViews.areaUnits;
    sqLabel = d.unitViews.sqLabel;
}

// The preferences window, just made: its controls show what the acetate's
// show and work from then on.
void FatController::adoptPreferencesWindow(Ui::PreferencesWindow& window) {
    answer = window.answer;
    numberOfUnits = window.numberOfUnits;
    scaleUnits = window.scaleUnits;
    answerUnits = window.answerUnits;
    presets = window.presets;
    highLightColourWell = window.highLightColourWell;
    lowLightColourWell = window.lowLightColourWell;
    lineWidthSlider = window.lineWidthSlider;
    namePreferencesForAccessibility(window);
    unitDataSource.populatePopUpButton(scaleUnits, false);
    unitDataSource.populatePopUpButton(answerUnits, false);
    PopUpTitles::select(scaleUnits, PopUpTitles::selected(scaleUnits2));
    PopUpTitles::select(answerUnits, PopUpTitles::selected(answerUnits2));
    numberOfUnits->setText(numberOfUnits2->text());
    answer->setText(answer2->text());
    presets->setCurrentIndex(preferenceValues.preset);
    setHighLightColour(highLightColour);
    setLowLightColour(lowLightColour);
    setLineWidth(lineWidth);
    keepFirstSetInStep();
    connectStyleControls();
    wandrelMainView->setTerrainSlider(window.terrainSlider);
    unitsTab = std::make_unique<UnitsTab>(designs, unitDataSource);
}

// Names a screen reader announces; pop-ups also take theirs from a label.
void FatController::nameForAccessibility() {
    const std::pair<QWidget*, const char*> names[] = {
        {answer2, QT_TRANSLATE_NOOP("Wandrel", "Route length (toolbar)")},
        {areaAnswer, QT_TRANSLATE_NOOP("Wandrel", "Enclosed area")},
        {numberOfUnits2, QT_TRANSLATE_NOOP("Wandrel", "Scale number")},
        {scaleUnits2, QT_TRANSLATE_NOOP("Wandrel", "Scale unit")},
        {answerUnits2, QT_TRANSLATE_NOOP("Wandrel", "Length unit")},
        {areaUnits, QT_TRANSLATE_NOOP("Wandrel", "Area unit")},
        {sqLabel, QT_TRANSLATE_NOOP("Wandrel", "square")},
        {wandrelMainView, QT_TRANSLATE_NOOP("Wandrel", "Acetate")},
        {scaleSlider, QT_TRANSLATE_NOOP("Wandrel", "Scale bar")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(Wandrel::tr(name));
}

void FatController::namePreferencesForAccessibility(Ui::PreferencesWindow& window) {
    const std::pair<QWidget*, const char*> names[] = {
        {window.answer, QT_TRANSLATE_NOOP("Wandrel", "Route length")},
        {window.numberOfUnits, QT_TRANSLATE_NOOP("Wandrel", "Scale number (preferences)")},
        {window.scaleUnits, QT_TRANSLATE_NOOP("Wandrel", "Scale unit (preferences)")},
        {window.answerUnits, QT_TRANSLATE_NOOP("Wandrel", "Length unit (preferences)")},
        {window.mainWindowColour, QT_TRANSLATE_NOOP("Wandrel", "Acetate tint")},
        {window.presets, QT_TRANSLATE_NOOP("Wandrel", "Line style")},
        {window.highLightColourWell, QT_TRANSLATE_NOOP("Wandrel", "Outer colour")},
        {window.lowLightColourWell, QT_TRANSLATE_NOOP("Wandrel", "Inner colour")},
        {window.lineWidthSlider, QT_TRANSLATE_NOOP("Wandrel", "Line width")},
        {window.unitTableView, QT_TRANSLATE_NOOP("Wandrel", "Units")},
        {window.terrainSlider, QT_TRANSLATE_NOOP("Wandrel", "Terrain")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(Wandrel::tr(name));
}

void FatController::connectControls() {
    auto& menu = designs.acetate;
    connect(numberOfUnits2, &QLineEdit::textEdited, this,
            [this] { unitsHaveChanged(numberOfUnits2); });
    for (QComboBox* box : {scaleUnits2, answerUnits2, areaUnits})
        connect(box, &QComboBox::activated, this, [this, box] { unitsHaveChanged(box); });
    connect(menu.actionAbout, &QAction::triggered, this, &FatController::showInformation);
    connect(menu.actionPreferences, &QAction::triggered, this, &FatController::showPreferences);
    connect(menu.actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit);
    connect(menu.actionHomePage, &QAction::triggered, this, &FatController::homePage);
    connect(menu.actionUpdates, &QAction::triggered, this, &FatController::updates);
    scaleSlider->setClient(this);
    scaleSlider->setScaleMenuItem(menu.scaleMenuItem);
    scaleSlider->setHorizontalLock(menu.horizontalLockMenuItem);
    connect(menu.lockHorizontalMenuItem, &QAction::triggered, scaleSlider,
            &SwinginSlider::lockHorizontal);
    designs.information.whenBuilt([this](QDialog&, Ui::InformationWindow& information) {
        connect(information.closeTheAboutWindowButton, &QPushButton::clicked, this,
                &FatController::closeTheAboutWindow);
    });
}

// The first set of scale controls mirrors the second, which the figures read.
void FatController::keepFirstSetInStep() {
    const auto mirrorText = [](QLineEdit* from, QLineEdit* to) {
        QObject::connect(from, &QLineEdit::textChanged, to, [to](const QString& text) {
            if (to->text() != text)
                to->setText(text);
        });
    };
    mirrorText(numberOfUnits2, numberOfUnits);
    mirrorText(numberOfUnits, numberOfUnits2);
    connect(numberOfUnits, &QLineEdit::textEdited, this,
            [this] { unitsHaveChanged(numberOfUnits2); });

    const auto mirrorTitle = [this](QComboBox* from, QComboBox* to, QComboBox* reported) {
        connect(from, &QComboBox::currentTextChanged, to,
                [to](const QString& title) { PopUpTitles::select(to, title); });
        if (reported)
            connect(from, &QComboBox::activated, this,
                    [this, reported] { unitsHaveChanged(reported); });
    };
    mirrorTitle(scaleUnits2, scaleUnits, nullptr);
    mirrorTitle(scaleUnits, scaleUnits2, scaleUnits2);
    mirrorTitle(answerUnits2, answerUnits, nullptr);
    mirrorTitle(answerUnits, answerUnits2, answerUnits2);
}

void FatController::showInformation() {
    designs.information.window()->open();
}

void FatController::closeTheAboutWindow() {
    designs.information.window()->accept();
}

void FatController::abortModal() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

void FatController::showPreferences() {
    toolbarItems->prefsToolbar(); // before the window takes its size
    QWidget* window = designs.preferences.window();
    window->show();
    window->raise();
    window->activateWindow();
}

// The addresses are keys of the string table, so a translation may point
// at a localised site.
void FatController::homePage() {
    QDesktopServices::openUrl(QUrl(Wandrel::tr("https://wandrel.app/")));
}

void FatController::updates() {
    QDesktopServices::openUrl(QUrl(Wandrel::tr("https://wandrel.app/updates/")));
}

// The route inspector's menu item and the zoom window come with the
// acetate's designs.
void FatController::connectInspector() {
    wandrelMainView->setZoomWindow(designs.zoomWindow);
    wandrelMainView->setZoomSlider(designs.zoom.zoomSlider);
    designs.acetate.showInfoMenuItem->setEnabled(true);
    connect(designs.acetate.showInfoMenuItem, &QAction::triggered, wandrelMainView,
            &WandrelTracingView::showInfo);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused == wandrelMainWindow->windowHandle())
            windowDidBecomeKey();
    });
}

void FatController::windowDidBecomeKey() {
    wandrelMainView->hideSlider();
    displayAnswer();
}
