#pragma once

#include <QWidget>

class SwinginSlider : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
