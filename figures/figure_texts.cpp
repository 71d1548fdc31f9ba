#include "figures/figure_texts.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace jubilo {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("FigureTexts", text); }

// Amounts and counts are written as the sheet writes them: US English
// separators, whatever the program's locale.
const QLocale& sheetLocale()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString countOf(int count, const char* one, const char* many)
{
    return count == 1 ? tr(one) : tr(many).arg(countText(count));
}

}  // namespace

QString countText(int count) { return sheetLocale().toString(count); }

QString guestCountText(int guests) { return countOf(guests, "1 guest", "%1 guests"); }

QString itemCountText(int items) { return countOf(items, "1 item", "%1 items"); }

QString moneyText(double amount)
{
    const QString digits = sheetLocale().toString(std::abs(amount), 'f', 2);
    const bool negative = amount < 0 && digits != QStringLiteral("0.00");
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + digits;
}

QString moneyText(const SheetSum& sum) { return sum.isError() ? sum.error : moneyText(sum.value); }

QString peopleText(const SheetSum& sum)
{
    if (sum.isError())
        return sum.error;
    // As General shows a number: no trailing zeros, at most ten digits after the point.
    QString text = sheetLocale().toString(sum.value, 'f', 10);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString peopleCount(const SheetSum& people)
{
    return !people.isError() && people.value == 1 ? tr("1 person") : tr("%1 people").arg(peopleText(people));
}

bool isOverBudget(const SheetSum& spent, const std::optional<double>& budget)
{
    return budget && !spent.isError() && spent.value > *budget;
}

QString spendingText(const SheetSum& spent, const std::optional<double>& budget)
{
    if (!budget)
        return tr("%1 spent, no budget").arg(moneyText(spent));
    if (isOverBudget(spent, budget))
        return tr("\u26A0 %1 of %2 spent, %3 over budget")
            .arg(moneyText(spent), moneyText(*budget), moneyText(spent.value - *budget));
    return tr("%1 of %2 spent").arg(moneyText(spent), moneyText(*budget));
}

QString stillToBuyText(int items, const SheetSum& amount)
{
    return itemCountText(items) + QStringLiteral(", ") + tr("%1 still to buy").arg(moneyText(amount));
}

QString planSummaryLine(const PlanFigures& figures)
{
    const GuestFigures& guests = figures.guests;
    const QString people = tr("%1, %2 coming").arg(peopleCount(guests.invited), peopleText(guests.coming));
    const QString toBuy = stillToBuyText(figures.itemsToBuy(), figures.totalStillToBuy());
    const QString separator = QStringLiteral(" \u00B7 ");
    return guestCountText(guests.rows) + separator + people + separator
        + spendingText(figures.totalSpent(), figures.totalBudget()) + separator + toBuy;
}

}  // namespace jubilo
