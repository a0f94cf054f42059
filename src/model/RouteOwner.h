#pragma once

#include <string>

// The tracing view that holds a route, as the route sees it: it turns a
// length in pixels into the answer unit and looks up the texts the route
// shows.
class RouteOwner {
public:
    virtual ~RouteOwner() = default;
    virtual float convertUsingScale(float pixels) = 0;
    // A key of the application's string table; the key itself when there is
    // no translation.
    virtual std::string translate(const char* key) const { return key; }
};
