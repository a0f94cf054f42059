#include "scale/SwinginSlider.h"

#include "platform/FlippedFrame.h"

#include "scale/ScaleBarClient.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double margin = 20;
constexpr double grabReach = 10;
constexpr double inset = 10;

QString showhideLabel(bool shown) {
    return shown ? QCoreApplication::translate("Wandrel", "Hide Scale")
                 : QCoreApplication::translate("Wandrel", "Show Scale");
}

} // namespace

SwinginSlider::SwinginSlider(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The tracing view beneath may show any cursor; over the bar it is the arrow.
    setCursor(Qt::ArrowCursor);
    setAccessibleName(QCoreApplication::translate("Wandrel", "Scale bar"));
}

void SwinginSlider::setScaleMenuItem(QAction* item) {
    if (scaleMenuItem_)
        disconnect(scaleMenuItem_, nullptr, this, nullptr);
    scaleMenuItem_ = item;
    if (!item)
        return;
    item->setCheckable(true);
    item->setChecked(!hidden_);
    // Qt flips a checkable item before it reports the trigger, so its new
    // state is the one wanted.
    connect(item, &QAction::triggered, this, [this](bool checked) { setShown(checked); });
}

void SwinginSlider::setShowhideButton(QAction* item) {
    showhideButton_ = item;
    if (item)
        item->setText(showhideLabel(!hidden_));
}

float SwinginSlider::floatValue() const {
    const float dx = rtAbs(static_cast<float>(thisEnd_.x() - thatEnd_.x()));
    const float dy = rtAbs(static_cast<float>(thisEnd_.y() - thatEnd_.y()));
    const float s = dx * dx + dy * dy;
    return static_cast<float>(std::sqrt(static_cast<double>(s)));
}

bool SwinginSlider::isClose(QPointF end, QPointF p) {
    return end.x() - grabReach <= p.x() && p.x() <= end.x() + grabReach &&
           end.y() - grabReach <= p.y() && p.y() <= end.y() + grabReach;
}

// A non-finite coordinate (say from a damaged preferences file) would leave
// the bar nowhere; the end keeps its old place instead.
void SwinginSlider::moveThisEndToX(float x, float y) {
    if (std::isfinite(x) && std::isfinite(y))
        thisEnd_ = QPointF(x + mouseOffset_.x(), y + mouseOffset_.y());
}

void SwinginSlider::moveThatEndToX(float x, float y) {
    if (std::isfinite(x) && std::isfinite(y))
        thatEnd_ = QPointF(x + mouseOffset_.x(), y + mouseOffset_.y());
}

void SwinginSlider::moveThisEndToX(float x) {
    if (std::isfinite(x))
        thisEnd_.setX(x + mouseOffset_.x());
}

void SwinginSlider::moveThatEndToX(float x) {
    if (std::isfinite(x))
        thatEnd_.setX(x + mouseOffset_.x());
}

void SwinginSlider::moveView(QPointF p) {
    setFrameOrigin(p + mouseOffset_);
}

void SwinginSlider::placeEnds(QPointF thisEnd, QPointF thatEnd) {
    if (!std::isfinite(thisEnd.x()) || !std::isfinite(thisEnd.y()) || !std::isfinite(thatEnd.x()) ||
        !std::isfinite(thatEnd.y()))
        return;
    // The origin resize() would choose, so that it keeps the ends exactly
    // where they are given and the bar's length is the one it had.
    const QPointF origin(std::floor(std::min(thisEnd.x(), thatEnd.x()) - margin),
                         std::floor(std::min(thisEnd.y(), thatEnd.y()) - margin));
    setFrameOrigin(origin);
    thisEnd_ = thisEnd - origin;
    thatEnd_ = thatEnd - origin;
    resize();
}

void SwinginSlider::resize() {
    const QRectF before = frame();
    const double mx = std::min(thisEnd_.x(), thatEnd_.x());
    const double my = std::min(thisEnd_.y(), thatEnd_.y());
    // The frame can only move by whole pixels; shifting the ends by exactly
    // the same amount keeps them still on screen even at fractional places.
    const QPointF shift(std::floor(mx - margin), std::floor(my - margin));
    setFrameOrigin(before.topLeft() + shift);
    thisEnd_ -= shift;
    thatEnd_ -= shift;
    const double maxX = std::max(thisEnd_.x(), thatEnd_.x());
    const double maxY = std::max(thisEnd_.y(), thatEnd_.y());
    setFrameSize(QSizeF(maxX + margin, maxY + margin));
    update();
    if (parentWidget())
        parentWidget()->update();
}

QRectF SwinginSlider::frame() const {
    return FlippedFrame::frame(*this);
}

void SwinginSlider::setFrameOrigin(QPointF origin) {
    FlippedFrame::setOrigin(*this, origin);
}

void SwinginSlider::setFrameSize(QSizeF size) {
    FlippedFrame::setSize(*this, size);
}

void SwinginSlider::toggleVisible() {
    const bool shown = scaleMenuItem_ ? scaleMenuItem_->isChecked() : !hidden_;
    setShown(!shown);
}

void SwinginSlider::setShown(bool shown) {
    if (scaleMenuItem_)
        scaleMenuItem_->setChecked(shown);
    hidden_ = !shown;
    // Hidden, the bar must not catch clicks meant for the view beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents, hidden_);
    if (client_)
        client_->setScaleTextVisible(shown);
    if (showhideButton_)
        showhideButton_->setText(showhideLabel(shown));
    update();
}

void SwinginSlider::lockHorizontal() {
    thatEnd_.setY(thisEnd_.y());
    update();
    // Levelling changes the length, so the figures shown must follow.
    if (client_)
        client_->scaleHasChanged(this);
}

bool SwinginSlider::horizontalLockOn() const {
    return horizontalLock_ && horizontalLock_->property("checked").toBool();
}

QPointF SwinginSlider::toView(QPointF widgetPos) const {
    return QPointF(static_cast<float>(widgetPos.x()), static_cast<float>(height() - widgetPos.y()));
}

QPointF SwinginSlider::toSuperview(QPointF widgetPos) const {
    const QPointF inParent = widgetPos + pos();
    return QPointF(static_cast<float>(inParent.x()),
                   static_cast<float>(superviewHeight() - inParent.y()));
}

double SwinginSlider::superviewHeight() const {
    return parentWidget() ? parentWidget()->height() : 0;
}

void SwinginSlider::mousePressEvent(QMouseEvent* event) {
    if (hidden_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPointF p = toView(event->position());
    // A release lost to another window must not leave an end attached.
    draggingThisEnd_ = false;
    draggingThatEnd_ = false;
    if (thisEndIsCloseTo(p)) {
        draggingThisEnd_ = true;
        mouseOffset_ = thisEnd_ - p;
    }
    if (thatEndIsCloseTo(p)) {
        draggingThatEnd_ = true;
        draggingThisEnd_ = false;
        mouseOffset_ = thatEnd_ - p;
    }
    if (!draggingThisEnd_ && !draggingThatEnd_)
        mouseOffset_ = QPointF(0 - p.x(), 0 - p.y());
}

void SwinginSlider::mouseMoveEvent(QMouseEvent* event) {
    if (hidden_ || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    // The pointer, not the bar, is kept inside the parent.
    QPointF w = toSuperview(event->position());
    const double superWidth = parentWidget() ? parentWidget()->width() : 0;
    w.setX(std::clamp(w.x(), 0.0, superWidth));
    w.setY(std::clamp(w.y(), 0.0, superviewHeight()));
    const QPointF p = w - frame().topLeft();
    const bool level = horizontalLockOn();
    if (draggingThatEnd_) {
        if (level)
            moveThatEndToX(static_cast<float>(p.x()));
        else
            moveThatEndToX(static_cast<float>(p.x()), static_cast<float>(p.y()));
    }
    if (draggingThisEnd_) {
        if (level)
            moveThisEndToX(static_cast<float>(p.x()));
        else
            moveThisEndToX(static_cast<float>(p.x()), static_cast<float>(p.y()));
    }
    if (!draggingThisEnd_ && !draggingThatEnd_)
        moveView(w);
    resize();
    if (client_)
        client_->scaleHasChanged(this);
}

void SwinginSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    draggingThatEnd_ = false;
    draggingThisEnd_ = false;
    if (hidden_) {
        event->ignore();
        return;
    }
    if (client_)
        client_->invalidateCursorRectsForTracingView();
}

void SwinginSlider::paintEvent(QPaintEvent*) {
    if (hidden_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, height());
    painter.scale(1, -1);
    drawBar(painter);
    drawEnd(painter, thisEnd_);
    drawEnd(painter, thatEnd_);
}

void SwinginSlider::drawBar(QPainter& painter) const {
    const float length = floatValue();
    // Coinciding ends give the bar no direction: only the end marks show.
    if (!(length > 0))
        return;
    const float dx = static_cast<float>(thatEnd_.x() - thisEnd_.x()) * float(inset) / length;
    const float dy = static_cast<float>(thatEnd_.y() - thisEnd_.y()) * float(inset) / length;
    QPainterPath path(thisEnd_ + QPointF(dx, dy));
    path.lineTo(thatEnd_ - QPointF(dx, dy));
    painter.strokePath(path, QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(path, QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap));
}

void SwinginSlider::drawEnd(QPainter& painter, QPointF c) {
    QPainterPath path;
    const QPointF arms[] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    for (const QPointF& arm : arms) {
        path.moveTo(c + arm * 2);
        path.lineTo(c + arm * 10);
    }
    painter.strokePath(path, QPen(Qt::white, 1, Qt::SolidLine, Qt::FlatCap));
    path.translate(1, 1);
    painter.strokePath(path, QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
}
