// The figures in words: money as the sheet's money format shows it, people
// as General shows a count, and the plan's line, over budget included.

#include "figures/figure_texts.h"

#include "tests/support/marking_translator.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(FigureTextsTest, AmountsAndCountsReadAsTheSheetShowsThem)
{
    const struct {
        double amount;
        const char* text;
    } money[] = {{0, "$0.00"},     {1234.5, "$1,234.50"},      {-5, "-$5.00"},    {-0.001, "$0.00"},
                 {0.005, "$0.01"}, {1e9, "$1,000,000,000.00"}, {9.999, "$10.00"}, {-1234567.891, "-$1,234,567.89"}};
    for (const auto& c : money)
        EXPECT_EQ(moneyText(c.amount), c.text) << c.amount;
    EXPECT_EQ(moneyText(SheetSum{0, "#N/A"}), "#N/A");

    EXPECT_EQ(peopleText(SheetSum{20, {}}), "20");
    EXPECT_EQ(peopleText(SheetSum{2.5, {}}), "2.5");
    EXPECT_EQ(peopleText(SheetSum{1500, {}}), "1,500");
    EXPECT_EQ(peopleText(SheetSum{-0.0, {}}), "0");
    EXPECT_EQ(peopleText(SheetSum{0, "#VALUE!"}), "#VALUE!");
}

TEST(FigureTextsTest, ThePlansLineSaysWhatIsSpentAgainstTheBudgetAndWhatIsLeftToBuy)
{
    PlanFigures figures;
    figures.guests.rows = 12;
    figures.guests.invited = {20, {}};
    figures.guests.coming = {14, {}};
    figures.money[0].budget = 1500;
    figures.money[0].spent = {1000, {}};
    figures.money[0].stillToBuy = {310, {}};
    figures.money[0].itemsToBuy = 5;
    figures.money[2].budget = 500;
    figures.money[2].spent = {234, {}};
    EXPECT_EQ(planSummaryLine(figures),
              "12 guests \u00B7 20 people, 14 coming \u00B7 $1,234.00 of $2,000.00 spent \u00B7 5 items, "
              "$310.00 still to buy");

    figures.money[2].spent = {1234, {}};
    EXPECT_EQ(spendingText(figures.totalSpent(), figures.totalBudget()),
              "\u26A0 $2,234.00 of $2,000.00 spent, $234.00 over budget");
    EXPECT_TRUE(isOverBudget(figures.totalSpent(), figures.totalBudget()));

    PlanFigures one;
    one.guests.rows = 1;
    one.guests.invited = {1, {}};
    one.money[1].itemsToBuy = 1;
    EXPECT_EQ(planSummaryLine(one),
              "1 guest \u00B7 1 person, 0 coming \u00B7 $0.00 spent, no budget \u00B7 1 item, $0.00 still to buy");
}

// The program's locale, read as each text is built: money with the locale's
// separators and its symbol where the sheet's money format puts it, counts
// grouped the locale's way; US English as it always was.
TEST(FigureTextsTest, AmountsAndCountsFollowTheProgramsLocale)
{
    const struct {
        QLocale locale;
        const char* money;  // 1234.5
        const char* negative;  // -5
        const char* count;  // 1500
        const char* people;  // 2.5
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "$1,234.50", "-$5.00", "1,500", "2.5"},
        {QLocale(QLocale::German, QLocale::Germany), "1.234,50 €", "-5,00 €", "1.500", "2,5"},
        {QLocale(QLocale::French, QLocale::France), "1\u202F234,50 €", "-5,00 €", "1\u202F500", "2,5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        QLocale::setDefault(c.locale);
        EXPECT_EQ(moneyText(1234.5), QString::fromUtf8(c.money));
        EXPECT_EQ(moneyText(-5), QString::fromUtf8(c.negative));
        EXPECT_EQ(countText(1500), QString::fromUtf8(c.count));
        EXPECT_EQ(peopleText(SheetSum{2.5, {}}), QString::fromUtf8(c.people));
        EXPECT_EQ(peopleText(SheetSum{-0.0, {}}), "0");
    }
    QLocale::setDefault(QLocale::system());
}

// Every text the figures build goes through translation, counts included.
TEST(FigureTextsTest, TheWordsAreTranslated)
{
    testing::MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(guestCountText(1), QString::fromUtf8("«1 guest»"));
    EXPECT_EQ(guestCountText(12), QString::fromUtf8("«12 guests»"));
    EXPECT_EQ(itemCountText(5), QString::fromUtf8("«5 items»"));
    EXPECT_EQ(stillToBuyText(1, SheetSum{9.99, {}}), QString::fromUtf8("«1 item», «$9.99 still to buy»"));
    QCoreApplication::removeTranslator(&marking);
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace jubilo
