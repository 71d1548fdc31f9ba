#pragma once
// Dates as spreadsheets count them: days since 1899-12-31 in the 1900 date
// system, with the fictitious 1900-02-29 (serial 60) kept for compatibility,
// and the time of day as the fraction of a day.

#include <QDate>

#include <optional>

namespace jubilo::spreadsheet {

inline constexpr double kLastSerial = 2958465.0;  // 9999-12-31

double serialFromDate(const QDate& date);
double serialFromTime(int hour, int minute, double second);

struct DateTimeParts {
    int year = 1900;
    int month = 1;
    int day = 0;
    int dayOfWeek = 0;  // 1 Monday .. 7 Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int secondFraction = 0;  // in units of 10^-secondDecimals
    double wholeHours = 0;  // hours since serial 0, for elapsed-time formats
};

// Nothing for serials before 0 or after 9999-12-31. The time is rounded to
// secondDecimals (0 to 3) places of a second.
std::optional<DateTimeParts> partsFromSerial(double serial, int secondDecimals = 0);

}  // namespace jubilo::spreadsheet
