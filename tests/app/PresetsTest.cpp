#include "AcetateFixture.h"

#include "platform/ColourWell.h"

namespace {

QColor rgba(float r, float g, float b, float a) {
    return QColor::fromRgbF(r, g, b, a);
}

using Presets = AcetateTest;

TEST_F(Presets, PopUpChoiceSetsStyleWellsAndSlider) {
    // Start-up takes the style the pop-up shows.
    EXPECT_EQ(controller.getHighLightColour(), rgba(0.75f, 0.75f, 0.75f, 0.85f));
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 0, 0, 0.85f));
    EXPECT_EQ(controller.getLineWidth(), 2.0f);

    choose(designs.preferences.presets, "Highlighter Pen");
    EXPECT_EQ(controller.getLowLightColour(), rgba(0, 1, 0, 0.2f));
    EXPECT_EQ(controller.getLineWidth(), 10.0f);
    EXPECT_EQ(designs.preferences.highLightColourWell->color(), rgba(0, 1, 0, 0.2f));
    EXPECT_EQ(designs.preferences.lineWidthSlider->value(), 10);

    choose(designs.preferences.presets, "Pastel Pink");
    EXPECT_EQ(controller.getHighLightColour(), rgba(1, 0.9f, 0.9f, 0.8f));
    EXPECT_EQ(designs.preferences.lowLightColourWell->color(), rgba(1, 0.43f, 0.81f, 1));

    designs.preferences.presets->setItemText(0, "Nonsense");
    designs.preferences.presets->setCurrentIndex(0);
    controller.switchPreset();
    EXPECT_EQ(controller.getLineWidth(), 10.0f);
}

TEST_F(Presets, AWellAsArgumentChangesNothingButItsChoiceDoes) {
    ColourWell* well = designs.preferences.highLightColourWell;
    const QColor before = controller.getHighLightColour();
    controller.setHighLightColour(well);
    EXPECT_EQ(controller.getHighLightColour(), before);
    emit well->colorChanged(Qt::red);
    EXPECT_EQ(controller.getHighLightColour(), QColor(Qt::red));
}

} // namespace
