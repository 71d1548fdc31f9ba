#include "messages/money_style.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace jubilo {

namespace {

MoneyStyle dollars() { return {QStringLiteral("$"), true, false, 2}; }

qsizetype firstDigit(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit())
            return i;
    }
    return -1;
}

qsizetype lastDigit(const QString& text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i].isDigit())
            return i;
    }
    return -1;
}

bool holdsSpace(QStringView text)
{
    for (const QChar c : text) {
        if (c.isSpace())
            return true;
    }
    return false;
}

// "$1.00", "1,00 €", "€ 1,00", "￥1": where the symbol stands against the
// digits, what lies between them, and how many places follow the point.
MoneyStyle readStyle(const QLocale& locale)
{
    const QString symbol = locale.currencySymbol();
    const QString shown = locale.toCurrencyString(1.0);
    const qsizetype at = symbol.isEmpty() ? -1 : shown.indexOf(symbol);
    const qsizetype first = firstDigit(shown);
    const qsizetype last = lastDigit(shown);
    if (at < 0 || first < 0 || (at > first && at < last))
        return dollars();
    MoneyStyle style{symbol, at < first, false, 0};
    style.spaced = style.symbolFirst
        ? holdsSpace(QStringView(shown).sliced(at + symbol.size(), first - at - symbol.size()))
        : holdsSpace(QStringView(shown).sliced(last + 1, at - last - 1));
    const QString digits = shown.sliced(first, last - first + 1);
    const qsizetype point = digits.indexOf(locale.decimalPoint());
    style.decimals = point < 0 ? 0 : int(digits.size() - point - locale.decimalPoint().size());
    return style;
}

// Grouped by three as "#,##0" groups, with the locale's separators.
QString groupedDigits(const QString& fixed, const QLocale& locale)
{
    const qsizetype point = fixed.indexOf(u'.');
    const QString integer = point < 0 ? fixed : fixed.left(point);
    QString out;
    for (qsizetype i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out += locale.groupSeparator();
        out += integer[i];
    }
    return point < 0 ? out : out + locale.decimalPoint() + fixed.mid(point + 1);
}

}  // namespace

QString MoneyStyle::numberFormat() const
{
    QString body = QStringLiteral("#,##0");
    if (decimals > 0)
        body += u'.' + QString(decimals, u'0');
    if (symbol.isEmpty())
        return body;
    // "$" is a literal of its own in a format code; anything else is quoted.
    const QString shown = symbol == QLatin1String("$") ? symbol : u'"' + QString(symbol).remove(u'"') + u'"';
    const QString space = spaced ? QStringLiteral(" ") : QString();
    return symbolFirst ? shown + space + body : body + space + shown;
}

QString MoneyStyle::withSymbol(const QString& amount) const
{
    const QString space = spaced && !amount.isEmpty() ? QStringLiteral(" ") : QString();
    return symbolFirst ? symbol + space + amount : amount + space + symbol;
}

QString MoneyStyle::amountText(double amount, const QLocale& locale) const
{
    const QString fixed = QString::number(std::abs(amount), 'f', decimals);
    const bool zero = std::none_of(fixed.begin(), fixed.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    const QString text = withSymbol(groupedDigits(fixed, locale));
    return amount < 0 && !zero ? u'-' + text : text;
}

// Asking a locale for its currency text builds strings each time, and the
// figures ask for every amount they show, so the last locale's style is kept.
MoneyStyle moneyStyle(const QLocale& locale)
{
    thread_local std::optional<std::pair<QLocale, MoneyStyle>> last;
    if (!last || !(last->first == locale))
        last.emplace(locale, readStyle(locale));
    return last->second;
}

}  // namespace jubilo
