// The route's own line-style presets.
#include "inspector/InspectorOwner.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/StringTables.h"
#include "ui_WandrelRouteInfoInspector.h"

#include <QComboBox>

#include <array>

namespace {

using Preset = void (WandrelRouteInfoInspector::*)();

struct PresetEntry {
    const char* name;
    Preset apply;
};

constexpr std::array<PresetEntry, 6> presetTable{{
    {QT_TRANSLATE_NOOP("Wandrel", "Wandrel Default"), &WandrelRouteInfoInspector::factoryDefaults},
    {QT_TRANSLATE_NOOP("Wandrel", "Engineer's Pen"), &WandrelRouteInfoInspector::engineersPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Highlighter Pen"), &WandrelRouteInfoInspector::highlighterPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Magic Marker"), &WandrelRouteInfoInspector::markerPen},
    {QT_TRANSLATE_NOOP("Wandrel", "Pastel Green"), &WandrelRouteInfoInspector::pastelGreen},
    {QT_TRANSLATE_NOOP("Wandrel", "Pastel Pink"), &WandrelRouteInfoInspector::pastelPink},
}};

QColor rgba(float r, float g, float b, float a) {
    return QColor::fromRgbF(r, g, b, a);
}

} // namespace

// Each name is compared with the title as it stands after the presets
// before it, in case one of them changed the pop-up.
void WandrelRouteInfoInspector::switchPreset() {
    for (const PresetEntry& preset : presetTable)
        if (controls() &&
            ui->presets->currentText() == StringTables::translate("Wandrel", preset.name))
            (this->*preset.apply)();
    if (!owner)
        return;
    owner->reDraw();
    if (QWidget* front = owner->ownerWindow()) {
        front->raise();
        front->activateWindow();
    }
}

void WandrelRouteInfoInspector::applyStyle(const QColor& high, const QColor& low, float width) {
    setHighLightColour(high);
    setLowLightColour(low);
    setLineWidth(width);
}

void WandrelRouteInfoInspector::factoryDefaults() {
    applyStyle(rgba(0.75f, 0.75f, 0.75f, 0.85f), rgba(0, 0, 0, 0.85f), 2);
    setTerrainFactor(100);
}

void WandrelRouteInfoInspector::engineersPen() {
    applyStyle(rgba(0, 0, 0, 1), rgba(0, 0, 0, 1), 1);
}

void WandrelRouteInfoInspector::highlighterPen() {
    applyStyle(rgba(0, 1, 0, 0.2f), rgba(0, 1, 0, 0.2f), 10);
}

void WandrelRouteInfoInspector::markerPen() {
    applyStyle(rgba(0.5f, 0.05f, 0, 0.5f), rgba(0.5f, 0.05f, 0, 0.5f), 10);
}

void WandrelRouteInfoInspector::pastelGreen() {
    applyStyle(rgba(0.82f, 1, 0.83f, 0.8f), rgba(0.5f, 1, 0.45f, 1), 10);
}

void WandrelRouteInfoInspector::pastelPink() {
    applyStyle(rgba(1, 0.9f, 0.9f, 0.8f), rgba(1, 0.43f, 0.81f, 1), 10);
}
