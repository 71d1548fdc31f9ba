#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/format/number_format.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

QString shown(double v, const char* code, const QLocale& locale = kEnglish)
{
    return formatValue(v, QString::fromUtf8(code), locale);
}

TEST(NumberFormat, General)
{
    EXPECT_EQ(shown(42, "General"), "42");
    EXPECT_EQ(shown(-1234.5, "General"), "-1234.5");
    EXPECT_EQ(shown(1.0 / 3, "General"), "0.333333333");
    EXPECT_EQ(shown(123.456789012, "General"), "123.456789");
    EXPECT_EQ(shown(123456789012.0, "General"), "1.23457E+11");
    EXPECT_EQ(shown(0.000012345678, "General"), "1.23457E-05");
    EXPECT_EQ(shown(0.1 + 0.2, "General"), "0.3");
    EXPECT_EQ(shown(1234.5, "General", kGerman), "1234,5");
}

TEST(NumberFormat, DigitPatterns)
{
    EXPECT_EQ(shown(1234.567, "$#,##0.00"), "$1,234.57");
    EXPECT_EQ(shown(-1234.567, "$#,##0.00"), "-$1,234.57");
    EXPECT_EQ(shown(25, "$#,##0.00"), "$25.00");
    EXPECT_EQ(shown(0, "$#,##0.00"), "$0.00");
    EXPECT_EQ(shown(1234.5, "$#,##0.00_);($#,##0.00)"), "$1,234.50 ");
    EXPECT_EQ(shown(-1234.5, "$#,##0.00_);($#,##0.00)"), "($1,234.50)");
    EXPECT_EQ(shown(1234567, "#,##0"), "1,234,567");
    EXPECT_EQ(shown(1234567.891, "#,##0.00", kGerman), "1.234.567,89");
    EXPECT_EQ(shown(0.125, "0.00%"), "12.50%");
    EXPECT_EQ(shown(0.5, "0%"), "50%");
    EXPECT_EQ(shown(1500, "0.00E+00"), "1.50E+03");
    EXPECT_EQ(shown(0.00015, "0.00E+00"), "1.50E-04");
    EXPECT_EQ(shown(7, "000"), "007");
    EXPECT_EQ(shown(0.5, "#.##"), ".5");
    EXPECT_EQ(shown(1234567, "#,##0,"), "1,235");
    EXPECT_EQ(shown(3, "0 \"guests\""), "3 guests");
    EXPECT_EQ(shown(-3, "0;[Red]-0;\"zero\""), "-3");
    EXPECT_EQ(shown(0, "0;-0;\"zero\""), "zero");
}

TEST(NumberFormat, DatesAndTimes)
{
    const double evening = 19 / 24.0;
    EXPECT_EQ(shown(evening, "h:mm AM/PM"), "7:00 PM");
    EXPECT_EQ(shown((11 * 60 + 10) / 1440.0, "h:mm AM/PM"), "11:10 AM");
    EXPECT_EQ(shown(0, "h:mm AM/PM"), "12:00 AM");
    EXPECT_EQ(shown(19.5 / 24, "h:mm"), "19:30");
    EXPECT_EQ(shown(19.5 / 24, "hh:mm:ss"), "19:30:00");
    EXPECT_EQ(shown(19 / 24.0, "h AM/PM"), "7 PM");
    const double piDay = serialFromDate(QDate(2024, 3, 14)) + evening;
    EXPECT_EQ(shown(piDay, "m/d/yyyy"), "3/14/2024");
    EXPECT_EQ(shown(piDay, "d-mmm-yy"), "14-Mar-24");
    EXPECT_EQ(shown(piDay, "mmmm dd"), "March 14");
    EXPECT_EQ(shown(piDay, "dddd"), "Thursday");
    EXPECT_EQ(shown(piDay, "m/d/yyyy h:mm"), "3/14/2024 19:00");
    EXPECT_EQ(shown(piDay, "d.m.yyyy", kGerman), "14.3.2024");
    EXPECT_EQ(shown(1.5, "[h]:mm"), "36:00");
    EXPECT_EQ(shown(60, "yyyy-mm-dd"), "1900-02-29");  // the day kept for compatibility
    EXPECT_EQ(shown(61, "yyyy-mm-dd"), "1900-03-01");
}

// Names are read once per locale: each locale keeps its own, in any order.
TEST(NumberFormat, MonthAndDayNamesFollowEachCallsLocale)
{
    const double piDay = serialFromDate(QDate(2024, 3, 14));
    const QLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(shown(piDay, "dddd d mmmm", kGerman), QStringLiteral("Donnerstag 14 März"));
    EXPECT_EQ(shown(piDay, "dddd d mmmm"), "Thursday 14 March");
    EXPECT_EQ(shown(piDay, "ddd d mmm", french),
              french.dayName(4, QLocale::ShortFormat) + " 14 " + french.monthName(3, QLocale::ShortFormat));
    EXPECT_EQ(shown(piDay, "mmmmm dddd", kGerman), QStringLiteral("M Donnerstag"));
    EXPECT_EQ(shown(piDay, "ddd mmm"), "Thu Mar");
}

TEST(NumberFormat, OtherValueKinds)
{
    EXPECT_EQ(formatValue(QStringLiteral("Guests"), "$#,##0.00", kEnglish), "Guests");
    EXPECT_EQ(formatValue(QStringLiteral("x"), "0;0;0;\"<\"@\">\"", kEnglish), "<x>");
    EXPECT_EQ(formatValue(true, "General", kEnglish), "TRUE");
    EXPECT_EQ(formatValue(ErrorCode::Div0, "0.00", kEnglish), "#DIV/0!");
    EXPECT_EQ(formatValue(Value(), "0.00", kEnglish), "");
    EXPECT_TRUE(isDateTimeFormat("h:mm AM/PM"));
    EXPECT_FALSE(isDateTimeFormat("$#,##0.00"));
    EXPECT_FALSE(isDateTimeFormat("General"));
}

}  // namespace
}  // namespace jubilo::spreadsheet
