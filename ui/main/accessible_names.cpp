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

void nameButton(QPushButton& button, TableId table)
{
    //: A button's name for screen readers: its caption ("Add"), then what one row is ("guest").
    button.setAccessibleName(Texts::tr("%1 %2").arg(button.text(), rowNoun(table)));
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
        nameButton(*(widgets.*add.button), add.table);
    nameButton(*widgets.addFoodButton, TableId::FoodAndDrinks);
    for (const DeleteProcedure& remove : deleteProcedures())
        nameButton(*(widgets.*remove.button), remove.table);
}

}  // namespace jubilo
