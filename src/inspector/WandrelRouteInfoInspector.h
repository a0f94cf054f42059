#pragma once

#include "inspector/WaypointTableModel.h"

#include <QAction>
#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class ColourWell;
class InspectorClient;
class InspectorOwner;
class PointDataSource;
class UnitDataSource;

namespace Ui {
class WandrelRouteInfoInspector;
}

// A route's inspector: a floating window with the route's figures, its
// table of legs, and the line style and terrain factor kept with the
// route. The window is made on its first showing; until then every setter
// only keeps its value, and the controls are filled from those values when
// the window loads.
class WandrelRouteInfoInspector : public QObject {
    Q_OBJECT
public:
    explicit WandrelRouteInfoInspector(QObject* parent = nullptr);
    ~WandrelRouteInfoInspector() override;

    void initStrings();
    void setOwner(InspectorOwner* o) { owner = o; }
    void setController(InspectorClient* c) { controller = c; }
    void setUnitDataSource(UnitDataSource* units) { unitDataSource = units; }
    void setDataSource(const PointDataSource* route) { model.setDataSource(route); }
    void reloadData() { model.reloadData(); }

    // Shows the window, making it first if need be.
    void showWindow();
    bool isWindowLoaded() const { return !window.isNull(); }
    // The window and its controls; null before the first showing.
    QWidget* getWindow() const { return window; }
    const Ui::WandrelRouteInfoInspector* controls() const { return window ? ui.get() : nullptr; }
    WaypointTableModel& tableModel() { return model; }
    QAction* getCopyAction() const { return copyAction; }

    // Figures and units, copied in by the controller.
    void setAnswer(const QString& text);
    void setAreaAnswer(const QString& text);
    void setScale(const QString& text);
    void setScaleUnits(const QString& title);
    void setAnswerUnits(const QString& title);
    // Selects the unit the area figure is in, after setAnswerUnits.
    void setAreaUnits(const QString& title);
    QString getAnswer() const { return infoStrAnswer; }
    QString getAreaAnswer() const { return infoStrAreaAnswer; }
    QString getScale() const;
    QString getScaleUnits() const;
    QString getAnswerUnits() const;
    // The area pop-up's title once the window is loaded; before, the answer
    // unit's, which both pop-ups take.
    QString getAreaUnits() const;

    // The route's own line style and terrain factor.
    QColor getHighLightColour() const { return highLightColour; }
    QColor getLowLightColour() const { return lowLightColour; }
    float getLineWidth() const { return lineWidth; }
    void setHighLightColour(const QColor& colour);
    void setLowLightColour(const QColor& colour);
    // A well handed over in place of its colour changes nothing.
    void setHighLightColour(const ColourWell* /*well*/) {}
    void setLowLightColour(const ColourWell* /*well*/) {}
    void setLineWidth(float width);
    float getTerrainFactor() const;
    void setTerrainFactor(float factor);

    void handleControl();
    void unitsHaveChanged(const QObject* sender);
    void handleShadeAreaButton();
    bool shouldShadeArea() const;
    float convertUsingScale(float pixels) const;
    void setChangesMade(bool changed);

    void switchPreset();
    void factoryDefaults();
    void engineersPen();
    void highlighterPen();
    void markerPen();
    void pastelGreen();
    void pastelPink();

    // Puts the table of legs on the clipboard, as tab-separated text and as
    // the HTML journal.
    void copyTable();

private:
    void loadWindow();
    void windowDidLoad();
    void connectControls();
    void addEditMenu();
    void applyStyle(const QColor& high, const QColor& low, float width);
    void showStyle();

    InspectorOwner* owner = nullptr;
    InspectorClient* controller = nullptr;
    UnitDataSource* unitDataSource = nullptr;
    WaypointTableModel model;
    QPointer<QWidget> window;
    std::unique_ptr<Ui::WandrelRouteInfoInspector> ui;
    QPointer<QAction> copyAction;

    QString infoStrAnswer;
    QString infoStrAreaAnswer;
    QString infoStrAnswerUnits;
    QString infoStrScaleNumber;
    QString infoStrScaleUnits;
    float terrainFactor = 100;
    QColor highLightColour;
    float lineWidth = 2;
    QColor lowLightColour;
};
