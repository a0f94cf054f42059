#include "inspector/WaypointTableModel.h"

#include "model/PointDataSource.h"
#include "platform/StringTables.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <array>

namespace {

constexpr std::array<const char*, 4> headers{
    QT_TRANSLATE_NOOP("Wandrel", "Waypoint"), QT_TRANSLATE_NOOP("Wandrel", "Next waypoint"),
    QT_TRANSLATE_NOOP("Wandrel", "From start"), QT_TRANSLATE_NOOP("Wandrel", "To end")};

} // namespace

WaypointTableModel::WaypointTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void WaypointTableModel::setDataSource(const PointDataSource* r) {
    route = r;
    reset();
}

void WaypointTableModel::setView(QAbstractItemView* v) {
    view = v;
}

const WaypointTable& WaypointTableModel::table() const {
    static const PointDataSource empty;
    if (!snapshot)
        snapshot.emplace(route ? *route : empty);
    return *snapshot;
}

RouteOwner* WaypointTableModel::owner() const {
    return route ? route->getOwner() : nullptr;
}

int WaypointTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table().rowCount();
}

int WaypointTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers.size());
}

QVariant WaypointTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const std::string text =
        table().cell(WaypointTable::columns[index.column()], index.row(), owner());
    return QString::fromStdString(text);
}

QVariant WaypointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == identifierRole)
        return QString::fromLatin1(WaypointTable::columns[section]);
    if (role == Qt::DisplayRole)
        return StringTables::translate("Wandrel", headers[static_cast<size_t>(section)]);
    return {};
}

void WaypointTableModel::reloadData() {
    if (resetPending)
        return;
    resetPending = true;
    QMetaObject::invokeMethod(this, &WaypointTableModel::flush, Qt::QueuedConnection);
}

void WaypointTableModel::flush() {
    if (resetPending)
        reset();
}

void WaypointTableModel::reset() {
    resetPending = false;
    beginResetModel();
    snapshot.reset();
    endResetModel();
}

Rect WaypointTableModel::enclosingScrollFrame() const {
    if (!view)
        return {};
    const QRect g = view->geometry();
    return {static_cast<double>(g.x()), static_cast<double>(g.y()), static_cast<double>(g.width()),
            static_cast<double>(g.height())};
}

void WaypointTableModel::setEnclosingScrollFrame(const Rect& frame) {
    if (view)
        view->setGeometry(QRectF(frame.x, frame.y, frame.width, frame.height).toRect());
}

int64_t WaypointTableModel::selectedRow() const {
    if (!view || !view->selectionModel())
        return -1;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString WaypointTableModel::tabSeparated() {
    flush();
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << headerData(c, Qt::Horizontal).toString();
    lines << cells.join(u'\t');
    for (int r = 0; r < rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < columnCount(); ++c)
            cells << data(index(r, c)).toString();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
