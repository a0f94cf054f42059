#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PointDataSource;
class RouteOwner;

// The legs between a route's waypoints, measured in one walk over the
// points, so that a whole table costs one pass however many rows it has.
// A snapshot: it holds no pointer into the route and never goes stale in a
// dangerous way, only in an out-of-date one.
class WaypointTable {
public:
    // Column identifiers, in table order.
    static constexpr const char* columns[4] = {"1", "2", "3", "4"};

    explicit WaypointTable(const PointDataSource& route);

    int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }

    // Leg lengths in pixels. "Next waypoint" and "From start" add the
    // segments in route order from the leg's first point, as the route's
    // own waypoint distance does; "To end" is what the "From start" walk
    // adds after the row's waypoint, so each row's two halves make up the
    // whole.
    float next(int32_t row) const { return rows[static_cast<size_t>(row)].next; }
    float fromStart(int32_t row) const { return rows[static_cast<size_t>(row)].fromStart; }
    float toEnd(int32_t row) const;

    // The cell text for a column identifier; "" past the last row or for an
    // unknown column. The owner converts lengths and translates the "Start"
    // and "Finish" labels; without one every length reads 0.000.
    std::string cell(const std::string& column, int32_t row, RouteOwner* owner) const;

    // The whole table as one HTML table, on one line.
    std::string html(RouteOwner* owner) const;

    // "%1.3f", with "." whatever the process's locale.
    static std::string fixed3(float value);

private:
    struct Row {
        std::string name;
        float next = 0;
        float fromStart = 0;
    };

    std::string label(int32_t row, RouteOwner* owner) const;
    static std::string length(float pixels, RouteOwner* owner);

    std::vector<Row> rows;
};
