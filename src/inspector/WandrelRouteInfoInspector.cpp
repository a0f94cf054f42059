#include "inspector/WandrelRouteInfoInspector.h"

#include "inspector/InspectorClient.h"
#include "inspector/InspectorOwner.h"
#include "model/PointDataSource.h"
#include "platform/PopUpTitles.h"
#include "platform/StringTables.h"
#include "platform/UiText.h"
#include "ui_WandrelRouteInfoInspector.h"
#include "units/UnitDataSource.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

// A value read from a file may lie far beyond the slider, where turning it
// into an int would be undefined.
void setSlider(QAbstractSlider* slider, float value) {
    const QSignalBlocker quiet(slider);
    const float lowest = float(slider->minimum());
    const float kept = std::isfinite(value) ? std::clamp(value, lowest, float(slider->maximum()))
                                            : lowest;
    slider->setValue(static_cast<int>(kept));
}

} // namespace

WandrelRouteInfoInspector::WandrelRouteInfoInspector(QObject* parent) : QObject(parent) {}

// The window belongs to the acetate, which may outlive the inspector.
WandrelRouteInfoInspector::~WandrelRouteInfoInspector() {
    delete window.data();
}

void WandrelRouteInfoInspector::initStrings() {
    infoStrAnswer.clear();
    infoStrAreaAnswer.clear();
    infoStrAnswerUnits.clear();
    infoStrScaleNumber.clear();
    infoStrScaleUnits.clear();
}

void WandrelRouteInfoInspector::showWindow() {
    if (!window)
        loadWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void WandrelRouteInfoInspector::loadWindow() {
    QWidget* parentWindow = owner ? owner->ownerWindow() : nullptr;
    window = new QWidget(parentWindow, Qt::Tool); // owned by the acetate
    ui = std::make_unique<Ui::WandrelRouteInfoInspector>();
    ui->setupUi(window);
    ui->tableView->setModel(&model);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    model.setView(ui->tableView);
    addEditMenu();
    if (unitDataSource) {
        unitDataSource->populatePopUpButton(ui->infoAnswerUnits, false);
        unitDataSource->populatePopUpButton(ui->infoAreaUnits, true);
        unitDataSource->populatePopUpButton(ui->infoScaleUnits, false);
    }
    connectControls();
    windowDidLoad();
}

void WandrelRouteInfoInspector::addEditMenu() {
    auto* bar = new QMenuBar(window);
    QMenu* edit = bar->addMenu(Wandrel::tr("Edit", "menu"));
    copyAction = edit->addAction(Wandrel::tr("Copy"), this, &WandrelRouteInfoInspector::copyTable);
    copyAction->setShortcut(QKeySequence::Copy);
    window->layout()->setMenuBar(bar);
}

void WandrelRouteInfoInspector::connectControls() {
    connect(ui->highLightColourWell, &ColourWell::colorChanged, this,
            &WandrelRouteInfoInspector::handleControl);
    connect(ui->lowLightColourWell, &ColourWell::colorChanged, this,
            &WandrelRouteInfoInspector::handleControl);
    for (QAbstractSlider* slider : {ui->lineWidthSlider, ui->terrainSlider})
        connect(slider, &QAbstractSlider::valueChanged, this,
                &WandrelRouteInfoInspector::handleControl);
    for (QComboBox* box : {ui->infoAnswerUnits, ui->infoAreaUnits})
        connect(box, &QComboBox::activated, this, [this, box] { unitsHaveChanged(box); });
    connect(ui->shadeAreaButton, &QCheckBox::toggled, this,
            &WandrelRouteInfoInspector::handleShadeAreaButton);
    connect(ui->presets, &QComboBox::activated, this, &WandrelRouteInfoInspector::switchPreset);
    connect(ui->copyTableButton, &QPushButton::clicked, this,
            &WandrelRouteInfoInspector::copyTable);
}

void WandrelRouteInfoInspector::windowDidLoad() {
    if (owner) {
        model.setDataSource(&owner->getPointDataSource());
        owner->setRouteInspectorTableView(&model);
        owner->updateInfoFields();
    }
    showStyle();
    setSlider(ui->terrainSlider, terrainFactor);
    ui->infoAreaAnswer->setText(infoStrAreaAnswer);
    ui->infoAnswer->setText(infoStrAnswer);
    ui->scaleNumber->setText(infoStrScaleNumber);
    PopUpTitles::select(ui->infoScaleUnits, infoStrScaleUnits);
    PopUpTitles::select(ui->infoAreaUnits, infoStrAnswerUnits);
    PopUpTitles::select(ui->infoAnswerUnits, infoStrAnswerUnits);
}

void WandrelRouteInfoInspector::showStyle() {
    if (!controls())
        return;
    ui->lowLightColourWell->setColor(lowLightColour);
    ui->highLightColourWell->setColor(highLightColour);
    setSlider(ui->lineWidthSlider, lineWidth);
}

void WandrelRouteInfoInspector::setAnswer(const QString& text) {
    infoStrAnswer = text;
    if (controls())
        ui->infoAnswer->setText(text);
}

void WandrelRouteInfoInspector::setAreaAnswer(const QString& text) {
    infoStrAreaAnswer = text;
    if (controls())
        ui->infoAreaAnswer->setText(text);
}

void WandrelRouteInfoInspector::setScale(const QString& text) {
    infoStrScaleNumber = text;
    if (controls())
        ui->scaleNumber->setText(text);
}

void WandrelRouteInfoInspector::setScaleUnits(const QString& title) {
    infoStrScaleUnits = title;
    if (controls())
        PopUpTitles::select(ui->infoScaleUnits, title);
}

// The area pop-up takes the answer unit's title too; an area unit of that
// title may not exist, and then the area pop-up stays as it is.
void WandrelRouteInfoInspector::setAnswerUnits(const QString& title) {
    infoStrAnswerUnits = title;
    if (!controls())
        return;
    PopUpTitles::select(ui->infoAnswerUnits, title);
    PopUpTitles::select(ui->infoAreaUnits, title);
}

void WandrelRouteInfoInspector::setAreaUnits(const QString& title) {
    if (controls())
        PopUpTitles::select(ui->infoAreaUnits, title);
}

QString WandrelRouteInfoInspector::getScale() const {
    return controls() ? ui->scaleNumber->text() : infoStrScaleNumber;
}

QString WandrelRouteInfoInspector::getScaleUnits() const {
    return controls() ? PopUpTitles::selected(ui->infoScaleUnits) : infoStrScaleUnits;
}

QString WandrelRouteInfoInspector::getAnswerUnits() const {
    return controls() ? PopUpTitles::selected(ui->infoAnswerUnits) : infoStrAnswerUnits;
}

QString WandrelRouteInfoInspector::getAreaUnits() const {
    return controls() ? PopUpTitles::selected(ui->infoAreaUnits) : infoStrAnswerUnits;
}

void WandrelRouteInfoInspector::setHighLightColour(const QColor& colour) {
    highLightColour = colour;
    if (controls())
        ui->highLightColourWell->setColor(colour);
}

void WandrelRouteInfoInspector::setLowLightColour(const QColor& colour) {
    lowLightColour = colour;
    if (controls())
        ui->lowLightColourWell->setColor(colour);
}

void WandrelRouteInfoInspector::setLineWidth(float width) {
    lineWidth = width;
    if (controls())
        setSlider(ui->lineWidthSlider, width);
}

float WandrelRouteInfoInspector::getTerrainFactor() const {
    return controls() ? static_cast<float>(ui->terrainSlider->value()) : terrainFactor;
}

void WandrelRouteInfoInspector::setTerrainFactor(float factor) {
    terrainFactor = factor;
    if (controls())
        setSlider(ui->terrainSlider, factor);
}

void WandrelRouteInfoInspector::handleControl() {
    if (!controls())
        return;
    highLightColour = ui->highLightColourWell->color();
    lowLightColour = ui->lowLightColourWell->color();
    lineWidth = static_cast<float>(ui->lineWidthSlider->value());
    terrainFactor = static_cast<float>(ui->terrainSlider->value());
    if (owner)
        owner->reDraw();
}

// The two pop-ups show one unit: choosing either moves the other.
void WandrelRouteInfoInspector::unitsHaveChanged(const QObject* sender) {
    if (controls() && sender == ui->infoAreaUnits)
        PopUpTitles::select(ui->infoAnswerUnits, PopUpTitles::selected(ui->infoAreaUnits));
    if (controls() && sender == ui->infoAnswerUnits)
        PopUpTitles::select(ui->infoAreaUnits, PopUpTitles::selected(ui->infoAnswerUnits));
    if (controller)
        controller->unitsHaveChanged(this);
    reloadData();
}

void WandrelRouteInfoInspector::handleShadeAreaButton() {
    if (owner)
        owner->reDraw();
}

bool WandrelRouteInfoInspector::shouldShadeArea() const {
    return controls() && ui->shadeAreaButton->isChecked();
}

float WandrelRouteInfoInspector::convertUsingScale(float pixels) const {
    return controller ? controller->convertUsingScale(pixels) : 0.0f;
}

void WandrelRouteInfoInspector::setChangesMade(bool /*changed*/) {
    if (controller)
        controller->setChangesMade(true);
}

void WandrelRouteInfoInspector::copyTable() {
    auto mime = std::make_unique<QMimeData>();
    mime->setText(model.tabSeparated());
    if (owner)
        mime->setHtml(QString::fromStdString(owner->getPointDataSource().getDataAsHTML()));
    QGuiApplication::clipboard()->setMimeData(mime.release()); // the clipboard owns it
}
