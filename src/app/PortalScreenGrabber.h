#pragma once

#include "app/ScreenGrabber.h"

#include <QObject>
#include <QRect>
#include <QTimer>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Asks the desktop portal (org.freedesktop.portal.Screenshot) for a picture
// of the whole desktop and cuts the acetate's area out of it. The portal
// answers later, by a signal on a request object of its own.
class PortalScreenGrabber : public QObject, public ScreenGrabber {
    Q_OBJECT
public:
    PortalScreenGrabber();
    ~PortalScreenGrabber() override;

    // A session bus with the portal's service on it.
    static bool isAvailable();
    void grab(const QRect& area, QScreen* screen, Done done) override;

    // The object the portal will answer on for `token`: the portal derives
    // it from our unique bus name.
    static QString requestPath(const QString& uniqueName, const QString& token);
    // `area` (logical, global) in the pixels of a picture of `desktop`
    // that is `pictureSize` large; empty when they do not meet.
    static QRect cropArea(const QRect& area, const QRect& desktop, const QSize& pictureSize);

private slots:
    // Slots, for the string-based connection QtDBus needs for bus signals.
    void portalResponse(uint response, const QVariantMap& results);

private:
    void listenOn(const QString& path);
    void stopListening();
    void called(QDBusPendingCallWatcher* watcher);
    void finish(const QImage& picture, const QString& failure);

    Done pending;
    QRect wanted;
    QRect desktop;
    QString listening;
    QTimer patience;
    int requests = 0;
};
