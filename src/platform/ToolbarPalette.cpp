#include "platform/ToolbarPalette.h"

#include "platform/Toolbar.h"
#include "platform/ToolbarDelegate.h"
#include "platform/ToolbarItem.h"
#include "platform/UiText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

QPushButton* button(const QString& label, QWidget* parent) {
    auto* made = new QPushButton(label, parent); // owned by the palette
    made->setAccessibleName(made->text());
    return made;
}

QStringList identifiersIn(const QListWidget& l) {
    QStringList identifiers;
    for (int row = 0; row < l.count(); ++row)
        identifiers << l.item(row)->data(Qt::UserRole).toString();
    return identifiers;
}

QListWidget* list(const QString& label, QWidget* parent) {
    auto* made = new QListWidget(parent); // owned by the palette
    made->setAccessibleName(label);
    made->setIconSize(QSize(24, 24));
    return made;
}

} // namespace

ToolbarPalette::ToolbarPalette(Toolbar& t, QWidget* parent)
    : QDialog(parent), toolbar(t), offeredList_(list(Wandrel::tr("Available items"), this)),
      chosenList_(list(Wandrel::tr("Toolbar items"), this)),
      addButton_(button(Wandrel::tr("Add"), this)),
      removeButton_(button(Wandrel::tr("Remove"), this)),
      upButton_(button(Wandrel::tr("Move Up"), this)),
      downButton_(button(Wandrel::tr("Move Down"), this)),
      defaultsButton_(button(Wandrel::tr("Use Default Set"), this)) {
    setWindowTitle(Wandrel::tr("Customise Toolbar"));
    setWindowModality(Qt::WindowModal);
    layOut();
    fill(offeredList_, toolbar.delegate().allowedItemIdentifiers(toolbar));
    fill(chosenList_, toolbar.configuration());
    connect(addButton_, &QPushButton::clicked, this, &ToolbarPalette::add);
    connect(offeredList_, &QListWidget::itemDoubleClicked, this, &ToolbarPalette::add);
    connect(removeButton_, &QPushButton::clicked, this, &ToolbarPalette::remove);
    connect(upButton_, &QPushButton::clicked, this, [this] { move(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { move(1); });
    connect(defaultsButton_, &QPushButton::clicked, this, &ToolbarPalette::restoreDefaults);
    for (QListWidget* l : {offeredList_, chosenList_})
        connect(l, &QListWidget::currentRowChanged, this, &ToolbarPalette::updateButtons);
    updateButtons();
}

void ToolbarPalette::layOut() {
    auto* grid = new QGridLayout(this); // owned by the palette
    const auto caption = [this](QListWidget* l) {
        auto* label = new QLabel(l->accessibleName(), this); // owned by the palette
        label->setBuddy(l);
        return label;
    };
    grid->addWidget(caption(offeredList_), 0, 0);
    grid->addWidget(caption(chosenList_), 0, 2);
    grid->addWidget(offeredList_, 1, 0);
    grid->addWidget(chosenList_, 1, 2);
    auto* middle = new QVBoxLayout; // owned by the grid
    middle->addStretch();
    middle->addWidget(addButton_);
    middle->addStretch();
    grid->addLayout(middle, 1, 1);
    auto* side = new QVBoxLayout; // owned by the grid
    for (QPushButton* b : {upButton_, downButton_, removeButton_})
        side->addWidget(b);
    side->addStretch();
    grid->addLayout(side, 1, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this); // owned by the palette
    QPushButton* done = buttons->addButton(Wandrel::tr("Done"), QDialogButtonBox::AcceptRole);
    done->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ToolbarPalette::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ToolbarPalette::reject);
    grid->addWidget(defaultsButton_, 2, 0);
    grid->addWidget(buttons, 2, 2, 1, 2);
}

// Each entry shows the item's palette label, or its label when it has no
// palette label, so the user sees what the toolbar will show.
void ToolbarPalette::fill(QListWidget* l, const QStringList& identifiers) {
    l->clear();
    for (const QString& identifier : identifiers) {
        QString name;
        QIcon icon;
        if (identifier == Toolbar::separatorItemIdentifier)
            name = Wandrel::tr("Separator");
        else if (identifier == Toolbar::spaceItemIdentifier)
            name = Wandrel::tr("Space");
        else if (identifier == Toolbar::flexibleSpaceItemIdentifier)
            name = Wandrel::tr("Flexible Space");
        else if (const auto item = toolbar.makeItem(identifier, false)) {
            name = !item->paletteLabel().isEmpty() ? item->paletteLabel() : item->text();
            icon = item->icon();
        }
        if (icon.isNull()) { // keeps every name in one column
            QPixmap blank(l->iconSize());
            blank.fill(Qt::transparent);
            icon = QIcon(blank);
        }
        auto* entry = new QListWidgetItem(icon, name.isEmpty() ? identifier : name, l);
        entry->setData(Qt::UserRole, identifier);
    }
}

QStringList ToolbarPalette::offered() const {
    return identifiersIn(*offeredList_);
}

QStringList ToolbarPalette::chosen() const {
    return identifiersIn(*chosenList_);
}

// Adds after the chosen row, or at the end; an item already on the toolbar
// is only selected there.
void ToolbarPalette::add() {
    const QListWidgetItem* picked = offeredList_->currentItem();
    if (!picked)
        return;
    const QString identifier = picked->data(Qt::UserRole).toString();
    const int present = chosen().indexOf(identifier);
    if (present >= 0 && !Toolbar::isStandardItem(identifier)) {
        chosenList_->setCurrentRow(present);
        return;
    }
    const int row =
        chosenList_->currentRow() >= 0 ? chosenList_->currentRow() + 1 : chosenList_->count();
    chosenList_->insertItem(row, picked->clone());
    chosenList_->setCurrentRow(row);
}

void ToolbarPalette::remove() {
    const std::unique_ptr<QListWidgetItem> gone(chosenList_->takeItem(chosenList_->currentRow()));
    updateButtons();
}

void ToolbarPalette::move(int by) {
    const int from = chosenList_->currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= chosenList_->count())
        return;
    chosenList_->insertItem(to, chosenList_->takeItem(from));
    chosenList_->setCurrentRow(to);
}

void ToolbarPalette::restoreDefaults() {
    fill(chosenList_, toolbar.delegate().defaultItemIdentifiers(toolbar));
    updateButtons();
}

void ToolbarPalette::updateButtons() {
    const int row = chosenList_->currentRow();
    addButton_->setEnabled(offeredList_->currentRow() >= 0);
    removeButton_->setEnabled(row >= 0);
    upButton_->setEnabled(row > 0);
    downButton_->setEnabled(row >= 0 && row + 1 < chosenList_->count());
}

void ToolbarPalette::accept() {
    toolbar.setConfiguration(chosen());
    QDialog::accept();
}
