#pragma once

#include <QWidget>

class WandrelLabel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
