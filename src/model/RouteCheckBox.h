#pragma once

// An on/off control the route reads and sets, as the model sees it.
class RouteCheckBox {
public:
    virtual ~RouteCheckBox() = default;
    virtual bool isOn() const = 0;
    virtual void setOn(bool on) = 0;
};
