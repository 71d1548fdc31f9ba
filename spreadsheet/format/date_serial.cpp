#include "spreadsheet/format/date_serial.h"

#include <cmath>

namespace jubilo::spreadsheet {

namespace {

const qint64 kEpochBeforeLeapBug = QDate(1899, 12, 31).toJulianDay();
const qint64 kEpochAfterLeapBug = QDate(1899, 12, 30).toJulianDay();
const qint64 kFirstMarch1900 = QDate(1900, 3, 1).toJulianDay();

}  // namespace

double serialFromDate(const QDate& date)
{
    const qint64 jd = date.toJulianDay();
    return double(jd - (jd < kFirstMarch1900 ? kEpochBeforeLeapBug : kEpochAfterLeapBug));
}

double serialFromTime(int hour, int minute, double second)
{
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::optional<DateTimeParts> partsFromSerial(double serial, int secondDecimals)
{
    if (!(serial >= 0) || serial >= kLastSerial + 1)
        return std::nullopt;
    // Round first, so 0.9999999 shows as the next day's 0:00.
    constexpr qint64 kScales[] = {1, 10, 100, 1000};
    const qint64 scale = kScales[qBound(0, secondDecimals, 3)];
    const qint64 ticks = qint64(std::llround(serial * 86400.0 * double(scale)));
    const qint64 seconds = ticks / scale;
    const qint64 days = seconds / 86400;
    if (days > qint64(kLastSerial))  // rounded past 9999-12-31
        return std::nullopt;
    const qint64 inDay = seconds % 86400;
    DateTimeParts p;
    p.hour = int(inDay / 3600);
    p.minute = int(inDay / 60 % 60);
    p.second = int(inDay % 60);
    p.secondFraction = int(ticks % scale);
    p.wholeHours = double(seconds / 3600);
    if (days == 60) {  // the day that never was
        p.year = 1900, p.month = 2, p.day = 29, p.dayOfWeek = 3;
        return p;
    }
    if (days == 0) {  // serial 0 shows as the 0th of January 1900
        p.year = 1900, p.month = 1, p.day = 0, p.dayOfWeek = 6;
        return p;
    }
    const QDate date = QDate::fromJulianDay(days + (days < 60 ? kEpochBeforeLeapBug : kEpochAfterLeapBug));
    p.year = date.year();
    p.month = date.month();
    p.day = date.day();
    // Before the leap day the weekdays run on from serial 0, a Saturday, so
    // serial 1 is a Sunday and serial 59 (1900-02-28) the Tuesday before the
    // Wednesday the 29th; the real calendar takes over from 1900-03-01.
    p.dayOfWeek = days < 60 ? int((days + 5) % 7) + 1 : date.dayOfWeek();
    return p;
}

}  // namespace jubilo::spreadsheet
