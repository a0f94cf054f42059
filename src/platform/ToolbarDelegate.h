#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Toolbar;
class ToolbarItem;

// What a Toolbar asks of whoever fills it: an item for an identifier and
// the identifiers it allows, shows by default and treats as selectable.
// The standard identifiers of Toolbar are made by the toolbar itself.
class ToolbarDelegate {
public:
    // A new item, or nullptr for an identifier the delegate does not know.
    // `willBeInserted` is false when the item is only looked at (the
    // customisation palette), so it must not be handed to anyone.
    virtual std::unique_ptr<ToolbarItem>
    itemForItemIdentifier(Toolbar& toolbar, const QString& identifier, bool willBeInserted) = 0;
    virtual QStringList allowedItemIdentifiers(const Toolbar& toolbar) const = 0;
    virtual QStringList defaultItemIdentifiers(const Toolbar& toolbar) const = 0;
    virtual QStringList selectableItemIdentifiers(const Toolbar& toolbar) const = 0;

protected:
    ToolbarDelegate() = default;
    ~ToolbarDelegate() = default;
};
