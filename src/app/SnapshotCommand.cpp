#include "app/SnapshotCommand.h"

#include "platform/UiText.h"

#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

constexpr int tickMs = 20;
// A compositor repaints what the window covered a frame or two after the
// window is unmapped.
constexpr int settleTicks = 10;
// A window manager that never reports the window gone is not waited on
// beyond this.
constexpr int mostTicks = 100;

} // namespace

SnapshotCommand::SnapshotCommand(QWidget& w, QWidget& a, GrabberFinder finder)
    : window(w), area(a), findGrabber(std::move(finder)) {
    waiting.setInterval(tickMs);
    connect(&waiting, &QTimer::timeout, this, &SnapshotCommand::tick);
}

SnapshotCommand::~SnapshotCommand() = default;

void SnapshotCommand::setGrabber(std::unique_ptr<ScreenGrabber> g) {
    findGrabber = nullptr;
    // The old grabber takes its pending answer with it.
    grabber = std::move(g);
    if (busy) {
        waiting.stop();
        showWindowAgain();
    }
}

void SnapshotCommand::start() {
    if (busy)
        return;
    if (findGrabber)
        grabber = std::exchange(findGrabber, nullptr)();
    if (!grabber) {
        emit failed(ScreenGrabber::unavailableMessage());
        return;
    }
    busy = true;
    wanted = QRect(area.mapToGlobal(QPoint(0, 0)), area.size());
    screen = area.screen();
    ticks = 0;
    goneAt = -1;
    focused = window.focusWidget();
    window.hide();
    waiting.start();
}

void SnapshotCommand::tick() {
    ++ticks;
    const QWindow* handle = window.windowHandle();
    if (goneAt < 0 && (!handle || !handle->isExposed() || ticks >= mostTicks))
        goneAt = ticks;
    if (goneAt < 0 || ticks - goneAt < settleTicks)
        return;
    waiting.stop();
    grabber->grab(wanted, screen, [this](const QImage& picture, const QString& failure) {
        grabbed(picture, failure);
    });
}

void SnapshotCommand::grabbed(const QImage& picture, const QString& failure) {
    showWindowAgain();
    if (picture.isNull())
        emit failed(failure.isEmpty() ? Wandrel::tr("The screen could not be read.") : failure);
    else
        emit taken(picture);
}

void SnapshotCommand::showWindowAgain() {
    busy = false;
    window.show();
    window.raise();
    window.activateWindow();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}
