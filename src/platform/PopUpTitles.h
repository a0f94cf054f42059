#pragma once

#include <QString>

class QComboBox;

// Pop-ups are addressed by their items' titles, compared exactly.
class PopUpTitles {
public:
    // The selected item's title; "" when nothing is selected or no pop-up.
    static QString selected(const QComboBox* box);
    // Selects the item with that title; a missing title (or pop-up) leaves
    // the selection alone and answers false.
    static bool select(QComboBox* box, const QString& title);
};
