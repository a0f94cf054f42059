#pragma once

// The tracing view that holds a route, as the route sees it: it turns a
// length in pixels into the answer unit.
class RouteOwner {
public:
    virtual ~RouteOwner() = default;
    virtual float convertUsingScale(float pixels) = 0;
};
