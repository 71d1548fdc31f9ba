// Date serials in the 1900 system and the date and time patterns that show
// them, in the English (United States) locale.

#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/number_format.h"
#include "format_cases.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <span>

namespace jubilo::spreadsheet {
namespace {

using namespace format_cases;

constexpr double kSecond = 1.0 / 86400;

TEST(DateSerial, CountsDaysWithTheFictitiousLeapDay)
{
    static constexpr struct {
        double serial;
        int year, month, day, dayOfWeek;
    } kCases[] = {
        {0, 1900, 1, 0, 6},  // the 0th of January, a Saturday
        {1, 1900, 1, 1, 7},  // the weekdays run on from serial 0 to the leap day
        {7, 1900, 1, 7, 6},      {59, 1900, 2, 28, 2},       {60, 1900, 2, 29, 3},
        {61, 1900, 3, 1, 4},  // from here on the days of the real calendar
        {45000, 2023, 3, 15, 3}, {45000.75, 2023, 3, 15, 3}, {2958465, 9999, 12, 31, 5},
    };
    for (const auto& c : kCases) {
        const auto parts = partsFromSerial(c.serial);
        ASSERT_TRUE(parts) << c.serial;
        EXPECT_EQ((std::array{parts->year, parts->month, parts->day, parts->dayOfWeek}),
                  (std::array{c.year, c.month, c.day, c.dayOfWeek}))
            << c.serial;
    }
    for (const double outside : {-1.0, -kSecond, 2958466.0, 2958465 + 86399.6 * kSecond, 1e300})
        EXPECT_FALSE(partsFromSerial(outside)) << outside;
    EXPECT_FALSE(partsFromSerial(std::nan("")));
}

TEST(DateSerial, DatesAndSerialsAgreeEveryDay)
{
    EXPECT_EQ(serialFromDate(QDate(1899, 12, 31)), 0);
    EXPECT_EQ(serialFromDate(QDate(1900, 1, 1)), 1);
    EXPECT_EQ(serialFromDate(QDate(1900, 2, 28)), 59);
    EXPECT_EQ(serialFromDate(QDate(1900, 3, 1)), 61);
    EXPECT_EQ(serialFromDate(QDate(9999, 12, 31)), kLastSerial);
    for (QDate d(1900, 1, 1); d.year() < 2101; d = d.addDays(1)) {
        const auto parts = partsFromSerial(serialFromDate(d));
        ASSERT_TRUE(parts) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(QDate(parts->year, parts->month, parts->day), d);
        if (d >= QDate(1900, 3, 1)) {
            ASSERT_EQ(parts->dayOfWeek, d.dayOfWeek()) << d.toString(Qt::ISODate).toStdString();
        }
    }
}

TEST(DateSerial, TimesRoundToTheSecond)
{
    static constexpr struct {
        double serial;
        int hour, minute, second;
        double wholeHours;
    } kCases[] = {
        {0.5, 12, 0, 0, 12},
        {(13 * 3600 + 5 * 60 + 9.4) * kSecond, 13, 5, 9, 13},
        {(13 * 3600 + 5 * 60 + 9.6) * kSecond, 13, 5, 10, 13},
        {1 - 0.6 * kSecond, 23, 59, 59, 23},
        {1 - 0.1 * kSecond, 0, 0, 0, 24},  // the next day's midnight
        {2.25, 6, 0, 0, 54},
    };
    for (const auto& c : kCases) {
        const auto parts = partsFromSerial(c.serial);
        ASSERT_TRUE(parts) << c.serial;
        EXPECT_EQ((std::array{parts->hour, parts->minute, parts->second}), (std::array{c.hour, c.minute, c.second}))
            << c.serial;
        EXPECT_EQ(parts->wholeHours, c.wholeHours) << c.serial;
    }
    EXPECT_DOUBLE_EQ(serialFromTime(18, 30, 15), (18 * 3600 + 30 * 60 + 15) * kSecond);
    EXPECT_DOUBLE_EQ(serialFromTime(0, 0, 0.5), 0.5 * kSecond);
}

TEST(DateSection, DaysMonthsAndYears)
{
    static constexpr Case kCases[] = {
        {45000, "d", "15"},
        {45002, "d dd", "17 17"},
        {44929, "d dd", "3 03"},
        {45000, "ddd dddd", "Wed Wednesday"},
        {44929, "m mm mmm mmmm mmmmm", "1 01 Jan January J"},
        {45000, "yy yyyy", "23 2023"},
        {36526, "yy", "00"},
        {45000, "yyyy-mm-dd", "2023-03-15"},
        {45000, "YYYY-MM-DD", "2023-03-15"},
        {45000, "dd/mm/yyyy", "15/03/2023"},
        {45000, "dd\\/mm", "15/03"},
        {45000, "yyyy\"年\"m\"月\"d\"日\"", "2023年3月15日"},
        {45000, "[$-409]mmmm d, yyyy;@", "March 15, 2023"},
        {0, "yyyy-mm-dd dddd", "1900-01-00 Saturday"},
        {1, "yyyy-mm-dd dddd", "1900-01-01 Sunday"},
        {59, "yyyy-mm-dd dddd", "1900-02-28 Tuesday"},
        {60, "yyyy-mm-dd dddd", "1900-02-29 Wednesday"},
        {61, "yyyy-mm-dd dddd", "1900-03-01 Thursday"},
        {2958465, "yyyy-mm-dd dddd", "9999-12-31 Friday"},
        {-1, "yyyy-mm-dd", "###########"},  // no date before the first
        {2958466, "yyyy-mm-dd", "###########"},
        {-1, "yyyy-mm-dd;\"before\"", "before"},
    };
    expectShown(kCases);
}

TEST(DateSection, MinutesFollowHoursOrLeadSeconds)
{
    const double t = 45000 + (13 * 3600 + 5 * 60 + 9) * kSecond;  // 2023-03-15 13:05:09
    const Case cases[] = {
        {t, "h:m", "13:5"},
        {t, "hh:mm", "13:05"},
        {t, "m", "3"},  // alone, a month
        {t, "mm:ss", "05:09"},
        {t, "m:s", "5:9"},
        {t, "h \"h\" m", "13 h 5"},
        {t, "yyyy-mm-dd hh:mm:ss", "2023-03-15 13:05:09"},
        {t, "m/d/yyyy h:mm", "3/15/2023 13:05"},
        {t, "hh:mm AM/PM", "01:05 PM"},
        {t, "h:mm A/P", "1:05 P"},
        {t, "h:mm a/p", "1:05 p"},
        {0.5, "h AM/PM", "12 PM"},
        {0, "h AM/PM", "12 AM"},
        {11.99 / 24, "h AM/PM", "11 AM"},
        {1 - 0.1 * kSecond, "hh:mm:ss", "00:00:00"},
        {45000 + 1 - 0.1 * kSecond, "yyyy-mm-dd hh:mm", "2023-03-16 00:00"},
    };
    expectShown(cases);
}

TEST(DateSection, ElapsedTimeAndFractionsOfSeconds)
{
    const double t = 1 + (1 * 3600 + 2 * 60 + 3) * kSecond;  // a day, 1:02:03
    const Case cases[] = {
        {1.5, "[h]:mm", "36:00"},
        {t, "[h]:mm:ss", "25:02:03"},
        {t, "[hh]", "25"},
        {0.25, "[hh]:mm", "06:00"},
        {0.25, "[hhh]", "006"},
        {t, "[m]:ss", "1502:03"},
        {t, "[mm]", "1502"},
        {90 * kSecond, "[mm]:ss", "01:30"},
        {t, "[s]", "90123"},
        {-0.5, "[h]:mm", "###########"},
        {61.26 * kSecond, "mm:ss.0", "01:01.3"},
        {61.26 * kSecond, "mm:ss.00", "01:01.26"},
        {61.26 * kSecond, "[s].000", "61.260"},
        {59.96 * kSecond, "mm:ss.0", "01:00.0"},  // tenths carry into the minute
        {59.96 * kSecond, "mm:ss", "01:00"},
        {(12 * 3600 + 0.5) * kSecond, "h:mm:ss.0 AM/PM", "12:00:00.5 PM"},
    };
    expectShown(cases);
}

TEST(DateSection, TellsDatePatternsFromNumberPatterns)
{
    static constexpr struct {
        const char* code;
        bool dateTime;
    } kCases[] = {
        {"yyyy-mm-dd", true}, {"h:mm AM/PM", true}, {"[h]:mm", true},      {"[mm]:ss", true},     {"[ss]", true},
        {"mm:ss.0", true},    {"General", false},   {"0.00", false},       {"$#,##0.00", false},  {"0 \"days\"", false},
        {"\\d0", false},      {"[Red]0", false},    {"[Magenta]0", false}, {"[Color 5]0", false}, {"0.00E+00", false},
        {"@", false},         {"0;[Red]-0", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(isDateTimeFormat(c.code), c.dateTime) << c.code;
}

}  // namespace
}  // namespace jubilo::spreadsheet
