#pragma once

#include <QImage>
#include <QWidget>

// The picture on the acetate, under the route: shown whole, centred, and
// scaled down (never up) to fit. It takes no clicks; the tracing view above
// it gets them all.
class SnapshotView : public QWidget {
    Q_OBJECT
public:
    explicit SnapshotView(QWidget* parent = nullptr);

    // A null image shows nothing.
    void setImage(const QImage& image);
    const QImage& image() const { return picture; }
    bool hasImage() const { return !picture.isNull(); }
    // Where a picture of `picture` size is shown in an `area` large view.
    static QRectF placement(const QSizeF& picture, const QSizeF& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture;
};
