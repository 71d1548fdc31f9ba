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
            if (p.thousandsScale > 0 && !p.hasPoint && !p.hasExponent) {
                p.grouping = true;  // a comma between digits groups, it does not scale
                p.thousandsScale = 0;
            }
        } else if (c == u',' && afterDigits && !p.hasPoint && !p.hasExponent) {
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
        const int lead = qMax<int>(1, int(p.intPart.count(u'0')));
        exp10 = int(std::floor(std::log10(v))) - (lead - 1);
        v /= std::pow(10.0, exp10);
        if (QString::number(v, 'f', decimals).startsWith(QString::number(std::pow(10, lead), 'f', 0))) {
            v /= 10;
            ++exp10;
        }
    }
    const QString fixed = QString::number(v, 'f', decimals);
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

}  // namespace

QString formatNumberSection(double number, QStringView s, const QLocale& locale)
{
    const Pattern p = analyse(s);
    double v = std::abs(number) * std::pow(100.0, p.percent) / std::pow(1000.0, p.thousandsScale);
    const Rendered r = render(v, p, locale);
    QString out;
    bool intDone = false;
    bool inFraction = false;
    bool inExponent = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (takeLiteral(s, i, out))
            continue;
        if (isPlaceholder(c)) {
            if (!inFraction && !inExponent && !intDone) {
                out += r.integer;
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
        } else if (c == u',' && !inFraction) {
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
