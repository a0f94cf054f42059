#pragma once

#include "app/ScreenGrabber.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <memory>

class QWidget;

// Takes a picture of the screen under the acetate: hides the window, waits
// for it to be gone from the screen, has the grabber read the area that
// `area` covered, and shows the window again. Waiting runs on short timer
// ticks, so the event loop keeps turning and the window really goes.
class SnapshotCommand : public QObject {
    Q_OBJECT
public:
    using GrabberFinder = std::function<std::unique_ptr<ScreenGrabber>()>;

    // The desktop is asked how its screen can be read only when the first
    // snapshot is taken, as asking may mean a round trip to a bus.
    SnapshotCommand(QWidget& window, QWidget& area, GrabberFinder findGrabber);
    ~SnapshotCommand() override;

    // Instead of the one the finder would find; none means this desktop
    // offers no way to read the screen.
    void setGrabber(std::unique_ptr<ScreenGrabber> grabber);
    // Milliseconds between looks at the window; tests use 0.
    void setTickInterval(int ms) { waiting.setInterval(ms); }

    // Ignored while a snapshot is under way.
    void start();
    bool isBusy() const { return busy; }

signals:
    void taken(const QImage& picture);
    // A sentence for the user.
    void failed(const QString& message);

private:
    void tick();
    void grabbed(const QImage& picture, const QString& failure);
    void showWindowAgain();

    QWidget& window;
    QWidget& area;
    GrabberFinder findGrabber;
    std::unique_ptr<ScreenGrabber> grabber;
    QTimer waiting;
    bool busy = false;
    int ticks = 0;
    int goneAt = -1;
    QRect wanted;
    QPointer<QScreen> screen;
    // Hiding the window takes the keyboard focus away; it goes back here.
    QPointer<QWidget> focused;
};
