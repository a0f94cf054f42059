#include "RouteFixture.h"

#include <cmath>
#include <map>

namespace {

// A fixed linear congruential generator, so every platform draws the same
// route.
class Draw {
public:
    float next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    }

private:
    uint32_t state = 12345u;
};

// Keeps a coordinate on a screen-sized sheet by reflecting at the edges.
float reflect(float v, float limit, float& direction) {
    if (v < 0 || v > limit) {
        direction = -direction;
        return v < 0 ? -v : 2 * limit - v;
    }
    return v;
}

} // namespace

RouteFixture& RouteFixture::forSize(int64_t points) {
    static std::map<int64_t, std::unique_ptr<RouteFixture>> made;
    auto& slot = made[points];
    if (!slot)
        slot = std::make_unique<RouteFixture>(points);
    return *slot;
}

RouteFixture::RouteFixture(int64_t size) {
    Draw draw;
    float x = 2000, y = 1500, heading = 0;
    float sx = 1, sy = 1;
    xys.reserve(static_cast<size_t>(size));
    for (int64_t i = 0; i < size; ++i) {
        xys.emplace_back(x, y);
        heading += (draw.next() - 0.5f) * 0.8f;
        const float step = 2 + 8 * draw.next();
        x = reflect(x + sx * step * std::cos(heading), 4000, sx);
        y = reflect(y + sy * step * std::sin(heading), 3000, sy);
    }
    points = copyOfRoute();
}

std::unique_ptr<PointDataSource> RouteFixture::copyOfRoute() const {
    auto copy = std::make_unique<PointDataSource>();
    for (const auto& [px, py] : xys)
        copy->add(px, py);
    const auto size = static_cast<int64_t>(xys.size());
    const int64_t gaps = waypointCount - 1;
    for (int64_t k = 0; size > 1 && k <= gaps; ++k)
        copy->getnthItem(k * (size - 1) / gaps)->setWaypoint(true);
    return copy;
}
