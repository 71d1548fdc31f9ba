#include "ui/main/accessible_names.h"

#include "ui/main/entry_procedures.h"
#include "ui/main/shown_names.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
};

// What one row of a table is, as the Add and Delete buttons speak of it.
struct RowNoun {
    TableId table;
    const char* noun;
};

constexpr RowNoun kRowNouns[] = {
    {TableId::Guests, QT_TRANSLATE_NOOP("AccessibleNames", "guest")},
    {TableId::Music, QT_TRANSLATE_NOOP("AccessibleNames", "music")},
    {TableId::Decorations, QT_TRANSLATE_NOOP("AccessibleNames", "decoration")},
    {TableId::FoodAndDrinks, QT_TRANSLATE_NOOP("AccessibleNames", "food and drinks")},
    {TableId::Ingredients, QT_TRANSLATE_NOOP("AccessibleNames", "ingredient")},
    {TableId::OtherSupplies, QT_TRANSLATE_NOOP("AccessibleNames", "other supply")},
    {TableId::Incidentals, QT_TRANSLATE_NOOP("AccessibleNames", "incidental")},
    {TableId::Schedules, QT_TRANSLATE_NOOP("AccessibleNames", "task")},
    {TableId::Activities, QT_TRANSLATE_NOOP("AccessibleNames", "activity")},
};

QString rowNoun(TableId table)
{
    for (const RowNoun& entry : kRowNouns) {
        if (entry.table == table)
            return Texts::tr(entry.noun);
    }
    throw std::out_of_range("No row noun for this table");
}

// Whole phrases, so that a language may put the row's word where it goes.
QString addName(TableId table)
{
    //: An Add button's name for screen readers; %1 is what one row is ("guest").
    return Texts::tr("Add %1").arg(rowNoun(table));
}

QString deleteName(TableId table)
{
    //: A Delete button's name for screen readers; %1 is what one row is ("guest").
    return Texts::tr("Delete %1").arg(rowNoun(table));
}

}  // namespace

void nameForScreenReaders(const MainWindowWidgets& widgets)
{
    widgets.dateBox->setAccessibleName(Texts::tr("Date"));
    for (const TableSpec& spec : tableSpecs())
        tableList(widgets, spec.id).setAccessibleName(shownTableName(spec.id));
    for (const BudgetSpec& budget : budgetSpecs())
        budgetBox(widgets, budget.id)
            //: A budget box's name for screen readers; %1 is the list's name ("Music").
            .setAccessibleName(Texts::tr("%1 budget").arg(shownTableName(budget.table)));
    for (const AddProcedure& add : addProcedures())
        (widgets.*add.button)->setAccessibleName(addName(add.table));
    widgets.addFoodButton->setAccessibleName(addName(TableId::FoodAndDrinks));
    for (const DeleteProcedure& remove : deleteProcedures())
        (widgets.*remove.button)->setAccessibleName(deleteName(remove.table));
}

}  // namespace jubilo
