// Numbers as typed: "-1,234.5", "$12", "(7)", "12.5%", "1.5E3", "12,50 €".

#include "spreadsheet/typed_parts.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace jubilo::spreadsheet::typed {

namespace {

struct Shape {
    QString digits;
    bool negative = false;
    QString currency;
    bool currencyTrailing = false;
    bool percent = false;
};

bool takePrefix(QString& s, const QString& prefix)
{
    if (prefix.isEmpty() || !s.startsWith(prefix))
        return false;
    s = s.mid(prefix.size()).trimmed();
    return true;
}

bool takeSuffix(QString& s, const QString& suffix)
{
    if (suffix.isEmpty() || !s.endsWith(suffix))
        return false;
    s.chop(suffix.size());
    s = s.trimmed();
    return true;
}

bool takeSign(QString& s, Shape& shape)
{
    if (takePrefix(s, QStringLiteral("-"))) {
        shape.negative = !shape.negative;
        return true;
    }
    return takePrefix(s, QStringLiteral("+"));
}

// Peels sign, parentheses, currency and percent off the digits.
std::optional<Shape> peel(QString s, const QLocale& locale)
{
    Shape shape;
    const bool parenthesised = s.startsWith(u'(') && s.endsWith(u')');
    if (parenthesised) {
        s = s.mid(1, s.size() - 2).trimmed();
        shape.negative = true;
    }
    const QStringList symbols{QStringLiteral("$"), locale.currencySymbol()};
    const bool signFirst = !parenthesised && takeSign(s, shape);
    for (const QString& symbol : symbols) {
        if (takePrefix(s, symbol)) {
            shape.currency = symbol;
            break;
        }
    }
    if (!parenthesised && !signFirst && !shape.currency.isEmpty())
        takeSign(s, shape);
    if (shape.currency.isEmpty()) {
        for (const QString& symbol : symbols) {
            if (takeSuffix(s, symbol)) {
                shape.currency = symbol;
                shape.currencyTrailing = true;
                break;
            }
        }
    }
    shape.percent = takeSuffix(s, QStringLiteral("%"));
    if (s.isEmpty() || s.startsWith(u'-') || s.startsWith(u'+'))
        return std::nullopt;
    shape.digits = s;
    return shape;
}

QString currencyFormat(const Shape& shape, bool decimals)
{
    const QString body = decimals ? QStringLiteral("#,##0.00") : QStringLiteral("#,##0");
    if (shape.currency == QLatin1String("$"))
        return QStringLiteral("$%1_);($%1)").arg(body);
    const QString symbol = u'"' + shape.currency + u'"';
    return shape.currencyTrailing ? body + u' ' + symbol : symbol + body;
}

QString impliedFormat(const Shape& shape, bool grouped, bool decimals, bool exponent)
{
    if (!shape.currency.isEmpty())
        return currencyFormat(shape, decimals);
    if (shape.percent)
        return decimals ? QStringLiteral("0.00%") : QStringLiteral("0%");
    if (exponent)
        return QStringLiteral("0.00E+00");
    if (grouped)
        return decimals ? QStringLiteral("#,##0.00") : QStringLiteral("#,##0");
    return {};
}

// Compiling a pattern costs far more than matching, and a run sees one or
// two locales, so patterns are kept per pair of separators.
const QRegularExpression& numberPattern(const QLocale& locale)
{
    thread_local QHash<QString, QRegularExpression> cache;
    const QString key = locale.groupSeparator() + u'|' + locale.decimalPoint();
    auto found = cache.find(key);
    if (found == cache.end()) {
        const QString group = QRegularExpression::escape(locale.groupSeparator());
        const QString point = QRegularExpression::escape(locale.decimalPoint());
        found = cache.insert(key, QRegularExpression(QStringLiteral(
            "^(\\d{1,3}(?:%1\\d{3})+|\\d*)(?:%2(\\d*))?(?:[eE]([+-]?\\d{1,3}))?$").arg(group, point)));
    }
    return *found;
}

}  // namespace

std::optional<Recognised> recogniseNumber(const QString& text, const QLocale& locale)
{
    const auto shape = peel(text.trimmed(), locale);
    if (!shape)
        return std::nullopt;
    const auto match = numberPattern(locale).match(shape->digits);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty()))
        return std::nullopt;
    QString plain = match.captured(1).remove(locale.groupSeparator());
    if (plain.isEmpty())
        plain = QStringLiteral("0");
    const bool decimals = match.capturedLength(2) > 0;
    const bool exponent = match.capturedLength(3) > 0;
    const QString cLocale = plain + (decimals ? u'.' + match.captured(2) : QString())
                            + (exponent ? u'e' + match.captured(3) : QString());
    bool ok = false;
    double number = cLocale.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    if (shape->negative)
        number = -number;
    if (shape->percent)
        number /= 100;
    const bool grouped = match.captured(1).contains(locale.groupSeparator());
    return Recognised{number, impliedFormat(*shape, grouped, decimals, exponent)};
}

}  // namespace jubilo::spreadsheet::typed
