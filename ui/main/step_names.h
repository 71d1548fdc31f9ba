#pragma once
// The names of the undo history's steps, as the Edit menu shows them after
// "Undo" and "Redo": "Delete Guest", "Edit Address", "Music Budget".

#include "plan/plan.h"

#include <QString>

namespace jubilo::step_names {

QString add(TableId table);
QString remove(TableId table);
// `column` is 0-based.
QString edit(TableId table, int column);
QString moveRow();
QString loadSampleData();
QString budget(BudgetId budget);
QString date();
QString newPlanFromThis();
QString pasteRows();
QString importGuests();

}  // namespace jubilo::step_names
