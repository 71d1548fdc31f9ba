#include "lists/party_times.h"

#include <QRegularExpression>

#include <cmath>

namespace jubilo {

namespace {

// A sheet's date serials count days from here; the fraction is the time of day.
const QDate kSerialDayZero(1899, 12, 30);
// 9999-12-31, the last day a sheet shows.
constexpr double kLastDaySerial = 2958465;
constexpr int kSecondsPerDay = 24 * 60 * 60;

std::optional<double> serialOf(const QString& text, const HostTypedInput& reader)
{
    const HostTypedValue value = reader.read(text);
    if (value.kind != HostTypedValue::Kind::Number || !std::isfinite(value.number))
        return std::nullopt;
    return value.number;
}

// The month whose full name this is, in the locale or in English (the
// program's own default text is written in English on an English desktop).
int monthNamed(const QString& name, const QLocale& locale)
{
    for (const QLocale& names : {locale, QLocale::c()}) {
        for (int month = 1; month <= 12; ++month) {
            if (name.compare(names.monthName(month, QLocale::LongFormat), Qt::CaseInsensitive) == 0)
                return month;
        }
    }
    return 0;
}

// "yyyy | MMMM dd | hh AP", as the date box is filled at first. The hour
// is the box's own; the timetable's rows bring their times.
std::optional<QDate> readDefaultDateText(const QString& text, const QLocale& locale)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,4})\s*\|\s*(\S.*?)\s+(\d{1,2})\s*\|\s*\d{1,2}\s*\S+\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), monthNamed(match.captured(2), locale), match.captured(3).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

}  // namespace

std::optional<QDate> readPartyDate(const QString& text, const HostTypedInput& reader, const QLocale& locale)
{
    if (const std::optional<double> serial = serialOf(text, reader)) {
        if (*serial < 1 || *serial >= kLastDaySerial + 1)
            return std::nullopt;
        return kSerialDayZero.addDays(static_cast<qint64>(std::floor(*serial)));
    }
    return readDefaultDateText(text, locale);
}

std::optional<QTime> readPartyTime(const QString& text, const HostTypedInput& reader)
{
    const std::optional<double> serial = serialOf(text, reader);
    if (!serial || *serial < 0 || *serial >= 1)
        return std::nullopt;
    const int seconds = std::min(static_cast<int>(std::lround(*serial * kSecondsPerDay)), kSecondsPerDay - 1);
    return QTime(0, 0).addSecs(seconds);
}

}  // namespace jubilo
