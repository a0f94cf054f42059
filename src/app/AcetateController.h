#pragma once

#include "app/LazyWindow.h"
#include "platform/ToolbarItem.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

class FatController;
class QComboBox;
class QDialog;
class QImage;
class QLineEdit;
class QMainWindow;
class SnapshotCommand;
class SnapshotView;
class WandrelTracingView;
class WindowDesigns;
struct PreferenceValues;
namespace Ui {
class SaveSheet;
}

// The acetate itself: its tint, the picture under the route with the two
// faces of the snapshot toolbar item (taking a snapshot, clearing it),
// closing it, and the route's statistics file.
class AcetateController : public QObject {
public:
    AcetateController(WindowDesigns& designs, FatController& controller);
    ~AcetateController() override;

    // Tints the window with the tint well's colour, never fainter than a
    // trace of opacity, and brings it to the front.
    void makeWindowTransparent();
    // The tint alone, for a window not yet shown.
    void applyTint();
    // Shows the picture `file` in `folder` under the route, or none when
    // there is no such picture.
    void setImageForSnapshotView(const QString& file, const QString& folder);
    // Removes the picture; a click on the item itself marks the route
    // changed, the tracing view's reset does not.
    void clearImageView(QObject* sender);
    // Takes a picture of the screen under the acetate and shows it there.
    void captureSnapshot();
    SnapshotCommand& getSnapshotCommand() const { return *snapshotCommand; }
    // The snapshot item of the main toolbar, once it is made.
    void setSnapshotButton(ToolbarItem* item);
    ToolbarItem* getSnapshotButton() const { return snapshotButton; }
    // Clears the route and closes the acetate; where the application has no
    // life without its window, this quits it too.
    void closeAcetateWindow();
    // "stats.plist" in `folder`: the route's length as shown and its unit.
    void saveRouteStats(const QString& folder) const;
    QVariantMap routeStats() const;
    void showConfigurationChangeWarning();
    void showSaveAsSheet();

    // How closing the acetate quits the application.
    void setQuit(std::function<void()> quitApplication) { quit = std::move(quitApplication); }
    // Asked before closing; false keeps the window open.
    void setMayClose(std::function<bool()> mayCloseWindow) { mayClose = std::move(mayCloseWindow); }

private:
    void showFace(bool imageFace);
    void showSnapshot(const QImage& picture);
    void snapshotFailed(const QString& message);

    FatController& controller;
    QMainWindow& wandrelMainWindow;
    WandrelTracingView* wandrelMainView;
    PreferenceValues& values;
    SnapshotView* snapshotView;
    QLineEdit* answer2;
    QComboBox* answerUnits2;
    LazyWindow<Ui::SaveSheet, QDialog>& saveDialog;
    QPointer<ToolbarItem> snapshotButton;
    QAction* snapshotMenuItem;
    std::unique_ptr<SnapshotCommand> snapshotCommand;
    std::function<void()> quit;
    std::function<bool()> mayClose;
};
