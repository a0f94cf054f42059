#pragma once

#include "app/ScreenGrabber.h"

// Reads the screen's pixels straight from the X server; answers at once.
class X11ScreenGrabber : public ScreenGrabber {
public:
    void grab(const QRect& area, QScreen* screen, Done done) override;
};
