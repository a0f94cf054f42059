#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QToolBar>

#include <memory>

class Defaults;
class QActionGroup;
class ToolbarDelegate;
class ToolbarItem;
class ToolbarPalette;

// A toolbar whose items are made on demand from identifiers by a delegate.
// Its configuration, the identifiers from left to right, is kept in the
// defaults store under the toolbar's identifier and comes back from there.
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    // The standard items, made by the toolbar itself.
    static inline const QString separatorItemIdentifier = QStringLiteral("NSToolbarSeparatorItem");
    static inline const QString spaceItemIdentifier = QStringLiteral("NSToolbarSpaceItem");
    static inline const QString flexibleSpaceItemIdentifier =
        QStringLiteral("NSToolbarFlexibleSpaceItem");
    // True for the three identifiers above; they may appear more than once.
    static bool isStandardItem(const QString& identifier);

    Toolbar(const QString& identifier, ToolbarDelegate& delegate, QWidget* parent = nullptr);
    ~Toolbar() override;

    const QString& identifier() const { return identifier_; }
    ToolbarDelegate& delegate() const { return delegate_; }

    void setAllowsUserCustomization(bool allows) { allowsCustomization = allows; }
    bool allowsUserCustomization() const { return allowsCustomization; }
    // Where the configuration is saved; none: it is neither saved nor read.
    void setConfigurationStore(Defaults* store) { store_ = store; }

    // Makes the items of the saved configuration, or of the default list
    // when none is saved. A saved identifier that the delegate no longer
    // allows is still made; one it does not know gets no item.
    void loadConfiguration();
    // Replaces the items and saves the new configuration.
    void setConfiguration(const QStringList& identifiers);
    QStringList configuration() const;

    const QList<ToolbarItem*>& items() const { return items_; }
    // The first item with that identifier, or nullptr.
    ToolbarItem* item(const QString& identifier) const;

    QString selectedItemIdentifier() const { return selected; }
    void setSelectedItemIdentifier(const QString& identifier);

    // A new item for an identifier, standard ones included; nullptr when
    // there is none.
    std::unique_ptr<ToolbarItem> makeItem(const QString& identifier, bool willBeInserted);

    // Opens the customisation palette, window-modal; nullptr when the
    // toolbar does not allow customisation.
    ToolbarPalette* runCustomizationPalette();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void build(const QStringList& identifiers);
    void removeItems();
    void saveConfiguration();
    bool isExpanded() const;

    QString identifier_;
    ToolbarDelegate& delegate_;
    Defaults* store_ = nullptr;
    bool allowsCustomization = false;
    QList<ToolbarItem*> items_;
    QActionGroup* selectableGroup;
    QString selected;
    QPointer<ToolbarPalette> palette;
};
