#include "spreadsheet/format/number_format.h"

#include "spreadsheet/format/format_code_p.h"

#include <array>
#include <cmath>
#include <utility>

namespace jubilo::spreadsheet {

namespace {

using namespace formatcode;

QString localized(QString text, const QLocale& locale)
{
    text.replace(u'.', locale.decimalPoint());
    return text;
}

// Scientific form as spreadsheets show it: "1.23457E+11".
QString exponentText(double number, int significant, const QLocale& locale)
{
    QString s = QString::number(number, 'e', significant - 1);
    const qsizetype e = s.indexOf(u'e');
    QString mantissa = s.left(e);
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
    }
    const int exp = s.mid(e + 1).toInt();
    return localized(mantissa, locale) + (exp < 0 ? QStringLiteral("E-") : QStringLiteral("E+"))
        + QString::number(std::abs(exp)).rightJustified(2, u'0');
}

int significantDigits(const QString& text)
{
    const QString mantissa = text.left(text.indexOf(u'E') < 0 ? text.size() : text.indexOf(u'E'));
    int count = 0;
    bool started = false;
    for (const QChar c : mantissa) {
        started = started || (c.isDigit() && c != u'0');
        count += started && c.isDigit();
    }
    return count;
}

QString fixedText(double number, int decimals, const QLocale& locale)
{
    QString s = QString::number(number, 'f', qMax(0, decimals));
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return localized(s, locale);
}

QString formatText(const QString& text, const QStringList& sections)
{
    if (sections.size() < 4 && !sections.first().contains(u'@'))
        return text;
    const QString& section = sections.size() >= 4 ? sections[3] : sections.first();
    QString out;
    for (qsizetype i = 0; i < section.size();) {
        if (takeLiteral(section, i, out))
            continue;
        out += section[i] == u'@' ? text : QString(section[i]);
        ++i;
    }
    return out;
}

// A section holding "@" is for text.
bool isTextSection(QStringView section)
{
    QString ignored;
    for (qsizetype i = 0; i < section.size();) {
        if (takeLiteral(section, i, ignored))
            continue;
        if (section[i++] == u'@')
            return true;
    }
    return false;
}

QString formatNumber(double number, const QStringList& sections, const QLocale& locale)
{
    QStringView section = sections.first();
    double shown = number;
    if (sections.size() >= 2 && number < 0) {
        section = sections[1];
        shown = -number;  // the negative section writes its own sign
    } else if (sections.size() >= 3 && number == 0) {
        section = sections[2];
    }
    if (isTextSection(section))  // a number in a cell formatted as text shows as General
        return generalText(number, locale);
    if (isGeneralSection(section)) {
        QString literalParts = section.toString();
        const qsizetype at = literalParts.indexOf(QLatin1String("general"), 0, Qt::CaseInsensitive);
        return literalParts.left(at).remove(u'"') + generalText(shown, locale) + literalParts.mid(at + 7).remove(u'"');
    }
    if (isDateSection(section))
        return formatDateSection(shown, section, locale);
    return formatNumberSection(shown, section, locale);
}

// A sheet shows thousands of cells in a handful of formats, so the last
// few codes read are kept split.
const QStringList& sectionsOf(const QString& code)
{
    constexpr std::size_t kKept = 8;
    thread_local std::array<std::pair<QString, QStringList>, kKept> kept;
    thread_local std::size_t next = 0;
    for (const auto& [keptCode, sections] : kept)
        if (!sections.isEmpty() && keptCode == code)
            return sections;
    auto& slot = kept[next];
    next = (next + 1) % kKept;
    slot = {code, splitSections(code)};
    return slot.second;
}

// Digits before the decimal point of a non-zero magnitude; at least one.
int integerDigits(double magnitude) { return magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1; }

}  // namespace

QString generalText(double number, const QLocale& locale)
{
    const double magnitude = std::abs(number);
    if (magnitude == 0)
        return QStringLiteral("0");
    if (magnitude >= 1e11 || magnitude < 1e-9)
        return exponentText(number, 6, locale);
    const int intDigits = integerDigits(magnitude);
    const QString fixed = fixedText(number, 10 - intDigits, locale);
    if (magnitude >= 1)
        return fixed;
    // Small numbers take whichever form keeps more significant digits.
    const QString exponent = exponentText(number, 6, locale);
    return significantDigits(exponent) > significantDigits(fixed) ? exponent : fixed;
}

QString numberToText(double number, const QLocale& locale)
{
    const double magnitude = std::abs(number);
    if (magnitude == 0)
        return QStringLiteral("0");
    if (magnitude >= 1e15 || magnitude < 1e-15)
        return exponentText(number, 15, locale);
    // Below 1 the zero before the point is no significant digit.
    const int intDigits = magnitude < 1 ? 0 : integerDigits(magnitude);
    const int leadingZeros = magnitude < 1 ? int(-std::floor(std::log10(magnitude))) - 1 : 0;
    return fixedText(number, 15 - intDigits + leadingZeros, locale);
}

QString formatValue(const Value& value, const QString& code, const QLocale& locale)
{
    const QStringList& sections = sectionsOf(code.isEmpty() ? QStringLiteral("General") : code);
    if (const auto* number = std::get_if<double>(&value))
        return formatNumber(*number, sections, locale);
    if (const auto* text = std::get_if<QString>(&value))
        return formatText(*text, sections);
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (const auto* error = std::get_if<ErrorCode>(&value))
        return errorText(*error);
    return {};
}

bool isDateTimeFormat(const QString& code)
{
    const QStringList sections = splitSections(code);
    return !isGeneralSection(sections.first()) && isDateSection(sections.first());
}

}  // namespace jubilo::spreadsheet
