// Digit patterns section by section, in the English (United States) locale
// unless a case names another: which section a value takes, placeholders,
// grouping, scaling, percent, exponents, rounding and literal text.

#include "spreadsheet/format/number_format.h"
#include "format_cases.h"

#include <gtest/gtest.h>

#include <span>

namespace jubilo::spreadsheet {
namespace {

using namespace format_cases;

TEST(NumberSection, EachSignTakesItsSection)
{
    static constexpr Case kCases[] = {
        {5, "0;(0);\"nil\";\"text\"@", "5"},
        {-5, "0;(0);\"nil\";\"text\"@", "(5)"},  // the negative section writes its own sign
        {0, "0;(0);\"nil\";\"text\"@", "nil"},
        {-5, "0;0", "5"},
        {-5, "0", "-5"},  // one section: the sign comes back
        {0, "0;(0)", "0"},  // no zero section: zero takes the first
        {-5, "0;", ""},  // an empty section hides its values
        {0, "0;-0;", ""},
        {-0.4, "0", "0"},  // no sign on a value that rounds to zero
        {-0.001, "0.00", "0.00"},
        {5, "[Red]0;[Blue]-0", "5"},  // colours are not text
        {-5, "[Red]0;[Blue]-0", "-5"},
        {5, "[Magenta]0", "5"},  // a colour starting with "m" is no minute
        {5, "[Color 10]0", "5"},
        {5, "0 \"a;b\"", "5 a;b"},  // a quoted ";" divides nothing
        {5, "0\\;", "5;"},
        {-5, "\"[\"0\"]\";\"[\"0\"]\"", "[5]"},
    };
    expectShown(kCases);
}

TEST(NumberSection, PlaceholdersRoundHalfAwayFromZero)
{
    static constexpr Case kCases[] = {
        {1234.5678, "0", "1235"},
        {0.5, "0", "1"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},
        {1.005, "0.00", "1.01"},  // 1.00499999999999989 as stored, 1.005 to fifteen digits
        {2.675, "0.00", "2.68"},
        {1234.5, "0.000", "1234.500"},
        {7, "000", "007"},
        {0.5, "#.##", ".5"},
        {0, "#", ""},
        {0, "#.00", ".00"},
        {3, "#.00", "3.00"},
        {0.5, "0.0#", "0.5"},
        {0.123, "0.0#", "0.12"},
        {0.999, "0.00", "1.00"},
        {1.5, "?.??", "1.5 "},  // '?' keeps a space for a missing digit
        {12.5, "???.0", " 12.5"},
        {123456789012345678.0, "0", "123456789012346000"},  // fifteen significant digits
        {5551234, "000-0000", "555-1234"},  // digits fill placeholders across literals
        {12, "000-0000", "000-0012"},
        {12, "###-####", "-12"},
        {55512345678.0, "(000) 000-0000", "(5551) 234-5678"},  // the first takes the surplus
    };
    expectShown(kCases);
}

TEST(NumberSection, GroupingScalingAndPercent)
{
    static constexpr Case kCases[] = {
        {1234567, "#,##0", "1,234,567"},
        {999, "#,##0", "999"},
        {1000, "#,##0", "1,000"},
        {-1234567.891, "#,##0.00", "-1,234,567.89"},
        {0, "#,##0", "0"},
        {0, "#,###", ""},
        {999999.5, "#,##0", "1,000,000"},
        {1234567, "#,##0,", "1,235"},  // each trailing comma divides by a thousand
        {1234567, "0,,", "1"},
        {1234567, "0.0,,", "1.2"},
        {1234567, "#,##0.0,,\"M\"", "1.2M"},
        {499, "0,", "0"},
        {500, "0,", "1"},
        {0.5, "0%", "50%"},
        {0.12345, "0.0%", "12.3%"},
        {-0.5, "0%", "-50%"},
        {0.05, "0\\%", "0%"},  // an escaped percent sign scales nothing
        {12, "0\\%", "12%"},
        {1234.5, "#,##0.00%", "123,450.00%"},
    };
    expectShown(kCases);
}

TEST(NumberSection, Exponents)
{
    static constexpr Case kCases[] = {
        {1500, "0.00E+00", "1.50E+03"},   {0.00015, "0.00E+00", "1.50E-04"},
        {-1500, "0.00E+00", "-1.50E+03"}, {0, "0.00E+00", "0.00E+00"},
        {999999, "0.00E+00", "1.00E+06"},  // rounding carries into the exponent
        {12345, "0.0E-0", "1.2E4"},  // "E-" signs only negative exponents
        {0.012345, "0.0E-0", "1.2E-2"},   {12345, "00.0E+00", "12.3E+03"},
        {12345, "##0.0E+0", "12.3E+3"},  // engineering: exponents in steps of three
        {1234567, "##0.0E+0", "1.2E+6"},  {0.00015, "##0.0E+0", "150.0E-6"},
        {999999, "##0.0E+0", "1.0E+6"},
    };
    expectShown(kCases);
}

TEST(NumberSection, LiteralText)
{
    static constexpr Case kCases[] = {
        {3, "0 \"guests\"", "3 guests"},
        {5, "\\$0", "$5"},
        {5, "\"(\"0\")\"", "(5)"},
        {1234.5, "$#,##0.00_);($#,##0.00)", "$1,234.50 "},  // "_x" keeps the width of x
        {-1234.5, "$#,##0.00_);($#,##0.00)", "($1,234.50)"},
        {5, "*-0", "5"},  // no fill in text
        {5, "0*x", "5"},
        {5, "[$€-407]0", "€5"},
        {5, "[$-409]0", "5"},
        {5, "0 \"#0.,%\"", "5 #0.,%"},  // pattern characters in quotes are text
        {5, "+0", "+5"},
        {5, "0 \"x\" 0", "0 x 5"},
    };
    expectShown(kCases);
}

TEST(NumberSection, GeneralAndTextSections)
{
    static constexpr Case kCases[] = {
        {42, "General", "42"},
        {-42, "general", "-42"},
        {5, "\"Total: \"General", "Total: 5"},
        {-5, "General;(General)", "(5)"},
        {42, "@", "42"},  // a number in a text format shows as General
        {-1.5, "@", "-1.5"},
        {1e11, "General", "1E+11"},
        {99999999999.0, "General", "99999999999"},
        {0.0001, "General", "0.0001"},
        {0.1, "General", "0.1"},
    };
    expectShown(kCases);
    const QString code = QStringLiteral("0;(0);\"nil\";\"<\"@\">\"");
    EXPECT_EQ(formatValue(QStringLiteral("x"), code, kEnglish), "<x>");
    EXPECT_EQ(formatValue(QStringLiteral("x"), "0;(0)", kEnglish), "x");  // no text section: as typed
    EXPECT_EQ(formatValue(QStringLiteral("x"), "\"Name: \"@", kEnglish), "Name: x");
    EXPECT_EQ(formatValue(QStringLiteral("x"), "0;0;0;", kEnglish), "");
    EXPECT_EQ(formatValue(QStringLiteral("x"), "0;0;0;@_)", kEnglish), "x ");
}

TEST(NumberSection, SeparatorsComeFromTheLocale)
{
    static constexpr Case kCases[] = {
        {1234567.891, "#,##0.00", "1.234.567,89"},
        {0.125, "0.0%", "12,5%"},
        {1500, "0.00E+00", "1,50E+03"},
        {1234.5, "General", "1234,5"},
    };
    expectShown(kCases, QLocale(QLocale::German, QLocale::Germany));
}

TEST(NumberSection, NumbersAsFormulasWriteThem)
{
    static constexpr struct {
        double value;
        const char* text;
    } kCases[] = {
        {0, "0"},
        {1.0 / 3, "0.333333333333333"},  // fifteen digits below one as well
        {0.0123456789012345678, "0.0123456789012346"},
        {-2.5, "-2.5"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.000001, "0.000001"},
        {1e-16, "1E-16"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(numberToText(c.value, kEnglish).toStdString(), c.text) << c.value;
}

}  // namespace
}  // namespace jubilo::spreadsheet
