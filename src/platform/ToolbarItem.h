#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidgetAction>

#include <functional>

// One item of a Toolbar, made for an identifier: a button with an image and
// a label, a view shown in place (lent, not owned), or one of the standard
// separator, space and flexible space. A button without an action is shown
// disabled, so nothing on a toolbar looks usable and does nothing.
class ToolbarItem : public QWidgetAction {
    Q_OBJECT
public:
    enum class Kind { Button, View, Separator, Space, FlexibleSpace };

    ToolbarItem(const QString& identifier, Kind kind = Kind::Button, QObject* parent = nullptr);
    ~ToolbarItem() override;

    const QString& identifier() const { return identifier_; }
    Kind kind() const { return kind_; }

    void setImage(const QImage& image);
    // The name in the customisation palette; empty when the item has none.
    const QString& paletteLabel() const { return paletteLabel_; }
    void setPaletteLabel(const QString& label) { paletteLabel_ = label; }
    // What a screen reader calls the item while it shows no label.
    const QString& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const QString& name) { accessibleName_ = name; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Replaces what a click does and enables the item; an empty function
    // takes the action away and disables it.
    void setAction(std::function<void()> action);
    bool hasAction() const { return static_cast<bool>(action_); }

    // The view this item shows. It stays where it is until the item is put
    // on a toolbar, and goes back there, hidden, when the item leaves it.
    void setView(QWidget* view);
    QWidget* view() const { return view_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void deleteWidget(QWidget* widget) override;

private:
    QString identifier_;
    Kind kind_;
    QString paletteLabel_;
    QString accessibleName_;
    int tag_ = 0;
    std::function<void()> action_;
    QPointer<QWidget> view_;
    QPointer<QWidget> viewHome_;
};
