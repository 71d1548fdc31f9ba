#include "ui/main/shown_names.h"

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

}  // namespace jubilo
