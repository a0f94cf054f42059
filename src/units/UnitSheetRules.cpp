#include "units/UnitSheetRules.h"

#include "platform/NumberText.h"
#include "platform/UiText.h"
#include "units/UnitDataSource.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Another unit than `editing` carries the text in the field that `field` reads.
bool takenByAnother(const UnitDataSource& units, const WandrelUnit* editing,
                    const std::string& (WandrelUnit::*field)() const, const QString& text) {
    const std::string wanted = text.toStdString();
    for (int64_t i = 0; i < units.count(); ++i) {
        const WandrelUnit* unit = units.getnthItem(i);
        if (unit != editing && (unit->*field)() == wanted)
            return true;
    }
    return false;
}

} // namespace

QString UnitSheetRules::problem(const UnitDataSource& units, const WandrelUnit* editing,
                                const Fields& fields) {
    if (fields.name.isEmpty())
        return Wandrel::tr("Please provide a name for this new unit");
    if (fields.shortName.isEmpty())
        return Wandrel::tr("Please provide an abbreviation for this new unit");
    if (fields.factor.isEmpty())
        return Wandrel::tr("Please provide a conversion factor for this new unit. (The number of "
                           "metres in this unit?)");
    const float factor = NumberText::leadingFloat(fields.factor);
    if (!std::isfinite(factor) || !(factor > 0))
        return Wandrel::tr("Please provide a conversion factor greater than zero for this unit.");
    if (takenByAnother(units, editing, &WandrelUnit::getName, fields.name))
        return Wandrel::tr("Please provide a different name - '%1' is already being used")
            .arg(fields.name);
    if (takenByAnother(units, editing, &WandrelUnit::getShortName, fields.shortName))
        return Wandrel::tr("Please provide a different abbreviation - '%1' is already being used")
            .arg(fields.shortName);
    return {};
}

void UnitSheetRules::apply(const Fields& fields, WandrelUnit& unit) {
    unit.setName(fields.name.toStdString());
    unit.setShortName(fields.shortName.toStdString());
    unit.setConversionFactor(NumberText::leadingFloat(fields.factor));
    unit.setArea(fields.area);
}

QString UnitSheetRules::factorText(float factor) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), factor);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}
