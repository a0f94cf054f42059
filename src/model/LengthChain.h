#pragma once

#include <cstddef>

// A route's length, added segment by segment with the rounding of
// RouteSums::addLength at every step, without waiting on each step.
//
// While the total stays between two powers of two, every float there is a
// whole number of units in the last place, and a step adds the segment's
// length in units rounded to a whole number: a rounding that does not
// depend on the total, bar exact ties. So a block of segments is measured
// in units four at a time (a float root is close enough to decide the
// rounding when the length is not within a hair of a half unit) and added
// at once. A block with a near tie, a large or odd length, or a total that
// leaves its binade is added one by one instead.
class LengthChain {
public:
    // The fold of RouteSums::addLength over the roots, in double, of
    // squares, from sum: the same float, bit for bit.
    static float add(float sum, const float* squares, size_t n);
};
