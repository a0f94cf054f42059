#pragma once
#include <QColor>
// The two-tone route line: a broad high-light band under a core half as wide.
struct LineStyle {
    QColor highLight;
    QColor lowLight;
    float lineWidth = 2;
};
