// The summary's text and JSON of a plan over budget, with an error amount,
// lists without a budget, a guest without a number and amounts whose binary
// sum is not a whole cent (0.10 + 0.20). The JSON is read back.

#include "command_line/plan_summary_json.h"
#include "command_line/plan_summary_text.h"
#include "host/engine/engine_typed_input.h"
#include "tests/support/sample_plans.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

PlanFigures oddPlanFigures()
{
    Plan plan;
    testing::appendRows(plan, TableId::Guests,
                        {{"Ann", "Elm St", "Yes", "2"}, {"Bob", "Oak St", "No", "3"}, {"Cy", "Ash St", "Yes", "some"}});
    testing::appendRows(plan, TableId::Music, {{"Jazz", "LP", "Yes", "0.10"}, {"Rock", "LP", "No", "0.20"}});
    testing::appendRows(plan, TableId::FoodAndDrinks,
                        {{"Barbeque", "Meat", "Yes", "60.00"}, {"Punch", "Juice", "No", "12.50"}});
    testing::appendRows(plan, TableId::OtherSupplies, {{"Lights", "No", "#N/A"}});
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setBudget(BudgetId::Food, "50");
    testing::UsEnglishLocale english;
    return planFigures(plan, engineTypedInput());
}

TEST(PlanSummaryTest, TextHasALineForTheGuestsEachListAndTheWholeParty)
{
    EXPECT_EQ(planSummaryText(oddPlanFigures()),
              "Guests: 3 (5 people, 2 coming; 1 without a number in their party)\n"
              "Music: $0.30 of $15.00 spent, $14.70 left; 1 item, $0.20 still to buy\n"
              "Decorations: $0.00 spent, no budget; nothing still to buy\n"
              "Food and Drinks: \u26A0 $72.50 of $50.00 spent, $22.50 over budget; 1 item, $12.50 still to buy\n"
              "Other Supplies: #N/A spent, no budget; 1 item, #N/A still to buy; 1 without an amount\n"
              "Incidentals: $0.00 spent, no budget; nothing still to buy\n"
              "Whole party: #N/A of $65.00 spent; 3 items, #N/A still to buy; 1 without an amount\n");
}

QJsonObject objectOf(const QByteArray& json) { return QJsonDocument::fromJson(json).object(); }

TEST(PlanSummaryTest, JsonReadsBackWithAmountsToTheCentAndErrorsBesideTheirNullSums)
{
    const QByteArray text = planSummaryJsonText(oddPlanFigures());
    EXPECT_TRUE(text.endsWith("}\n") && text.count('\n') == 1) << text.constData();
    EXPECT_TRUE(text.contains("\"spent\":0.3,")) << "not 0.30000000000000004: " << text.constData();
    const QJsonObject json = objectOf(text);
    EXPECT_EQ(json["guests"].toObject(),
              objectOf(R"({"rows": 3, "people": 5, "coming": 2, "comingRows": 2, "rowsWithoutNumber": 1})"));
    const QJsonArray lists = json["lists"].toArray();
    ASSERT_EQ(lists.size(), kMoneyTableCount);
    EXPECT_EQ(lists[2].toObject(), objectOf(R"({"list": "Food and Drinks", "budget": 50, "spent": 72.5, "left": -22.5,
        "stillToBuy": 12.5, "itemsToBuy": 1, "rows": 2, "rowsWithoutNumber": 0})"));
    EXPECT_EQ(json["total"].toObject(), objectOf(R"({"budget": 65, "spent": null, "spentError": "#N/A", "left": null,
        "stillToBuy": null, "stillToBuyError": "#N/A", "itemsToBuy": 3, "rows": 5, "rowsWithoutNumber": 1})"));
}

}  // namespace
}  // namespace jubilo
