#include "platform/ToolbarItem.h"

#include <QFrame>
#include <QPixmap>

namespace {

constexpr int spaceWidth = 24;

QWidget* makeSpacer(QWidget* parent, bool flexible) {
    auto* spacer = new QWidget(parent); // owned by the toolbar
    if (flexible)
        spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    else
        spacer->setFixedWidth(spaceWidth);
    return spacer;
}

} // namespace

ToolbarItem::ToolbarItem(const QString& identifier, Kind kind, QObject* parent)
    : QWidgetAction(parent), identifier_(identifier), kind_(kind) {
    setObjectName(identifier);
    // Buttons wait for an action; the rest have nothing to do.
    setEnabled(kind != Kind::Button);
    connect(this, &QAction::triggered, this, [this] {
        if (action_)
            action_();
    });
}

// A lent view must go home before QWidgetAction deletes what it made.
ToolbarItem::~ToolbarItem() {
    const QList<QWidget*> made = createdWidgets();
    for (QWidget* widget : made)
        releaseWidget(widget);
}

void ToolbarItem::setImage(const QImage& image) {
    setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

void ToolbarItem::setAction(std::function<void()> action) {
    action_ = std::move(action);
    if (kind_ == Kind::Button)
        setEnabled(hasAction());
}

void ToolbarItem::setView(QWidget* view) {
    view_ = view;
    viewHome_ = view ? view->parentWidget() : nullptr;
}

QWidget* ToolbarItem::createWidget(QWidget* parent) {
    switch (kind_) {
    case Kind::View:
        if (!view_)
            return makeSpacer(parent, false);
        view_->setParent(parent);
        return view_;
    case Kind::Separator: {
        auto* line = new QFrame(parent); // owned by the toolbar
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    case Kind::Space:
        return makeSpacer(parent, false);
    case Kind::FlexibleSpace:
        return makeSpacer(parent, true);
    case Kind::Button:
        break;
    }
    return nullptr; // the toolbar makes a button
}

void ToolbarItem::deleteWidget(QWidget* widget) {
    if (widget != view_) {
        QWidgetAction::deleteWidget(widget);
        return;
    }
    widget->hide();
    if (viewHome_)
        widget->setParent(viewHome_);
    else
        QWidgetAction::deleteWidget(widget); // its home is gone: nowhere to keep it
}
