#pragma once

// A point of two doubles in view coordinates (origin bottom left, y up), as
// the scale bar's ends are given.
struct PointD {
    double x = 0;
    double y = 0;

    bool operator==(const PointD&) const = default;
};
