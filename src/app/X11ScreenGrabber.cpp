#include "app/X11ScreenGrabber.h"

#include "platform/UiText.h"

#include <QPixmap>
#include <QScreen>

void X11ScreenGrabber::grab(const QRect& area, QScreen* screen, Done done) {
    if (!screen) {
        done(QImage(), Wandrel::tr("The acetate is on no screen that can be read."));
        return;
    }
    // Window 0 is the whole screen, measured from the screen's own corner.
    const QRect local = area.translated(-screen->geometry().topLeft());
    const QPixmap shot = screen->grabWindow(0, local.x(), local.y(), local.width(), local.height());
    if (shot.isNull())
        done(QImage(), Wandrel::tr("The X server gave no picture of the screen."));
    else
        done(shot.toImage(), QString());
}
