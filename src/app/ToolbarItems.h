#pragma once

#include "platform/Toolbar.h"
#include "platform/ToolbarDelegate.h"

#include <QObject>
#include <QPointer>

#include <functional>

class AcetateController;
class Defaults;
class FatController;
class QTabWidget;
class WindowDesigns;

// The application's two toolbars and the one table their items are made
// from: the main toolbar on the acetate and the preferences toolbar that
// switches the preference tabs.
class ToolbarItems : public QObject, public ToolbarDelegate {
public:
    static inline const QString mainToolbarIdentifier = QStringLiteral("wandrelMainToolBar15");
    static inline const QString prefsToolbarIdentifier = QStringLiteral("wandrelPrefsToolBar15");
    // A row of the item table.
    struct Entry;

    ToolbarItems(WindowDesigns& designs, FatController& controller, AcetateController& acetate);
    ~ToolbarItems() override;

    // Makes both toolbars with the configuration saved in `store`, or their
    // default ones. Called again, it reloads them, with the new store. The
    // preferences toolbar is made when first asked for, at the latest as its
    // window is shown, as few sessions open that window.
    void createToolbars(Defaults* store);
    Toolbar* mainToolbar() const { return mainBar; }
    Toolbar* prefsToolbar();

    // Opens the main toolbar's customisation palette.
    void customiseToolbar();
    // Tags 1, 2 and 3 show the preference tab of that identifier.
    void switchPrefsTab(int tag);

    std::unique_ptr<ToolbarItem> itemForItemIdentifier(Toolbar& toolbar, const QString& identifier,
                                                       bool willBeInserted) override;
    QStringList allowedItemIdentifiers(const Toolbar& toolbar) const override;
    QStringList defaultItemIdentifiers(const Toolbar& toolbar) const override;
    QStringList selectableItemIdentifiers(const Toolbar& toolbar) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeToolbars();
    void placePrefsToolbar();
    void followShownTab();
    std::function<void()> actionFor(const Entry& entry);
    QWidget* viewFor(const Entry& entry) const;

    WindowDesigns& designs;
    FatController& controller;
    AcetateController& acetate;
    // Once the preferences window is made.
    QTabWidget* wandrelPrefsTabView = nullptr;
    QPointer<Toolbar> mainBar;
    QPointer<Toolbar> prefsBar;
    Defaults* configurationStore = nullptr;
};
