#pragma once
// A table's rows for a list view as the window shows them: its column
// headers (shownColumnHeader in plan/plan_tables.h) and its answers
// (shownAnswer in plan/answers.h) translated.

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
    // A Yes/No column's answers translated for display; editing and the
    // plan keep the English.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const TableSpec& spec_;
};

}  // namespace jubilo
