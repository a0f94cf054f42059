#pragma once

#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QWidget>

class QAction;
class QPainter;
class ScaleBarClient;

// The two-ended scale bar that floats over the tracing view. Its length in
// pixels is the divisor of every conversion to real units.
//
// Coordinates are y-up throughout: the ends are in the bar's own view
// coordinates (origin bottom-left), and its frame is in the parent's
// coordinates, also measured from the parent's bottom edge.
class SwinginSlider : public QWidget {
    Q_OBJECT
public:
    explicit SwinginSlider(QWidget* parent = nullptr);

    // Wiring; none of these is owned. A missing one makes what depends on it
    // do nothing (a missing lock reads as off).
    void setClient(ScaleBarClient* client) { client_ = client; }
    // The menu item whose check mark shows that the bar is visible. The bar
    // reacts to the item's own triggering: do not also connect it to
    // toggleVisible(), which would undo each change.
    void setScaleMenuItem(QAction* item);
    // Anything with a "checked" property (QAction, QAbstractButton); while it
    // is checked, dragging an end changes only its x.
    void setHorizontalLock(QObject* control) { horizontalLock_ = control; }
    // The toolbar item whose label reads "Hide Scale" or "Show Scale".
    void setShowhideButton(QAction* item);

    float floatValue() const;
    QPointF getThisEnd() const { return thisEnd_; }
    QPointF getThatEnd() const { return thatEnd_; }
    bool thisEndIsCloseTo(QPointF p) const { return isClose(thisEnd_, p); }
    bool thatEndIsCloseTo(QPointF p) const { return isClose(thatEnd_, p); }
    // The bar's own visibility: a hidden bar stays a child widget but draws
    // nothing and lets clicks through. Hides QWidget::isHidden on purpose.
    bool isHidden() const { return hidden_; }

    // These add the offset taken at the last mouse-down, (0, 0) until then;
    // they neither redraw nor re-fit the frame.
    void moveThisEndToX(float x, float y);
    void moveThatEndToX(float x, float y);
    void moveThisEndToX(float x);
    void moveThatEndToX(float x);
    void moveView(QPointF p);
    // Lays the ends at these places of the parent (y up), the frame fitted
    // around them as a drag leaves it; non-finite places change nothing.
    void placeEnds(QPointF thisEnd, QPointF thatEnd);
    // Where the ends lie on the parent (y up).
    QPointF thisEndOnParent() const { return frame().topLeft() + thisEnd_; }
    QPointF thatEndOnParent() const { return frame().topLeft() + thatEnd_; }

    // Re-fits the frame around the ends with a 20-pixel margin, keeping the
    // ends where they are on screen.
    void resize();
    using QWidget::resize;

    QRectF frame() const;
    void setFrameOrigin(QPointF origin);
    void setFrameSize(QSizeF size);

    static float rtAbs(float value) { return value < 0 ? value * -1 : value; }

public slots:
    // Shows or hides the bar, following the menu item's check mark.
    void toggleVisible();
    // Levels the bar: the second end takes the first end's height.
    void lockHorizontal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static bool isClose(QPointF end, QPointF p);
    static void drawEnd(QPainter& painter, QPointF centre);
    void drawBar(QPainter& painter) const;
    void setShown(bool shown);
    bool horizontalLockOn() const;
    QPointF toView(QPointF widgetPos) const;
    QPointF toSuperview(QPointF widgetPos) const;
    double superviewHeight() const;

    QPointF thisEnd_{15, 15};
    QPointF thatEnd_{115, 15};
    QPointF mouseOffset_{0, 0};
    bool draggingThisEnd_ = false;
    bool draggingThatEnd_ = false;
    bool hidden_ = false;
    QPointer<QAction> scaleMenuItem_;
    ScaleBarClient* client_ = nullptr;
    QPointer<QObject> horizontalLock_;
    QPointer<QAction> showhideButton_;
};
