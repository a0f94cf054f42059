#include "model/MeasurementSettings.h"

#include <algorithm>
#include <cmath>

namespace {

template <typename T, typename Test> bool discard(std::optional<T>& value, Test usable) {
    if (!value || usable(*value))
        return false;
    value.reset();
    return true;
}

bool printable(const std::string& text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return c != '\t' && static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

bool MeasurementSettings::usableEnd(const PointD& end) {
    return std::isfinite(end.x) && std::isfinite(end.y) && std::fabs(end.x) <= farthestEnd &&
           std::fabs(end.y) <= farthestEnd;
}

// An empty number is what the user left in the field: its figures read 0.
bool MeasurementSettings::usableNumber(const std::string& text) {
    return text.size() <= longestText && printable(text);
}

bool MeasurementSettings::usableUnit(const std::string& shortName) {
    return !shortName.empty() && shortName.size() <= longestText && printable(shortName);
}

bool MeasurementSettings::usableTerrainFactor(float factor) {
    return std::isfinite(factor) && factor >= 0 && factor <= largestTerrainFactor;
}

bool MeasurementSettings::discardUnusable() {
    bool dropped = false;
    if (thisEnd.has_value() != thatEnd.has_value() || (thisEnd && !usableEnd(*thisEnd)) ||
        (thatEnd && !usableEnd(*thatEnd))) {
        dropped = true;
        thisEnd.reset();
        thatEnd.reset();
    }
    dropped = discard(numberOfUnits, usableNumber) || dropped;
    for (std::optional<std::string>* unit : {&scaleUnits, &answerUnits, &areaUnits})
        dropped = discard(*unit, usableUnit) || dropped;
    dropped = discard(terrainFactor, usableTerrainFactor) || dropped;
    return dropped;
}

bool MeasurementSettings::isComplete() const {
    return thisEnd && thatEnd && numberOfUnits && scaleUnits && answerUnits && areaUnits &&
           terrainFactor;
}
