#include "model/WaypointTable.h"

#include "model/LengthChain.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"
#include "model/RouteSums.h"

#include <array>
#include <charconv>
#include <cmath>
#include <span>

namespace {

constexpr std::array<const char*, 4> headers{"Waypoint", "Next waypoint", "From start", "To end"};

} // namespace

// Both sums add the way the route adds its length, a block of segments at
// a time; a waypoint closes the block, since the leg starts again there.
// What follows the last waypoint is in no row.
WaypointTable::WaypointTable(const PointDataSource& route) {
    constexpr size_t block = 256;
    const std::span<MyPoint* const> points = route.points();
    float fromFirst = 0; // since the first waypoint
    float leg = 0;       // since the last waypoint
    bool started = false;
    float squares[block];
    size_t held = 0;
    const auto addHeld = [&] {
        fromFirst = LengthChain::add(fromFirst, squares, held);
        leg = LengthChain::add(leg, squares, held);
        held = 0;
    };
    for (size_t i = 0; i < points.size(); ++i) {
        const MyPoint& p = *points[i];
        if (started) {
            const MyPoint& before = *points[i - 1];
            squares[held++] =
                RouteSums::squaredLength(before.getX(), before.getY(), p.getX(), p.getY());
            if (held == block)
                addHeld();
        }
        if (!p.isWaypoint())
            continue;
        addHeld();
        if (started)
            rows.back().next = leg;
        rows.push_back(Row{p.getPointName(), 0, fromFirst});
        leg = 0;
        started = true;
    }
}

float WaypointTable::toEnd(int32_t row) const {
    const float whole = rows.back().fromStart;
    const float before = rows[static_cast<size_t>(row)].fromStart;
    return static_cast<float>(static_cast<double>(whole) - static_cast<double>(before));
}

std::string WaypointTable::fixed3(float value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    std::array<char, 64> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(),
                                      static_cast<double>(value), std::chars_format::fixed, 3);
    return std::string(text.data(), result.ptr);
}

std::string WaypointTable::length(float pixels, RouteOwner* owner) {
    return fixed3(owner ? owner->convertUsingScale(pixels) : 0.0f);
}

std::string WaypointTable::label(int32_t row, RouteOwner* owner) const {
    const std::string& name = rows[static_cast<size_t>(row)].name;
    if (!name.empty())
        return name;
    const auto translated = [owner](const char* key) {
        return owner ? owner->translate(key) : std::string(key);
    };
    if (row == 0)
        return translated("Start");
    if (row == rowCount() - 1)
        return translated("Finish");
    return {};
}

std::string WaypointTable::cell(const std::string& column, int32_t row, RouteOwner* owner) const {
    if (row < 0 || row >= rowCount())
        return {};
    const bool last = row == rowCount() - 1;
    if (column == "1")
        return label(row, owner);
    if (column == "2")
        return last ? "-" : length(next(row), owner);
    if (column == "3")
        return row == 0 ? "-" : length(fromStart(row), owner);
    if (column == "4")
        return last ? "-" : length(toEnd(row), owner);
    return {};
}

std::string WaypointTable::html(RouteOwner* owner) const {
    std::string out = "<table class=statstable><tr>";
    for (const char* header : headers)
        out.append("<th class=statstableheadercell>").append(header).append("</th>");
    out += "</tr>";
    for (int32_t row = 0; row < rowCount(); ++row) {
        out += "<tr>";
        for (const char* column : columns) {
            out += "<td ";
            out += row % 2 == 0 ? "class=statstabledatacell" : "class=statstabledatacellalt";
            out.append(">").append(cell(column, row, owner)).append("</td>");
        }
        out += "</tr>";
    }
    out += "</table><br />";
    return out;
}
