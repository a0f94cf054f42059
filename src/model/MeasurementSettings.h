#pragma once

#include "model/PointD.h"

#include <optional>
#include <string>

// What a measurement keeps beside its route, so that its figures read the
// same when it is opened again: where the scale bar's ends lie on the
// acetate (y up), what the bar stands for, the units of the figures (by
// short name) and the terrain factor. A value read from a file may be
// absent; the window then keeps its own.
struct MeasurementSettings {
    std::optional<PointD> thisEnd;
    std::optional<PointD> thatEnd;
    std::optional<std::string> numberOfUnits;
    std::optional<std::string> scaleUnits;
    std::optional<std::string> answerUnits;
    std::optional<std::string> areaUnits;
    std::optional<float> terrainFactor;

    // Longer texts than this were never typed into the window.
    static constexpr size_t longestText = 256;
    // The scale bar's ends are kept on a screen's reach; a farther one could
    // never be dragged back.
    static constexpr double farthestEnd = 1 << 16;
    static constexpr float largestTerrainFactor = 1000;

    static bool usableEnd(const PointD& end);
    static bool usableNumber(const std::string& text);
    static bool usableUnit(const std::string& shortName);
    static bool usableTerrainFactor(float factor);

    // Drops every value that no window could have saved; an end goes with
    // its partner, since one end alone would make a bar nobody laid. True
    // when anything was dropped.
    bool discardUnusable();
    // True when every value is there.
    bool isComplete() const;
};
