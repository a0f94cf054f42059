#pragma once

#include <QString>

class UnitDataSource;
class WandrelUnit;

// What the unit sheet accepts and how it turns its fields into a unit.
class UnitSheetRules {
public:
    struct Fields {
        QString name;
        QString shortName;
        QString factor;
        bool area = false;
    };

    // The message for the first field that is refused, in the order the
    // user reads them; "" when the fields make a unit. `editing` is the
    // unit being changed (its own names do not count as taken), or nullptr
    // for a new unit.
    static QString problem(const UnitDataSource& units, const WandrelUnit* editing,
                           const Fields& fields);
    // Gives the unit the fields' names, factor and kind.
    static void apply(const Fields& fields, WandrelUnit& unit);
    // The factor as the sheet shows it: the shortest text that reads back
    // as the same factor, so that OK without a change keeps it.
    static QString factorText(float factor);
};
