// Digit patterns: "0", "#,##0.00", "0%", "0.00E+00", "$#,##0.00_)" and the like.

#include "spreadsheet/format/format_code_p.h"

#include <algorithm>
#include <cmath>

namespace jubilo::spreadsheet::formatcode {

namespace {

bool isPlaceholder(QChar c) { return c == u'0' || c == u'#' || c == u'?'; }

// What the digit pattern of one section asks for.
struct Pattern {
    QString intPart;  // placeholders before the point
    QString fracPart;  // placeholders after the point
    QString expPart;  // placeholders after E+ / E-
    bool grouping = false;
    bool hasPoint = false;
    bool hasExponent = false;
    bool exponentAlwaysSigned = false;
    int percent = 0;
    int thousandsScale = 0;  // trailing commas divide by 1000 each
};

Pattern analyse(QStringView s)
{
    Pattern p;
    QString ignored;
    bool afterDigits = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (takeLiteral(s, i, ignored))
            continue;
        if (isPlaceholder(c)) {
            (p.hasExponent ? p.expPart : p.hasPoint ? p.fracPart : p.intPart) += c;
            afterDigits = true;
            // A comma between digits groups (before the point) or does
            // nothing (after it); only commas after the last digit scale.
            p.grouping = p.grouping || (p.thousandsScale > 0 && !p.hasPoint && !p.hasExponent);
            p.thousandsScale = 0;
        } else if (c == u',' && afterDigits && !p.hasExponent) {
            ++p.thousandsScale;
        } else if (c == u'.' && !p.hasPoint && !p.hasExponent) {
            p.hasPoint = true;
        } else if (c == u'%') {
            ++p.percent;
        } else if ((c == u'E' || c == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
            p.hasExponent = true;
            p.exponentAlwaysSigned = s[i + 1] == u'+';
            ++i;
        }
        ++i;
    }
    return p;
}

// v (not negative) in fixed form with `decimals` places, rounded half away
// from zero on its first fifteen significant digits, as spreadsheets show
// numbers: 1.005, stored as 1.00499999999999989, shows as 1.01, and
// 123456789012345678 as 123456789012346000.
QString roundedFixed(double v, int decimals)
{
    if (v == 0 || !std::isfinite(v))
        return QString::number(v, 'f', decimals);
    const QString scientific = QString::number(v, 'e', 14);  // "d.dddddddddddddde+x"
    QString digits = scientific.left(1) + scientific.mid(2, 14);
    int intCount = scientific.mid(scientific.indexOf(u'e') + 1).toInt() + 1;  // digits before the point
    const int kept = intCount + decimals;
    if (kept < 0)
        return QString::number(0.0, 'f', decimals);
    if (kept < digits.size()) {
        const bool up = digits[kept] >= u'5';
        digits.truncate(kept);
        qsizetype i = kept - 1;
        for (; up && i >= 0 && digits[i] == u'9'; --i)
            digits[i] = u'0';
        if (up && i >= 0)
            digits[i] = QChar(digits[i].unicode() + 1);
        else if (up)
            digits.prepend(u'1'), ++intCount;
    }
    QString integer = intCount > 0 ? digits.left(intCount) : QStringLiteral("0");
    while (integer.size() < intCount)
        integer += u'0';
    QString fraction = intCount < 0 ? QString(-intCount, u'0') + digits : digits.mid(qMax(intCount, 0));
    fraction = fraction.leftJustified(decimals, u'0', true);
    return decimals > 0 ? integer + u'.' + fraction : integer;
}

QString group(const QString& digits, const QLocale& locale)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += locale.groupSeparator();
        out += digits[i];
    }
    return out;
}

QString padInteger(QString digits, const QString& placeholders)
{
    const auto zeros = placeholders.count(u'0');
    const auto spaces = placeholders.count(u'?');
    if (digits == QLatin1String("0") && zeros == 0)
        digits.clear();
    while (digits.size() < zeros)
        digits.prepend(u'0');
    while (digits.size() < zeros + spaces)
        digits.prepend(u' ');
    return digits;
}

// Trailing '#' places drop their zeros; '?' places turn them into spaces.
QString trimFraction(QString digits, const QString& placeholders)
{
    for (qsizetype i = digits.size() - 1; i >= 0 && digits[i] == u'0'; --i) {
        if (placeholders[i] == u'#')
            digits.chop(1);
        else if (placeholders[i] == u'?')
            digits[i] = u' ';
        else
            break;
    }
    return digits;
}

struct Rendered {
    QString integer;
    QString fraction;
    QString exponent;
    bool allZero = true;
};

Rendered render(double v, const Pattern& p, const QLocale& locale)
{
    Rendered r;
    int exp10 = 0;
    const int decimals = int(p.fracPart.size());
    if (p.hasExponent && v != 0) {
        // "00.0E+0" keeps two digits before the point; "##0.0E+0" moves the
        // exponent in steps of three, as many as the places before the point.
        const int magnitude = int(std::floor(std::log10(v)));
        const bool stepped = p.intPart.size() > 1 && p.intPart.count(u'0') < p.intPart.size();
        const int step = stepped ? int(p.intPart.size()) : 1;
        const int lead = stepped ? step : qMax<int>(1, int(p.intPart.count(u'0')));
        exp10 = stepped ? int(std::floor(double(magnitude) / step)) * step : magnitude - (lead - 1);
        v /= std::pow(10.0, exp10);
        if (roundedFixed(v, decimals).startsWith(QString::number(std::pow(10, lead), 'f', 0))) {
            v /= std::pow(10.0, step);
            exp10 += step;
        }
    }
    const QString fixed = roundedFixed(v, decimals);
    const qsizetype point = fixed.indexOf(u'.');
    const QString intDigits = point < 0 ? fixed : fixed.left(point);
    const QString fracDigits = point < 0 ? QString() : fixed.mid(point + 1);
    r.allZero = std::none_of(fixed.begin(), fixed.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    r.integer = padInteger(intDigits, p.intPart);
    if (p.grouping)
        r.integer = group(r.integer, locale);
    r.fraction = trimFraction(fracDigits, p.fracPart);
    if (p.hasExponent) {
        QString e = QString::number(std::abs(exp10));
        while (e.size() < p.expPart.count(u'0'))
            e.prepend(u'0');
        r.exponent = (exp10 < 0 ? QStringLiteral("-") : p.exponentAlwaysSigned ? QStringLiteral("+") : QString()) + e;
    }
    return r;
}

// What the k-th of n integer placeholders shows: the last n - 1 show one
// character each, from the right, so "000-0000" reads "555-1234"; the first
// shows all the rest.
QString integerPiece(const QString& integer, qsizetype n, qsizetype k)
{
    const qsizetype surplus = integer.size() - (n - 1);
    if (k == 0)
        return integer.left(qMax<qsizetype>(0, surplus));
    const qsizetype at = surplus + k - 1;
    return at >= 0 ? QString(integer[at]) : QString();
}

}  // namespace

QString formatNumberSection(double number, QStringView s, const QLocale& locale)
{
    const Pattern p = analyse(s);
    double v = std::abs(number) * std::pow(100.0, p.percent) / std::pow(1000.0, p.thousandsScale);
    const Rendered r = render(v, p, locale);
    QString out;
    qsizetype intPlaces = 0;  // integer placeholders passed
    bool intDone = false;
    bool inFraction = false;
    bool inExponent = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (takeLiteral(s, i, out))
            continue;
        if (isPlaceholder(c)) {
            if (!inFraction && !inExponent) {
                out += integerPiece(r.integer, p.intPart.size(), intPlaces++);
                intDone = true;
            }
        } else if (c == u'.' && !inFraction && !inExponent) {
            if (!intDone) {
                out += r.integer;
                intDone = true;
            }
            out += locale.decimalPoint() + r.fraction;
            inFraction = true;
        } else if ((c == u'E' || c == u'e') && p.hasExponent && !inExponent) {
            out += u'E' + r.exponent;
            inExponent = true;
            ++i;  // the sign is part of the exponent text
        } else if (c == u',' && !inExponent) {
            // grouping or scaling, already applied
        } else if (c != u'@') {
            out += c;
        }
        ++i;
    }
    if (!intDone && !inFraction && !p.intPart.isEmpty())
        out += r.integer;
    if (number < 0 && !r.allZero)
        out.prepend(u'-');
    return out;
}

}  // namespace jubilo::spreadsheet::formatcode
