#pragma once

// A window the route can bring forward, as the model sees it; the widget
// behind it lives outside the model.
class RouteWindow {
public:
    virtual ~RouteWindow() = default;
    virtual void bringForward() = 0;
    virtual void centre() = 0;
};
