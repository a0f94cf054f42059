#include "platform/Toolbar.h"
#include "platform/Defaults.h"
#include "platform/ToolbarDelegate.h"
#include "platform/ToolbarItem.h"
#include "platform/ToolbarPalette.h"

#include "QStringPrinter.h"

#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString space = Toolbar::spaceItemIdentifier;
const QString flexible = Toolbar::flexibleSpaceItemIdentifier;

// Knows "a", "b", "c", "d" and a view item "v"; allows all but "d".
class Delegate : public ToolbarDelegate {
public:
    std::unique_ptr<ToolbarItem> itemForItemIdentifier(Toolbar&, const QString& identifier,
                                                       bool willBeInserted) override {
        asked << std::pair(identifier, willBeInserted);
        if (identifier == u"v") {
            auto item = std::make_unique<ToolbarItem>(identifier, ToolbarItem::Kind::View);
            item->setText(QStringLiteral("View"));
            item->setView(view);
            return item;
        }
        if (!QStringList{"a", "b", "c", "d"}.contains(identifier))
            return nullptr;
        auto item = std::make_unique<ToolbarItem>(identifier);
        item->setText(identifier.toUpper());
        item->setPaletteLabel(QStringLiteral("Palette ") + identifier);
        item->setAction([] {});
        return item;
    }
    QStringList allowedItemIdentifiers(const Toolbar&) const override {
        return {"a", "b", "c", "v", space, flexible};
    }
    QStringList defaultItemIdentifiers(const Toolbar&) const override { return {"v", "a", space}; }
    QStringList selectableItemIdentifiers(const Toolbar&) const override { return {}; }

    QWidget* view = nullptr;
    QList<std::pair<QString, bool>> asked;
};

class ToolbarTest : public ::testing::Test {
protected:
    ToolbarTest() {
        home = new QWidget(&window);
        delegate.view = new QWidget(home);
        delegate.view->setObjectName(QStringLiteral("lentView"));
        window.resize(800, 200);
        window.show();
    }

    Toolbar& makeToolbar(Defaults* store) {
        auto* toolbar = new Toolbar(QStringLiteral("testBar"), delegate);
        window.addToolBar(toolbar);
        toolbar->setAllowsUserCustomization(true);
        toolbar->setConfigurationStore(store);
        toolbar->loadConfiguration();
        return *toolbar;
    }

    QTemporaryDir dir;
    Defaults store{dir.filePath(QStringLiteral("defaults.ini"))};
    Delegate delegate;
    QMainWindow window;
    QWidget* home;
};

TEST_F(ToolbarTest, SavedConfigurationComesBackAndOnlyUnknownIdentifiersAreLeftOut) {
    EXPECT_EQ(makeToolbar(&store).configuration(), QStringList({"v", "a", space}));
    EXPECT_FALSE(store.hasKey(QStringLiteral("testBar"))); // nothing changed, nothing saved

    // "d" is known but no longer allowed; "x" is not known at all.
    store.setStringList(QStringLiteral("testBar"), {"d", "x", "a", "a", space, space, "v"});
    Toolbar& toolbar = makeToolbar(&store);
    EXPECT_EQ(toolbar.configuration(), QStringList({"d", "a", space, space, "v"}));
    EXPECT_EQ(delegate.view->parentWidget(), &toolbar);
    QCoreApplication::processEvents(); // the toolbar lays its items out
    EXPECT_TRUE(toolbar.isVisible());
    EXPECT_TRUE(delegate.view->isVisible());

    // A toolbar the user emptied stays empty.
    store.setStringList(QStringLiteral("testBar"), {});
    EXPECT_TRUE(makeToolbar(&store).configuration().isEmpty());
}

TEST_F(ToolbarTest, PaletteOffersTheAllowedItemsAndAppliesAddRemoveAndReorder) {
    Toolbar& toolbar = makeToolbar(&store);
    delegate.asked.clear();
    ToolbarPalette* palette = toolbar.runCustomizationPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->offered(), delegate.allowedItemIdentifiers(toolbar));
    EXPECT_EQ(palette->offeredList()->item(0)->text(), "Palette a");
    EXPECT_EQ(palette->offeredList()->item(3)->text(), "View"); // no palette label: the label
    // Only looked at: no item of the palette may take a toolbar item's place.
    for (const auto& [identifier, inserted] : delegate.asked)
        EXPECT_FALSE(inserted) << identifier.toStdString();

    palette->chosenList()->setCurrentRow(0);  // "v"
    palette->offeredList()->setCurrentRow(2); // "c"
    QTest::mouseClick(palette->addButton(), Qt::LeftButton);
    palette->offeredList()->setCurrentRow(0); // "a" is there already: only selected
    QTest::mouseClick(palette->addButton(), Qt::LeftButton);
    EXPECT_EQ(palette->chosen(), QStringList({"v", "c", "a", space}));
    EXPECT_EQ(palette->chosenList()->currentRow(), 2);
    QTest::mouseClick(palette->upButton(), Qt::LeftButton);
    QTest::mouseClick(palette->upButton(), Qt::LeftButton);
    EXPECT_FALSE(palette->upButton()->isEnabled());
    palette->chosenList()->setCurrentRow(1); // "v"
    QTest::mouseClick(palette->removeButton(), Qt::LeftButton);
    EXPECT_EQ(palette->chosen(), QStringList({"a", "c", space}));
    EXPECT_EQ(toolbar.configuration(), QStringList({"v", "a", space})); // not yet applied

    palette->accept();
    EXPECT_EQ(toolbar.configuration(), QStringList({"a", "c", space}));
    EXPECT_EQ(store.stringListForKey(QStringLiteral("testBar")), toolbar.configuration());
    // The view left the toolbar: it waits, hidden and whole, where it came from.
    EXPECT_EQ(delegate.view->parentWidget(), home);
    EXPECT_FALSE(delegate.view->isVisibleTo(home));
}

TEST_F(ToolbarTest, PaletteRestoresTheDefaultSetAndCancelChangesNothing) {
    store.setStringList(QStringLiteral("testBar"), {"c"});
    Toolbar& toolbar = makeToolbar(&store);
    ToolbarPalette* palette = toolbar.runCustomizationPalette();
    QTest::mouseClick(palette->defaultsButton(), Qt::LeftButton);
    EXPECT_EQ(palette->chosen(), QStringList({"v", "a", space}));
    palette->reject();
    EXPECT_EQ(toolbar.configuration(), QStringList({"c"}));
    EXPECT_EQ(store.stringListForKey(QStringLiteral("testBar")), QStringList({"c"}));

    toolbar.setAllowsUserCustomization(false);
    EXPECT_EQ(toolbar.runCustomizationPalette(), nullptr);
}

TEST_F(ToolbarTest, ALentViewOutlivesItsToolbar) {
    QPointer<QWidget> view = delegate.view;
    delete &makeToolbar(nullptr);
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view->parentWidget(), home);
}

} // namespace

// The toolbar paints its background in strips; they must add up to exactly
// what the style paints in one go, partial last strip included.
TEST(ToolbarPainting, StripsDrawTheStylesOwnPixels) {
    Delegate delegate;
    QMainWindow ours;
    QMainWindow plain;
    auto* toolbar = new Toolbar(QStringLiteral("stripBar"), delegate);
    auto* reference = new QToolBar;
    reference->setMovable(false); // no handle, as ours
    ours.addToolBar(toolbar);
    plain.addToolBar(reference);
    for (QMainWindow* window : {&ours, &plain}) {
        window->resize(777, 120);
        window->show();
    }
    toolbar->setFixedHeight(40);
    reference->setFixedHeight(40);
    QCoreApplication::processEvents();
    ASSERT_EQ(toolbar->size(), reference->size());

    const QImage expected = reference->grab().toImage();
    EXPECT_EQ(toolbar->grab().toImage(), expected);
    // Not a blank: the style draws lines across the top and bottom.
    EXPECT_NE(expected.pixel(300, 0), expected.pixel(300, 20));
}
