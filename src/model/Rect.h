#pragma once

// A rectangle in view coordinates (origin bottom left, y up), in doubles.
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const Rect&) const = default;
};
