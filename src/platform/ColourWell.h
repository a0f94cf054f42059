#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the user pick another, with opacity,
// from the shared colour dialog.
class ColourWell : public QPushButton {
    Q_OBJECT
public:
    explicit ColourWell(QWidget* parent = nullptr);

    QColor color() const { return colour; }
    // Sets the shown colour without telling anyone.
    void setColor(const QColor& c);

signals:
    // The user chose a colour.
    void colorChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();

    QColor colour = Qt::white;
};
