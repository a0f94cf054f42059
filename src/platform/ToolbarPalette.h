#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;
class Toolbar;

// The customisation palette of a Toolbar: the items it allows on one side,
// its configuration on the other. The user adds, removes and reorders, or
// goes back to the default set; Done applies the new configuration.
class ToolbarPalette : public QDialog {
    Q_OBJECT
public:
    ToolbarPalette(Toolbar& toolbar, QWidget* parent = nullptr);

    // Identifiers, top to bottom.
    QStringList offered() const;
    QStringList chosen() const;

    QListWidget* offeredList() const { return offeredList_; }
    QListWidget* chosenList() const { return chosenList_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* upButton() const { return upButton_; }
    QPushButton* downButton() const { return downButton_; }
    QPushButton* defaultsButton() const { return defaultsButton_; }

    void accept() override;

private:
    void layOut();
    void fill(QListWidget* list, const QStringList& identifiers);
    void add();
    void remove();
    void move(int by);
    void restoreDefaults();
    void updateButtons();

    Toolbar& toolbar;
    QListWidget* offeredList_;
    QListWidget* chosenList_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QPushButton* defaultsButton_;
};
