#include "plan/plan_table_model.h"

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
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::EditRole)
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

Qt::ItemFlags PlanTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool PlanTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= table_.rowCount()
        || index.column() >= table_.columnCount())
        return false;
    table_.setCell(index.row() + 1, index.column(), value.toString());
    return true;
}

void PlanTableModel::rowsAboutToBeInserted(int first, int last) { beginInsertRows({}, first, last); }

void PlanTableModel::rowsInserted() { endInsertRows(); }

void PlanTableModel::rowsAboutToBeRemoved(int first, int last) { beginRemoveRows({}, first, last); }

void PlanTableModel::rowsRemoved() { endRemoveRows(); }

// Qt counts the destination before the move: one further down when the row
// goes down.
void PlanTableModel::rowAboutToMove(int from, int to) { beginMoveRows({}, from, from, {}, to > from ? to + 1 : to); }

void PlanTableModel::rowMoved() { endMoveRows(); }

void PlanTableModel::cellChanged(int row, int column)
{
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace jubilo
