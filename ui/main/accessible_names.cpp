#include "ui/main/accessible_names.h"

#include "ui/main/entry_procedures.h"

namespace jubilo {

namespace {

// What one row of a table is, as the Add and Delete buttons speak of it.
struct RowNoun {
    TableId table;
    const char* noun;
};

constexpr RowNoun kRowNouns[] = {
    {TableId::Guests, "guest"},           {TableId::Music, "music"},
    {TableId::Decorations, "decoration"}, {TableId::FoodAndDrinks, "food and drinks"},
    {TableId::Ingredients, "ingredient"}, {TableId::OtherSupplies, "other supply"},
    {TableId::Incidentals, "incidental"}, {TableId::Schedules, "task"},
    {TableId::Activities, "activity"},
};

QString rowNoun(TableId table)
{
    for (const RowNoun& entry : kRowNouns) {
        if (entry.table == table)
            return QString::fromUtf8(entry.noun);
    }
    throw std::out_of_range("No row noun for this table");
}

void nameButton(QPushButton& button, TableId table) { button.setAccessibleName(button.text() + u' ' + rowNoun(table)); }

}  // namespace

void nameForScreenReaders(const MainWindowWidgets& widgets)
{
    widgets.dateBox->setAccessibleName(QStringLiteral("Date"));
    for (const TableSpec& spec : tableSpecs())
        tableList(widgets, spec.id).setAccessibleName(QString::fromUtf8(spec.name));
    for (const BudgetSpec& budget : budgetSpecs())
        budgetBox(widgets, budget.id)
            .setAccessibleName(QString::fromUtf8(tableSpec(budget.table).name) + QStringLiteral(" budget"));
    for (const AddProcedure& add : addProcedures())
        nameButton(*(widgets.*add.button), add.table);
    nameButton(*widgets.addFoodButton, TableId::FoodAndDrinks);
    for (const DeleteProcedure& remove : deleteProcedures())
        nameButton(*(widgets.*remove.button), remove.table);
}

}  // namespace jubilo
