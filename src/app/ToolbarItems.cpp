#include "app/ToolbarItems.h"

#include "app/AcetateController.h"
#include "app/FatController.h"
#include "app/PictureCommands.h"
#include "app/WindowDesigns.h"
#include "platform/Log.h"
#include "platform/Resources.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTabBar>

namespace {
enum class Does { Nothing, ToggleScale, ShowInfo, ToggleDragmode, SwitchTab, ExportImage };
enum class Shows { Image, ScaleUnits, AnswerUnits, AreaUnits };
} // namespace

struct ToolbarItems::Entry {
    const char* identifier;
    const char* label;
    bool localised;
    bool hasPaletteLabel;
    Shows shows;
    const char* image;
    const char* missingImageLine;
    Does does;
    int tag;
};

namespace {

using Entry = ToolbarItems::Entry;

// Every item either toolbar can show. Items that would do nothing have no
// action: the text label and image attachment would arm placing states that
// place nothing, and the web, email and journal exports are not written.
// The snapshot item takes its action from its face.
const Entry table[] = {
    {"answerUnitItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Line distance"), true, true,
     Shows::AnswerUnits, nullptr, nullptr, Does::Nothing, 0},
    {"scaleUnitItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Scale distance"), true, true,
     Shows::ScaleUnits, nullptr, nullptr, Does::Nothing, 0},
    {"areaUnitItemIdentifier", "Enclosed area", false, true, Shows::AreaUnits, nullptr, nullptr,
     Does::Nothing, 0},
    {"snapshotItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Snapshot"), true, false, Shows::Image,
     "camera", "Image contact not found.", Does::Nothing, 0},
    {"exportJPEGItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Export JPEG"), true, false,
     Shows::Image, "export", "Image contact not found.", Does::ExportImage, 0},
    {"zoomItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Zoom"), true, true, Shows::Image, "zoom",
     "Image zoom not found.", Does::Nothing, 0},
    {"scaleItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Hide Scale"), true, true, Shows::Image,
     "ShowHideScale", "Image ShowHideScale not found.", Does::ToggleScale, 0},
    {"infoItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Waypoint details"), true, true,
     Shows::Image, "info32", "Image info not found.", Does::ShowInfo, 0},
    {"journalItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Journal"), true, false, Shows::Image,
     "journal3", "Image journal not found.", Does::Nothing, 0},
    {"modifyItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Modify/Lock Points"), true, true,
     Shows::Image, "modify", "Image modify not found.", Does::ToggleDragmode, 0},
    {"textLabelItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Add Text Label"), true, true,
     Shows::Image, "AddTextLabel", "Image AddTextLabel not found.", Does::Nothing, 0},
    {"imageAttachmentItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Attach Image"), true, true,
     Shows::Image, "AttachImage", "Image PictureAttachment not found.", Does::Nothing, 0},
    {"exportEmailItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Export For Email"), true, false,
     Shows::Image, "exportForEmail", "Image exportForEmail not found.", Does::Nothing, 0},
    {"exportWebItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Export For Web"), true, false,
     Shows::Image, "ExportWeb", "Image exportWeb not found.", Does::Nothing, 0},
    {"generalItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "General"), true, false, Shows::Image,
     "acetate", "Image acetate not found.", Does::SwitchTab, 1},
    {"exportingItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Exporting"), true, false,
     Shows::Image, "ExportWeb", "Image acetate not found.", Does::SwitchTab, 2},
    {"unitsItemIdentifier", QT_TRANSLATE_NOOP("Wandrel", "Units"), true, false, Shows::Image,
     "units2", "Image units not found.", Does::SwitchTab, 3},
};

const Entry* find(const QString& identifier) {
    for (const Entry& entry : table)
        if (identifier == QLatin1String(entry.identifier))
            return &entry;
    return nullptr;
}

// The preferences toolbar's item that shows the tab of `tag`.
const Entry* tabItem(int tag) {
    for (const Entry& entry : table)
        if (entry.does == Does::SwitchTab && entry.tag == tag)
            return &entry;
    return nullptr;
}

QString labelOf(const Entry& entry) {
    return entry.localised ? QCoreApplication::translate("Wandrel", entry.label)
                           : QString::fromLatin1(entry.label);
}

} // namespace

ToolbarItems::ToolbarItems(WindowDesigns& d, FatController& c, AcetateController& a)
    : designs(d), controller(c), acetate(a) {
    connect(d.acetate.actionCustomiseToolbar, &QAction::triggered, this,
            &ToolbarItems::customiseToolbar);
    d.preferences.whenBuilt([this](QWidget& window, Ui::PreferencesWindow& design) {
        wandrelPrefsTabView = design.wandrelPrefsTabView;
        switchPrefsTab(1);
        // The toolbar is the way between the tabs; it follows whatever shows one.
        if (auto* tabBar =
                wandrelPrefsTabView->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly))
            tabBar->hide();
        connect(wandrelPrefsTabView, &QTabWidget::currentChanged, this,
                &ToolbarItems::followShownTab);
        // However the window comes to be shown, it comes with its toolbar.
        window.installEventFilter(this);
    });
}

// The toolbars live in their windows, but their items act on this table and
// the controller: they go together.
ToolbarItems::~ToolbarItems() {
    delete mainBar.data();
    delete prefsBar.data();
}

void ToolbarItems::createToolbars(Defaults* store) {
    if (!mainBar)
        placeToolbars();
    configurationStore = store;
    for (Toolbar* bar : {mainBar.data(), prefsBar.data()}) {
        if (!bar)
            continue;
        bar->setConfigurationStore(store);
        bar->loadConfiguration();
    }
}

Toolbar* ToolbarItems::prefsToolbar() {
    if (!prefsBar && mainBar)
        placePrefsToolbar();
    return prefsBar;
}

void ToolbarItems::placeToolbars() {
    mainBar = new Toolbar(mainToolbarIdentifier, *this); // owned by the acetate
    mainBar->setAllowsUserCustomization(true);
    designs.acetateWindow.addToolBar(Qt::TopToolBarArea, mainBar);
}

void ToolbarItems::placePrefsToolbar() {
    QWidget* window = designs.preferences.window();
    window->removeEventFilter(this);
    prefsBar = new Toolbar(prefsToolbarIdentifier, *this); // owned by the preferences window
    designs.preferences.ui().preferencesLayout->insertWidget(0, prefsBar);
    followShownTab();
    prefsBar->setConfigurationStore(configurationStore);
    prefsBar->loadConfiguration();
}

bool ToolbarItems::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && designs.preferences.isBuilt() &&
        watched == designs.preferences.window())
        prefsToolbar();
    return false;
}

void ToolbarItems::followShownTab() {
    const QWidget* shown = wandrelPrefsTabView ? wandrelPrefsTabView->currentWidget() : nullptr;
    const Entry* item = shown ? tabItem(shown->property("identifier").toInt()) : nullptr;
    if (prefsBar && item)
        prefsBar->setSelectedItemIdentifier(QLatin1String(item->identifier));
}

void ToolbarItems::customiseToolbar() {
    if (mainBar)
        mainBar->runCustomizationPalette();
}

void ToolbarItems::switchPrefsTab(int tag) {
    if (tag < 1 || tag > 3)
        return;
    designs.preferences.ui(); // the window the tabs are in
    for (int i = 0; i < wandrelPrefsTabView->count(); ++i)
        if (wandrelPrefsTabView->widget(i)->property("identifier").toString() ==
            QString::number(tag))
            wandrelPrefsTabView->setCurrentIndex(i);
}

std::unique_ptr<ToolbarItem> ToolbarItems::itemForItemIdentifier(Toolbar& /*toolbar*/,
                                                                 const QString& identifier,
                                                                 bool willBeInserted) {
    const Entry* entry = find(identifier);
    if (!entry)
        return nullptr;
    const QString label = labelOf(*entry);
    if (entry->shows != Shows::Image) {
        auto item = std::make_unique<ToolbarItem>(identifier, ToolbarItem::Kind::View);
        item->setText(label);
        item->setPaletteLabel(label);
        item->setView(viewFor(*entry));
        item->view()->setAccessibleName(label);
        return item;
    }
    auto item = std::make_unique<ToolbarItem>(identifier);
    item->setAccessibleName(label);
    const QImage image = Resources::image(QLatin1String(entry->image), QStringLiteral("tif"));
    if (image.isNull()) {
        wlog(QLatin1String(entry->missingImageLine));
    } else {
        item->setImage(image);
        item->setText(label);
        if (entry->hasPaletteLabel)
            item->setPaletteLabel(label);
        item->setTag(entry->tag);
        item->setAction(actionFor(*entry));
    }
    // An item only looked at in the palette must not take the place of the
    // one on the toolbar.
    if (!willBeInserted)
        return item;
    if (identifier == u"snapshotItemIdentifier" && !image.isNull())
        acetate.setSnapshotButton(item.get());
    if (identifier == u"scaleItemIdentifier")
        controller.getScaleSlider()->setShowhideButton(item.get());
    return item;
}

std::function<void()> ToolbarItems::actionFor(const Entry& entry) {
    switch (entry.does) {
    case Does::ToggleScale:
        return [slider = controller.getScaleSlider()] { slider->toggleVisible(); };
    case Does::ShowInfo:
        return [view = controller.getTracingView()] { view->showInfo(); };
    case Does::ToggleDragmode:
        return [this] { controller.toggleDragmode(); };
    case Does::SwitchTab:
        return [this, tag = entry.tag] { switchPrefsTab(tag); };
    case Does::ExportImage:
        return [this] { controller.getPictureCommands().exportImage(); };
    case Does::Nothing:
        break;
    }
    return {};
}

QWidget* ToolbarItems::viewFor(const Entry& entry) const {
    switch (entry.shows) {
    case Shows::ScaleUnits:
        return designs.unitViews.scaleUnitView2;
    case Shows::AnswerUnits:
        return designs.unitViews.answerUnitView2;
    case Shows::AreaUnits:
        return designs.unitViews.areaUnitView;
    case Shows::Image:
        break;
    }
    return nullptr;
}

QStringList ToolbarItems::allowedItemIdentifiers(const Toolbar& toolbar) const {
    if (toolbar.identifier() == mainToolbarIdentifier)
        return {QStringLiteral("scaleUnitItemIdentifier"),
                QStringLiteral("answerUnitItemIdentifier"),
                QStringLiteral("areaUnitItemIdentifier"),
                QStringLiteral("modifyItemIdentifier"),
                QStringLiteral("infoItemIdentifier"),
                Toolbar::separatorItemIdentifier,
                QStringLiteral("scaleItemIdentifier"),
                Toolbar::flexibleSpaceItemIdentifier,
                Toolbar::spaceItemIdentifier};
    if (toolbar.identifier() == prefsToolbarIdentifier)
        return {QStringLiteral("generalItemIdentifier"), QStringLiteral("unitsItemIdentifier")};
    return {};
}

QStringList ToolbarItems::defaultItemIdentifiers(const Toolbar& toolbar) const {
    if (toolbar.identifier() == mainToolbarIdentifier)
        return {
            QStringLiteral("scaleUnitItemIdentifier"), QStringLiteral("answerUnitItemIdentifier"),
            QStringLiteral("areaUnitItemIdentifier"),  Toolbar::spaceItemIdentifier,
            QStringLiteral("scaleItemIdentifier"),     Toolbar::flexibleSpaceItemIdentifier};
    if (toolbar.identifier() == prefsToolbarIdentifier)
        return {QStringLiteral("generalItemIdentifier"), QStringLiteral("unitsItemIdentifier")};
    return {};
}

QStringList ToolbarItems::selectableItemIdentifiers(const Toolbar& toolbar) const {
    if (toolbar.identifier() == prefsToolbarIdentifier)
        return {QStringLiteral("generalItemIdentifier"), QStringLiteral("exportingItemIdentifier"),
                QStringLiteral("unitsItemIdentifier")};
    return {};
}
