#pragma once

#include "SessionFixture.h"

// A session started for the whole test, its parts at hand as members.
class AcetateTest : public Session {
protected:
    AcetateTest()
        : window(started()), designs(window.getDesigns()), controller(window.getController()),
          view(designs.acetate.wandrelMainView) {}

    void click(int x, int y, Qt::KeyboardModifiers keys = {}) {
        Session::click(QPointF(x, y), keys);
    }
    void doubleClick(int x, int y) { QTest::mouseDClick(view, Qt::LeftButton, {}, at(x, y)); }
    QPoint at(int x, int y) { return Session::at(QPointF(x, y)); }
    QString answer() { return length(); }

    AcetateWindow& window;
    WindowDesigns& designs;
    FatController& controller;
    WandrelTracingView* view;

private:
    AcetateWindow& started() {
        start();
        return *Session::window;
    }
};
