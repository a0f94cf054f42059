#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <cstdlib>

// The share of pixels that differ by more than 16 in any channel, and the
// box around them.
struct Difference {
    Difference(const QImage& a, const QImage& b) {
        int64_t differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto* p = reinterpret_cast<const uchar*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const uchar*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                for (int c = 0; c < 4; ++c)
                    if (std::abs(p[4 * x + c] - q[4 * x + c]) > 16) {
                        ++differing;
                        box |= QRect(x, y, 1, 1);
                        break;
                    }
        }
        share = double(differing) / (double(a.width()) * a.height());
    }
    double share = 0;
    QRect box;
};
