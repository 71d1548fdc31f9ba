#include "figures/figure_texts.h"

#include "messages/money_style.h"

#include <QCoreApplication>
#include <QLocale>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FigureTexts)
};

// The texts are marked where they are written (QT_TRANSLATE_NOOP in the
// FigureTexts context) and translated here.
QString countOf(int count, const char* one, const char* many)
{
    return count == 1 ? Texts::tr(one) : Texts::tr(many).arg(countText(count));
}

}  // namespace

// Amounts and counts follow the program's locale, read when the text is
// built, as the sheet's cells show them.
QString countText(int count) { return QLocale().toString(count); }

QString guestCountText(int guests)
{
    return countOf(guests, QT_TRANSLATE_NOOP("FigureTexts", "1 guest"), QT_TRANSLATE_NOOP("FigureTexts", "%1 guests"));
}

QString itemCountText(int items)
{
    return countOf(items, QT_TRANSLATE_NOOP("FigureTexts", "1 item"), QT_TRANSLATE_NOOP("FigureTexts", "%1 items"));
}

QString moneyText(double amount)
{
    const QLocale locale;
    return moneyStyle(locale).amountText(amount, locale);
}

QString moneyText(const SheetSum& sum) { return sum.isError() ? sum.error : moneyText(sum.value); }

QString peopleText(const SheetSum& sum)
{
    if (sum.isError())
        return sum.error;
    // As General shows a number: no trailing zeros, at most ten digits after the point.
    const QLocale locale;
    QString text = locale.toString(sum.value, 'f', 10);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text == locale.negativeSign() + locale.zeroDigit() ? locale.zeroDigit() : text;
}

QString peopleCount(const SheetSum& people)
{
    return !people.isError() && people.value == 1 ? Texts::tr("1 person")
                                                  : Texts::tr("%1 people").arg(peopleText(people));
}

bool isOverBudget(const SheetSum& spent, const std::optional<double>& budget)
{
    return budget && !spent.isError() && spent.value > *budget;
}

QString spendingText(const SheetSum& spent, const std::optional<double>& budget)
{
    if (!budget)
        return Texts::tr("%1 spent, no budget").arg(moneyText(spent));
    if (isOverBudget(spent, budget))
        return Texts::tr("\u26A0 %1 of %2 spent, %3 over budget")
            .arg(moneyText(spent), moneyText(*budget), moneyText(spent.value - *budget));
    return Texts::tr("%1 of %2 spent").arg(moneyText(spent), moneyText(*budget));
}

QString stillToBuyText(int items, const SheetSum& amount)
{
    return itemCountText(items) + QStringLiteral(", ") + Texts::tr("%1 still to buy").arg(moneyText(amount));
}

QString planSummaryLine(const PlanFigures& figures)
{
    const GuestFigures& guests = figures.guests;
    const QString people = Texts::tr("%1, %2 coming").arg(peopleCount(guests.invited), peopleText(guests.coming));
    const QString toBuy = stillToBuyText(figures.itemsToBuy(), figures.totalStillToBuy());
    const QString separator = QStringLiteral(" \u00B7 ");
    return guestCountText(guests.rows) + separator + people + separator
        + spendingText(figures.totalSpent(), figures.totalBudget()) + separator + toBuy;
}

}  // namespace jubilo
