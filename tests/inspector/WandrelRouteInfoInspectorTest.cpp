#include "inspector/WandrelRouteInfoInspector.h"
#include "inspector/InspectorClient.h"
#include "inspector/InspectorOwner.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"
#include "platform/ColourWell.h"
#include "ui_WandrelRouteInfoInspector.h"
#include "units/UnitDataSource.h"

#include "PopUpSteps.h"
#include "QStringPrinter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The tracing view as the inspector sees it: a route whose lengths are
// 100 pixels to the unit, and a window to float above.
struct Owner : InspectorOwner, RouteOwner {
    Owner() { route.setOwner(this); }
    PointDataSource& getPointDataSource() override { return route; }
    void setRouteInspectorTableView(TableView* table) override {
        route.setRouteInspectorTableView(table);
    }
    void updateInfoFields() override { ++infoPushes; }
    void reDraw() override { ++redraws; }
    QWidget* ownerWindow() override { return &acetate; }
    float convertUsingScale(float pixels) override { return pixels / 100; }

    PointDataSource route;
    QWidget acetate;
    int infoPushes = 0;
    int redraws = 0;
};

struct Client : InspectorClient {
    float convertUsingScale(float pixels) const override { return pixels * 2; }
    void setChangesMade(bool changed) override { edited = changed; }
    void unitsHaveChanged(const QObject* sender) override { senders << sender; }
    bool edited = false;
    QList<const QObject*> senders;
};

class Inspector : public ::testing::Test {
protected:
    Inspector() {
        info.initStrings();
        info.setOwner(&owner);
        info.setController(&client);
        info.setUnitDataSource(&units);
        info.factoryDefaults();
    }

    const Ui::WandrelRouteInfoInspector& ui() {
        if (!info.isWindowLoaded())
            info.showWindow();
        return *info.controls();
    }

    Owner owner;
    Client client;
    UnitDataSource units;
    WandrelRouteInfoInspector info;
};

TEST_F(Inspector, HoldsValuesUntilTheWindowLoadsThenFillsItsControls) {
    EXPECT_FALSE(info.isWindowLoaded());
    info.setScale("2.5");
    info.setScaleUnits("km");
    info.setAnswerUnits("m");
    info.setAnswer("12.000");
    info.setTerrainFactor(110);
    EXPECT_EQ(info.getScale(), "2.5");
    EXPECT_EQ(info.getAnswerUnits(), "m");

    const auto& c = ui();
    EXPECT_EQ(owner.infoPushes, 1) << "the window asks for the main window's figures";
    EXPECT_EQ(owner.route.getRouteInspectorTableView(), &info.tableModel());
    EXPECT_EQ(c.scaleNumber->text(), "2.5");
    EXPECT_EQ(c.infoAnswer->text(), "12.000");
    EXPECT_EQ(c.infoScaleUnits->currentText(), "km");
    EXPECT_EQ(c.infoAnswerUnits->currentText(), "m");
    EXPECT_EQ(c.infoAreaUnits->currentText(), "m");
    EXPECT_EQ(c.terrainSlider->value(), 110);
    EXPECT_EQ(c.highLightColourWell->color(), info.getHighLightColour());
    EXPECT_EQ(info.getWindow()->parentWidget(), &owner.acetate);

    // Loaded, the getters read the controls and the setters move them.
    c.terrainSlider->setValue(120);
    c.lineWidthSlider->setValue(7);
    EXPECT_EQ(info.getTerrainFactor(), 120);
    EXPECT_EQ(info.getLineWidth(), 7);
    info.setAnswerUnits("ft");
    EXPECT_EQ(c.infoAreaUnits->currentText(), "ft");
    info.setAnswerUnits("no such unit");
    EXPECT_EQ(c.infoAnswerUnits->currentText(), "ft") << "a missing title selects nothing";
}

TEST_F(Inspector, ChoosingAUnitMovesTheOtherPopUpAndRecomputes) {
    const auto& c = ui();
    client.senders.clear();
    choose(c.infoAreaUnits, "km");
    EXPECT_EQ(c.infoAnswerUnits->currentText(), "km");
    choose(c.infoAnswerUnits, "ft");
    EXPECT_EQ(c.infoAreaUnits->currentText(), "ft");
    ASSERT_FALSE(client.senders.isEmpty());
    EXPECT_EQ(client.senders.last(), &info);
    QTest::keyClick(c.infoAreaUnits, Qt::Key_End);
    ASSERT_EQ(c.infoAreaUnits->currentText(), "ha");
    EXPECT_EQ(c.infoAnswerUnits->currentText(), "ft") << "no length unit of that title";
    EXPECT_EQ(info.getAreaUnits(), "ha");
}

TEST_F(Inspector, StyleControlsRedrawAndOnlyTheDefaultPresetResetsTerrain) {
    const auto& c = ui();
    c.terrainSlider->setValue(115);
    choose(c.presets, "Pastel Green");
    EXPECT_EQ(info.getHighLightColour(), QColor::fromRgbF(0.82f, 1, 0.83f, 0.8f));
    EXPECT_EQ(info.getLowLightColour(), QColor::fromRgbF(0.5f, 1, 0.45f, 1));
    EXPECT_EQ(info.getLineWidth(), 10);
    EXPECT_EQ(c.lowLightColourWell->color(), info.getLowLightColour()) << "wells follow";
    EXPECT_EQ(info.getTerrainFactor(), 115);
    choose(c.presets, "Wandrel Default");
    EXPECT_EQ(info.getTerrainFactor(), 100);
    EXPECT_EQ(c.terrainSlider->value(), 100);
    EXPECT_EQ(info.getLineWidth(), 2);
    EXPECT_GE(owner.redraws, 2);

    EXPECT_FALSE(info.shouldShadeArea());
    const int before = owner.redraws;
    QTest::keyClick(c.shadeAreaButton, Qt::Key_Space);
    EXPECT_TRUE(info.shouldShadeArea());
    EXPECT_EQ(owner.redraws, before + 1);
    info.setChangesMade(false);
    EXPECT_TRUE(client.edited);
}

TEST_F(Inspector, TableFollowsTheRouteAndCopiesInTwoForms) {
    const auto& c = ui();
    WaypointTableModel& model = info.tableModel();
    EXPECT_EQ(model.rowCount(), 0);

    owner.route.add(0, 0, MyPoint::Waypoint);
    owner.route.add(150, 0, MyPoint::Waypoint);
    owner.route.add(150, 225, MyPoint::Waypoint);
    QCoreApplication::processEvents(); // three reloads, taken as one
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), "2.250");

    c.tableView->selectRow(2);
    EXPECT_EQ(model.selectedRow(), 2);

    info.getCopyAction()->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), "Waypoint\tNext waypoint\tFrom start\tTo end\n"
                              "Start\t1.500\t-\t3.750\n"
                              "\t2.250\t1.500\t2.250\n"
                              "Finish\t-\t3.750\t-\n");
    EXPECT_EQ(copied->html(), QString::fromStdString(owner.route.getDataAsHTML()));
}

TEST_F(Inspector, EveryControlHasAName) {
    const auto& c = ui();
    for (QWidget* w : info.getWindow()->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QMenuBar*>(w) || w->isWindow())
            continue;
        if (w->parentWidget() &&
            qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget()))
            continue; // the table's own viewport and headers
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_EQ(c.copyTableButton->accessibleName(), "Copy Table");
}

} // namespace
