#pragma once

#include <QAbstractTableModel>

class UnitDataSource;

// The units table over the registry: one row per unit, columns by the
// identifiers "name", "shortName" and "conversionFactor", which the
// horizontal header answers under IdentifierRole.
class UnitTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int IdentifierRole = Qt::UserRole;

    explicit UnitTableModel(UnitDataSource& units, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // After units were added, changed or removed.
    void reloadData();

private:
    UnitDataSource& units;
};
