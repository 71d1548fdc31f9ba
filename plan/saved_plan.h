#pragma once
// The plan in the per-user settings store: eight table texts, the date and
// the five budgets, all under application "Tarvel", section "Jubilo".

#include "plan/plan.h"
#include "plan/plan_change.h"
#include "plan/stored_table_text.h"
#include "plan/stored_values.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <span>
#include <vector>

namespace jubilo {

class SettingsStore;

inline const QString kStoreApplication = QStringLiteral("Tarvel");
inline const QString kStoreSection = QStringLiteral("Jubilo");
inline const QString kDateKey = QStringLiteral("Date");

// The tables kept in the store (all but the Ingredients working list), and
// the steps of a load: those tables, the date, the budgets.
inline constexpr int kStoredTableCount = 8;
inline constexpr int kLoadStepCount = kStoredTableCount + 1 + kBudgetCount;

// "2021 | August 31 | 09 PM": year, full month name, two-digit day, and the
// two-digit hour of a 12-hour clock with the locale's AM/PM designator.
QString defaultDateText(const QDateTime& now, const QLocale& locale = QLocale());

// One step of loading or saving; the caller runs each under its error trap
// so that one failing table does not stop the others.
struct PlanStep {
    QString name;
    std::function<void()> run;
};

// A stored table with more rows than a table can hold: the table shows the
// first PlanTable::kMaxRows, and the stored text is kept as it is.
struct KeptTable {
    TableId id;
    qsizetype storedRows;
};

// The one message that names every kept table, says the rest of their rows
// stay in the store and how to split the plan. `storeLocation` is the
// settings file's path, or empty when unknown.
// `inPlanFile`: the plan is a plan file's, and the message names it so.
QString keptTablesMessage(std::span<const KeptTable> kept, const QString& storeLocation, bool inPlanFile = false);

// A store's tables have one SavedPlan writing them: it stores a change as a
// splice of the text it last wrote, which another writer would not know of.
class SavedPlan {
public:
    explicit SavedPlan(SettingsStore& store);

    // The eight stored tables, in the order they are saved and loaded.
    static std::span<const TableId> tableOrder();

    // A kept table is never written: its stored text holds rows the table
    // does not, and writing would lose them.
    void saveTable(const PlanTable& table);
    // Appends the stored rows to the table, up to its limit; a table whose
    // stored text holds more is kept (see keptTables()).
    void loadTable(PlanTable& table);
    std::span<const KeptTable> keptTables() const { return kept_; }
    bool isKept(TableId id) const;
    QString loadDate(const QDateTime& now, const QLocale& locale = QLocale());
    QString loadBudget(BudgetId id);
    // Both skip a value the store already holds.
    void writeBudget(BudgetId id, const QString& text);
    void writeDate(const QString& text);

    // The plan's values as storedValues() gives them, but a kept table's
    // text as the store holds it, every row: what a copy of the plan (a new
    // plan file) must hold so that no row is lost.
    StoredValues storedValues(const Plan& plan);

    // Stores what `change` touched, as `plan` holds it now: its stored
    // tables, budgets and date.
    void storeChange(const Plan& plan, const PlanChange& change);

    // Writes the eight tables.
    std::vector<PlanStep> saveSteps(const Plan& plan);
    // Fills the eight tables, then the date, then the five budgets.
    std::vector<PlanStep> loadSteps(Plan& plan, const QDateTime& now, const QLocale& locale = QLocale());

private:
    QString read(const QString& key, const QString& defaultValue);
    void write(const QString& key, const QString& value);
    void writeChanged(const QString& key, const QString& value);
    void writeTogether(std::span<const PlanTable* const> tables, const StoredValues& others);

    SettingsStore& store_;
    std::vector<KeptTable> kept_;
    std::array<StoredTableText, kTableCount> texts_;  // each table's text as last written
};

}  // namespace jubilo
