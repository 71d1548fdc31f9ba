#pragma once
// The plan's names of its tables and of their columns as the window shows
// them. The plan keeps them in English (its store, its sheet and exported
// files use them as they are); the window shows them translated, in the
// text contexts "TableNames" and "TableColumns" where plan/plan_tables.cpp
// marks them.

#include "plan/plan_table_model.h"

namespace jubilo {

QString shownTableName(TableId id);
QString shownColumnHeader(const TableSpec& table, int column);

// A table's rows for a list view, under its translated column headers.
class ShownTableModel final : public PlanTableModel {
public:
    ShownTableModel(PlanTable& table, QObject* parent)
        : PlanTableModel(table, parent)
        , spec_(table.spec())
    {
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const TableSpec& spec_;
};

}  // namespace jubilo
