#include "spreadsheet/format/date_serial.h"
#include "spreadsheet/input/typed_input.h"

#include <gtest/gtest.h>

#include <optional>

namespace jubilo::spreadsheet {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QDate kToday(2024, 6, 15);
constexpr double kPiDay2024 = 45365;  // 2024-03-14 as a serial

TypedInput read(const QString& text, const QLocale& locale = kEnglish)
{
    return readTypedInput(text, {locale, kToday, false});
}

void expectNumber(const QString& text, double number, const QString& format, const QLocale& locale = kEnglish)
{
    const TypedInput in = read(text, locale);
    ASSERT_EQ(in.kind, TypedInput::Kind::Constant) << text.toStdString();
    ASSERT_TRUE(isNumber(in.value)) << text.toStdString();
    EXPECT_NEAR(std::get<double>(in.value), number, 1e-9) << text.toStdString();
    EXPECT_EQ(in.numberFormat, format) << text.toStdString();
}

void expectText(const QString& text, const QLocale& locale = kEnglish)
{
    const TypedInput in = read(text, locale);
    ASSERT_TRUE(isText(in.value)) << text.toStdString();
    EXPECT_EQ(std::get<QString>(in.value), text);
    EXPECT_TRUE(in.numberFormat.isEmpty());
}

TEST(TypedInput, NumbersInEnglish)
{
    expectNumber("42", 42, "");
    expectNumber("+7", 7, "");
    expectNumber(" 3.25 ", 3.25, "");
    expectNumber("-1,234.5", -1234.5, "#,##0.00");
    expectNumber("1,234,567", 1234567, "#,##0");
    expectNumber("1.5E3", 1500, "0.00E+00");
    expectNumber("$1,234.50", 1234.5, "$#,##0.00_);($#,##0.00)");
    expectNumber("$12", 12, "$#,##0_);($#,##0)");
    expectNumber("-$5", -5, "$#,##0_);($#,##0)");
    expectNumber("(123)", -123, "");
    expectNumber("($1,234.00)", -1234, "$#,##0.00_);($#,##0.00)");
    expectNumber("12.5%", 0.125, "0.00%");
    expectNumber("50%", 0.5, "0%");
    expectNumber(".5", 0.5, "");
}

TEST(TypedInput, NumbersWithDecimalComma)
{
    expectNumber("1.234,5", 1234.5, "#,##0.00", kGerman);
    expectNumber("12,5", 12.5, "", kGerman);
    expectNumber("-0,75", -0.75, "", kGerman);
    expectNumber("12,5%", 0.125, "0.00%", kGerman);
    expectNumber("12,50 €", 12.5, "#,##0.00 \"€\"", kGerman);
    expectText("1,234.5", kGerman);
    expectText("1,2,3", kGerman);
}

TEST(TypedInput, TextThatOnlyLooksNumeric)
{
    for (const char* text : {"1,23", "(-5)", "12abc", "1.2.3", "$", "--5", "Guests", " padded text ", "4 5"})
        expectText(QString::fromUtf8(text));
}

TEST(TypedInput, NumbersAtTheEdgesOfTheirShape)
{
    expectNumber("1,234.5e3", 1234500, "0.00E+00");
    expectNumber("1.", 1, "");
    expectNumber("1e-3", 0.001, "0.00E+00");
    expectNumber("007", 7, "");
    expectNumber("1.234", 1234, "#,##0", kGerman);
    expectNumber("1.234.567,25", 1234567.25, "#,##0.00", kGerman);
    const QLocale french(QLocale::French, QLocale::France);
    expectNumber(QStringLiteral("1") + french.groupSeparator() + QStringLiteral("234,5"), 1234.5, "#,##0.00", french);
    for (const char* text : {"1,23,456", "1,234,", "1234,567", ".", "1e", "1e+", "1e1234", "1.5.e3", "12,5"})
        expectText(QString::fromUtf8(text));
}

TEST(TypedInput, TextWithDigitsThatIsNoDateStaysText)
{
    for (const char* text : {"12 Party Lane", "Room 12", "3 - 4 guests", "12/x", "12 Mar extra", "Mar 3 4 5"})
        expectText(QString::fromUtf8(text));
    expectNumber("14 Mar 2024", kPiDay2024, "d-mmm-yy");
    expectNumber("Mar 14", kPiDay2024, "d-mmm");
}

// Text is turned away before any pattern runs when it cannot be a date or
// time: no digit, or a word where a month's name must stand. These are the
// shapes on either side of those checks.
TEST(TypedInput, DateAndTimeShapesOnEitherSideOfTheQuickChecks)
{
    const auto day = [](int month, int dayOfMonth) { return serialFromDate(QDate(kToday.year(), month, dayOfMonth)); };
    const QLocale french(QLocale::French, QLocale::France);
    struct Case {
        const char* text;
        std::optional<double> number;  // none: stays text
        const char* format;
        const QLocale& locale;
    };
    const Case cases[] = {
        {"March", std::nullopt, "", kEnglish},  // a month alone names no day
        {"noon", std::nullopt, "", kEnglish},
        {"Dr. Who", std::nullopt, "", kEnglish},
        {"10 guests", std::nullopt, "", kEnglish},
        {"Guest 12", std::nullopt, "", kEnglish},
        {"Maybe 3", std::nullopt, "", kEnglish},  // starts like "May"
        {"Ma 3", std::nullopt, "", kEnglish},
        {"3 Mai", std::nullopt, "", kEnglish},  // German, not English
        {"1-Mar", day(3, 1), "d-mmm", kEnglish},
        {"Mar 3", day(3, 3), "d-mmm", kEnglish},
        {"mAR 3", day(3, 3), "d-mmm", kEnglish},  // names in any case
        {"Dec. 25", day(12, 25), "d-mmm", kEnglish},
        {"3 march", day(3, 3), "d-mmm", kEnglish},
        {"May 2024", serialFromDate(QDate(2024, 5, 1)), "mmm-yy", kEnglish},
        {"3/4", day(3, 4), "d-mmm", kEnglish},
        {"12:30", 12.5 / 24, "h:mm", kEnglish},
        {"3. Mai", day(5, 3), "d-mmm", kGerman},
        {"3 March", day(3, 3), "d-mmm", kGerman},  // English names work everywhere
        {"3 janv. 2024", serialFromDate(QDate(2024, 1, 3)), "d-mmm-yy", french},  // "janv." typed with its dot
        {"3 janv 2024", serialFromDate(QDate(2024, 1, 3)), "d-mmm-yy", french},
    };
    for (const Case& c : cases) {
        if (c.number)
            expectNumber(QString::fromUtf8(c.text), *c.number, QString::fromUtf8(c.format), c.locale);
        else
            expectText(QString::fromUtf8(c.text), c.locale);
    }
}

TEST(TypedInput, TimesBecomeDayFractionsWithAMatchingFormat)
{
    expectNumber("11:10 AM", (11 * 60 + 10) / 1440.0, "h:mm AM/PM");
    expectNumber("07:00 PM", 19 / 24.0, "h:mm AM/PM");
    expectNumber("12:00 AM", 0, "h:mm AM/PM");
    expectNumber("12:30 pm", 12.5 / 24, "h:mm AM/PM");
    expectNumber("19:30", 19.5 / 24, "h:mm");
    expectNumber("8:05:30", (8 * 3600 + 5 * 60 + 30) / 86400.0, "h:mm:ss");
    expectNumber("7 PM", 19 / 24.0, "h AM/PM");
    expectNumber("19:30", 19.5 / 24, "h:mm", kGerman);
    for (const char* text : {"25:00", "7:60", "13:00 PM", "1:2:3:4"})
        expectText(QString::fromUtf8(text));
}

TEST(TypedInput, TimesAtTheEdgesOfTheirShape)
{
    expectNumber("7 a", 7 / 24.0, "h AM/PM");
    expectNumber("7:05:09P", (19 * 3600 + 5 * 60 + 9) / 86400.0, "h:mm:ss AM/PM");
    expectNumber("0:00\t am", 0, "h:mm AM/PM");
    for (const char* text : {"7:", "7:30:", "123 PM", "7 PMX", "7:300", ":30", "7 :30"})
        expectText(QString::fromUtf8(text));
}

TEST(TypedInput, DatesInTheLocaleOrder)
{
    expectNumber("3/14/2024", kPiDay2024, "m/d/yyyy");
    expectNumber("3/14/24", kPiDay2024, "m/d/yyyy");
    expectNumber("2024-03-14", kPiDay2024, "yyyy-mm-dd");
    expectNumber("14-Mar-2024", kPiDay2024, "d-mmm-yy");
    expectNumber("March 14, 2024", kPiDay2024, "d-mmm-yy");
    expectNumber("3/14", kPiDay2024, "d-mmm");  // this year
    expectNumber("Mar-2024", kPiDay2024 - 13, "mmm-yy");
    expectNumber("3/14/2024 7:30 PM", kPiDay2024 + 19.5 / 24, "m/d/yyyy h:mm AM/PM");
    expectNumber("14.3.2024", kPiDay2024, "d.m.yyyy", kGerman);
    expectNumber("14.03.24", kPiDay2024, "d.m.yyyy", kGerman);
    expectNumber("14. März 2024", kPiDay2024, "d-mmm-yy", kGerman);
    expectNumber("12.5", serialFromDate(QDate(2024, 5, 12)), "d-mmm", kGerman);
    expectText("2/30/2024");
    expectText("14/3/2024");  // no 14th month in month-first order
}

TEST(TypedInput, BooleansErrorsApostrophesFormulasAndEmpty)
{
    EXPECT_EQ(read("TRUE").value, Value(true));
    EXPECT_EQ(read("false").value, Value(false));
    EXPECT_EQ(read("#N/A").value, Value(ErrorCode::NA));
    EXPECT_EQ(read("#div/0!").value, Value(ErrorCode::Div0));

    const TypedInput quoted = read("'0042");
    EXPECT_EQ(quoted.value, Value(QStringLiteral("0042")));
    EXPECT_TRUE(quoted.quotePrefix);
    EXPECT_EQ(read("'=1+1").value, Value(QStringLiteral("=1+1")));

    const TypedInput formula = read("=SUM(R[-3]C:R[-1]C)");
    EXPECT_EQ(formula.kind, TypedInput::Kind::Formula);
    EXPECT_EQ(formula.formula, "SUM(R[-3]C:R[-1]C)");

    EXPECT_EQ(read("").kind, TypedInput::Kind::Empty);

    const TypedInput asText = readTypedInput("=1+1", {kEnglish, kToday, true});
    EXPECT_EQ(asText.kind, TypedInput::Kind::Constant);
    EXPECT_EQ(asText.value, Value(QStringLiteral("=1+1")));
}

}  // namespace
}  // namespace jubilo::spreadsheet
