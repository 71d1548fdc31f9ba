// The chart draws its bars to the figures' proportions at any scale, from
// its geometry rather than as a scaled copy, and says the figures in words.

#include "tracked_plan.h"
#include "ui/glance/budget_chart.h"

#include <QImage>

#include <cmath>

namespace jubilo {
namespace {

using testing::GlanceTest;
using testing::TrackedPlan;

bool isBar(const QImage& image, int x, int y) { return image.pixelColor(x, y).hsvSaturation() > 80; }

// The rows where the bar through (x, y) starts and ends, in device pixels.
std::pair<int, int> barSpan(const QImage& image, int x, int y)
{
    int top = y, bottom = y;
    while (top > 0 && isBar(image, x, top - 1))
        --top;
    while (bottom + 1 < image.height() && isBar(image, x, bottom + 1))
        ++bottom;
    return {top, bottom};
}

class BudgetChartTest : public GlanceTest {
protected:
    TrackedPlan tracked{testing::overBudgetPlan()};
    BudgetChart chart{tracked.tracker};
};

TEST_F(BudgetChartTest, BarsStandToTheFiguresAtOneAndThreeTimesTheSize)
{
    // A width where Music's budget bar starts mid-pixel: a copy of the 1x
    // picture blown up would put that edge a pixel and more off.
    const auto budgetEdgeOffMidPixel
        = [&] { return std::abs(std::fmod(chart.currentLayout().lists[0].budget->left(), 1) - 0.5); };
    int width = 640;
    chart.resize(width, 360);
    while (budgetEdgeOffMidPixel() > 0.2 && width < 700)
        chart.resize(++width, 360);
    ASSERT_LE(budgetEdgeOffMidPixel(), 0.2) << "bars are placed in fractions of a pixel";
    const ChartLayout layout = chart.currentLayout();
    const ListBars& music = layout.lists[0];
    int budgetTopAtOne = 0;
    for (int scale : {1, 3}) {
        const QImage image = chart.picture(scale);
        const int row = static_cast<int>(layout.yOf(60) * scale);  // between grid lines, inside both bars
        const auto [budgetTop, zero] = barSpan(image, static_cast<int>(music.budget->center().x() * scale), row);
        const int spentX = static_cast<int>(music.spent->center().x() * scale);
        const auto [spentTop, spentZero] = barSpan(image, spentX, row);
        EXPECT_NEAR(spentZero, zero, 1) << scale;
        EXPECT_NEAR(double(zero - spentTop) / (zero - budgetTop), 150.0 / 100, 0.03) << scale;
        const int overHeight = budgetTop - spentTop;
        const QColor over = image.pixelColor(spentX, budgetTop - overHeight / 4);
        EXPECT_TRUE(over.hsvSaturation() > 80 && over.hsvHue() < 10) << "the part over is red";
        EXPECT_EQ(image.pixelColor(spentX, budgetTop + overHeight / 4), BudgetChart::spentColour());
        int edge = static_cast<int>(music.slot.left() * scale);
        while (image.pixelColor(edge, row) != BudgetChart::budgetColour())
            ++edge;
        EXPECT_NEAR(edge, music.budget->left() * scale, 1.0) << scale;
        EXPECT_EQ(image.pixelColor(edge - 2, row), chart.palette().color(QPalette::Base))
            << "one blended pixel at most";
        if (scale == 1)
            budgetTopAtOne = budgetTop;
        else
            EXPECT_NEAR(budgetTop, budgetTopAtOne * 3, 3);
    }
}

TEST_F(BudgetChartTest, NoBudgetShowsTheSpentBarAloneAndAnErrorShowsNoBar)
{
    chart.resize(700, 360);
    const ChartLayout layout = chart.currentLayout();
    const QImage image = chart.picture(1);
    const ListBars& food = layout.lists[2];
    const ListBars& supplies = layout.lists[3];
    EXPECT_FALSE(food.budget);
    const int row = static_cast<int>(layout.yOf(20));
    const int budgetLane = static_cast<int>(food.slot.center().x() - food.slot.width() / 6);
    EXPECT_FALSE(isBar(image, budgetLane, row));
    EXPECT_TRUE(isBar(image, static_cast<int>(food.spent->center().x()), row));
    EXPECT_FALSE(supplies.spent || supplies.over);
    for (double x = supplies.spentLane.left(); x < supplies.spentLane.right(); ++x)
        EXPECT_FALSE(isBar(image, static_cast<int>(x), row)) << x;
    EXPECT_TRUE(isBar(image, static_cast<int>(supplies.budget->center().x()), row));
}

TEST_F(BudgetChartTest, TheDescriptionSaysEachListsFiguresAndFollowsAChange)
{
    EXPECT_EQ(chart.accessibleName(), "Budget and spending chart");
    EXPECT_EQ(chart.accessibleDescription(),
              "Music: \u26A0 $150.00 of $100.00 spent, $50.00 over budget. Decorations: $40.00 of $80.00 spent. "
              "Food and Drinks: $60.00 spent, no budget. Other Supplies: #N/A of $30.00 spent. "
              "Incidentals: $50.00 of $50.00 spent.");
    tracked.setBudget(BudgetId::Music, "200");
    tracked.plan.table(TableId::OtherSupplies).setCell(1, 2, "12.5");
    EXPECT_TRUE(chart.accessibleDescription().startsWith("Music: $150.00 of $200.00 spent. "));
    EXPECT_TRUE(chart.accessibleDescription().contains("Other Supplies: $12.50 of $30.00 spent."));
    EXPECT_GE(chart.minimumSizeHint().width(), 300);
}

}  // namespace
}  // namespace jubilo
