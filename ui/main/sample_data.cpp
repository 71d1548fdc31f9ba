#include "ui/main/sample_data.h"

#include "ui/main/shown_names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SampleData)
};

using T = TableId;
using W = MainWindowWidgets;

constexpr SampleStep kSteps[] = {
    {{100, 102, 104, 106}, T::Guests, {"John", "NY City", "Yes", "1"}, nullptr, nullptr},
    {{108, 110, 112, 114}, T::Music, {"Dance", "CD", "No", "9.99"}, nullptr, nullptr},
    {{116}, T::Music, {}, &W::musicBudgetBox, "15.00"},
    {{118, 120, 122, 124}, T::Decorations, {"Garland", "3", "Yes", "3.04"}, nullptr, nullptr},
    {{126}, T::Decorations, {}, &W::decorationBudgetBox, "25.00"},
    {{128, 130, 132}, T::Incidentals, {"Other", "No", "0.00"}, nullptr, nullptr},
    {{134}, T::Incidentals, {}, &W::incidentalBudgetBox, "20.00"},
    {{136, 138, 140}, T::Ingredients, {"Meat", "Yes", "20.00"}, nullptr, nullptr},
    {{142}, T::FoodAndDrinks, {}, &W::foodBudgetBox, "50.00"},
    {{144}, T::FoodAndDrinks, {}, &W::foodNameBox, "Barbeque"},
    {{146, 148, 150, 152}, T::FoodAndDrinks, {"Barbeque", "Meat", "Yes", "20.00"}, nullptr, nullptr},
    {{154, 156, 158}, T::OtherSupplies, {"Lights", "Yes", "14.99"}, nullptr, nullptr},
    {{160}, T::OtherSupplies, {}, &W::otherSupplyBudgetBox, "30.00"},
    {{162, 164, 166}, T::Schedules, {"Buy meals", "11:10 AM", "Nearest store"}, nullptr, nullptr},
    {{168, 170, 172}, T::Activities, {"Dancing", "07:00 PM", "If guests want to"}, nullptr, nullptr},
};

}  // namespace

std::span<const SampleStep> sampleSteps() { return kSteps; }

std::vector<TableId> sampleTables()
{
    std::vector<TableId> tables;
    for (const SampleStep& step : kSteps) {
        if (!step.box && std::find(tables.begin(), tables.end(), step.table) == tables.end())
            tables.push_back(step.table);
    }
    return tables;
}

QString sampleRefusalMessage(std::span<const TableId> refused, const QString& reasons)
{
    QStringList names;
    for (TableId id : refused)
        names << shownTableName(id);
    if (names.isEmpty())
        return reasons;
    const QString last = names.takeLast();
    QString lists;
    if (names.isEmpty()) {
        //: One list named in "no example row was added to %1".
        lists = Texts::tr("the %1 list").arg(last);
    } else {
        //: Lists named in "no example row was added to %1": %1 all but the last, joined by ", ".
        lists = Texts::tr("the %1 and %2 lists").arg(names.join(QStringLiteral(", ")), last);
    }
    //: %1 names the lists ("the Guests list"); the reasons follow the message.
    return Texts::tr("The example data was loaded, but no example row was added to %1.\n\n").arg(lists) + reasons;
}

}  // namespace jubilo
