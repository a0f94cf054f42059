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
    nameForAccessibility(designs);
    connectControls();
    connectStyleControls();
    connectRouteCommands();
    markerCommands = std::make_unique<MarkerCommands>(designs, units, *this);
    waypointDetails = std::make_unique<WaypointDetails>(designs, *this);
    connectInspector();
    keepFirstSetInStep();
    unitsTab = std::make_unique<UnitsTab>(designs, units);
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
    preferencesWindow = d.preferencesWindow;
    answer = d.preferences.answer;
    numberOfUnits = d.preferences.numberOfUnits;
    scaleUnits = d.preferences.scaleUnits;
    answerUnits = d.preferences.answerUnits;
    answer2 = d.unitViews.answer2;
    numberOfUnits2 = d.unitViews.numberOfUnits2;
    scaleUnits2 = d.unitViews.scaleUnits2;
    answerUnits2 = d.unitViews.answerUnits2;
    areaAnswer = d.unitViews.areaAnswer;
    areaUnits = d.unitViews.areaUnits;
    sqLabel = d.unitViews.sqLabel;
    presets = d.preferences.presets;
    highLightColourWell = d.preferences.highLightColourWell;
    lowLightColourWell = d.preferences.lowLightColourWell;
    lineWidthSlider = d.preferences.lineWidthSlider;
}

// Names a screen reader announces; pop-ups also take theirs from a label.
void FatController::nameForAccessibility(WindowDesigns& d) {
    const std::pair<QWidget*, const char*> names[] = {
        {answer, QT_TRANSLATE_NOOP("Wandrel", "Route length")},
        {answer2, QT_TRANSLATE_NOOP("Wandrel", "Route length (toolbar)")},
        {areaAnswer, QT_TRANSLATE_NOOP("Wandrel", "Enclosed area")},
        {numberOfUnits2, QT_TRANSLATE_NOOP("Wandrel", "Scale number")},
        {numberOfUnits, QT_TRANSLATE_NOOP("Wandrel", "Scale number (preferences)")},
        {scaleUnits2, QT_TRANSLATE_NOOP("Wandrel", "Scale unit")},
        {answerUnits2, QT_TRANSLATE_NOOP("Wandrel", "Length unit")},
        {areaUnits, QT_TRANSLATE_NOOP("Wandrel", "Area unit")},
        {scaleUnits, QT_TRANSLATE_NOOP("Wandrel", "Scale unit (preferences)")},
        {answerUnits, QT_TRANSLATE_NOOP("Wandrel", "Length unit (preferences)")},
        {sqLabel, QT_TRANSLATE_NOOP("Wandrel", "square")},
        {wandrelMainView, QT_TRANSLATE_NOOP("Wandrel", "Acetate")},
        {scaleSlider, QT_TRANSLATE_NOOP("Wandrel", "Scale bar")},
        {d.preferences.mainWindowColour, QT_TRANSLATE_NOOP("Wandrel", "Acetate tint")},
        {d.preferences.presets, QT_TRANSLATE_NOOP("Wandrel", "Line style")},
        {d.preferences.highLightColourWell, QT_TRANSLATE_NOOP("Wandrel", "Outer colour")},
        {d.preferences.lowLightColourWell, QT_TRANSLATE_NOOP("Wandrel", "Inner colour")},
        {d.preferences.lineWidthSlider, QT_TRANSLATE_NOOP("Wandrel", "Line width")},
        {d.preferences.unitTableView, QT_TRANSLATE_NOOP("Wandrel", "Units")},
        {d.preferences.terrainSlider, QT_TRANSLATE_NOOP("Wandrel", "Terrain")},
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
    preferencesWindow->show();
    preferencesWindow->raise();
    preferencesWindow->activateWindow();
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
