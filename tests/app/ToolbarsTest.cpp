#include "AcetateFixture.h"

#include "app/AcetateController.h"
#include "app/ToolbarItems.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Defaults.h"
#include "platform/Resources.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"
#include "platform/ToolbarPalette.h"

#include <QAccessible>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <optional>

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

const QString space = Toolbar::spaceItemIdentifier;
const QString flexible = Toolbar::flexibleSpaceItemIdentifier;

QString spokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

class Toolbars : public AcetateTest {
protected:
    Toolbars() {
        window.resize(1200, 640); // room for every item of the first start
        QCoreApplication::processEvents();
    }

    Toolbar& mainBar() { return *controller.getToolbarItems().mainToolbar(); }
    Toolbar& prefsBar() { return *controller.getToolbarItems().prefsToolbar(); }
    QWidget* shown(Toolbar& bar, const char* identifier) {
        return bar.widgetForAction(bar.item(QString::fromLatin1(identifier)));
    }
};

TEST_F(Toolbars, FirstStartShowsTheUnitViewsAndTheScaleButtonInOrder) {
    EXPECT_EQ(mainBar().configuration(),
              QStringList({"scaleUnitItemIdentifier", "answerUnitItemIdentifier",
                           "areaUnitItemIdentifier", space, "scaleItemIdentifier", flexible}));
    const QList<QWidget*> views = {designs.unitViews.scaleUnitView2,
                                   designs.unitViews.answerUnitView2,
                                   designs.unitViews.areaUnitView};
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
    // The flexible space takes what is left, out to the toolbar's end.
    EXPECT_GE(left, mainBar().width() - 20);
    // The controls inside the views are the ones the figures use.
    typeNumber("2");
    EXPECT_EQ(designs.preferences.numberOfUnits->text(), "2");
}

TEST_F(Toolbars, ScaleButtonHidesAndShowsTheBarAndSaysWhichItWillDo) {
    auto* button = qobject_cast<QToolButton*>(shown(mainBar(), "scaleItemIdentifier"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(spokenName(button), "Hide Scale");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(designs.acetate.scaleSlider->isHidden());
    EXPECT_FALSE(designs.acetate.scaleMenuItem->isChecked());
    EXPECT_EQ(button->text(), "Show Scale");
    EXPECT_EQ(spokenName(button), "Show Scale");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(designs.acetate.scaleSlider->isHidden());
    EXPECT_EQ(button->text(), "Hide Scale");
}

TEST_F(Toolbars, PaletteOffersExactlyTheAllowedItemsAndAddsWorkingOnes) {
    designs.acetate.actionCustomiseToolbar->trigger();
    auto* palette = window.findChild<ToolbarPalette*>();
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

    // The palette only looks at its items: the scale bar still labels the
    // toolbar's own button.
    palette->reject();
    QTest::mouseClick(shown(mainBar(), "scaleItemIdentifier"), Qt::LeftButton);
    EXPECT_EQ(mainBar().item("scaleItemIdentifier")->text(), "Show Scale");

    controller.customiseToolbar();
    palette = window.findChild<ToolbarPalette*>();
    ASSERT_NE(palette, nullptr);
    for (int row : {3, 4}) { // modify, info: added at the end
        palette->offeredList()->setCurrentRow(row);
        QTest::mouseClick(palette->addButton(), Qt::LeftButton);
    }
    palette->accept();
    EXPECT_EQ(Defaults().stringListForKey(ToolbarItems::mainToolbarIdentifier),
              mainBar().configuration());

    const bool modify = designs.acetate.dragmodeMenuItem->isChecked();
    QTest::mouseClick(shown(mainBar(), "modifyItemIdentifier"), Qt::LeftButton);
    EXPECT_NE(designs.acetate.dragmodeMenuItem->isChecked(), modify);
    QTest::mouseClick(shown(mainBar(), "infoItemIdentifier"), Qt::LeftButton);
    EXPECT_TRUE(view->getInfo().getWindow()->isVisible());
    view->getInfo().getWindow()->hide();
}

TEST_F(Toolbars, PreferencesToolbarStartsOnGeneralAndSwitchesTabs) {
    QTabWidget* tabs = designs.preferences.wandrelPrefsTabView;
    EXPECT_EQ(prefsBar().configuration(),
              QStringList({"generalItemIdentifier", "unitsItemIdentifier"}));
    EXPECT_EQ(prefsBar().selectedItemIdentifier(), "generalItemIdentifier");
    EXPECT_TRUE(prefsBar().item("generalItemIdentifier")->isChecked());
    EXPECT_EQ(tabs->currentWidget()->property("identifier").toString(), "1");

    controller.showPreferences();
    QTest::mouseClick(shown(prefsBar(), "unitsItemIdentifier"), Qt::LeftButton);
    EXPECT_EQ(tabs->currentWidget()->property("identifier").toString(), "3");
    EXPECT_TRUE(prefsBar().item("unitsItemIdentifier")->isChecked());
    EXPECT_FALSE(prefsBar().item("generalItemIdentifier")->isChecked());

    // Whatever else shows a tab, the toolbar follows.
    tabs->setCurrentWidget(designs.preferences.generalTab);
    EXPECT_TRUE(prefsBar().item("generalItemIdentifier")->isChecked());
    controller.switchPrefsTab(4);
    EXPECT_EQ(tabs->currentWidget(), designs.preferences.generalTab);
    designs.preferencesWindow->hide();
}

// A window made in the test, after the store or the images are prepared.
class LaterAcetate : public ::testing::Test {
protected:
    ~LaterAcetate() override { Resources::setRoot(savedRoot); }

    void open() {
        window.emplace();
        window->resize(1200, 640);
        window->show();
    }
    Toolbar& mainBar() { return *window->getController().getToolbarItems().mainToolbar(); }

    TemporaryDefaults store;
    const QString savedRoot = Resources::root();
    std::optional<AcetateWindow> window;
};

TEST_F(LaterAcetate, SavedConfigurationComesBackWithItemsTheToolbarNoLongerOffers) {
    Defaults().setStringList(ToolbarItems::mainToolbarIdentifier,
                             {"snapshotItemIdentifier", "journalItemIdentifier", "noSuchItem",
                              "exportWebItemIdentifier", "modifyItemIdentifier"});
    open();
    EXPECT_EQ(mainBar().configuration(),
              QStringList({"snapshotItemIdentifier", "journalItemIdentifier",
                           "exportWebItemIdentifier", "modifyItemIdentifier"}));
    // Shown, but offering nothing they cannot do.
    for (const char* inert : {"journalItemIdentifier", "exportWebItemIdentifier"})
        EXPECT_FALSE(mainBar().widgetForAction(mainBar().item(inert))->isEnabled()) << inert;
    for (const char* acting : {"snapshotItemIdentifier", "modifyItemIdentifier"})
        EXPECT_TRUE(mainBar().widgetForAction(mainBar().item(acting))->isEnabled()) << acting;
    EXPECT_EQ(window->getController().getAcetate().getSnapshotButton(),
              mainBar().item("snapshotItemIdentifier"));
}

TEST_F(LaterAcetate, MissingImagesLeaveBareItemsAndSayWhichImage) {
    QTemporaryDir empty;
    Resources::setRoot(empty.path());
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    open();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(logged.contains("Image ShowHideScale not found."));
    EXPECT_TRUE(logged.contains("Image acetate not found.")); // "General"
    EXPECT_TRUE(logged.contains("Image units not found."));

    Toolbar& prefsBar = *window->getController().getToolbarItems().prefsToolbar();
    ToolbarItem* units = prefsBar.item("unitsItemIdentifier");
    ASSERT_NE(units, nullptr);
    EXPECT_TRUE(units->icon().isNull());
    EXPECT_TRUE(units->text().isEmpty());
    QWidget* button = prefsBar.widgetForAction(units);
    EXPECT_EQ(spokenName(button), "Units");
    // The scale bar still names its bare button.
    ToolbarItem* scale = mainBar().item("scaleItemIdentifier");
    ASSERT_NE(scale, nullptr);
    EXPECT_TRUE(scale->icon().isNull());
    EXPECT_EQ(scale->text(), "Hide Scale");
}

} // namespace
