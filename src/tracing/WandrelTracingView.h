#pragma once

#include "inspector/InspectorOwner.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"
#include "platform/CursorRegions.h"
#include "tracing/LineStyle.h"
#include "tracing/TracingEvent.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class Defaults;
class InspectorClient;
class TableView;
class TracingViewClient;
class UnitDataSource;
class WandrelRouteInfoInspector;
class QWindow;
class RouteLayer;
struct RouteScene;

// The view over the acetate in which the one route is traced, edited and
// drawn. It owns the route; the figures shown for it come from the
// controller. Coordinates are the view's own: origin bottom-left, y up.
//
// The implementation is split by duty: construction and settings here,
// point editing, event handling and cursors in files of their own.
class WandrelTracingView : public QWidget, public RouteOwner, public InspectorOwner {
    Q_OBJECT
public:
    // What the next primary click places.
    enum PlacingState : int32_t {
        Tracing = 0,
        SpeechBubble = 1,
        Waypoint = 2,
        Image = 3,
        Circle = 4
    };

    explicit WandrelTracingView(QWidget* parent = nullptr);
    ~WandrelTracingView() override;

    // A fresh view with this view's frame and settings but no points.
    std::unique_ptr<WandrelTracingView> clone() const;

    // Wiring. None of these is owned; an absent element reads as off (a
    // slider as 0) and an absent controller makes its steps do nothing.
    void setController(TracingViewClient* client);
    TracingViewClient* getController() const { return fatController; }
    // Replaces the route; a null route is refused.
    void setDataSource(std::unique_ptr<PointDataSource> route);
    // Checked is modify mode (points can be dragged and inserted); anything
    // else is lock mode (a drag moves the whole route).
    void setDragmodeMenuItem(QAction* item) { dragmodeMenuItem = item; }
    QAction* getDragmodeMenuItem() const { return dragmodeMenuItem; }
    // Anything with a "checked" property; while checked the area is shaded.
    void setShadeAreaButton(QObject* control) { shadeAreaButton = control; }
    // Shows the terrain factor and sets it from then on; the factor is kept
    // without one too.
    void setTerrainSlider(QAbstractSlider* slider);
    void setToggleImageAttachmentsMenuItem(QAction* item);
    void setTracingViewContextMenu(QMenu* menu) { tracingViewContextMenu = menu; }
    void setWaypointContextMenu(QMenu* menu) { waypointContextMenu = menu; }
    void setRegularPointContextMenu(QMenu* menu) { regularPointContextMenu = menu; }
    QMenu* getWaypointContextMenu() {
        makeContextMenus();
        return waypointContextMenu;
    }
    QMenu* getRegularPointContextMenu() {
        makeContextMenus();
        return regularPointContextMenu;
    }
    void setZoomSlider(QAbstractSlider* slider) { zoomSlider = slider; }
    void setZoomWindow(QWidget* window) { zoomWindow = window; }
    QAbstractSlider* getZoomSlider() const { return zoomSlider; }
    QWidget* getZoomWindow() const { return zoomWindow; }
    void setRouteInspectorTableView(TableView* table) override;
    // The route's inspector is told of the controller and the registry.
    void setInfosController(InspectorClient* client);
    void setUnitDataSource(UnitDataSource* units);
    WandrelRouteInfoInspector& getInfo() { return *info; }

    PointDataSource& getPointDataSource() override { return *pointDataSource; }
    const PointDataSource& getPointDataSource() const { return *pointDataSource; }

    // State, as the controller's commands and drag routing ask for it.
    bool isFinished() const { return finished; }
    // Only ever finishes the route: continuing is cont()'s job.
    void setFinished(bool yes);
    int32_t getPlacingState() const { return placingState; }
    void setPlacingState(int32_t state);
    bool isBeingDragged() const { return routeBeingDragged; }
    bool isPointBeingDragged() const { return beingDragged != nullptr; }
    bool isMarkedForDeletion() const { return markedForDeletion; }
    bool isShowingPoints() const;
    bool isShadingArea() const;
    bool isWithin() const { return within; }
    // The selected point; never one that the route has let go of.
    MyPoint* getCurrentPoint() const { return currentPoint; }
    QDateTime getLastClicked() const { return lastClicked; }

    // Route length and area in pixels, stretched by the terrain factor.
    float totalDistance() const;
    float totalArea() const;
    // The factor its slider shows, or was given while the slider is not
    // made; 0 when neither. A change refigures the answer.
    float getTerrainFactor() const { return terrainFactor; }
    void setTerrainFactor(float factor);
    void resetTerrainFactor();
    float convertUsingScale(float pixels) override;
    std::string translate(const char* key) const override;

    // Point editing at an event's position.
    void addRegularPoint(const TracingEvent& event);
    void addWayPoint(const TracingEvent& event);
    void insertRegularPoint(const TracingEvent& event);
    void insertWayPoint(const TracingEvent& event);
    // Moves every point by (dx, -dy): dy is a pointer movement, y down.
    void translateX(float dx, float dy);
    // Distance markers on the route; the caller redraws.
    void addMarkersAt(float interval, const QString& units, float numberOfUnits);
    void removeDistanceMarkers();

    // Drag routing, called back by the controller.
    MyPoint* pointHitTest(const TracingEvent& event);
    bool routeHitTest(const TracingEvent& event) const;
    void mouseDraggedStep2(const TracingEvent& event);

    // Rebuilds the cursor rectangles; call after anything that changes what
    // a click would do (the drag-mode switch, for one).
    void resetCursorRects();
    // In view coordinates (y up).
    const CursorRegions& cursorRegions() const { return cursorRects; }
    QCursor getXyzCursor() const { return cursorFor(XyzCursor); }
    QCursor getWaypointCursor() const { return cursorFor(WaypointCursor); }
    QCursor getPinCursor() const { return cursorFor(PinCursor); }
    QCursor getCircleCursor() const { return cursorFor(CircleCursor); }
    QCursor getMoveCursor() const { return cursorFor(MoveCursor); }

    // The route's own line style and its storage.
    QColor getHighLightColour() const;
    QColor getLowLightColour() const;
    float getLineWidth() const;
    void setHighLightColour(const QColor& colour);
    void setLowLightColour(const QColor& colour);
    void setLineWidth(float width);
    void saveDefaults(Defaults& defaults) const;

    // Figures and settings of the route's inspector.
    void setAnswer(const QString& text);
    void setAreaAnswer(const QString& text);
    void setScale(const QString& text);
    void setScaleUnits(const QString& title);
    void setAnswerUnits(const QString& title);
    void setAreaUnits(const QString& title);
    QString getAnswer() const;
    QString getAreaAnswer() const;
    QString getScale() const;
    QString getScaleUnits() const;
    // The inspector's answer unit, or the main window's while it has none.
    QString getAnswerUnits() const;
    void reloadData();
    void refreshInfoTable();
    // The route's leg table as HTML, and the flag of its waypoint notice.
    std::string getDataAsHTML() const { return pointDataSource->getDataAsHTML(); }
    void DontShowWaypointAlert(bool yes) { pointDataSource->DontShowWaypointAlert(yes); }
    bool DontShowWaypointAlertIsSet() const {
        return pointDataSource->DontShowWaypointAlertIsSet();
    }
    void unitsHaveChanged();
    void updateInfoFields() override;
    QWidget* ownerWindow() override { return window(); }
    // Opens the current waypoint's details; false when there is no
    // current waypoint.
    bool showWaypointInspector();

    // Keyboard editing of a finished route in modify mode: arrows move the
    // selected point by a pixel (ten with Shift), Tab and Shift+Tab select
    // the next and previous point. Each answers false when it did nothing.
    bool nudgeCurrentPoint(float dx, float dy);
    bool selectAdjacentPoint(bool next);
    // "Point 3 of 12, waypoint"; empty without a selection. Also the view's
    // accessible description.
    QString selectionDescription() const;

    // The route's files. A fragment is one property list with the points,
    // the line style and the answer unit; reading one appends its points and
    // finishes the route. A route folder holds "route.xml" and
    // "lineInfo.plist" (colours, width and terrain factor; loading it leaves
    // the width alone). Failures change nothing and go to the log at most.
    void writeToFileAsFragment(const QString& path);
    void readFromFragmentFile(const QString& path);
    void writeToFile(const QString& path, QPointF thisEnd, QPointF thatEnd,
                     const QString& numberOfUnits, const QString& scaleUnits,
                     const QString& answerUnits, float windowX, float windowY);
    void writeInfoToFile(const QString& folder);
    void loadLineInfo(const QString& folder);
    void loadObjects(const QVariantList& /*objects*/, const QString& /*folder*/) {}

public slots:
    void makeWaypoint();
    void makeRegularPoint();
    void deleteCurrentPoint();
    void undoPoint();
    void reset();
    void clearPointsMenuItem();
    void removeThisFragment();
    void cont();
    void reDraw() override { update(); }
    // Drops the cached picture of the route: the next paint draws afresh.
    void forgetDrawing();
    void showInfo();
    void toggleImageAttachments();
    // The zoom window: opened over the acetate's corner with its slider at
    // 1, closed with the slider back at 1.
    void showSlider();
    void hideSlider();
    void zoomRoute() {}

signals:
    // A file was dropped on the view: its path and the drop point in view
    // coordinates. Nothing opens it yet.
    void fileDropped(const QString& path, QPointF location);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void adoptTerrainFactor(float factor);
    // In the order of their images' borrowing (see cursorFor()).
    enum CursorKind { XyzCursor, WaypointCursor, PinCursor, CircleCursor, MoveCursor, CursorKinds };
    const QCursor& cursorFor(CursorKind kind) const;
    // The point menus are made on first use, those not given by then.
    void makeContextMenus();
    void watchRoute();
    RouteScene scene() const;

    // Editing steps shared by several commands.
    void clearRoute();
    void bringWindowToFront();
    // The instant alone matters; universal time spares a time-zone look-up.
    void touch() { lastClicked = QDateTime::currentDateTimeUtc(); }

    // A click that only brings the window forward is no click on the route.
    bool activatesWindow();
    void windowActivated(QWindow* focused);

    // Handlers; each answers false when the event is to be passed on.
    TracingEvent tracingEvent(const QMouseEvent& event, int clickCount);
    void press(QMouseEvent& event, int clickCount);
    void convertCurrentPoint(bool waypoint);
    bool mouseDown(const TracingEvent& event);
    bool placeObject(const TracingEvent& event);
    bool doubleClick();
    bool selectOrInsert(const TracingEvent& event);
    void traceClick(const TracingEvent& event);
    void mouseDragged(const TracingEvent& event);
    void mouseUp();
    bool mouseMoved(const TracingEvent& event);
    bool rightMouseDown(const TracingEvent& event);
    void popUp(QMenu* menu, const TracingEvent& event);
    void keyDown(const QKeyEvent& event);
    bool isKeyboardEditing() const;
    bool nudgeKey(const QKeyEvent& event);
    void describeSelection();

    QPointF toView(QPointF widgetPosition) const;
    QRectF visibleRect() const;
    void addPlacingCursorRect(const QRectF& visible);
    void followPointer();

    std::unique_ptr<PointDataSource> pointDataSource;
    std::unique_ptr<RouteLayer> routeLayer;
    TracingViewClient* fatController = nullptr;
    bool within = true;
    bool finished = false;
    bool markedForDeletion = false;
    float mouseX = 0;
    float mouseY = 0;
    int32_t placingState = Tracing;
    QPointer<QObject> shadeAreaButton;
    QPointer<QAbstractSlider> terrainSlider;
    float terrainFactor = 0;
    bool terrainFactorGiven = false;
    // Made on first use: most sessions never show most of them.
    mutable std::array<std::optional<QCursor>, CursorKinds> cursors;
    bool routeBeingDragged = false;
    MyPoint* beingDragged = nullptr;
    MyPoint* currentPoint = nullptr;
    QPointer<QAction> dragmodeMenuItem;
    QPointer<QAction> toggleImageAttachmentsMenuItem;
    QPointer<QMenu> waypointContextMenu;
    QPointer<QMenu> regularPointContextMenu;
    bool contextMenusMade = false;
    QPointer<QAbstractSlider> zoomSlider;
    QPointer<QWidget> zoomWindow;
    bool clickWithoutDragging = false;
    std::unique_ptr<WandrelRouteInfoInspector> info;
    float minX = 0;
    float minY = 0;
    QPointer<QMenu> tracingViewContextMenu;
    QDateTime lastClicked;

    CursorRegions cursorRects;
    // Set when the window became active with the pointer over the view: the
    // press that follows at once is the one that activated it.
    bool activatedUnderPointer = false;
    QElapsedTimer activatedAt;
    bool swallowingPress = false;
    bool activationClaimed = false;
    // Widget position of the previous event of a press, for its deltas.
    QPointF lastPointerPosition;
    // Height at which the child views were last placed; Qt does not report
    // the old size of a resize made while the view was hidden.
    int placedHeight;
    bool descriptionPending = false;
};
