#include "app/PortalScreenGrabber.h"

#include "platform/Log.h"
#include "platform/UiText.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QScreen>
#include <QUrl>

#include <cmath>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
// The portal may first ask the user's leave; a portal that never answers
// must not keep the acetate hidden for ever.
constexpr int patienceMs = 60000;

} // namespace

PortalScreenGrabber::PortalScreenGrabber() {
    patience.setSingleShot(true);
    patience.setInterval(patienceMs);
    connect(&patience, &QTimer::timeout, this, [this] {
        finish(QImage(), Wandrel::tr("The desktop's screenshot portal did not answer."));
    });
}

PortalScreenGrabber::~PortalScreenGrabber() {
    stopListening();
}

bool PortalScreenGrabber::isAvailable() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(service).value();
}

QString PortalScreenGrabber::requestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    sender.remove(0, sender.startsWith(u':') ? 1 : 0).replace(u'.', u'_');
    return desktopPath + QStringLiteral("/request/") + sender + u'/' + token;
}

QRect PortalScreenGrabber::cropArea(const QRect& area, const QRect& desktop,
                                    const QSize& pictureSize) {
    if (desktop.isEmpty() || pictureSize.isEmpty())
        return {};
    const double sx = double(pictureSize.width()) / desktop.width();
    const double sy = double(pictureSize.height()) / desktop.height();
    const QPoint corner(int(std::lround((area.x() - desktop.x()) * sx)),
                        int(std::lround((area.y() - desktop.y()) * sy)));
    const QSize size(int(std::lround(area.width() * sx)), int(std::lround(area.height() * sy)));
    return QRect(corner, size).intersected(QRect(QPoint(), pictureSize));
}

void PortalScreenGrabber::grab(const QRect& area, QScreen* screen, Done done) {
    if (pending)
        finish(QImage(), Wandrel::tr("Another snapshot was asked for."));
    pending = std::move(done);
    wanted = area;
    desktop = screen ? screen->virtualGeometry() : QRect();
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("wandrel%1").arg(++requests);
    // Listening before asking, so an answer cannot slip past.
    listenOn(requestPath(bus.baseService(), token));
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, desktopPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this); // deletes itself
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalScreenGrabber::called);
    patience.start();
}

void PortalScreenGrabber::called(QDBusPendingCallWatcher* watcher) {
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        wlog(QStringLiteral("screenshot portal: ") + reply.error().message());
        finish(QImage(), Wandrel::tr("The desktop's screenshot portal refused the snapshot."));
        return;
    }
    // Older portals answer on a path of their own choosing.
    if (pending && reply.value().path() != listening)
        listenOn(reply.value().path());
}

void PortalScreenGrabber::portalResponse(uint response, const QVariantMap& results) {
    if (!pending)
        return;
    if (response != 0) {
        finish(QImage(), Wandrel::tr("The snapshot was cancelled."));
        return;
    }
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    const QImage whole(uri.toLocalFile());
    if (whole.isNull()) {
        finish(QImage(), Wandrel::tr("The screenshot portal's picture could not be read."));
        return;
    }
    const QRect crop = cropArea(wanted, desktop, whole.size());
    if (crop.isEmpty())
        finish(QImage(), Wandrel::tr("The acetate lies outside the portal's picture."));
    else
        finish(whole.copy(crop), QString());
}

void PortalScreenGrabber::listenOn(const QString& path) {
    stopListening();
    listening = path;
    QDBusConnection::sessionBus().connect(service, path, requestInterface,
                                          QStringLiteral("Response"), this,
                                          SLOT(portalResponse(uint, QVariantMap)));
}

void PortalScreenGrabber::stopListening() {
    if (listening.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(service, listening, requestInterface,
                                             QStringLiteral("Response"), this,
                                             SLOT(portalResponse(uint, QVariantMap)));
    listening.clear();
}

void PortalScreenGrabber::finish(const QImage& picture, const QString& failure) {
    patience.stop();
    stopListening();
    Done done = std::move(pending);
    pending = nullptr;
    if (done)
        done(picture, failure);
}
