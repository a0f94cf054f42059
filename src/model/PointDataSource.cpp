#include "model/PointDataSource.h"

#include "model/DistanceMarkers.h"
#include "model/LengthChain.h"
#include "model/ModelLog.h"
#include "model/RouteCheckBox.h"
#include "model/RouteSums.h"
#include "model/RouteWindow.h"
#include "model/RouteXml.h"
#include "model/WaypointTable.h"

#include <algorithm>
#include <span>

MyPoint* PointDataSource::add(std::unique_ptr<MyPoint> point) {
    MyPoint* added = rtDataSource::add(std::move(point));
    reloadTable();
    return added;
}

MyPoint* PointDataSource::add(float x, float y, MyPoint::Kind kind) {
    MyPoint* added = addCopy(MyPoint(x, y, kind));
    reloadTable();
    return added;
}

int64_t PointDataSource::numberOfRowsInTableView(const TableView* table) const {
    return table ? WaypointCount() : count();
}

// One walk per cell keeps a cell as cheap as the waypoint distance it shows;
// whole tables go through WaypointTable once.
std::string PointDataSource::objectValueForTableColumn(const TableView* /*table*/,
                                                       const std::string& column,
                                                       int32_t row) const {
    return WaypointTable(*this).cell(column, row, owner);
}

std::string PointDataSource::getDataAsHTML() const {
    return WaypointTable(*this).html(owner);
}

void PointDataSource::showInfo() const {
    if (routeInspector)
        routeInspector->bringForward();
    if (!DontShowWaypointAlertIsSet() && numberOfRowsInTableView(routeInspectorTableView) == 2 &&
        waypointAlert) {
        waypointAlert->centre();
        waypointAlert->bringForward();
    }
}

// Points have no inspector of their own, so the request ends at the point.
void PointDataSource::requestForWaypointInspector() const {
    if (!routeInspectorTableView)
        return;
    if (MyPoint* waypoint = getnthWaypoint(routeInspectorTableView->selectedRow()))
        waypoint->showInspector(this);
}

void PointDataSource::DontShowWaypointAlert(bool yes) {
    if (dontShowWaypointAlert)
        dontShowWaypointAlert->setOn(yes);
}

bool PointDataSource::DontShowWaypointAlertIsSet() const {
    return dontShowWaypointAlert && dontShowWaypointAlert->isOn();
}

MyPoint* PointDataSource::getLastPoint() const {
    return getnthItem(count() - 1);
}

MyPoint* PointDataSource::getNearestPointToX(float x, float y) const {
    float best = 1000;
    MyPoint* found = nullptr;
    for (MyPoint* p : items()) {
        const float d = rtAbs(p->getX() - x) + rtAbs(p->getY() - y);
        if (d < 10 && d < best) {
            found = p;
            best = d;
        }
    }
    return found;
}

Rect PointDataSource::getCursorRectForPoint(int32_t index) const {
    const MyPoint* p = getnthItem(index);
    const double x = p ? p->getX() : 0.0;
    const double y = p ? p->getY() : 0.0;
    return {x - 5, y - 5, 10, 10};
}

MyPoint* PointDataSource::getnthWaypoint(int64_t n) const {
    const int64_t i = indexOfWaypoint(n);
    return i < 0 ? nullptr : items()[static_cast<size_t>(i)];
}

int32_t PointDataSource::pointNumberForWaypoint(int32_t n) const {
    const int64_t i = indexOfWaypoint(n);
    return i < 0 ? 0 : static_cast<int32_t>(i);
}

// Points traced one after another lie in memory in route order; those are
// read where they lie, without the list of pointers to them, so a long
// walk reads a third less and stays in cache.
int64_t PointDataSource::indexOfWaypoint(int64_t n) const {
    int64_t counter = -1;
    const auto isWanted = [&counter, n](const MyPoint& p) {
        return p.isWaypoint() && ++counter == n;
    };
    const size_t inPlace = leadingInStorageOrder();
    size_t i = pointArena().findInFirst(inPlace, isWanted);
    if (i < inPlace)
        return static_cast<int64_t>(i);
    const std::span<MyPoint* const> points = items();
    for (; i < points.size(); ++i)
        if (isWanted(*points[i]))
            return static_cast<int64_t>(i);
    return -1;
}

int32_t PointDataSource::WaypointCount() const {
    int32_t waypoints = 0;
    eachPoint([&waypoints](const MyPoint& p) { waypoints += p.isWaypoint() ? 1 : 0; });
    return waypoints;
}

bool PointDataSource::isPointStartPoint(const MyPoint* point) const {
    return point && indexOf(point) == 0;
}

bool PointDataSource::isPointFinishPoint(const MyPoint* point) const {
    const int64_t i = indexOf(point);
    return i >= 0 && i == count() - 1;
}

void PointDataSource::setFirstAndLastAsWaypoints() {
    if (count() == 0)
        return;
    getFirstItem()->setWaypoint(true);
    getLastPoint()->setWaypoint(true);
}

MyPoint* PointDataSource::insertPointatX(float x, float y) {
    const std::span<MyPoint* const> points = items();
    const MyPoint fresh(x, y);
    float best = 1000;
    int64_t chosen = -1;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const MyPoint& a = *points[i];
        const MyPoint& b = *points[i + 1];
        const float d =
            rtAbs(a.getX() - x) + rtAbs(a.getY() - y) + rtAbs(b.getX() - x) + rtAbs(b.getY() - y);
        if (d < best && isBetween(fresh, a, b)) {
            chosen = static_cast<int64_t>(i);
            best = d;
        }
    }
    if (chosen < 0)
        return nullptr;
    MyPoint* inserted = insertAfterIndex(chosen, std::make_unique<MyPoint>(fresh));
    reloadTable();
    return inserted;
}

bool PointDataSource::isBetween(const MyPoint& p, const MyPoint& a, const MyPoint& b) {
    const auto within = [](float v, float lo, float hi) {
        return lo > hi ? (hi <= v && v <= lo) : (lo <= v && v <= hi);
    };
    return within(p.getX(), a.getX(), b.getX()) && within(p.getY(), a.getY(), b.getY());
}

std::unique_ptr<MyPoint> PointDataSource::newPointBetweenThisPoint(const MyPoint& a,
                                                                   const MyPoint& b, float t) {
    return std::make_unique<MyPoint>(pointBetween(a, b, t));
}

MyPoint PointDataSource::pointBetween(const MyPoint& a, const MyPoint& b, float t) {
    const float dx = (b.getX() - a.getX()) * t;
    const float dy = (b.getY() - a.getY()) * t;
    return {a.getX() + dx, a.getY() + dy};
}

// Each point is read once: the segment's start is the previous end. The
// squares of a block are taken first, so that the chain can add them
// without waiting on each point.
float PointDataSource::sumOfSegments(int64_t from, int64_t to) const {
    constexpr size_t block = 256;
    const std::span<MyPoint* const> points = items();
    float sum = 0;
    float squares[block];
    for (auto i = static_cast<size_t>(from); i < static_cast<size_t>(to);) {
        const size_t n = std::min(block, static_cast<size_t>(to) - i);
        float ax = points[i]->getX();
        float ay = points[i]->getY();
        for (size_t j = 0; j < n; ++j) {
            const float bx = points[i + j + 1]->getX();
            const float by = points[i + j + 1]->getY();
            squares[j] = RouteSums::squaredLength(ax, ay, bx, by);
            ax = bx;
            ay = by;
        }
        sum = LengthChain::add(sum, squares, n);
        i += n;
    }
    return sum;
}

float PointDataSource::totalDistance() const {
    return count() < 2 ? 0.0f : sumOfSegments(0, count() - 1);
}

// Both ends found in one walk; each is as pointNumberForWaypoint gives it.
float PointDataSource::distanceBetweennthWaypoint(int32_t m, int32_t n) const {
    if (count() < 2)
        return 0;
    const std::span<MyPoint* const> points = items();
    int64_t from = 0;
    int64_t to = 0;
    bool foundFrom = false;
    bool foundTo = false;
    int64_t counter = -1;
    for (size_t i = 0; i < points.size() && !(foundFrom && foundTo); ++i) {
        if (!points[i]->isWaypoint())
            continue;
        ++counter;
        if (counter == m) {
            from = static_cast<int64_t>(i);
            foundFrom = true;
        }
        if (counter == n) {
            to = static_cast<int64_t>(i);
            foundTo = true;
        }
    }
    return sumOfSegments(from, to);
}

float PointDataSource::distanceBetweenThisPoint(const MyPoint& a, const MyPoint& b) {
    return static_cast<float>(RouteSums::segmentLength(a.getX(), a.getY(), b.getX(), b.getY()));
}

float PointDataSource::totalArea() const {
    const std::span<MyPoint* const> points = items();
    if (points.size() < 2)
        return 0;
    float a = 0;
    float px = points.front()->getX();
    float py = points.front()->getY();
    for (size_t i = 1; i < points.size(); ++i) {
        const float qx = points[i]->getX();
        const float qy = points[i]->getY();
        a = RouteSums::addEdge(a, px, py, qx, qy);
        px = qx;
        py = qy;
    }
    // The closing edge, from the last point back to the first.
    a = RouteSums::addEdge(a, px, py, points.front()->getX(), points.front()->getY());
    return rtAbs(a / 2);
}

// An empty route has no bounds; 0 keeps callers' arithmetic finite.
float PointDataSource::getMinX() const {
    float least = count() ? getFirstItem()->getX() : 0.0f;
    for (const MyPoint* p : items())
        least = p->getX() < least ? p->getX() : least;
    return least;
}

float PointDataSource::getMinY() const {
    float least = count() ? getFirstItem()->getY() : 0.0f;
    for (const MyPoint* p : items())
        least = p->getY() < least ? p->getY() : least;
    return least;
}

float PointDataSource::getWidth() const {
    float greatest = 0;
    for (const MyPoint* p : items())
        greatest = p->getX() > greatest ? p->getX() : greatest;
    return greatest - getMinX();
}

void PointDataSource::applyScale(float s) {
    eachPoint([s](MyPoint& p) {
        p.setX(p.getX() * s);
        p.setY(p.getY() * s);
    });
}

void PointDataSource::applyTransformX(float dx, float dy) {
    eachPoint([dx, dy](MyPoint& p) {
        p.setX(p.getX() + dx);
        p.setY(p.getY() + dy);
    });
}

void PointDataSource::releasePoints() {
    for (MyPoint* p : items())
        p->setPointName("");
}

Rect PointDataSource::tableViewFrame() const {
    return routeInspectorTableView ? routeInspectorTableView->enclosingScrollFrame() : Rect{};
}

void PointDataSource::setTableViewFrame(const Rect& frame) {
    if (routeInspectorTableView)
        routeInspectorTableView->setEnclosingScrollFrame(frame);
}

void PointDataSource::willRemove(const MyPoint* point) {
    if (removalObserver)
        removalObserver(point);
}

void PointDataSource::reloadTable() const {
    if (routeInspectorTableView)
        routeInspectorTableView->reloadData();
}

// Markers would be named by their distance in units, but points keep no
// names, so the units go unused.
void PointDataSource::addMarkersAt(float interval, const std::string& /*units*/,
                                   float /*numberOfUnits*/) {
    ModelLog::write("adding markers");
    ModelLog::write("passed interval: " + ModelLog::fixed(interval));
    // Old markers out and new ones in, in one pass over the route.
    DistanceMarkers placing(interval);
    std::vector<DistanceMarkers::Marker> found;
    replaceIf([](const MyPoint& point) { return point.isDistanceMarker(); },
              [&](std::span<MyPoint* const> stretch, auto& put) {
                  found.clear();
                  placing.walk(stretch, found);
                  for (const DistanceMarkers::Marker& marker : found)
                      put(marker.before, marker.point);
              });
}

void PointDataSource::removeDistanceMarkers() {
    removeIf([](const MyPoint& point) { return point.isDistanceMarker(); });
}

void PointDataSource::writeToFile(const std::string& path, PointD thisEnd, PointD thatEnd,
                                  const std::string& numberOfUnits, const std::string& scaleUnits,
                                  const std::string& answerUnits, float windowX,
                                  float windowY) const {
    RouteXml::write(path, *this,
                    {thisEnd, thatEnd, numberOfUnits, scaleUnits, answerUnits, windowX, windowY});
}
