#include "SessionFixture.h"

#include "app/AcetateController.h"
#include "app/ToolbarItems.h"
#include "platform/Defaults.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"
#include "platform/ToolbarPalette.h"

#include <QAccessible>
#include <QListWidget>
#include <QToolButton>

namespace {

const QString space = Toolbar::spaceItemIdentifier;
const QString flexible = Toolbar::flexibleSpaceItemIdentifier;

QString spokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

class Toolbars : public Session {
protected:
    // Room for every item of the first start.
    void startWide() {
        start();
        window->resize(1200, 640);
        QCoreApplication::processEvents();
    }
    Toolbar& mainBar() { return *controller().getToolbarItems().mainToolbar(); }
    Toolbar& prefsBar() { return *controller().getToolbarItems().prefsToolbar(); }
    QWidget* shown(Toolbar& bar, const char* identifier) {
        return bar.widgetForAction(bar.item(QString::fromLatin1(identifier)));
    }
};

TEST_F(Toolbars, FirstStartShowsTheUnitViewsAndTheScaleButtonInOrder) {
    startWide();
    EXPECT_EQ(mainBar().configuration(),
              QStringList({"scaleUnitItemIdentifier", "answerUnitItemIdentifier",
                           "areaUnitItemIdentifier", space, "scaleItemIdentifier", flexible}));
    const QList<QWidget*> views = {d().unitViews.scaleUnitView2, d().unitViews.answerUnitView2,
                                   d().unitViews.areaUnitView};
    const QStringList names = {"Scale distance", "Line distance", "Enclosed area"};
    int left = -1;
    for (int i = 0; i < mainBar().items().size(); ++i) {
        QWidget* widget = mainBar().widgetForAction(mainBar().items()[i]);
        ASSERT_TRUE(widget && widget->isVisible()) << i;
        EXPECT_GT(widget->x(), left) << i;
        left = widget->geometry().right();
        if (i < 3) {
            EXPECT_EQ(widget, views[i]);
            EXPECT_EQ(widget->accessibleName(), names[i]);
        }
    }
    EXPECT_GE(left, mainBar().width() - 20) << "the flexible space takes what is left";

    auto* button = qobject_cast<QToolButton*>(shown(mainBar(), "scaleItemIdentifier"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(spokenName(button), "Hide Scale");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(bar()->isHidden());
    EXPECT_FALSE(d().acetate.scaleMenuItem->isChecked());
    EXPECT_EQ(button->text(), "Show Scale");
    EXPECT_EQ(spokenName(button), "Show Scale");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(bar()->isHidden());
    EXPECT_EQ(button->text(), "Hide Scale");
}

TEST_F(Toolbars, PaletteOffersExactlyTheAllowedItemsAndAddsWorkingOnes) {
    startWide();
    d().acetate.actionCustomiseToolbar->trigger();
    auto* palette = window->findChild<ToolbarPalette*>();
    ASSERT_TRUE(palette && palette->isVisible());
    EXPECT_EQ(
        palette->offered(),
        QStringList({"scaleUnitItemIdentifier", "answerUnitItemIdentifier",
                     "areaUnitItemIdentifier", "modifyItemIdentifier", "infoItemIdentifier",
                     Toolbar::separatorItemIdentifier, "scaleItemIdentifier", flexible, space}));
    QStringList shownNames;
    for (int row = 0; row < palette->offeredList()->count(); ++row)
        shownNames << palette->offeredList()->item(row)->text();
    EXPECT_EQ(shownNames, QStringList({"Scale distance", "Line distance", "Enclosed area",
                                       "Modify/Lock Points", "Waypoint details", "Separator",
                                       "Hide Scale", "Flexible Space", "Space"}));
    palette->reject(); // it only looks: the bar still labels the toolbar's own button
    QTest::mouseClick(shown(mainBar(), "scaleItemIdentifier"), Qt::LeftButton);
    EXPECT_EQ(mainBar().item("scaleItemIdentifier")->text(), "Show Scale");

    controller().customiseToolbar();
    palette = window->findChild<ToolbarPalette*>();
    ASSERT_NE(palette, nullptr);
    for (int row : {3, 4}) { // modify, info: added at the end
        palette->offeredList()->setCurrentRow(row);
        QTest::mouseClick(palette->addButton(), Qt::LeftButton);
    }
    palette->accept();
    EXPECT_EQ(Defaults().stringListForKey(ToolbarItems::mainToolbarIdentifier),
              mainBar().configuration());

    const bool modify = d().acetate.dragmodeMenuItem->isChecked();
    QTest::mouseClick(shown(mainBar(), "modifyItemIdentifier"), Qt::LeftButton);
    EXPECT_NE(d().acetate.dragmodeMenuItem->isChecked(), modify);
    QTest::mouseClick(shown(mainBar(), "infoItemIdentifier"), Qt::LeftButton);
    EXPECT_TRUE(inspector().getWindow()->isVisible());
}

// Made with its window, above the tabs, on whichever tab shows by then; it
// then follows the tabs, whatever shows one.
TEST_F(Toolbars, PreferencesToolbarComesWithItsWindowAndFollowsTheTabs) {
    start();
    EXPECT_FALSE(d().preferences.isBuilt()) << "no session needs it at start";
    controller().switchPrefsTab(3);
    controller().showPreferences();
    auto* made = d().preferences.window()->findChild<Toolbar*>();
    ASSERT_EQ(made, &prefsBar());
    EXPECT_EQ(d().preferences.ui().preferencesLayout->indexOf(made), 0);
    EXPECT_TRUE(made->isVisible());
    EXPECT_EQ(made->configuration(), QStringList({"generalItemIdentifier", "unitsItemIdentifier"}));
    EXPECT_TRUE(made->item("unitsItemIdentifier")->isChecked());
    EXPECT_FALSE(made->item("generalItemIdentifier")->isChecked());
    EXPECT_EQ(spokenName(shown(prefsBar(), "unitsItemIdentifier")), "Units");

    QTabWidget* tabs = d().preferences.ui().wandrelPrefsTabView;
    QTest::mouseClick(shown(prefsBar(), "generalItemIdentifier"), Qt::LeftButton);
    EXPECT_EQ(tabs->currentWidget(), d().preferences.ui().generalTab);
    EXPECT_FALSE(made->item("unitsItemIdentifier")->isChecked());
    tabs->setCurrentWidget(d().preferences.ui().unitsTab);
    EXPECT_TRUE(made->item("unitsItemIdentifier")->isChecked());
    EXPECT_FALSE(made->item("generalItemIdentifier")->isChecked());
}

TEST_F(Toolbars, SavedConfigurationComesBackWithItemsTheToolbarNoLongerOffers) {
    Defaults().setStringList(ToolbarItems::mainToolbarIdentifier,
                             {"snapshotItemIdentifier", "journalItemIdentifier", "noSuchItem",
                              "exportWebItemIdentifier", "modifyItemIdentifier"});
    startWide();
    EXPECT_EQ(mainBar().configuration(),
              QStringList({"snapshotItemIdentifier", "journalItemIdentifier",
                           "exportWebItemIdentifier", "modifyItemIdentifier"}));
    // Shown, but offering nothing they cannot do.
    for (const char* inert : {"journalItemIdentifier", "exportWebItemIdentifier"})
        EXPECT_FALSE(shown(mainBar(), inert)->isEnabled()) << inert;
    for (const char* acting : {"snapshotItemIdentifier", "modifyItemIdentifier"})
        EXPECT_TRUE(shown(mainBar(), acting)->isEnabled()) << acting;
    EXPECT_EQ(controller().getAcetate().getSnapshotButton(),
              mainBar().item("snapshotItemIdentifier"));
}

} // namespace
