#pragma once
// The lists' column headers as the window shows them: translated
// (shownColumnHeader in plan/plan_tables.h).

#include "plan/plan_table_model.h"

namespace jubilo {

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
