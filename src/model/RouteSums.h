#pragma once

#include <cmath>

// The steps of a route's length and area on bare coordinates. Each step
// rounds to float, so a total depends on the points and their order alone;
// every sum over a route, and the benchmarks' references, add through
// these so they cannot drift apart.
struct RouteSums {
    // Squares summed in single precision, the root taken in double. A
    // difference squares to the same value whatever its sign, so no
    // absolute value is taken.
    static float squaredLength(float ax, float ay, float bx, float by) {
        const float dx = ax - bx;
        const float dy = ay - by;
        return dx * dx + dy * dy;
    }

    static double segmentLength(float ax, float ay, float bx, float by) {
        return std::sqrt(static_cast<double>(squaredLength(ax, ay, bx, by)));
    }

    // Added in double, rounded back to float after every segment.
    static float addLength(float sum, double segment) {
        return static_cast<float>(static_cast<double>(sum) + segment);
    }

    // One edge p -> q of the shoelace sum, added then subtracted in float.
    static float addEdge(float a, float px, float py, float qx, float qy) {
        a = a + px * qy;
        return a - qx * py;
    }
};
