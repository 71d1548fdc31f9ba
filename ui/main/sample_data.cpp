#include "ui/main/sample_data.h"

#include "ui/main/shown_names.h"

#include <QCoreApplication>
#include <QCoreApplication>
#include <QLocale>
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
    {{100, 102, 104, 106},
     T::Guests,
     {QT_TRANSLATE_NOOP("SampleData", "John"), QT_TRANSLATE_NOOP("SampleData", "NY City"), "Yes", "1"},
     nullptr,
     nullptr},
    {{108, 110, 112, 114},
     T::Music,
     {QT_TRANSLATE_NOOP("SampleData", "Dance"), QT_TRANSLATE_NOOP("SampleData", "CD"), "No", "9.99"},
     nullptr,
     nullptr},
    {{116}, T::Music, {}, &W::musicBudgetBox, "15.00"},
    {{118, 120, 122, 124},
     T::Decorations,
     {QT_TRANSLATE_NOOP("SampleData", "Garland"), "3", "Yes", "3.04"},
     nullptr,
     nullptr},
    {{126}, T::Decorations, {}, &W::decorationBudgetBox, "25.00"},
    {{128, 130, 132}, T::Incidentals, {QT_TRANSLATE_NOOP("SampleData", "Other"), "No", "0.00"}, nullptr, nullptr},
    {{134}, T::Incidentals, {}, &W::incidentalBudgetBox, "20.00"},
    {{136, 138, 140}, T::Ingredients, {QT_TRANSLATE_NOOP("SampleData", "Meat"), "Yes", "20.00"}, nullptr, nullptr},
    {{142}, T::FoodAndDrinks, {}, &W::foodBudgetBox, "50.00"},
    {{144}, T::FoodAndDrinks, {}, &W::foodNameBox, QT_TRANSLATE_NOOP("SampleData", "Barbeque")},
    {{146, 148, 150, 152},
     T::FoodAndDrinks,
     {QT_TRANSLATE_NOOP("SampleData", "Barbeque"), QT_TRANSLATE_NOOP("SampleData", "Meat"), "Yes", "20.00"},
     nullptr,
     nullptr},
    {{154, 156, 158}, T::OtherSupplies, {QT_TRANSLATE_NOOP("SampleData", "Lights"), "Yes", "14.99"}, nullptr, nullptr},
    {{160}, T::OtherSupplies, {}, &W::otherSupplyBudgetBox, "30.00"},
    {{162, 164, 166},
     T::Schedules,
     {QT_TRANSLATE_NOOP("SampleData", "Buy meals"), "11:10 AM", QT_TRANSLATE_NOOP("SampleData", "Nearest store")},
     nullptr,
     nullptr},
    {{168, 170, 172},
     T::Activities,
     {QT_TRANSLATE_NOOP("SampleData", "Dancing"), "07:00 PM", QT_TRANSLATE_NOOP("SampleData", "If guests want to")},
     nullptr,
     nullptr},
};

}  // namespace

std::span<const SampleStep> sampleSteps() { return kSteps; }

QString sampleText(const char* text)
{
    const QString english = QString::fromUtf8(text);
    bool isAmount = false;
    const double amount = QLocale::c().toDouble(english, &isAmount);
    if (isAmount && english.contains(QLatin1Char('.')))
        return QLocale().toString(amount, 'f', 2);
    return QCoreApplication::translate("SampleData", text);
}

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
    for (TableId id : refused) {
        //: A list's name inside a sentence; English writes it bare, a language may quote it („%1“).
        names << Texts::tr("%1", "a list's name in a sentence").arg(shownTableName(id));
    }
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
