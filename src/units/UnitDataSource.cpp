#include "units/UnitDataSource.h"

#include "platform/Log.h"
#include "platform/NumberText.h"
#include "platform/PopUpTitles.h"
#include "units/CustomUnitStore.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

struct BuiltIn {
    const char* name;
    const char* shortName;
    float factor;
    bool area;
};

// An acre is given by the side of its square.
constexpr std::array<BuiltIn, 9> builtIns{{
    {"miles", "mile(s)", 1609.344f, false},
    {"Kilometres", "km", 1000.0f, false},
    {"metres", "m", 1.0f, false},
    {"feet", "ft", 0.3048f, false},
    {"inches", "in", 0.0254f, false},
    {"centimetres", "cm", 0.01f, false},
    {"millimetres", "mm", 0.001f, false},
    {"acres", "ac", 63.616f, true},
    {"hectares", "ha", 100.0f, true},
}};

} // namespace

void UnitDataSource::setupUnits() {
    for (const BuiltIn& unit : builtIns)
        add(std::make_unique<WandrelUnit>(unit.name, unit.shortName, unit.factor, unit.area));
    loadCustomUnits();
}

void UnitDataSource::loadCustomUnits() {
    const QString path = CustomUnitStore::filePath();
    if (path.isEmpty() || !QFileInfo::exists(path) || count() == 0)
        return;
    for (auto& unit : CustomUnitStore::read(path))
        add(std::move(unit));
}

void UnitDataSource::saveCustomUnits() const {
    if (count() == 0)
        return;
    std::vector<const WandrelUnit*> custom;
    for (const auto& unit : items())
        if (unit->isEditable())
            custom.push_back(unit.get());
    if (!CustomUnitStore::write(CustomUnitStore::filePath(), custom))
        wlog(QStringLiteral("custom units were not saved"));
}

std::string UnitDataSource::objectValueForTableColumn(const TableView* /*table*/,
                                                      const std::string& column,
                                                      int32_t row) const {
    const WandrelUnit* unit = getnthItem(row);
    if (!unit)
        return {};
    if (column == "name")
        return unit->getName();
    if (column == "shortName")
        return unit->getShortName();
    if (column == "conversionFactor")
        return NumberText::general(unit->getConversionFactor()).toStdString();
    return {};
}

void UnitDataSource::ensureBuilt() {
    if (count() == 0)
        setupUnits();
}

WandrelUnit* UnitDataSource::getUnitWithShortName(const std::string& shortName) {
    ensureBuilt();
    for (const auto& unit : items())
        if (unit->getShortName() == shortName)
            return unit.get();
    return nullptr;
}

WandrelUnit* UnitDataSource::getUnitWithName(const std::string& name) {
    ensureBuilt();
    for (const auto& unit : items())
        if (unit->getName() == name)
            return unit.get();
    return nullptr;
}

void UnitDataSource::populatePopUpButton(QComboBox* button, bool areas) {
    if (!button) {
        wlog(QStringLiteral("button is nil"));
        return;
    }
    const QString selected = PopUpTitles::selected(button);
    ensureBuilt();
    button->clear();
    for (const auto& unit : items())
        if (!unit->isArea() || areas)
            button->addItem(QString::fromStdString(unit->getShortName()));
    // A title that is gone leaves the first item selected, as after a fresh fill.
    if (!PopUpTitles::select(button, selected))
        button->setCurrentIndex(button->count() ? 0 : -1);
    remember(areas ? areaButtons : unitButtons, button);
}

void UnitDataSource::remember(std::vector<QPointer<QComboBox>>& buttons, QComboBox* button) {
    if (std::find(buttons.begin(), buttons.end(), button) == buttons.end())
        buttons.emplace_back(button);
}

void UnitDataSource::updateAllButtons() {
    wlog(QStringLiteral("updating %1 buttons").arg(unitButtons.size()));
    // Copies: a refill may not grow the lists, but iterate safely anyway.
    const auto lengths = unitButtons;
    for (const auto& button : lengths)
        if (button)
            populatePopUpButton(button, false);
    const auto areasToo = areaButtons;
    for (const auto& button : areasToo)
        if (button)
            populatePopUpButton(button, true);
}
