// Date and time patterns: y, m, d, h, s with tenths to thousandths, AM/PM,
// elapsed [h], [m] and [s], with "m" read as minutes next to hours or seconds.

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/format_code_p.h"
#include "spreadsheet/format/locale_names_p.h"

#include <optional>
#include <utility>
#include <vector>

namespace jubilo::spreadsheet::formatcode {

namespace {

enum class Kind {
    Literal,
    Year,
    Month,
    Minute,
    Day,
    Hour,
    Second,
    SecondFraction,
    ElapsedHour,
    ElapsedMinute,
    ElapsedSecond,
    AmPm
};

struct Piece {
    Kind kind;
    int count = 0;
    QString text;  // literal text, or the AM/PM designator as written
};

bool startsWithCi(QStringView s, qsizetype i, QLatin1String what)
{
    return s.mid(i, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// "[h]", "[m]", "[s]", AM/PM, A/P, or the ".0" to ".000" after seconds.
std::optional<Piece> takeTimePiece(QStringView s, qsizetype& i, const std::vector<Piece>& before)
{
    if (const qsizetype length = elapsedBracket(s, i)) {
        const QChar letter = s[i + 1].toLower();
        i += length;
        const Kind kind = letter == u'h' ? Kind::ElapsedHour
            : letter == u'm'             ? Kind::ElapsedMinute
                                         : Kind::ElapsedSecond;
        return Piece{kind, int(length - 2), {}};
    }
    for (const QLatin1String designator : {QLatin1String("AM/PM"), QLatin1String("A/P")}) {
        if (startsWithCi(s, i, designator)) {
            i += designator.size();
            return Piece{Kind::AmPm, 0, s.mid(i - designator.size(), designator.size()).toString()};
        }
    }
    const bool afterSeconds
        = !before.empty() && (before.back().kind == Kind::Second || before.back().kind == Kind::ElapsedSecond);
    if (afterSeconds && s[i] == u'.' && s.mid(i + 1, 1) == u"0") {
        int count = 0;
        for (++i; i < s.size() && s[i] == u'0'; ++i)
            ++count;
        return Piece{Kind::SecondFraction, count, {}};
    }
    return std::nullopt;
}

std::vector<Piece> tokenize(QStringView s)
{
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < s.size();) {
        if (auto piece = takeTimePiece(s, i, pieces)) {
            pieces.push_back(std::move(*piece));
            continue;
        }
        QString literal;
        if (takeLiteral(s, i, literal)) {
            pieces.push_back({Kind::Literal, 0, literal});
            continue;
        }
        const QChar lower = s[i].toLower();
        Kind kind = Kind::Literal;
        switch (lower.unicode()) {
        case 'y':
            kind = Kind::Year;
            break;
        case 'm':
            kind = Kind::Month;
            break;
        case 'd':
            kind = Kind::Day;
            break;
        case 'h':
            kind = Kind::Hour;
            break;
        case 's':
            kind = Kind::Second;
            break;
        default:
            break;
        }
        if (kind == Kind::Literal) {
            pieces.push_back({Kind::Literal, 0, QString(s[i])});
            ++i;
            continue;
        }
        int count = 0;
        while (i < s.size() && s[i].toLower() == lower)
            ++count, ++i;
        pieces.push_back({kind, count, {}});
    }
    return pieces;
}

bool isTimeKind(Kind k) { return k == Kind::Hour || k == Kind::ElapsedHour; }

// "m" right after an hour or right before a second is a minute.
void resolveMinutes(std::vector<Piece>& pieces)
{
    Kind previous = Kind::Literal;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece& p = pieces[i];
        if (p.kind == Kind::Literal)
            continue;
        if (p.kind == Kind::Month && p.count <= 2) {
            Kind next = Kind::Literal;
            for (std::size_t j = i + 1; j < pieces.size() && next == Kind::Literal; ++j)
                next = pieces[j].kind;
            if (isTimeKind(previous) || next == Kind::Second)
                p.kind = Kind::Minute;
        }
        previous = p.kind;
    }
}

QString twoDigits(int v, int count)
{
    return count >= 2 ? QString::number(v).rightJustified(2, u'0') : QString::number(v);
}

QString meridiem(const QString& designator, bool pm)
{
    if (designator.size() == 3)  // A/P
        return QString(designator[pm ? 2 : 0]);
    return pm ? designator.mid(3, 2) : designator.left(2);
}

struct Shown {
    const DateTimeParts& parts;
    const LocaleNames& names;
    const QLocale& locale;
    bool twelveHour;
    int secondDecimals;
};

QString dateText(const Piece& p, const Shown& shown)
{
    const DateTimeParts& d = shown.parts;
    const qint64 elapsedMinutes = qint64(d.wholeHours) * 60 + d.minute;
    switch (p.kind) {
    case Kind::Literal:
        return p.text;
    case Kind::Year:
        return p.count <= 2 ? QString::number(d.year % 100).rightJustified(2, u'0') : QString::number(d.year);
    case Kind::Month:
        if (p.count <= 2)
            return twoDigits(d.month, p.count);
        if (p.count <= 4)
            return shown.names.month(d.month, p.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
        return shown.names.month(d.month, QLocale::LongFormat).left(1);
    case Kind::Day:
        if (p.count <= 2)
            return twoDigits(d.day, p.count);
        return shown.names.day(d.dayOfWeek, p.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    case Kind::Hour:
        return twoDigits(shown.twelveHour ? (d.hour % 12 == 0 ? 12 : d.hour % 12) : d.hour, p.count);
    case Kind::ElapsedHour:
        return QString::number(qint64(d.wholeHours)).rightJustified(p.count, u'0');
    case Kind::ElapsedMinute:
        return QString::number(elapsedMinutes).rightJustified(p.count, u'0');
    case Kind::ElapsedSecond:
        return QString::number(elapsedMinutes * 60 + d.second).rightJustified(p.count, u'0');
    case Kind::Minute:
        return twoDigits(d.minute, p.count);
    case Kind::Second:
        return twoDigits(d.second, p.count);
    case Kind::SecondFraction:
        return shown.locale.decimalPoint()
            + QString::number(d.secondFraction).rightJustified(shown.secondDecimals, u'0').left(p.count);
    case Kind::AmPm:
        return meridiem(p.text, d.hour >= 12);
    }
    return {};
}

}  // namespace

QString formatDateSection(double serial, QStringView section, const QLocale& locale)
{
    std::vector<Piece> pieces = tokenize(section);
    resolveMinutes(pieces);
    bool twelveHour = false;
    int secondDecimals = 0;
    for (const Piece& p : pieces) {
        twelveHour = twelveHour || p.kind == Kind::AmPm;
        if (p.kind == Kind::SecondFraction)
            secondDecimals = qMax(secondDecimals, qMin(p.count, 3));
    }
    const auto parts = partsFromSerial(serial, secondDecimals);
    if (!parts)
        return QString(11, u'#');  // dates before 1900 have no picture
    const Shown shown{*parts, localeNames(locale), locale, twelveHour, secondDecimals};
    QString out;
    for (const Piece& p : pieces)
        out += dateText(p, shown);
    return out;
}

}  // namespace jubilo::spreadsheet::formatcode
