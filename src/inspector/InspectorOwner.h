#pragma once

class PointDataSource;
class QWidget;
class TableView;

// The tracing view whose route an inspector shows, as the inspector sees
// it.
class InspectorOwner {
public:
    virtual ~InspectorOwner() = default;
    virtual PointDataSource& getPointDataSource() = 0;
    virtual void setRouteInspectorTableView(TableView* table) = 0;
    // Pushes the main window's current figures and units into the inspector.
    virtual void updateInfoFields() = 0;
    virtual void reDraw() = 0;
    // The window the inspector floats above and gives back the focus to.
    virtual QWidget* ownerWindow() = 0;

protected:
    InspectorOwner() = default;
    InspectorOwner(const InspectorOwner&) = default;
    InspectorOwner& operator=(const InspectorOwner&) = default;
};
