#include "app/ScreenGrabber.h"

#include "app/X11ScreenGrabber.h"
#include "platform/UiText.h"

#include <QGuiApplication>

#ifdef WANDREL_HAVE_DBUS
#include "app/PortalScreenGrabber.h"
#endif

std::unique_ptr<ScreenGrabber> ScreenGrabber::forPlatform() {
    const QString platform = QGuiApplication::platformName();
    if (platform == u"xcb")
        return std::make_unique<X11ScreenGrabber>();
#ifdef WANDREL_HAVE_DBUS
    if (platform.startsWith(u"wayland") && PortalScreenGrabber::isAvailable())
        return std::make_unique<PortalScreenGrabber>();
#endif
    return nullptr;
}

QString ScreenGrabber::unavailableMessage() {
    return Wandrel::tr("Wandrel cannot take a picture of the screen on this desktop. A snapshot "
                       "needs an X11 session, or a Wayland session with the desktop's screenshot "
                       "portal.");
}
