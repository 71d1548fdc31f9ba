// Numbers as typed: "-1,234.5", "$12", "(7)", "12.5%", "1.5E3", "12,50 €".

#include "spreadsheet/input/typed_parts_p.h"

#include <QHash>
#include <QRegularExpression>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace jubilo::spreadsheet::typed {

namespace {

// What a locale contributes to reading numbers. Asking a QLocale for its
// symbols builds new strings each time, so the last locale's are kept.
struct Symbols {
    QLocale locale;
    QString group;
    QString point;
    QString currency;
    // The scanner below assumes separators that cannot be mistaken for a
    // digit, a sign or an exponent; any other locale is read by the pattern.
    bool scannable = false;
};

bool plainSeparator(const QString& s)
{
    if (s.isEmpty())
        return false;
    const QChar c = s.front();
    return !c.isDigit() && c != u'e' && c != u'E' && c != u'+' && c != u'-';
}

const Symbols& symbolsOf(const QLocale& locale)
{
    thread_local std::optional<Symbols> last;
    if (!last || !(last->locale == locale)) {
        Symbols s{locale, locale.groupSeparator(), locale.decimalPoint(), locale.currencySymbol()};
        s.scannable = plainSeparator(s.group) && plainSeparator(s.point) && s.group != s.point;
        last = std::move(s);
    }
    return *last;
}

struct Shape {
    QStringView digits;
    bool negative = false;
    QString currency;
    bool currencyTrailing = false;
    bool percent = false;
};

// Exact comparisons, written out: these run several times for every cell.
bool startsWith(QStringView s, QStringView prefix)
{
    return s.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), s.begin());
}

bool endsWith(QStringView s, QStringView suffix)
{
    return s.size() >= suffix.size() && std::equal(suffix.begin(), suffix.end(), s.end() - suffix.size());
}

bool takePrefix(QStringView& s, QStringView prefix)
{
    if (prefix.isEmpty() || !startsWith(s, prefix))
        return false;
    s = s.mid(prefix.size()).trimmed();
    return true;
}

bool takeSuffix(QStringView& s, QStringView suffix)
{
    if (suffix.isEmpty() || !endsWith(s, suffix))
        return false;
    s.chop(suffix.size());
    s = s.trimmed();
    return true;
}

bool takeSign(QStringView& s, Shape& shape)
{
    if (takePrefix(s, u"-")) {
        shape.negative = !shape.negative;
        return true;
    }
    return takePrefix(s, u"+");
}

// Peels sign, parentheses, currency and percent off the digits.
std::optional<Shape> peel(QStringView s, const Symbols& symbols)
{
    Shape shape;
    const bool parenthesised = s.startsWith(u'(') && s.endsWith(u')');
    if (parenthesised) {
        s = s.mid(1, s.size() - 2).trimmed();
        shape.negative = true;
    }
    static const QString dollar = QStringLiteral("$");
    const QString* currencies[] = {&dollar, &symbols.currency};
    const bool signFirst = !parenthesised && takeSign(s, shape);
    for (const QString* symbol : currencies) {
        if (takePrefix(s, *symbol)) {
            shape.currency = *symbol;
            break;
        }
    }
    if (!parenthesised && !signFirst && !shape.currency.isEmpty())
        takeSign(s, shape);
    if (shape.currency.isEmpty()) {
        for (const QString* symbol : currencies) {
            if (takeSuffix(s, *symbol)) {
                shape.currency = *symbol;
                shape.currencyTrailing = true;
                break;
            }
        }
    }
    shape.percent = takeSuffix(s, u"%");
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

// The parts of "digits[point digits][e exponent]": the integer part as
// typed (group separators included), the fraction and the signed exponent.
// Empty views for the parts that are not there.
struct NumberParts {
    QStringView integer;
    QStringView fraction;
    QStringView exponent;
    bool grouped = false;
};

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
        found = cache.insert(
            key,
            QRegularExpression(QStringLiteral("^(\\d{1,3}(?:%1\\d{3})+|\\d*)(?:%2(\\d*))?(?:[eE]([+-]?\\d{1,3}))?$")
                                   .arg(group, point)));
    }
    return *found;
}

// The pattern reads digits as Unicode does; kept for text the scanner below
// cannot read, so such text is judged exactly as before.
std::optional<NumberParts> matchPattern(QStringView digits, const QLocale& locale)
{
    const auto match = numberPattern(locale).match(digits);
    if (!match.hasMatch())
        return std::nullopt;
    NumberParts parts{match.capturedView(1), match.capturedView(2), match.capturedView(3)};
    parts.grouped = parts.integer.contains(locale.groupSeparator());
    return parts;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype digitRun(QStringView s, qsizetype from, qsizetype most = -1)
{
    qsizetype n = 0;
    while (from + n < s.size() && isAsciiDigit(s[from + n]) && (most < 0 || n < most))
        ++n;
    return n;
}

// "[point digits][e[sign]d{1,3}]" up to the end of s, from `at`.
bool scanTail(QStringView s, qsizetype at, const Symbols& symbols, NumberParts& parts)
{
    parts.fraction = {};
    parts.exponent = {};
    if (startsWith(s.mid(at), symbols.point)) {
        at += symbols.point.size();
        const qsizetype n = digitRun(s, at);
        parts.fraction = s.mid(at, n);
        at += n;
    }
    if (at < s.size() && (s[at] == u'e' || s[at] == u'E')) {
        const qsizetype from = at + 1;
        const qsizetype sign = from < s.size() && (s[from] == u'+' || s[from] == u'-') ? 1 : 0;
        const qsizetype n = digitRun(s, from + sign, 3);
        if (n == 0)
            return false;
        parts.exponent = s.mid(from, sign + n);
        at = from + sign + n;
    }
    return at == s.size();
}

// The same reading as the pattern for text whose digits are ASCII:
// "d{1,3}(group ddd)+" first, then plain digits, each followed by the tail.
std::optional<NumberParts> scanNumber(QStringView s, const Symbols& symbols)
{
    NumberParts parts;
    const qsizetype lead = digitRun(s, 0, 3);
    if (lead > 0) {
        qsizetype at = lead;
        std::vector<qsizetype> ends;
        while (startsWith(s.mid(at), symbols.group) && digitRun(s, at + symbols.group.size(), 3) == 3) {
            at += symbols.group.size() + 3;
            ends.push_back(at);
        }
        for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
            if (scanTail(s, *end, symbols, parts)) {
                parts.integer = s.first(*end);
                parts.grouped = true;
                return parts;
            }
        }
    }
    const qsizetype plain = digitRun(s, 0);
    if (!scanTail(s, plain, symbols, parts))
        return std::nullopt;
    parts.integer = s.first(plain);
    return parts;
}

// What QString::toDouble gives for C-locale digits, read without building a
// QString: std::from_chars rounds the same way and fails where it fails
// (out of range); anything else it rejects goes to Qt to decide.
std::optional<double> toDouble(QStringView cLocale)
{
    QVarLengthArray<char, 64> latin;
    for (const QChar c : cLocale) {
        if (c.unicode() >= 0x80)
            break;
        latin.append(char(c.unicode()));
    }
    if (latin.size() == cLocale.size()) {
        double number = 0;
        const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), number);
        if (error == std::errc() && end == latin.data() + latin.size())
            return number;
    }
    bool ok = false;
    const double number = cLocale.toDouble(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

bool isAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

std::optional<Recognised> recogniseNumber(const QString& text, const QLocale& locale)
{
    const Symbols& symbols = symbolsOf(locale);
    const auto shape = peel(QStringView(text).trimmed(), symbols);
    if (!shape)
        return std::nullopt;
    std::optional<NumberParts> parts;
    if (symbols.scannable)
        parts = scanNumber(shape->digits, symbols);
    if (!parts && !(symbols.scannable && isAscii(shape->digits)))
        parts = matchPattern(shape->digits, locale);
    if (!parts || (parts->integer.isEmpty() && parts->fraction.isEmpty()))
        return std::nullopt;
    // The C locale's form: digits without separators, "." and "e".
    QVarLengthArray<QChar, 64> plain;
    for (qsizetype i = 0; i < parts->integer.size();) {
        if (!symbols.group.isEmpty() && parts->grouped && startsWith(parts->integer.mid(i), symbols.group)) {
            i += symbols.group.size();
            continue;
        }
        plain.append(parts->integer[i++]);
    }
    if (plain.isEmpty())
        plain.append(u'0');
    const bool decimals = !parts->fraction.isEmpty();
    const bool exponent = !parts->exponent.isEmpty();
    if (decimals) {
        plain.append(u'.');
        plain.append(parts->fraction.data(), parts->fraction.size());
    }
    if (exponent) {
        plain.append(u'e');
        plain.append(parts->exponent.data(), parts->exponent.size());
    }
    auto number = toDouble(QStringView(plain.data(), plain.size()));
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    if (shape->negative)
        *number = -*number;
    if (shape->percent)
        *number /= 100;
    return Recognised{*number, impliedFormat(*shape, parts->grouped, decimals, exponent)};
}

}  // namespace jubilo::spreadsheet::typed
