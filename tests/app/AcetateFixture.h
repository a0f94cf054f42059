#pragma once

#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"

#include "DefaultsSandbox.h"
#include "PopUpSteps.h"
#include "QStringPrinter.h"

#include <QTest>
#include <gtest/gtest.h>

// The real acetate with its controller, driven the way a user drives it.
class AcetateTest : public ::testing::Test {
protected:
    AcetateTest()
        : designs(window.getDesigns()), controller(window.getController()),
          view(designs.acetate.wandrelMainView) {
        window.resize(900, 640);
        window.show();
        // Presses reach a route only in the active window.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void typeNumber(const QString& text) {
        QLineEdit* field = designs.unitViews.numberOfUnits2;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    // Lays the bar's second end `length` pixels right of the first.
    void setBarLength(float length) {
        SwinginSlider* bar = designs.acetate.scaleSlider;
        bar->moveThatEndToX(static_cast<float>(bar->getThisEnd().x()) + length,
                            static_cast<float>(bar->getThisEnd().y()));
        bar->resize();
        controller.displayAnswer();
    }

    // Positions are in the view's y-up coordinates.
    void click(int x, int y, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(view, Qt::LeftButton, keys, at(x, y));
    }
    void doubleClick(int x, int y) { QTest::mouseDClick(view, Qt::LeftButton, {}, at(x, y)); }
    QPoint at(int x, int y) const { return QPoint(x, view->height() - y); }

    PointDataSource& route() { return view->getPointDataSource(); }
    QString answer() const { return designs.unitViews.answer2->text(); }
    QString area() const { return designs.unitViews.areaAnswer->text(); }

    TemporaryDefaults store; // before the window, which reads it
    AcetateWindow window;
    WindowDesigns& designs;
    FatController& controller;
    WandrelTracingView* view;
};
