#include "model/plan_table_model.h"

namespace jubilo {

PlanTableModel::PlanTableModel(PlanTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , table_(table)
{
    table_.setObserver(this);
}

PlanTableModel::~PlanTableModel() { table_.setObserver(nullptr); }

int PlanTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.rowCount(); }

int PlanTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.columnCount(); }

QVariant PlanTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= table_.rowCount() || index.column() >= table_.columnCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return table_.cell(index.row() + 1, index.column());
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= table_.columnCount())
        return {};
    return table_.header(section);
}

void PlanTableModel::rowsAboutToBeInserted(int first, int last) { beginInsertRows({}, first, last); }

void PlanTableModel::rowsInserted() { endInsertRows(); }

void PlanTableModel::rowsAboutToBeRemoved(int first, int last) { beginRemoveRows({}, first, last); }

void PlanTableModel::rowsRemoved() { endRemoveRows(); }

void PlanTableModel::cellChanged(int row, int column)
{
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace jubilo
