#pragma once

class QObject;

// What the route inspector asks of the application controller. Held as a
// plain back reference; every step that needs it is skipped while none is
// set.
class InspectorClient {
public:
    virtual ~InspectorClient() = default;
    // A length in pixels in the answer unit.
    virtual float convertUsingScale(float pixels) const = 0;
    // Set or clear the main window's edited mark.
    virtual void setChangesMade(bool changed) = 0;
    // A unit or the scale changed; recompute and show the figures.
    virtual void unitsHaveChanged(const QObject* sender) = 0;

protected:
    InspectorClient() = default;
    InspectorClient(const InspectorClient&) = default;
    InspectorClient& operator=(const InspectorClient&) = default;
};
