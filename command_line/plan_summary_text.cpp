#include "command_line/plan_summary_text.h"

#include "figures/figure_texts.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanSummaryText)
};

// "$9.99 of $15.00 spent, $5.01 left": over budget, spendingText already
// says by how much.
QString spendingAndLeft(const MoneyFigures& money)
{
    const QString spending = spendingText(money.spent, money.budget);
    const std::optional<double> left = money.left();
    if (!left || isOverBudget(money.spent, money.budget))
        return spending;
    return Texts::tr("%1, %2 left").arg(spending, moneyText(*left));
}

}  // namespace

QString guestSummaryLine(const GuestFigures& guests)
{
    const QString rows = countText(guests.rows);
    const QString invited = peopleCount(guests.invited);
    const QString coming = peopleText(guests.coming);
    if (guests.rowsWithoutNumber == 0)
        return Texts::tr("Guests: %1 (%2, %3 coming)").arg(rows, invited, coming);
    return Texts::tr("Guests: %1 (%2, %3 coming; %4 without a number in their party)")
        .arg(rows, invited, coming, countText(guests.rowsWithoutNumber));
}

QString moneySummaryLine(const QString& label, const MoneyFigures& money)
{
    const QString buying = money.itemsToBuy == 0 ? Texts::tr("nothing still to buy")
                                                 : stillToBuyText(money.itemsToBuy, money.stillToBuy);
    const QString line = Texts::tr("%1: %2; %3").arg(label, spendingAndLeft(money), buying);
    if (money.rowsWithoutNumber == 0)
        return line;
    return Texts::tr("%1; %2 without an amount").arg(line, countText(money.rowsWithoutNumber));
}

QString planSummaryText(const PlanFigures& figures)
{
    const QChar newline = QLatin1Char('\n');
    QString text = guestSummaryLine(figures.guests) + newline;
    for (const MoneyFigures& money : figures.money)
        text += moneySummaryLine(shownTableName(money.table), money) + newline;
    return text + moneySummaryLine(Texts::tr("Whole party"), figures.wholeParty()) + newline;
}

}  // namespace jubilo
