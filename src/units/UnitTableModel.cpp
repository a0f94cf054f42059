#include "units/UnitTableModel.h"

#include "platform/StringTables.h"
#include "units/UnitDataSource.h"

#include <array>

namespace {

struct Column {
    const char* identifier;
    const char* title;
};

constexpr std::array<Column, 3> columns{{
    {"name", QT_TRANSLATE_NOOP("Wandrel", "Name")},
    {"shortName", QT_TRANSLATE_NOOP("Wandrel", "Short name")},
    {"conversionFactor", QT_TRANSLATE_NOOP("Wandrel", "Metres per unit")},
}};

} // namespace

UnitTableModel::UnitTableModel(UnitDataSource& u, QObject* parent)
    : QAbstractTableModel(parent), units(u) {}

int UnitTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(units.numberOfRowsInTableView(nullptr));
}

int UnitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

QVariant UnitTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.column() >= columnCount())
        return {};
    const std::string cell = units.objectValueForTableColumn(
        nullptr, columns[static_cast<size_t>(index.column())].identifier, index.row());
    return QString::fromStdString(cell);
}

QVariant UnitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const Column& column = columns[static_cast<size_t>(section)];
    if (role == IdentifierRole)
        return QString::fromLatin1(column.identifier);
    if (role == Qt::DisplayRole)
        return StringTables::translate("Wandrel", column.title);
    return {};
}

void UnitTableModel::reloadData() {
    beginResetModel();
    endResetModel();
}
