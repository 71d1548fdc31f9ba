// Times and dates as typed: "7:00 PM", "19:30", "7 PM", "3/14/2024",
// "14.3.2024", "2024-03-14", "14-Mar-2024", "March 14, 2024", "Mar-2024",
// and a date followed by a time.

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/locale_names_p.h"
#include "spreadsheet/input/typed_parts_p.h"

#include <QRegularExpression>

#include <algorithm>

namespace jubilo::spreadsheet::typed {

namespace {

enum class Order { MDY, DMY, YMD };

Order localeOrder(const QLocale& locale)
{
    const QString& f = localeNames(locale).shortDateFormat;
    const auto d = f.indexOf(u'd'), m = f.indexOf(u'M'), y = f.indexOf(u'y');
    if (y >= 0 && y < m && y < d)
        return Order::YMD;
    return (d >= 0 && d < m) ? Order::DMY : Order::MDY;
}

// Reading the clock costs a time-zone lookup, so it happens only for the
// rare date typed without a year.
int currentYear(const QDate& today) { return today.isValid() ? today.year() : QDate::currentDate().year(); }

int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<double> serialOf(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1900 || year > 9999)
        return std::nullopt;
    return serialFromDate(date);
}

bool sameWord(QStringView typed, const QString& name)
{
    return typed.size() == name.size() && typed.compare(name, Qt::CaseInsensitive) == 0;
}

// English names always work; the locale's own names too, short ones typed
// without their dots.
std::optional<int> monthFromName(QStringView name, const QLocale& locale)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    const LocaleNames& englishNames = localeNames(english);
    const LocaleNames& localNames = localeNames(locale);
    for (const LocaleNames* names : {&englishNames, &localNames}) {
        for (int m = 1; m <= 12; ++m) {
            if (sameWord(name, names->month(m, QLocale::LongFormat))
                || sameWord(name, names->typedShortMonths[std::size_t(m - 1)]))
                return m;
        }
        if (&localNames == &englishNames)
            break;
    }
    return std::nullopt;
}

// Cheap tests that text cannot match a pattern below, so that ordinary text
// is turned away without running one. Each is a necessary condition only:
// text that passes still goes through the pattern, and characters outside
// ASCII always do, since the patterns read digits and spaces as Unicode does.
// A name where a pattern wants a month must be one ("Guest 12" and
// "10 guests" are turned away before any pattern runs).
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool mayBeNumericDate(QStringView s)
{
    bool separator = false;
    for (const QChar c : s) {
        if (c == u'/' || c == u'-' || c == u'.')
            separator = true;
        else if (c.unicode() < 0x80 && !isAsciiDigit(c) && c != u'\n')
            return false;
    }
    return separator;
}

bool isNameChar(QChar c) { return !isAsciiDigit(c) && !c.isSpace() && c != u'.' && c != u',' && c != u'-'; }

// The run of name characters from `from` on.
QStringView nameAt(QStringView s, qsizetype from)
{
    qsizetype end = from;
    while (end < s.size() && isNameChar(s[end]))
        ++end;
    return s.mid(from, end - from);
}

// "14-Mar-2024", "14. März 2024": a day, then a month's name, then only
// separators and digits.
bool mayBeDayMonth(QStringView s, const QLocale& locale)
{
    if (!isAscii(s))
        return true;
    if (s.isEmpty() || !isAsciiDigit(s.front()))
        return false;
    qsizetype i = 0;
    while (i < s.size() && !isNameChar(s[i]))
        ++i;
    const QStringView name = nameAt(s, i);
    if (name.isEmpty())
        return false;
    i += name.size();
    return std::all_of(s.begin() + i, s.end(),
                       [](QChar c) {
                           return isAsciiDigit(c) || c == u'.' || c == u'-' || c == u',' || c == u' ' || c == u'\n';
                       })
        && monthFromName(name, locale);
}

// "March 14, 2024", "Mar-2024": a month's name first.
bool mayBeMonthFirst(QStringView s, const QLocale& locale)
{
    if (s.isEmpty())
        return false;
    if (!isAscii(s))
        return s.front().unicode() >= 0x80 || isNameChar(s.front());
    const QStringView name = nameAt(s, 0);
    return !name.isEmpty() && monthFromName(name, locale);
}

std::optional<Recognised> numericDate(const QString& s, const QLocale& locale, const QDate& today)
{
    // "/" and "-" always separate dates; "." only where the locale writes dates so.
    static const QRegularExpression slashes(QStringLiteral("^(\\d{1,4})([/-])(\\d{1,2})(?:\\2(\\d{1,4}))?$"));
    static const QRegularExpression dots(QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})(?:\\2(\\d{1,4}))?\\.?$"));
    if (!mayBeNumericDate(s))
        return std::nullopt;
    const bool localeDots = s.contains(u'.') && localeNames(locale).shortDateFormat.contains(u'.');
    const auto m = (localeDots ? dots : slashes).match(s);
    if (!m.hasMatch())
        return std::nullopt;
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    const QString sep = m.captured(2);
    if (!m.hasCaptured(4) || m.captured(4).isEmpty()) {  // two parts: day and month
        const bool dayFirst = localeOrder(locale) == Order::DMY;
        const auto serial = serialOf(currentYear(today), dayFirst ? b : a, dayFirst ? a : b);
        return serial ? std::optional<Recognised>({*serial, QStringLiteral("d-mmm")}) : std::nullopt;
    }
    const int c = m.captured(4).toInt();
    if (m.capturedLength(1) > 2) {  // year first, whatever the locale
        const auto serial = serialOf(a, b, c);
        return serial ? std::optional<Recognised>({*serial, QStringLiteral("yyyy-mm-dd")}) : std::nullopt;
    }
    const int year = fullYear(c, int(m.capturedLength(4)));
    const Order order = localeOrder(locale);
    const bool dayFirst = order != Order::MDY;
    const auto serial = serialOf(year, dayFirst ? b : a, dayFirst ? a : b);
    if (!serial)
        return std::nullopt;
    return Recognised{*serial, dayFirst ? QStringLiteral("d%1m%1yyyy").arg(sep) : QStringLiteral("m/d/yyyy")};
}

std::optional<Recognised> namedDate(const QString& s, const QLocale& locale, const QDate& today)
{
    static const QRegularExpression dayMonth(
        QStringLiteral("^(\\d{1,2})[-. ]+([^\\d\\s.,-]+)\\.?(?:[-, ]+(\\d{2}|\\d{4}))?$"));
    static const QRegularExpression monthDay(QStringLiteral("^([^\\d\\s.,-]+)\\.?[- ]+(\\d{1,2})(?:,?\\s*(\\d{4}))?$"));
    static const QRegularExpression monthYear(QStringLiteral("^([^\\d\\s.,-]+)\\.?[- ]+(\\d{4})$"));
    const bool monthFirst = mayBeMonthFirst(s, locale);
    if (monthFirst) {
        if (const auto m = monthYear.match(s); m.hasMatch()) {
            const auto month = monthFromName(m.captured(1), locale);
            const auto serial = month ? serialOf(m.captured(2).toInt(), *month, 1) : std::nullopt;
            return serial ? std::optional<Recognised>({*serial, QStringLiteral("mmm-yy")}) : std::nullopt;
        }
    }
    for (const auto* re : {&dayMonth, &monthDay}) {
        if (!(re == &dayMonth ? mayBeDayMonth(s, locale) : monthFirst))
            continue;
        const auto m = re->match(s);
        if (!m.hasMatch())
            continue;
        const bool dayFirst = re == &dayMonth;
        const auto month = monthFromName(m.captured(dayFirst ? 2 : 1), locale);
        const int day = m.captured(dayFirst ? 1 : 2).toInt();
        const bool hasYear = m.capturedLength(3) > 0;
        const int year = hasYear ? fullYear(m.captured(3).toInt(), int(m.capturedLength(3))) : currentYear(today);
        const auto serial = month ? serialOf(year, *month, day) : std::nullopt;
        if (serial)
            return Recognised{*serial, hasYear ? QStringLiteral("d-mmm-yy") : QStringLiteral("d-mmm")};
    }
    return std::nullopt;
}

}  // namespace

namespace {

struct Clock {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool full = false;  // with minutes
    bool seconds = false;
    QString meridiem;  // "AM", "PM", "A", "P" or empty
};

std::optional<Clock> matchClock(const QString& s)
{
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(AM|PM|A|P)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hourOnly(QStringLiteral("^(\\d{1,2})\\s*(AM|PM|A|P)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    auto m = clock.match(s);
    const bool full = m.hasMatch();
    if (!full)
        m = hourOnly.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    Clock c;
    c.full = full;
    c.hour = m.captured(1).toInt();
    c.minute = full ? m.captured(2).toInt() : 0;
    c.seconds = full && m.capturedLength(3) > 0;
    c.second = c.seconds ? m.captured(3).toInt() : 0;
    c.meridiem = m.captured(full ? 4 : 2).toUpper();
    return c;
}

// The patterns above, read by hand for ASCII text: "h:m[:s][ ][AM|PM|A|P]"
// or "h[ ](AM|PM|A|P)", one or two digits each.
std::optional<Clock> scanClock(QStringView s)
{
    qsizetype at = 0;
    const auto number = [&](int& value) {
        qsizetype n = 0;
        value = 0;
        while (n < 2 && at < s.size() && isAsciiDigit(s[at])) {
            value = value * 10 + (s[at].unicode() - u'0');
            ++at, ++n;
        }
        return n > 0;
    };
    Clock c;
    if (!number(c.hour))
        return std::nullopt;
    if (at < s.size() && s[at] == u':') {
        ++at;
        if (!number(c.minute))
            return std::nullopt;
        c.full = true;
        if (at < s.size() && s[at] == u':') {
            ++at;
            if (!number(c.second))
                return std::nullopt;
            c.seconds = true;
        }
    }
    while (at < s.size() && s[at].isSpace())
        ++at;
    const QStringView rest = s.mid(at);
    if (rest.isEmpty())
        return c.full ? std::optional(c) : std::nullopt;
    static const QString kMeridiems[]
        = {QStringLiteral("AM"), QStringLiteral("PM"), QStringLiteral("A"), QStringLiteral("P")};
    for (const QString& meridiem : kMeridiems) {
        if (rest.compare(meridiem, Qt::CaseInsensitive) == 0) {
            c.meridiem = meridiem;
            return c;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Recognised> recogniseTime(const QString& text)
{
    const QString s = text.trimmed();
    if (!s.contains(u':') && !s.endsWith(u'M', Qt::CaseInsensitive) && !s.endsWith(u'A', Qt::CaseInsensitive)
        && !s.endsWith(u'P', Qt::CaseInsensitive))
        return std::nullopt;
    const auto clock = isAscii(s) ? scanClock(s) : matchClock(s);
    if (!clock)
        return std::nullopt;
    const bool full = clock->full, seconds = clock->seconds;
    const QString& meridiem = clock->meridiem;
    int hour = clock->hour;
    const int minute = clock->minute, second = clock->second;
    if (minute > 59 || second > 59 || hour > (meridiem.isEmpty() ? 23 : 12))
        return std::nullopt;
    if (!meridiem.isEmpty())
        hour = hour % 12 + (meridiem.startsWith(u'P') ? 12 : 0);
    QString format = full ? QStringLiteral("h:mm") : QStringLiteral("h");
    if (seconds)
        format += QStringLiteral(":ss");
    if (!meridiem.isEmpty())
        format += QStringLiteral(" AM/PM");
    return Recognised{serialFromTime(hour, minute, second), format};
}

std::optional<Recognised> recogniseDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString s = text.trimmed();
    if (auto date = numericDate(s, locale, today))
        return date;
    if (auto date = namedDate(s, locale, today))
        return date;
    // A date followed by a time.
    const qsizetype space = s.indexOf(u' ');
    if (space > 0 && mayBeNumericDate(QStringView(s).left(space))) {
        const auto date = numericDate(s.left(space), locale, today);
        const auto time = date ? recogniseTime(s.mid(space + 1)) : std::nullopt;
        if (date && time) {
            const QString timePart
                = time->format.contains(u'A') ? QStringLiteral(" h:mm AM/PM") : QStringLiteral(" h:mm");
            return Recognised{date->number + time->number, date->format + timePart};
        }
    }
    return std::nullopt;
}

}  // namespace jubilo::spreadsheet::typed
