#include "ui/glance/glance_texts.h"

#include "figures/figure_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GlanceTexts)
};

// The texts are marked where they are written (QT_TRANSLATE_NOOP in the
// GlanceTexts context) and translated here.
QString countOf(int count, const char* one, const char* many)
{
    return count == 1 ? Texts::tr(one) : Texts::tr(many).arg(countText(count));
}

}  // namespace

QString guestsLine(const GuestFigures& guests)
{
    return Texts::tr("%1 \u00B7 %2 invited, %3 coming")
        .arg(guestCountText(guests.rows), peopleCount(guests.invited), peopleText(guests.coming));
}

QString uncountedGuestsLine(const GuestFigures& guests)
{
    if (guests.rowsWithoutNumber == 0)
        return {};
    return countOf(guests.rowsWithoutNumber,
                   QT_TRANSLATE_NOOP("GlanceTexts", "1 guest without a number in their party is not counted"),
                   QT_TRANSLATE_NOOP("GlanceTexts", "%1 guests without a number in their party are not counted"));
}

QString budgetText(const std::optional<double>& budget) { return budget ? moneyText(*budget) : Texts::tr("no budget"); }

QString leftText(const SheetSum& spent, const std::optional<double>& budget)
{
    if (!budget)
        return QStringLiteral("\u2014");
    if (spent.isError())
        return spent.error;  // as the sheet's budget minus an error total shows
    if (isOverBudget(spent, budget))
        return Texts::tr("\u26A0 %1 over").arg(moneyText(spent.value - *budget));
    return moneyText(*budget - spent.value);
}

QString stillToBuyText(const SheetSum& stillToBuy, int items)
{
    return QStringLiteral("%1 (%2)").arg(moneyText(stillToBuy), itemCountText(items));
}

QString listName(const MoneyFigures& money) { return shownTableName(money.table); }

QString chartSentence(const MoneyFigures& money)
{
    return Texts::tr("%1: %2.").arg(listName(money), spendingText(money.spent, money.budget));
}

QString chartDescription(const PlanFigures& figures)
{
    QStringList sentences;
    for (const MoneyFigures& money : figures.money)
        sentences << chartSentence(money);
    return sentences.join(QLatin1Char(' '));
}

}  // namespace jubilo
