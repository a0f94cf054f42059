#pragma once

#include <QColor>
#include <QMainWindow>

#include <memory>

class FatController;
class UnitDataSource;
class WindowDesigns;

// The acetate: a translucent top-level window painted with a tint. It loads
// every window design and creates the controller with them.
class AcetateWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AcetateWindow(QWidget* parent = nullptr);
    ~AcetateWindow() override;

    QColor tint() const { return tintColour; }
    void setTint(const QColor& colour);

    WindowDesigns& getDesigns() { return *designs; }
    FatController& getController() { return *controller; }
    UnitDataSource& getUnitDataSource() { return *unitDataSource; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Unsaved work is the user's to keep or let go before the window closes,
    // which is also how quitting begins.
    void closeEvent(QCloseEvent* event) override;

private:
    QColor tintColour;
    std::unique_ptr<WindowDesigns> designs;
    std::unique_ptr<UnitDataSource> unitDataSource;
    std::unique_ptr<FatController> controller;
};
