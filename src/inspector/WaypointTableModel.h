#pragma once

#include "model/TableView.h"
#include "model/WaypointTable.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>

#include <optional>

class PointDataSource;
class QAbstractItemView;
class RouteOwner;

// The route's waypoint table as Qt sees it. A reload takes one snapshot of
// the legs, so painting every cell costs one walk over the route, and the
// cells never reach into points that may since have gone.
class WaypointTableModel : public QAbstractTableModel, public TableView {
    Q_OBJECT
public:
    // The role under which the header carries a column's identifier.
    static constexpr int identifierRole = Qt::UserRole;

    explicit WaypointTableModel(QObject* parent = nullptr);

    // The route whose legs are shown; nullptr shows nothing.
    void setDataSource(const PointDataSource* route);
    // The view that shows the model, for its selection and frame.
    void setView(QAbstractItemView* view);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Reloads on the next turn of the event loop: a burst of edits (a route
    // loaded point by point) costs one walk, not one per point.
    void reloadData() override;
    // Reloads now if a reload is due.
    void flush();
    Rect enclosingScrollFrame() const override;
    void setEnclosingScrollFrame(const Rect& frame) override;
    int64_t selectedRow() const override;

    // The header row and every row, cells separated by tabs, lines by "\n":
    // what a spreadsheet takes as cells.
    QString tabSeparated();

private:
    void reset();
    const WaypointTable& table() const;
    RouteOwner* owner() const;

    const PointDataSource* route = nullptr;
    QPointer<QAbstractItemView> view;
    // Taken on the first question after a reload.
    mutable std::optional<WaypointTable> snapshot;
    bool resetPending = false;
};
