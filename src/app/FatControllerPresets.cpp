// Line styles: the controller's colours and width, and the named presets.
#include "app/FatController.h"

#include "platform/ColourWell.h"
#include "platform/StringTables.h"
#include "tracing/WandrelTracingView.h"

#include <QAbstractSlider>
#include <QComboBox>

#include <array>

namespace {

using Preset = void (FatController::*)();

struct PresetEntry {
    const char* name;
    Preset apply;
};

constexpr std::array<PresetEntry, 6> presetTable{{
    {QT_TRANSLATE_NOOP("Wandrel", "Wandrel Default"), &FatController::factoryDefaults},
    {QT_TRANSLATE_NOOP("Wandrel", "Engineer's Pen"), &FatController::engineersPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Highlighter Pen"), &FatController::highlighterPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Magic Marker"), &FatController::markerPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Pastel Green"), &FatController::pastelGreen},
    {QT_TRANSLATE_NOOP("Wandrel", "Pastel Pink"), &FatController::pastelPink},
}};

QColor rgba(float r, float g, float b, float a) {
    return QColor::fromRgbF(r, g, b, a);
}

} // namespace

void FatController::switchPreset() {
    // Independent tests, re-reading the title each time, as a preset could
    // in principle change the pop-up. Without the pop-up, its kept row.
    if (presets)
        preferenceValues.preset = presets->currentIndex();
    for (size_t row = 0; row < presetTable.size(); ++row) {
        const PresetEntry& preset = presetTable[row];
        if (presets ? presets->currentText() == StringTables::translate("Wandrel", preset.name)
                    : preferenceValues.preset == int(row))
            (this->*preset.apply)();
    }
    if (wandrelMainView)
        wandrelMainView->update();
}

void FatController::applyStyle(const QColor& high, const QColor& low, float width, bool lowFirst) {
    if (lowFirst) {
        setLowLightColour(low);
        setHighLightColour(high);
    } else {
        setHighLightColour(high);
        setLowLightColour(low);
    }
    setLineWidth(width);
}

void FatController::factoryDefaults() {
    applyStyle(rgba(0.75f, 0.75f, 0.75f, 0.85f), rgba(0, 0, 0, 0.85f), 2, false);
}

void FatController::engineersPen() {
    applyStyle(rgba(0, 0, 0, 1), rgba(0, 0, 0, 1), 1, false);
}

void FatController::highlighterPen() {
    applyStyle(rgba(0, 1, 0, 0.2f), rgba(0, 1, 0, 0.2f), 10, false);
}

void FatController::markerPen() {
    applyStyle(rgba(0, 0, 0.75f, 0.5f), rgba(0, 0, 0.75f, 0.5f), 10, false);
}

void FatController::pastelGreen() {
    applyStyle(rgba(0.82f, 1, 0.83f, 0.8f), rgba(0.5f, 1, 0.45f, 1), 10, true);
}

void FatController::pastelPink() {
    applyStyle(rgba(1, 0.9f, 0.9f, 0.8f), rgba(1, 0.43f, 0.81f, 1), 10, true);
}

void FatController::setHighLightColour(const QColor& colour) {
    highLightColour = colour;
    if (highLightColourWell)
        highLightColourWell->setColor(colour);
}

// A well that sends the setter as its action changes nothing.
void FatController::setHighLightColour(const ColourWell* /*well*/) {}
void FatController::setLowLightColour(const ColourWell* /*well*/) {}

void FatController::setLowLightColour(const QColor& colour) {
    lowLightColour = colour;
    if (lowLightColourWell)
        lowLightColourWell->setColor(colour);
}

void FatController::setLineWidth(float width) {
    lineWidth = width;
    if (lineWidthSlider) {
        const QSignalBlocker quiet(lineWidthSlider);
        lineWidthSlider->setValue(static_cast<int>(width));
    }
}

// The wells and the slider report what the user chose; the colour, not the
// well, reaches the setters, so the choice takes effect.
void FatController::connectStyleControls() {
    connect(presets, &QComboBox::activated, this, &FatController::switchPreset);
    connect(highLightColourWell, &ColourWell::colorChanged, this, [this](const QColor& c) {
        setHighLightColour(c);
        wandrelMainView->update();
    });
    connect(lowLightColourWell, &ColourWell::colorChanged, this, [this](const QColor& c) {
        setLowLightColour(c);
        wandrelMainView->update();
    });
    connect(lineWidthSlider, &QAbstractSlider::valueChanged, this, [this](int width) {
        lineWidth = static_cast<float>(width);
        wandrelMainView->update();
    });
}
