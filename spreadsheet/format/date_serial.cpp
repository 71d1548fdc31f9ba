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

std::optional<DateTimeParts> partsFromSerial(double serial)
{
    if (!(serial >= 0) || serial >= kLastSerial + 1)
        return std::nullopt;
    // Round to the second first, so 0.9999999 shows as the next day's 0:00.
    const qint64 seconds = qint64(std::llround(serial * 86400.0));
    const qint64 days = seconds / 86400;
    const qint64 inDay = seconds % 86400;
    DateTimeParts p;
    p.hour = int(inDay / 3600);
    p.minute = int(inDay / 60 % 60);
    p.second = int(inDay % 60);
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
    p.dayOfWeek = date.dayOfWeek();
    return p;
}

}  // namespace jubilo::spreadsheet
