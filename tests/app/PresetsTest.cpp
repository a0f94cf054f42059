#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "platform/ColourWell.h"

#include "QStringPrinter.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor rgba(float r, float g, float b, float a) {
    return QColor::fromRgbF(r, g, b, a);
}

class Presets : public ::testing::Test {
protected:
    Presets() : designs(window.getDesigns()), controller(window.getController()) {}

    void choose(const QString& title) {
        QComboBox* box = designs.preferences.presets;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        while (box->currentText() != title && box->currentIndex() < box->count() - 1)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentText(), title);
    }

    AcetateWindow window;
    WindowDesigns& designs;
    FatController& controller;
};

TEST_F(Presets, StartUpTakesTheStyleShownInThePopUp) {
    EXPECT_EQ(designs.preferences.presets->currentText(), "Wandrel Default");
    EXPECT_EQ(controller.getHighLightColour(), rgba(0.75f, 0.75f, 0.75f, 0.85f));
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 0, 0, 0.85f));
    EXPECT_EQ(controller.getLineWidth(), 2.0f);
}

TEST_F(Presets, ChoosingAPresetSetsStyleWellsAndSlider) {
    choose("Highlighter Pen");
    EXPECT_EQ(controller.getHighLightColour(), rgba(0, 1, 0, 0.2f));
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 1, 0, 0.2f));
    EXPECT_EQ(controller.getLineWidth(), 10.0f);
    EXPECT_EQ(designs.preferences.highLightColourWell->color(), rgba(0, 1, 0, 0.2f));
    EXPECT_EQ(designs.preferences.lineWidthSlider->value(), 10);

    choose("Pastel Pink");
    EXPECT_EQ(controller.getHighLightColour(), rgba(1, 0.9f, 0.9f, 0.8f));
    EXPECT_EQ(designs.preferences.lowLightColourWell->color(), rgba(1, 0.43f, 0.81f, 1));

    choose("Wandrel Default");
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 0, 0, 0.85f));
    EXPECT_EQ(controller.getLineWidth(), 2.0f);
}

TEST_F(Presets, AWellAsArgumentChangesNothingButItsChoiceDoes) {
    ColourWell* well = designs.preferences.highLightColourWell;
    const QColor before = controller.getHighLightColour();
    controller.setHighLightColour(well);
    EXPECT_EQ(controller.getHighLightColour(), before);

    well->setColor(Qt::red);
    emit well->colorChanged(Qt::red);
    EXPECT_EQ(controller.getHighLightColour(), QColor(Qt::red));
}

TEST_F(Presets, AnUnknownTitleLeavesTheStyle) {
    choose("Magic Marker");
    designs.preferences.presets->setItemText(0, "Nonsense");
    designs.preferences.presets->setCurrentIndex(0);
    controller.switchPreset();
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 0, 0.75f, 0.5f));
}

} // namespace
