#pragma once

#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Alerts.h"
#include "platform/AppDataSandbox.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "ui_WandrelRouteInfoInspector.h"
#include "units/UnitDataSource.h"

#include "DefaultsSandbox.h"
#include "FileBytes.h"
#include "PopUpSteps.h"
#include "QStringPrinter.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// A user's session with the whole application over a defaults store and an
// application-data folder of its own, driven with real events, quit as the
// application quits it and started again at will.
class Session : public ::testing::Test {
protected:
    explicit Session(TemporaryDefaults::Start how = TemporaryDefaults::Quiet) : store(how) {}
    ~Session() override { Alerts::reset(); }

    // The window as the application makes it, not yet shown.
    void open() {
        window = std::make_unique<AcetateWindow>();
        QCoreApplication::processEvents(); // the welcome sheet waits for the loop
    }
    void start() {
        open();
        window->show();
        // Presses reach the route only in the active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void quit() {
        controller().applicationWillTerminate();
        window.reset();
    }
    void restart() {
        quit();
        start();
    }

    // The user goes from another window to the acetate. A tool window counts
    // as active with its parent, so the focus is asked.
    void backToTheAcetateFrom(QWidget* other) {
        const auto focusOn = [](QWidget* widget) {
            widget->activateWindow();
            return QTest::qWaitFor(
                [widget] { return QGuiApplication::focusWindow() == widget->windowHandle(); });
        };
        ASSERT_TRUE(focusOn(other));
        ASSERT_TRUE(focusOn(window.get()));
    }

    WindowDesigns& d() { return window->getDesigns(); }
    FatController& controller() { return window->getController(); }
    WandrelTracingView* view() { return d().acetate.wandrelMainView; }
    SwinginSlider* bar() { return d().acetate.scaleSlider; }
    PointDataSource& route() { return view()->getPointDataSource(); }
    WandrelRouteInfoInspector& inspector() { return view()->getInfo(); }
    UnitDataSource& units() { return window->getUnitDataSource(); }

    // Positions on the acetate are in the view's coordinates, y up.
    QPoint at(QPointF p) { return QPoint(qRound(p.x()), view()->height() - qRound(p.y())); }
    void click(QPointF p, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(view(), Qt::LeftButton, keys, at(p));
    }
    void doubleClick(QPointF p) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, at(p));
        QTest::mouseDClick(view(), Qt::LeftButton, {}, at(p));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at(p));
    }
    void drag(QPointF from, std::initializer_list<QPointF> path) {
        QTest::mousePress(view(), Qt::LeftButton, {}, at(from));
        for (QPointF p : path)
            QTest::mouseMove(view(), at(p));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at(*(path.end() - 1)));
    }
    // Grabs an end of the scale bar where it is drawn and drops it on `to`.
    void dragBarEnd(bool thatEnd, QPointF to) {
        const QPointF end = thatEnd ? bar()->getThatEnd() : bar()->getThisEnd();
        const QPoint grab(qRound(end.x()), bar()->height() - qRound(end.y()));
        QTest::mousePress(bar(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(bar(), bar()->mapFromParent(at(to)));
        QTest::mouseRelease(bar(), Qt::LeftButton, {}, bar()->mapFromParent(at(to)));
    }
    // Lays the bar `pixels` long, level, from where its first end lies.
    void setBarLength(double pixels) {
        dragBarEnd(true, bar()->thisEndOnParent() + QPointF(pixels, 0));
    }

    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // Asks for markers the way a user does: menu, typing, OK.
    void placeMarkers(const QString& every, const QString& unit) {
        d().acetate.placeMarkersMenuItem->trigger();
        ASSERT_TRUE(d().distanceMarkers.window()->isVisible());
        type(d().distanceMarkers.ui().markerNumber, every);
        choose(d().distanceMarkers.ui().markerUnits, unit);
        QTest::mouseClick(d().distanceMarkers.ui().markerButtons->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    int64_t markerCount() {
        int64_t n = 0;
        for (int64_t i = 0; i < route().count(); ++i)
            n += route().getnthItem(i)->isDistanceMarker() ? 1 : 0;
        return n;
    }
    void addUnit(const char* name, const char* shortName, float metres) {
        auto unit = std::make_unique<WandrelUnit>(name, shortName, metres, false);
        unit->setEditable(true);
        units().add(std::move(unit));
        units().updateAllButtons();
    }

    QString length() { return d().unitViews.answer2->text(); }
    QString area() { return d().unitViews.areaAnswer->text(); }
    // A leg-table cell as the inspector shows it.
    QString cell(int row, int column) {
        QCoreApplication::processEvents(); // reloads wait for the event loop
        const WaypointTableModel& model = inspector().tableModel();
        return model.data(model.index(row, column)).toString();
    }
    int legRows() {
        QCoreApplication::processEvents();
        return inspector().tableModel().rowCount();
    }

    static QSettings settings() {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "Wandrel", "Wandrel");
    }
    static QString stored(const QString& key) { return settings().value(key).toString(); }
    static void put(const QString& key, const QVariant& value) { settings().setValue(key, value); }

    TemporaryDefaults store;
    TemporaryAppDataFolder appData;
    std::unique_ptr<AcetateWindow> window;
};

// The figure as shown, three decimals, against one worked out apart from the
// application: within half a unit of its last digit, and a little for
// single precision.
#define EXPECT_SHOWN(text, expected)                                                               \
    do {                                                                                           \
        const double want_ = (expected);                                                           \
        EXPECT_NEAR((text).toDouble(), want_, 0.0005 + std::abs(want_) * 1e-5)                     \
            << (text).toStdString();                                                               \
        EXPECT_EQ((text).size() - (text).indexOf(u'.'), 4) << (text).toStdString();                \
    } while (false)
