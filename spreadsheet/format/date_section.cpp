// Date and time patterns: y, m, d, h, s, AM/PM, elapsed [h], with "m" read
// as minutes next to hours or seconds.

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/format_code_p.h"
#include "spreadsheet/format/locale_names_p.h"

#include <vector>

namespace jubilo::spreadsheet::formatcode {

namespace {

enum class Kind { Literal, Year, Month, Minute, Day, Hour, Second, ElapsedHour, AmPm };

struct Piece {
    Kind kind;
    int count = 0;
    QString text;  // literal text, or the AM/PM designator as written
};

bool startsWithCi(QStringView s, qsizetype i, QLatin1String what)
{
    return s.mid(i, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

std::vector<Piece> tokenize(QStringView s)
{
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < s.size();) {
        if (startsWithCi(s, i, QLatin1String("[h"))) {
            const qsizetype end = s.indexOf(u']', i);
            pieces.push_back({Kind::ElapsedHour, int((end < 0 ? s.size() : end) - i - 1), {}});
            i = end < 0 ? s.size() : end + 1;
            continue;
        }
        if (startsWithCi(s, i, QLatin1String("AM/PM"))) {
            pieces.push_back({Kind::AmPm, 0, s.mid(i, 5).toString()});
            i += 5;
            continue;
        }
        if (startsWithCi(s, i, QLatin1String("A/P"))) {
            pieces.push_back({Kind::AmPm, 0, s.mid(i, 3).toString()});
            i += 3;
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

}  // namespace

QString formatDateSection(double serial, QStringView section, const QLocale& locale)
{
    const auto parts = partsFromSerial(serial);
    if (!parts)
        return QString(11, u'#');  // dates before 1900 have no picture
    std::vector<Piece> pieces = tokenize(section);
    resolveMinutes(pieces);
    bool twelveHour = false;
    for (const Piece& p : pieces)
        twelveHour = twelveHour || p.kind == Kind::AmPm;
    const DateTimeParts& d = *parts;
    const LocaleNames& names = localeNames(locale);
    QString out;
    for (const Piece& p : pieces) {
        switch (p.kind) {
        case Kind::Literal:
            out += p.text;
            break;
        case Kind::Year:
            out += p.count <= 2 ? QString::number(d.year % 100).rightJustified(2, u'0') : QString::number(d.year);
            break;
        case Kind::Month:
            if (p.count <= 2)
                out += twoDigits(d.month, p.count);
            else if (p.count == 3)
                out += names.month(d.month, QLocale::ShortFormat);
            else if (p.count == 4)
                out += names.month(d.month, QLocale::LongFormat);
            else
                out += names.month(d.month, QLocale::LongFormat).left(1);
            break;
        case Kind::Day:
            if (p.count <= 2)
                out += twoDigits(d.day, p.count);
            else
                out += names.day(d.dayOfWeek, p.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case Kind::Hour: {
            const int h = twelveHour ? (d.hour % 12 == 0 ? 12 : d.hour % 12) : d.hour;
            out += twoDigits(h, p.count);
            break;
        }
        case Kind::ElapsedHour:
            out += QString::number(qint64(d.wholeHours)).rightJustified(p.count, u'0');
            break;
        case Kind::Minute:
            out += twoDigits(d.minute, p.count);
            break;
        case Kind::Second:
            out += twoDigits(d.second, p.count);
            break;
        case Kind::AmPm:
            out += meridiem(p.text, d.hour >= 12);
            break;
        }
    }
    return out;
}

}  // namespace jubilo::spreadsheet::formatcode
