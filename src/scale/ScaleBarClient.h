#pragma once

class QObject;

// What the scale bar tells the application controller. The bar holds it as a
// plain back reference and tells nobody when none is set.
class ScaleBarClient {
public:
    virtual ~ScaleBarClient() = default;

    // The bar's length or place changed: recompute the figures. The sender is
    // the bar; a QObject so that one override can serve every view that asks.
    virtual void scaleHasChanged(QObject* sender) = 0;

    // The bar was shown (true) or hidden (false): show or blank the caption.
    virtual void setScaleTextVisible(bool visible) = 0;

    // A drag ended: the tracing view's cursor regions must follow the bar.
    virtual void invalidateCursorRectsForTracingView() = 0;

protected:
    ScaleBarClient() = default;
    ScaleBarClient(const ScaleBarClient&) = default;
    ScaleBarClient& operator=(const ScaleBarClient&) = default;
};
