#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QScreen;

// Takes a picture of part of the screen. Some desktops answer later, so the
// picture comes back through `done`: the image, or a null image and a
// sentence saying why there is none.
class ScreenGrabber {
public:
    using Done = std::function<void(const QImage& picture, const QString& failure)>;

    virtual ~ScreenGrabber() = default;
    // `area` is in global logical pixels on `screen`.
    virtual void grab(const QRect& area, QScreen* screen, Done done) = 0;

    // The way this desktop offers, or none: X11 is read directly, Wayland
    // only through the desktop portal.
    static std::unique_ptr<ScreenGrabber> forPlatform();
    // Why forPlatform() found none, to show the user.
    static QString unavailableMessage();
};
