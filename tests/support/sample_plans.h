#pragma once
// Plans the tests and benchmarks build sheets from, and the US English
// locale most of them run in. Benchmarks link these too, without GoogleTest.

#include "plan/plan.h"
#include "plan/saved_plan.h"
#include "plan/stored_values.h"
#include "plan/settings_store.h"

#include <QLocale>

#include <initializer_list>

namespace jubilo::testing {

inline void appendRows(Plan& plan, TableId id, std::initializer_list<PlanRow> rows)
{
    for (const PlanRow& row : rows)
        plan.table(id).append(row);
}

// The example plan: the rows and budgets Load Sample/Example Data enters
// (one row in every table of the sheet), dated "2021 | August 31 | 09 PM".
inline Plan samplePlan()
{
    Plan plan;
    appendRows(plan, TableId::Guests, {{"John", "NY City", "Yes", "1"}});
    appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "9.99"}});
    appendRows(plan, TableId::Decorations, {{"Garland", "3", "Yes", "3.04"}});
    appendRows(plan, TableId::Incidentals, {{"Other", "No", "0.00"}});
    appendRows(plan, TableId::FoodAndDrinks, {{"Barbeque", "Meat", "Yes", "20.00"}});
    appendRows(plan, TableId::OtherSupplies, {{"Lights", "Yes", "14.99"}});
    appendRows(plan, TableId::Schedules, {{"Buy meals", "11:10 AM", "Nearest store"}});
    appendRows(plan, TableId::Activities, {{"Dancing", "07:00 PM", "If guests want to"}});
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setBudget(BudgetId::Decoration, "25.00");
    plan.setBudget(BudgetId::Incidental, "20.00");
    plan.setBudget(BudgetId::Food, "50.00");
    plan.setBudget(BudgetId::OtherSupply, "30.00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

// `rows` numbered rows in each of the eight tables of the sheet: music
// amounts that grow by 1.25 a row, food amounts with a thousands separator
// ("1,000.10"), food names in runs (Cake, Cake, Punch), a music budget and
// the date.
inline Plan planWithRows(int rows)
{
    Plan plan;
    for (int i = 1; i <= rows; ++i) {
        const QString n = QString::number(i);
        plan.table(TableId::Guests).append({"Guest " + n, "Street " + n, "Yes", n});
        plan.table(TableId::Music).append({"Song " + n, "CD", "No", QString::number(i * 1.25)});
        plan.table(TableId::Decorations).append({"Deco " + n, "2", "Yes", "3.04"});
        plan.table(TableId::FoodAndDrinks).append({i % 3 ? "Cake" : "Punch", "Item " + n, "No", "1,000.10"});
        plan.table(TableId::OtherSupplies).append({"Supply " + n, "Yes", "14.99"});
        plan.table(TableId::Incidentals).append({"Other " + n, "No", "0.00"});
        plan.table(TableId::Schedules).append({"Task " + n, "11:10 AM", "Notes"});
        plan.table(TableId::Activities).append({"Dance " + n, "07:00 PM", "If guests want to"});
    }
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

// Writes the plan's tables into the store the way the program saves them.
inline void storePlan(SettingsStore& store, const Plan& plan)
{
    SavedPlan saved(store);
    for (const PlanStep& step : saved.saveSteps(plan))
        step.run();
}

// Writes every value of the plan, budgets and date too, as a plan that
// has been worked on holds them.
inline void storeEveryValue(SettingsStore& store, const Plan& plan)
{
    for (const auto& [key, text] : storedValues(plan))
        store.write(kStoreApplication, kStoreSection, key, text);
}

// US English as the default locale while it lives, the system's after.
class UsEnglishLocale {
public:
    UsEnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~UsEnglishLocale() { QLocale::setDefault(QLocale::system()); }
};

}  // namespace jubilo::testing
