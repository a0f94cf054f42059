#pragma once

#include <QImage>

// The image scaled, keeping its proportions, so that its longer side is
// `maxDimension`; an image that already fits, or has a side of 0, comes
// back as it is.
QImage resizeImage(const QImage& image, float maxDimension);
