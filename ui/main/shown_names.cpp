#include "ui/main/shown_names.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

QString shownTableName(TableId id) { return QCoreApplication::translate("TableNames", tableSpec(id).name); }

QString shownColumnHeader(const TableSpec& table, int column)
{
    if (column < 0 || column >= table.columnCount)
        throw std::out_of_range("Column out of range");
    return QCoreApplication::translate("TableColumns", table.columns[static_cast<size_t>(column)].header);
}

QVariant ShownTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant header = PlanTableModel::headerData(section, orientation, role);
    if (orientation != Qt::Horizontal || !header.isValid())
        return header;
    return shownColumnHeader(spec_, section);
}

}  // namespace jubilo
