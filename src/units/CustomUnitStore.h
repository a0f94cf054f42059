#pragma once

#include "units/WandrelUnit.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <vector>

// The user's own units in "customUnits.plist": a dictionary whose one key
// "customUnits" lists a dictionary per unit with "name", "shortName",
// "conversionFactor" (text) and "area".
class CustomUnitStore {
public:
    // The store in the application-data folder; "" when there is no folder.
    static QString filePath();

    // The units a store holds, in its order, all editable. An unreadable
    // file gives none; entries that make no usable unit are skipped.
    static std::vector<std::unique_ptr<WandrelUnit>> read(const QString& path);
    // Replaces the store with exactly these units (none writes an empty
    // list), creating its folder when missing. False when nothing could be
    // written; the old file is then left as it was.
    static bool write(const QString& path, const std::vector<const WandrelUnit*>& units);

    // One entry, read as far as it goes: names and factors may be text or
    // numbers, the factor text's leading number counts. nullptr when the
    // entry is not a dictionary or its factor is not a finite number > 0.
    static std::unique_ptr<WandrelUnit> unitFrom(const QVariant& entry);
    static QVariantMap entryOf(const WandrelUnit& unit);
    // "%.9g": reads back as the same single-precision factor.
    static QString factorText(float factor);
};
