#include "platform/Toolbar.h"

#include "platform/Defaults.h"
#include "platform/StringTables.h"
#include "platform/ToolbarDelegate.h"
#include "platform/ToolbarItem.h"
#include "platform/ToolbarPalette.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

Toolbar::Toolbar(const QString& identifier, ToolbarDelegate& delegate, QWidget* parent)
    : QToolBar(parent), identifier_(identifier), delegate_(delegate),
      selectableGroup(new QActionGroup(this)) {
    setObjectName(identifier);
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(32, 32));
    // Views side by side need air between them, as buttons have.
    layout()->setSpacing(8);
    setAccessibleName(StringTables::translate("Wandrel", "Toolbar"));
}

// Views lent to the items go home before the toolbar's children die.
Toolbar::~Toolbar() {
    removeItems();
}

bool Toolbar::isStandardItem(const QString& identifier) {
    return identifier == separatorItemIdentifier || identifier == spaceItemIdentifier ||
           identifier == flexibleSpaceItemIdentifier;
}

std::unique_ptr<ToolbarItem> Toolbar::makeItem(const QString& identifier, bool willBeInserted) {
    using Kind = ToolbarItem::Kind;
    if (identifier == separatorItemIdentifier)
        return std::make_unique<ToolbarItem>(identifier, Kind::Separator);
    if (identifier == spaceItemIdentifier)
        return std::make_unique<ToolbarItem>(identifier, Kind::Space);
    if (identifier == flexibleSpaceItemIdentifier)
        return std::make_unique<ToolbarItem>(identifier, Kind::FlexibleSpace);
    return delegate_.itemForItemIdentifier(*this, identifier, willBeInserted);
}

void Toolbar::loadConfiguration() {
    std::optional<QStringList> saved;
    if (store_)
        saved = store_->stringListForKey(identifier_);
    build(saved ? *saved : delegate_.defaultItemIdentifiers(*this));
}

void Toolbar::setConfiguration(const QStringList& identifiers) {
    build(identifiers);
    saveConfiguration();
}

QStringList Toolbar::configuration() const {
    QStringList identifiers;
    for (const ToolbarItem* item : items_)
        identifiers << item->identifier();
    return identifiers;
}

ToolbarItem* Toolbar::item(const QString& identifier) const {
    for (ToolbarItem* item : items_)
        if (item->identifier() == identifier)
            return item;
    return nullptr;
}

void Toolbar::build(const QStringList& identifiers) {
    removeItems();
    const QStringList selectable = delegate_.selectableItemIdentifiers(*this);
    for (const QString& identifier : identifiers) {
        // An item other than the standard ones is shown once: a view cannot
        // be in two places.
        if (!isStandardItem(identifier) && item(identifier))
            continue;
        std::unique_ptr<ToolbarItem> made = makeItem(identifier, true);
        if (!made)
            continue;
        ToolbarItem* item = made.release();
        item->setParent(this); // owned by the toolbar
        if (selectable.contains(identifier)) {
            item->setCheckable(true);
            item->setChecked(identifier == selected);
            selectableGroup->addAction(item);
            connect(item, &QAction::triggered, this, [this, identifier] { selected = identifier; });
        }
        items_ << item;
        addAction(item);
        if (QWidget* shown = widgetForAction(item); shown && item->text().isEmpty())
            shown->setAccessibleName(item->accessibleName());
    }
}

void Toolbar::removeItems() {
    const QList<ToolbarItem*> gone = std::exchange(items_, {});
    for (ToolbarItem* item : gone) {
        removeAction(item);
        delete item;
    }
}

void Toolbar::saveConfiguration() {
    if (store_)
        store_->setStringList(identifier_, configuration());
}

void Toolbar::setSelectedItemIdentifier(const QString& identifier) {
    selected = identifier;
    for (ToolbarItem* item : items_)
        if (item->isCheckable())
            item->setChecked(item->identifier() == identifier);
}

ToolbarPalette* Toolbar::runCustomizationPalette() {
    if (!allowsCustomization)
        return nullptr;
    if (palette && palette->isVisible()) {
        palette->raise();
        return palette;
    }
    delete palette.data();                         // a closed palette shows an old configuration
    palette = new ToolbarPalette(*this, window()); // owned by the window
    palette->open();
    return palette;
}

// Instead of the main window's menu of toolbars, which would let the user
// hide this one for good.
void Toolbar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!allowsCustomization)
        return;
    auto* menu = new QMenu(this); // deletes itself when closed
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(StringTables::translate("Wandrel", "Customise Toolbar…"), this,
                    &Toolbar::runCustomizationPalette);
    menu->popup(event->globalPos());
}

// The style strokes the toolbar's full-width hairlines a pixel at a time, and
// Qt's raster engine hands every batch of 96 pixels or more to its thread
// pool; waking and joining those threads cost more than all the rest of the
// window's first paint. Strips narrower than that keep each batch on this
// thread, with the same pixels.
void Toolbar::paintEvent(QPaintEvent* event) {
    // Expanded over the window, QToolBar fills the background first.
    if (isExpanded()) {
        QToolBar::paintEvent(event);
        return;
    }
    constexpr int stripWidth = 64;
    QPainter painter(this);
    QStyleOptionToolBar option;
    initStyleOption(&option);
    const QRect area = event->rect();
    for (int x = area.left(); x <= area.right(); x += stripWidth) {
        painter.setClipRect(
            QRect(x, area.top(), std::min(stripWidth, area.right() - x + 1), area.height()));
        style()->drawControl(QStyle::CE_ToolBar, &option, &painter, this);
    }
}

// QToolBar shows its hidden items by checking its extension button.
bool Toolbar::isExpanded() const {
    const auto* extension = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"),
                                                    Qt::FindDirectChildrenOnly);
    return extension && extension->isChecked();
}
