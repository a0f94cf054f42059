#pragma once

#include "tracing/TracingEvent.h"

#include <QColor>
#include <QString>

class QObject;
class SwinginSlider;
class WandrelTracingView;

// What the tracing view asks of the application controller. The view holds
// it as a plain back reference and skips every step that needs it while
// none is set. Each question answers as an absent controller would (nothing,
// no, 0), so a stand-in overrides only what it is asked.
class TracingViewClient {
public:
    virtual ~TracingViewClient() = default;

    // Recompute and show the figures. The sender is the view; a QObject so
    // that one override serves the scale bar as well.
    virtual void scaleHasChanged(QObject* /*sender*/) {}
    virtual void displayAnswer() {}
    // Set or clear the main window's edited mark.
    virtual void setChangesMade(bool /*changed*/) {}

    // Drag routing. The application has one tracing view: each answers that
    // view or nothing.
    virtual WandrelTracingView* tracingViewBeingDragged() { return nullptr; }
    virtual WandrelTracingView* tracingViewWithPointBeingDragged() { return nullptr; }
    // When the event lies inside a view's route, sends that view
    // mouseDraggedStep2 with it.
    virtual void findHitAndPassDragEvent(const TracingEvent& /*event*/) {}
    // When a view has a point under the event, sends that view
    // mouseDraggedStep2 with it and answers true.
    virtual bool findHitPointAndPassDragEvent(const TracingEvent& /*event*/) { return false; }
    virtual bool allTracingViewsFinished() { return false; }
    virtual void removeMarkedTracingViews(QObject* /*sender*/) {}

    virtual SwinginSlider* getScaleSlider() const { return nullptr; }
    // Removes the snapshot image under the acetate.
    virtual void clearImageView(QObject* /*sender*/) {}
    virtual void clearFileName() {}
    // A length in pixels in the answer unit.
    virtual float convertUsingScale(float /*pixels*/) const { return 0; }

    // Push the main window's scale, answer and units into the route's
    // inspector; recompute after a unit changed.
    virtual void updateInfoFields() {}
    virtual void unitsHaveChanged(const QObject* /*sender*/) {}
    // The title of the main window's answer unit.
    virtual QString getAnswerUnits() const { return {}; }

    // The current line style, used when drawing the route.
    virtual QColor getHighLightColour() const { return {}; }
    virtual QColor getLowLightColour() const { return {}; }
    virtual float getLineWidth() const { return 0; }

protected:
    TracingViewClient() = default;
    TracingViewClient(const TracingViewClient&) = default;
    TracingViewClient& operator=(const TracingViewClient&) = default;
};
