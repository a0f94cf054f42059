#pragma once

#include <QColor>
#include <QMainWindow>

// The acetate: a translucent top-level window painted with a tint.
class AcetateWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit AcetateWindow(QWidget* parent = nullptr);

    QColor tint() const { return tintColour; }
    void setTint(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor tintColour;
};
