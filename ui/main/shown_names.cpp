#include "ui/main/shown_names.h"

#include "plan/answers.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

QVariant ShownTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant header = PlanTableModel::headerData(section, orientation, role);
    if (orientation != Qt::Horizontal || !header.isValid())
        return header;
    return shownColumnHeader(spec_, section);
}

QVariant ShownTableModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = PlanTableModel::data(index, role);
    if (role == Qt::EditRole || !value.isValid()
        || spec_.columns[static_cast<size_t>(index.column())].kind != CellKind::YesNo)
        return value;
    return shownAnswer(value.toString());
}

}  // namespace jubilo
