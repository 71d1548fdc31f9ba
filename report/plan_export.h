#pragma once
// The stored plan written to a file with no window: loaded from a settings
// store, built in a fresh host as the report builds it, and written as the
// sheet's printed pages (PDF) or as the workbook (.xls). Failures throw.

#include "plan/saved_plan.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace jubilo {

class Plan;
class SettingsStore;

enum class ExportFormat { Pdf, Xls };

// Fills `plan` from the store: the eight tables, the date (the default one
// made from `now` when none is stored) and the five budgets. A failing step
// throws, naming its key. Returns the tables stored longer than a table
// holds, which are cut to their first PlanTable::kMaxRows rows.
std::vector<KeptTable> loadStoredPlan(SettingsStore& store, Plan& plan, const QDateTime& now);

// Builds the plan's workbook in a new host and writes it to `path`. The
// host replaces a file already there only once the new one is complete, so
// a failure leaves it as it was. Throws std::runtime_error naming the path.
void exportPlan(const Plan& plan, ExportFormat format, const QString& path);

}  // namespace jubilo
