#include "model/saved_plan.h"

#include "model/table_text.h"
#include "model/settings_store.h"

namespace jubilo {

namespace {

constexpr TableId kSaveOrder[] = {
    TableId::Guests,        TableId::Music,         TableId::Decorations, TableId::Incidentals,
    TableId::FoodAndDrinks, TableId::OtherSupplies, TableId::Schedules,   TableId::Activities,
};

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString defaultDateText(const QDateTime& now, const QLocale& locale)
{
    const QDate date = now.date();
    const int hour = now.time().hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const QString designator = hour < 12 ? locale.amText() : locale.pmText();
    return QString::number(date.year()).rightJustified(4, QLatin1Char('0')) + QStringLiteral(" | ")
        + locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ') + twoDigits(date.day())
        + QStringLiteral(" | ") + twoDigits(hour12) + QLatin1Char(' ') + designator;
}

SavedPlan::SavedPlan(SettingsStore& store)
    : store_(store)
{
}

std::span<const TableId> SavedPlan::tableOrder() { return kSaveOrder; }

QString SavedPlan::read(const QString& key, const QString& defaultValue)
{
    return store_.read(kStoreApplication, kStoreSection, key, defaultValue);
}

void SavedPlan::write(const QString& key, const QString& value)
{
    store_.write(kStoreApplication, kStoreSection, key, value);
}

void SavedPlan::saveTable(const PlanTable& table)
{
    if (!table.spec().isStored())
        throw std::logic_error(std::string(table.spec().name) + " is never stored");
    write(QString::fromUtf8(table.spec().storeKey), encodeTableText(table));
}

void SavedPlan::loadTable(PlanTable& table)
{
    if (!table.spec().isStored())
        throw std::logic_error(std::string(table.spec().name) + " is never stored");
    const QString text = read(QString::fromUtf8(table.spec().storeKey), QString());
    for (const PlanRow& row : decodeTableText(text, table.columnCount()))
        table.append(row);
}

QString SavedPlan::loadDate(const QDateTime& now, const QLocale& locale)
{
    return read(kDateKey, defaultDateText(now, locale));
}

QString SavedPlan::loadBudget(BudgetId id) { return read(QString::fromUtf8(budgetSpec(id).storeKey), QString()); }

void SavedPlan::writeBudget(BudgetId id, const QString& text)
{
    write(QString::fromUtf8(budgetSpec(id).storeKey), text);
}

void SavedPlan::writeDate(const QString& text) { write(kDateKey, text); }

std::vector<PlanStep> SavedPlan::saveSteps(const Plan& plan)
{
    std::vector<PlanStep> steps;
    for (TableId id : kSaveOrder) {
        const PlanTable& table = plan.table(id);
        steps.push_back({QString::fromUtf8(table.spec().storeKey), [this, &table] { saveTable(table); }});
    }
    return steps;
}

std::vector<PlanStep> SavedPlan::loadSteps(Plan& plan, const QDateTime& now, const QLocale& locale)
{
    std::vector<PlanStep> steps;
    for (TableId id : kSaveOrder) {
        PlanTable& table = plan.table(id);
        steps.push_back({QString::fromUtf8(table.spec().storeKey), [this, &table] { loadTable(table); }});
    }
    steps.push_back({kDateKey, [this, &plan, now, locale] { plan.setDate(loadDate(now, locale)); }});
    for (const BudgetSpec& budget : budgetSpecs()) {
        const BudgetId id = budget.id;
        steps.push_back(
            {QString::fromUtf8(budget.storeKey), [this, &plan, id] { plan.setBudget(id, loadBudget(id)); }});
    }
    return steps;
}

}  // namespace jubilo
