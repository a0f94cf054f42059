#pragma once

#include "model/MyPoint.h"
#include "model/PointArena.h"
#include "model/PointD.h"
#include "model/Rect.h"
#include "model/rtDataSource.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

class RouteCheckBox;
class RouteOwner;
class RouteWindow;

// A route: its points from start to finish and the geometry on them, in the
// tracing view's pixels. Nothing is cached; every answer is recomputed.
// The points live in the route's own arena: a point keeps its address from
// the moment the route makes it until the route destroys it.
class PointDataSource : public rtDataSource<MyPoint, PointArena> {
public:
    // Keeps a copy of the point: the answer is the route's point, and the
    // handed-in object is destroyed.
    MyPoint* add(std::unique_ptr<MyPoint> point) override;
    MyPoint* add(float x, float y, MyPoint::Kind kind = MyPoint::Regular);

    // Without a table: every point. With one: the waypoints (its rows).
    int64_t numberOfRowsInTableView(const TableView* table) const override;
    // A cell of the waypoint table by column identifier "1" to "4".
    std::string objectValueForTableColumn(const TableView* table, const std::string& column,
                                          int32_t row) const override;
    // The waypoint table as one line of HTML.
    std::string getDataAsHTML() const;
    void refreshInfoTable() const { reloadTable(); }
    // Brings the inspector window forward and, while the notice is wanted
    // and the route has exactly two rows, the notice too.
    void showInfo() const;
    // Asks the selected row's waypoint for its inspector.
    void requestForWaypointInspector() const;
    void DontShowWaypointAlert(bool yes);
    bool DontShowWaypointAlertIsSet() const;

    MyPoint* getLastPoint() const;
    MyPoint* getNearestPointToX(float x, float y) const;
    Rect getCursorRectForPoint(int32_t index) const;
    MyPoint* getnthWaypoint(int64_t n) const;
    int32_t pointNumberForWaypoint(int32_t n) const;
    int32_t WaypointCount() const;
    bool isPointStartPoint(const MyPoint* point) const;
    bool isPointFinishPoint(const MyPoint* point) const;
    void setFirstAndLastAsWaypoints();

    MyPoint* insertPointatX(float x, float y);
    static bool isBetween(const MyPoint& p, const MyPoint& a, const MyPoint& b);
    static std::unique_ptr<MyPoint> newPointBetweenThisPoint(const MyPoint& a, const MyPoint& b,
                                                             float t);
    // The same point by value, for callers that keep it elsewhere.
    static MyPoint pointBetween(const MyPoint& a, const MyPoint& b, float t);

    float totalDistance() const;
    float totalArea() const;
    static float distanceBetweenThisPoint(const MyPoint& a, const MyPoint& b);
    float distanceBetweennthWaypoint(int32_t m, int32_t n) const;

    float getMinX() const;
    float getMinY() const;
    float getWidth() const;
    void applyScale(float s);
    void applyTransformX(float dx, float dy);
    static float rtAbs(float v) { return v < 0 ? v * -1.0f : v; }
    static bool rtInt(float v) { return v < 0; }
    void releasePoints();

    void setOwner(RouteOwner* o) { owner = o; }
    RouteOwner* getOwner() const { return owner; }
    void setRouteInspectorTableView(TableView* table) { routeInspectorTableView = table; }
    TableView* getRouteInspectorTableView() const { return routeInspectorTableView; }
    void setRouteInspector(RouteWindow* window) { routeInspector = window; }
    void setWaypointAlert(RouteWindow* window) { waypointAlert = window; }
    void setDontShowWaypointAlert(RouteCheckBox* box) { dontShowWaypointAlert = box; }
    Rect tableViewFrame() const;
    void setTableViewFrame(const Rect& frame);
    const PointArena& pointArena() const { return itemStorage(); }
    // The points in route order, for walks that would otherwise look each
    // one up by index.
    std::span<MyPoint* const> points() const { return items(); }

    // Told of every point just before the route destroys it, so holders of
    // non-owning pointers can let go.
    void setRemovalObserver(std::function<void(const MyPoint*)> observer) {
        removalObserver = std::move(observer);
    }

    // Distance markers. Placing first removes the old ones; neither reloads
    // the table nor redraws.
    void addMarkersAt(float interval, const std::string& units, float numberOfUnits);
    void removeDistanceMarkers();

    // Writes "route.xml" into the folder at `path`: the points, then the
    // scale bar's ends, the scale and answer units and a window position.
    void writeToFile(const std::string& path, PointD thisEnd, PointD thatEnd,
                     const std::string& numberOfUnits, const std::string& scaleUnits,
                     const std::string& answerUnits, float windowX, float windowY) const;

protected:
    void willRemove(const MyPoint* point) override;

private:
    float sumOfSegments(int64_t from, int64_t to) const;
    // The index of waypoint n, counted from 0; -1 past the last.
    int64_t indexOfWaypoint(int64_t n) const;
    // Every point once, in no particular order: in place when the arena
    // can, else through the route.
    template <typename Visit> void eachPoint(Visit visit) const {
        if (!pointArena().visitInPlace(visit))
            for (MyPoint* p : items())
                visit(*p);
    }
    void reloadTable() const;

    RouteOwner* owner = nullptr;
    TableView* routeInspectorTableView = nullptr;
    RouteWindow* routeInspector = nullptr;
    RouteWindow* waypointAlert = nullptr;
    RouteCheckBox* dontShowWaypointAlert = nullptr;
    std::function<void(const MyPoint*)> removalObserver;
};
