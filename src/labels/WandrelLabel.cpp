#include "labels/WandrelLabel.h"

#include "platform/FlippedFrame.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double widthLimit = 1000;

} // namespace

WandrelLabel::WandrelLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QCoreApplication::translate("Wandrel", "Caption"));
}

WandrelLabel::WandrelLabel(const QRectF& frame, QWidget* parent) : WandrelLabel(parent) {
    setGeometry(0, 0, 0, 0);
    setFrameSize(frame.size());
    setFrameOrigin(frame.topLeft());
}

void WandrelLabel::setString(const QString& text) {
    // Fitting to the text with two spaces each side, then showing it with
    // one, leaves a space of room on either side inside the pill.
    const QFontMetricsF metrics(font());
    paddedAdvance_ = metrics.horizontalAdvance(QStringLiteral("  %1  ").arg(text));
    const double width = std::ceil(paddedAdvance_);
    const double lineHeight = std::ceil(metrics.height());
    setFrameSize(QSizeF(std::clamp(width, 1.0, widthLimit),
                        std::max(1.0, std::min(lineHeight, double(height())))));
    text_ = QStringLiteral(" %1 ").arg(text);
    setAccessibleDescription(text);
    update();
}

QRectF WandrelLabel::frame() const {
    return FlippedFrame::frame(*this);
}

void WandrelLabel::setFrameOrigin(QPointF origin) {
    FlippedFrame::setOrigin(*this, origin);
}

void WandrelLabel::setFrameSize(QSizeF size) {
    FlippedFrame::setSize(*this, QSizeF(std::clamp(size.width(), 0.0, widthLimit),
                                        std::clamp(size.height(), 0.0, widthLimit)));
}

void WandrelLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawViewBackgroundInRect(painter, event->rect());
    painter.setPen(palette().color(QPalette::WindowText));
    // A text cut at the width limit keeps its beginning in view. The shown
    // text is narrower than the padded one it was fitted to, so it is only
    // measured again when that one no longer fits.
    const bool fits =
        paddedAdvance_ <= width() || QFontMetricsF(font()).horizontalAdvance(text_) <= width();
    const Qt::Alignment across = fits ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(rect(), across | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

void WandrelLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        paddedAdvance_ = std::numeric_limits<double>::infinity();
    QWidget::changeEvent(event);
}

void WandrelLabel::drawViewBackgroundInRect(QPainter& painter, const QRectF& dirty) const {
    if (text_.isEmpty() || text_ == QStringLiteral("  "))
        return;
    if (!(dirty.height() > 0))
        return;
    const QRectF r(0, 0, width() - 1, height() - 1);
    const double radius = static_cast<float>(r.height() / 2);
    const QRectF leftCap(r.x(), r.y(), 2 * radius, 2 * radius);
    const QRectF rightCap(r.right() - 2 * radius, r.y(), 2 * radius, 2 * radius);
    QPainterPath pill(QPointF(r.x() + radius, r.y()));
    pill.arcTo(leftCap, 90, 180);
    pill.arcTo(rightCap, 270, 180);
    pill.closeSubpath();
    pill.setFillRule(Qt::WindingFill);
    painter.fillPath(pill, QColor::fromRgbF(0.25f, 0.25f, 0.25f, 0.2f));
}
