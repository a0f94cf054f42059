// Construction, wiring, settings and drawing of the tracing view.
#include "tracing/WandrelTracingView.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Defaults.h"
#include "platform/PreferenceKeys.h"
#include "platform/UiText.h"
#include "tracing/RouteLayer.h"
#include "tracing/RoutePainter.h"
#include "tracing/TracingViewClient.h"

#include <QAbstractSlider>
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

#include <cmath>

namespace {

// The slider at rest (100 and below) leaves lengths as they are; above it
// the stretch grows exponentially, reaching 1.2 at 120.
float terrainStretch(float t) {
    if (t <= 100)
        return 1.0f;
    const float e = static_cast<float>(static_cast<double>(t - 100.0f) / 6.66666);
    const float p = std::pow(10.0f, e);
    const float f = static_cast<float>(static_cast<double>(p) * 0.02 + 100.0);
    return f / 100.0f;
}

} // namespace

WandrelTracingView::WandrelTracingView(QWidget* parent)
    : QWidget(parent), pointDataSource(std::make_unique<PointDataSource>()),
      routeLayer(std::make_unique<RouteLayer>()), placedHeight(height()) {
    watchRoute();
    setAcceptDrops(true);
    info = std::make_unique<WandrelRouteInfoInspector>();
    info->initStrings();
    info->setOwner(this);
    info->factoryDefaults();
    touch();

    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &WandrelTracingView::windowActivated);
    // Secondary presses are handled as presses; no separate menu event.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

WandrelTracingView::~WandrelTracingView() {
    pointDataSource->setRemovalObserver(nullptr);
    pointDataSource->setOwner(nullptr);
}

// The route tells the view of every point it lets go of, so that the
// selection and the dragged point never outlive their point.
void WandrelTracingView::watchRoute() {
    pointDataSource->setOwner(this);
    pointDataSource->setRemovalObserver([this](const MyPoint* point) {
        if (point == currentPoint)
            currentPoint = nullptr;
        if (point == beingDragged)
            beingDragged = nullptr;
        // Numbers shift; describe once the whole removal is over.
        if (!descriptionPending) {
            descriptionPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    descriptionPending = false;
                    describeSelection();
                },
                Qt::QueuedConnection);
        }
    });
}

void WandrelTracingView::makeContextMenus() {
    if (contextMenusMade)
        return;
    contextMenusMade = true;
    if (!waypointContextMenu) {
        auto* menu = new QMenu(QStringLiteral("Context menu"), this);
        menu->addAction(Wandrel::tr("Remove waypoint"), this,
                        &WandrelTracingView::makeRegularPoint);
        menu->addAction(Wandrel::tr("Show Waypoint Details"), this, &WandrelTracingView::showInfo);
        waypointContextMenu = menu;
    }
    if (!regularPointContextMenu) {
        auto* menu = new QMenu(QStringLiteral("Context menu"), this);
        menu->addAction(Wandrel::tr("Make Waypoint"), this, &WandrelTracingView::makeWaypoint);
        regularPointContextMenu = menu;
    }
}

std::unique_ptr<WandrelTracingView> WandrelTracingView::clone() const {
    auto copy = std::make_unique<WandrelTracingView>();
    copy->setGeometry(geometry());
    copy->setZoomSlider(zoomSlider);
    copy->setZoomWindow(zoomWindow);
    copy->setDragmodeMenuItem(dragmodeMenuItem);
    copy->setAnswerUnits(getAnswerUnits());
    copy->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (TableView* table = pointDataSource->getRouteInspectorTableView())
        copy->setRouteInspectorTableView(table);
    return copy;
}

void WandrelTracingView::setController(TracingViewClient* client) {
    fatController = client;
    resetCursorRects();
}

void WandrelTracingView::setDataSource(std::unique_ptr<PointDataSource> route) {
    if (!route)
        return;
    // The old route goes with every point it holds.
    currentPoint = nullptr;
    beingDragged = nullptr;
    pointDataSource->setRemovalObserver(nullptr);
    TableView* table = pointDataSource->getRouteInspectorTableView();
    pointDataSource = std::move(route);
    watchRoute();
    // An inspector that shows the old route shows the new one instead.
    if (info->isWindowLoaded()) {
        pointDataSource->setRouteInspectorTableView(table);
        info->setDataSource(pointDataSource.get());
    }
    resetCursorRects();
    update();
}

void WandrelTracingView::setToggleImageAttachmentsMenuItem(QAction* item) {
    toggleImageAttachmentsMenuItem = item;
    if (item)
        item->setCheckable(true);
}

void WandrelTracingView::setRouteInspectorTableView(TableView* table) {
    pointDataSource->setRouteInspectorTableView(table);
}

void WandrelTracingView::setInfosController(InspectorClient* client) {
    info->setController(client);
}

void WandrelTracingView::setUnitDataSource(UnitDataSource* units) {
    info->setUnitDataSource(units);
}

void WandrelTracingView::setFinished(bool /*yes*/) {
    finished = true;
    resetCursorRects();
    update();
}

void WandrelTracingView::setPlacingState(int32_t state) {
    placingState = state;
    resetCursorRects();
}

bool WandrelTracingView::isShowingPoints() const {
    return dragmodeMenuItem && dragmodeMenuItem->isChecked();
}

bool WandrelTracingView::isShadingArea() const {
    return shadeAreaButton && shadeAreaButton->property("checked").toBool();
}

float WandrelTracingView::totalDistance() const {
    return pointDataSource->totalDistance() * terrainStretch(getTerrainFactor());
}

float WandrelTracingView::totalArea() const {
    const float stretch = terrainStretch(getTerrainFactor());
    return pointDataSource->totalArea() * stretch * stretch;
}

void WandrelTracingView::setTerrainSlider(QAbstractSlider* slider) {
    terrainSlider = slider;
    if (!slider)
        return;
    slider->setValue(static_cast<int>(std::lround(terrainFactor)));
    connect(slider, &QAbstractSlider::valueChanged, this,
            [this](int value) { adoptTerrainFactor(static_cast<float>(value)); });
    adoptTerrainFactor(static_cast<float>(slider->value())); // within its range
}

void WandrelTracingView::setTerrainFactor(float factor) {
    terrainFactorGiven = true;
    if (terrainSlider)
        terrainSlider->setValue(static_cast<int>(std::lround(factor)));
    else
        adoptTerrainFactor(factor);
}

// Without a slider or a kept factor there is nothing to reset: it reads 0.
void WandrelTracingView::resetTerrainFactor() {
    if (terrainSlider || terrainFactorGiven)
        setTerrainFactor(100);
}

void WandrelTracingView::adoptTerrainFactor(float factor) {
    if (factor == terrainFactor)
        return;
    terrainFactor = factor;
    if (fatController)
        fatController->displayAnswer();
}

float WandrelTracingView::convertUsingScale(float pixels) {
    return info->convertUsingScale(pixels);
}

// The route table asks for these keys; named here so that lupdate files them.
[[maybe_unused]] constexpr const char* routeTableKeys[] = {QT_TRANSLATE_NOOP("Wandrel", "Start"),
                                                           QT_TRANSLATE_NOOP("Wandrel", "Finish")};

std::string WandrelTracingView::translate(const char* key) const {
    return Wandrel::tr(key).toStdString();
}

void WandrelTracingView::saveDefaults(Defaults& defaults) const {
    defaults.setColour(PreferenceKeys::lowLightColour, info->getLowLightColour());
    defaults.setColour(PreferenceKeys::highLightColour, info->getHighLightColour());
    defaults.setFloat(PreferenceKeys::lineWidth, info->getLineWidth());
}

RouteScene WandrelTracingView::scene() const {
    RouteScene s;
    s.route = pointDataSource.get();
    s.finished = finished;
    s.within = within;
    s.mouseX = mouseX;
    s.mouseY = mouseY;
    s.currentPoint = currentPoint;
    s.draggedPoint = beingDragged;
    s.modifyMode = isShowingPoints();
    s.shadeArea = isShadingArea();
    s.viewSize = QSizeF(size());
    if (fatController)
        s.style = LineStyle{fatController->getHighLightColour(), fatController->getLowLightColour(),
                            fatController->getLineWidth()};
    return s;
}

void WandrelTracingView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    routeLayer->paint(painter, scene(), event->rect());
}

void WandrelTracingView::forgetDrawing() {
    routeLayer->forget();
    update();
}

// Views on the acetate are placed from its bottom edge (y up), so they keep
// their distance to it when the window's height changes.
void WandrelTracingView::resizeEvent(QResizeEvent* event) {
    const int dy = event->size().height() - placedHeight;
    placedHeight = event->size().height();
    if (dy != 0)
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow()) // the context menus are windows of their own
                child->move(child->x(), child->y() + dy);
    QWidget::resizeEvent(event);
    // The corner square and the visible rectangle follow the new size.
    resetCursorRects();
}
