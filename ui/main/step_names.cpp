#include "ui/main/step_names.h"

#include <QCoreApplication>

#include <array>
#include <stdexcept>

namespace jubilo::step_names {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StepNames)
};

// What one row of a table is called, and each column, for its steps.
struct TableWords {
    TableId table;
    const char* add;
    const char* remove;
    std::array<const char*, 4> edit;
};

constexpr TableWords kWords[] = {
    {TableId::Guests,
     QT_TRANSLATE_NOOP("StepNames", "Add Guest"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Guest"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Guest"), QT_TRANSLATE_NOOP("StepNames", "Edit Address"),
      QT_TRANSLATE_NOOP("StepNames", "Edit RSVP"), QT_TRANSLATE_NOOP("StepNames", "Edit Number in Party")}},
    {TableId::Music,
     QT_TRANSLATE_NOOP("StepNames", "Add Music"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Music"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Music"), QT_TRANSLATE_NOOP("StepNames", "Edit Format"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"), QT_TRANSLATE_NOOP("StepNames", "Edit Amount")}},
    {TableId::Decorations,
     QT_TRANSLATE_NOOP("StepNames", "Add Decoration"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Decoration"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Type"), QT_TRANSLATE_NOOP("StepNames", "Edit Number"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"), QT_TRANSLATE_NOOP("StepNames", "Edit Amount")}},
    {TableId::FoodAndDrinks,
     QT_TRANSLATE_NOOP("StepNames", "Add Food"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Food"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Name"), QT_TRANSLATE_NOOP("StepNames", "Edit Ingredients"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"), QT_TRANSLATE_NOOP("StepNames", "Edit Amount")}},
    {TableId::Ingredients,
     QT_TRANSLATE_NOOP("StepNames", "Add Ingredient"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Ingredient"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Ingredient"), QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Amount"), nullptr}},
    {TableId::OtherSupplies,
     QT_TRANSLATE_NOOP("StepNames", "Add Supply"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Supply"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Name"), QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Amount"), nullptr}},
    {TableId::Incidentals,
     QT_TRANSLATE_NOOP("StepNames", "Add Incidental"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Incidental"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Name"), QT_TRANSLATE_NOOP("StepNames", "Edit Purchased"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Amount"), nullptr}},
    {TableId::Schedules,
     QT_TRANSLATE_NOOP("StepNames", "Add Task"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Task"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Task"), QT_TRANSLATE_NOOP("StepNames", "Edit Time"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Notes"), nullptr}},
    {TableId::Activities,
     QT_TRANSLATE_NOOP("StepNames", "Add Activity"),
     QT_TRANSLATE_NOOP("StepNames", "Delete Activity"),
     {QT_TRANSLATE_NOOP("StepNames", "Edit Activity"), QT_TRANSLATE_NOOP("StepNames", "Edit Time"),
      QT_TRANSLATE_NOOP("StepNames", "Edit Notes"), nullptr}},
};

const TableWords& wordsFor(TableId table)
{
    for (const TableWords& words : kWords) {
        if (words.table == table)
            return words;
    }
    throw std::out_of_range("Unknown table");
}

}  // namespace

QString add(TableId table) { return Texts::tr(wordsFor(table).add); }

QString remove(TableId table) { return Texts::tr(wordsFor(table).remove); }

QString edit(TableId table, int column)
{
    const TableWords& words = wordsFor(table);
    if (column < 0 || column >= tableSpec(table).columnCount)
        throw std::out_of_range("Column out of range");
    return Texts::tr(words.edit[static_cast<std::size_t>(column)]);
}

QString moveRow() { return Texts::tr("Move Row"); }

QString loadSampleData() { return Texts::tr("Load Sample Data"); }

QString budget(BudgetId budget)
{
    switch (budget) {
    case BudgetId::Music:
        return Texts::tr("Music Budget");
    case BudgetId::Decoration:
        return Texts::tr("Decoration Budget");
    case BudgetId::Incidental:
        return Texts::tr("Incidental Budget");
    case BudgetId::Food:
        return Texts::tr("Food Budget");
    case BudgetId::OtherSupply:
        return Texts::tr("Other Supply Budget");
    }
    throw std::out_of_range("Unknown budget");
}

QString date() { return Texts::tr("Party Date"); }

QString newPlanFromThis() { return Texts::tr("New Plan From This One"); }

QString pasteRows() { return Texts::tr("Paste Rows"); }
QString importGuests() { return Texts::tr("Import Guests"); }

}  // namespace jubilo::step_names
