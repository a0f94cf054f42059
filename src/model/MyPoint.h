#pragma once

#include "model/ChangeCounter.h"
#include "model/dataObject.h"

#include <cstdint>
#include <string>

// One vertex of a route, in the tracing view's pixels (y up). Final because
// a route keeps copies of the points handed to it, which would slice.
// Sixteen bytes, so that four share a cache line and a long route's walks
// read as little memory as they can.
class MyPoint final : public dataObject {
public:
    enum Kind : int32_t { Regular = 0, Waypoint = 1, DistanceMarker = 2 };

    MyPoint() = default;
    MyPoint(float x, float y, Kind kind = Regular)
        : pointType(static_cast<int8_t>(kind)), xco(x), yco(y) {}

    float getX() const { return xco; }
    float getY() const { return yco; }
    void setX(float x) {
        xco = x;
        changes.bump();
    }
    void setY(float y) {
        yco = y;
        changes.bump();
    }
    int32_t getPointType() const { return pointType; }

    // A point has one kind: either setter overwrites a distance marker.
    void setWaypoint(bool yes) {
        pointType = static_cast<int8_t>(yes ? Waypoint : Regular);
        changes.bump();
    }
    void setDistanceMarker() {
        pointType = static_cast<int8_t>(DistanceMarker);
        changes.bump();
    }
    bool isWaypoint() const { return pointType == Waypoint; }
    bool isDistanceMarker() const { return pointType == DistanceMarker; }

    // Points have no names or comments: writes are accepted and dropped.
    std::string getPointName() const { return {}; }
    std::string getPointComments() const { return {}; }
    void setPointName(const std::string& /*name*/) {}
    void setPointComments(const std::string& /*comments*/) {}
    void displayLabel(const void* /*sender*/) {}
    void showInspector(const void* /*sender*/) {}
    void breakConnections() {}

    // Counts every point made, moved, re-kinded or destroyed anywhere, so a
    // drawing can tell at once whether any route may have changed.
    static uint64_t changeCount() { return ChangeCounter::count(); }

private:
    // Only the three kinds are ever stored, so one byte holds them; it sits
    // in the base's padding.
    int8_t pointType = Regular;
    float xco = 0;
    float yco = 0;
    [[no_unique_address]] ChangeCounter changes;
};

static_assert(sizeof(MyPoint) == 16);
