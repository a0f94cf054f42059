#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>

#include <limits>

class QPainter;

// A read-only caption over the acetate: its text on a translucent dark pill
// that keeps it legible over any map. Its frame is y-up in the parent, like
// the scale bar's, so it grows and shrinks about its bottom-left corner.
class WandrelLabel : public QWidget {
    Q_OBJECT
public:
    explicit WandrelLabel(QWidget* parent = nullptr);
    // `frame` is in the parent's y-up coordinates.
    WandrelLabel(const QRectF& frame, QWidget* parent);

    // Shows `text` with a space on each side and fits the width to it, up to
    // 1000 pixels; the height never grows beyond the current one.
    void setString(const QString& text);
    // The text as shown, padding included.
    QString string() const { return text_; }

    QRectF frame() const;
    void setFrameOrigin(QPointF origin);
    void setFrameSize(QSizeF size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The pill behind the text; nothing when there is no text to back.
    void drawViewBackgroundInRect(QPainter& painter, const QRectF& dirty) const;

private:
    QString text_;
    // The fitted text's width in the current font; infinite when unknown.
    double paddedAdvance_ = std::numeric_limits<double>::infinity();
};
