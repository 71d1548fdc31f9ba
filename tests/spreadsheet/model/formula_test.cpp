// Formulas in a workbook's cells: references between cells, results that
// follow their inputs, every operator and registered function, circles, long
// chains, and results in the cell's format.

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace jubilo::spreadsheet {
namespace {

// The registered function a formula (R1C1, without "=") calls last, if any.
const formula::FunctionInfo* outermostCall(const QString& text)
{
    const auto tokens = formula::parseR1C1(text, {0, 0});
    if (!tokens)
        return nullptr;
    const formula::Token& last = tokens->back();
    if (last.base() == formula::ptg::Attr && (last.attr & formula::kAttrSum))
        return formula::functionByIndex(formula::kSumIndex);
    const bool call = last.base() == formula::ptg::Func || last.base() == formula::ptg::FuncVar;
    return call ? formula::functionByIndex(last.data) : nullptr;
}

class FormulaSheet : public testing::EngineWorkbookTest {
protected:
    void put(const char* cell, const QString& text) { range(cell).setFormulaR1C1(text); }
};

TEST_F(FormulaSheet, RelativeAndAbsoluteReferences)
{
    put("B4", "10");
    put("C3", "7");
    put("C5", "=R[-1]C[-1]*2");
    put("D1", "=R3C3+R[3]C[-2]");
    EXPECT_EQ(value("C5"), Value(20.0));
    EXPECT_EQ(value("D1"), Value(17.0));
    EXPECT_EQ(app->range("C5").formulaR1C1(), "=R[-1]C[-1]*2");
    put("B4", "11");  // results follow their inputs
    EXPECT_EQ(value("C5"), Value(22.0));
    EXPECT_EQ(value("D1"), Value(18.0));
}

TEST_F(FormulaSheet, SumSkipsTextInRangesButNotInArguments)
{
    put("B1", "1");
    put("B2", "Guests");
    put("B3", "$2.50");
    put("B4", "=SUM(R[-3]C:R[-1]C)");
    EXPECT_EQ(value("B4"), Value(3.5));
    put("B5", "=SUM(R1C2,\"4\",TRUE)");
    EXPECT_EQ(value("B5"), Value(6.0));
    put("B6", "=SUM(\"four\")");
    EXPECT_EQ(value("B6"), Value(ErrorCode::Value));
    put("B7", "=COUNT(R1C2:R3C2)+COUNTA(R1C2:R3C2)*10");
    EXPECT_EQ(value("B7"), Value(32.0));
}

TEST_F(FormulaSheet, EveryErrorValue)
{
    put("A1", "=1/0");
    put("A2", "=\"a\"+1");
    put("A3", "=R[-5]C");
    put("A4", "=NOSUCHFUNCTION(1)");
    put("A5", "=undefined_name");
    put("A6", "=NA()");
    put("A7", "=A1+1");  // an A1 reference is no R1C1 name: #NAME?
    put("A8", "=R1C1*2");  // errors travel through formulas
    EXPECT_EQ(value("A1"), Value(ErrorCode::Div0));
    EXPECT_EQ(value("A2"), Value(ErrorCode::Value));
    EXPECT_EQ(value("A3"), Value(ErrorCode::Ref));
    EXPECT_EQ(value("A4"), Value(ErrorCode::Name));
    EXPECT_EQ(value("A5"), Value(ErrorCode::Name));
    EXPECT_EQ(value("A6"), Value(ErrorCode::NA));
    EXPECT_EQ(value("A7"), Value(ErrorCode::Name));
    EXPECT_EQ(value("A8"), Value(ErrorCode::Div0));
    EXPECT_EQ(app->range("A1").text(), "#DIV/0!");
}

// Formulas over A1 = 3, A2 = -4.5, A3 = "hello" and what they give.
const std::vector<std::pair<const char*, Value>> kFunctionCases{
    {"=AVERAGE(R1C1:R3C1)", -0.75},
    {"=MIN(R1C1:R3C1)", -4.5},
    {"=MAX(R1C1:R3C1)", 3.0},
    {"=AVERAGE(R20C1:R21C1)", ErrorCode::Div0},
    {"=ROUND(2.675,2)", 2.68},
    {"=ROUND(-2.5,0)", -3.0},
    {"=ABS(R2C1)", 4.5},
    {"=IF(R1C1>2,\"big\",\"small\")", QStringLiteral("big")},
    {"=IF(FALSE,1)", false},
    {"=AND(TRUE,R1C1)", true},
    {"=OR(FALSE,0)", false},
    {"=NOT(R1C1)", false},
    {"=LEN(R3C1)", 5.0},
    {"=UPPER(R3C1)", QStringLiteral("HELLO")},
    {"=LOWER(\"AbC\")", QStringLiteral("abc")},
    {"=CONCATENATE(R3C1,\" \",R1C1,TRUE)", QStringLiteral("hello 3TRUE")},
    {"=R3C1&1/4", QStringLiteral("hello0.25")},
    {"=-2^2", 4.0},
    {"=2^-1", 0.5},
    {"=50%", 0.5},
    {"=1+2*3-4/2", 5.0},
    {"=(1+2)*3", 9.0},
    {"=\"B\">\"a\"", true},
    {"=1<\"1\"", true},
    {"=R50C1=0", true},
    {"=2=2.0", true},
    {"=R1C1<>3", false},
    {"=\"3\"*2", 6.0},
    {"=R30C30", 0.0},
    {"=SQRT(-1)", ErrorCode::Num},
    {"=MOD(-3,2)", 1.0},
    {"=LEFT(\"party\",2)&RIGHT(\"party\")", QStringLiteral("pay")},
    {"=SUM(R1C1:R3C1)", -1.5},
    {"=SUM(R1C1,\"4\",TRUE)", 8.0},
    {"=COUNT(R1C1:R3C1,\"4\",\"x\")", 3.0},
    {"=COUNTA(R1C1:R5C1)", 3.0},
    {"=PRODUCT(R1C1:R3C1,2)", -27.0},
    {"=PRODUCT(R9C9)", 0.0},
    {"=INT(R2C1)", -5.0},
    {"=INT(7.9)", 7.0},
    {"=SQRT(16)", 4.0},
    {"=MOD(1,0)", ErrorCode::Div0},
    {"=PI()", M_PI},
    {"=AND(R3C1)", ErrorCode::Value},
    {"=TRUE()", true},
    {"=FALSE()", false},
    {"=NA()", ErrorCode::NA},
    {"=ISERROR(1/0)", true},
    {"=ISERROR(NA())", true},
    {"=ISERROR(R3C1)", false},
    {"=ISBLANK(R9C9)", true},
    {"=ISBLANK(R1C1)", false},
    {"=ISBLANK(\"\")", false},
    {"=TRIM(\"  two   words \")", QStringLiteral("two words")},
    {"=LEFT(\"party\",2)", QStringLiteral("pa")},
    {"=RIGHT(\"party\")", QStringLiteral("y")},
};

// Every function the engine registers is the outermost call of one case at
// least: the walk over the function table fails for one added without.
TEST_F(FormulaSheet, FunctionsAndOperators)
{
    put("A1", "3");
    put("A2", "-4.5");
    put("A3", "hello");
    std::set<const formula::FunctionInfo*> called;
    int row = 10;
    for (const auto& [text, expected] : kFunctionCases) {
        const QString cell = QStringLiteral("B%1").arg(++row);
        app->range(cell).setFormulaR1C1(QString::fromUtf8(text));
        EXPECT_EQ(app->range(cell).value(), expected) << text;
        called.insert(outermostCall(QString::fromUtf8(text + 1)));
    }
    called.erase(nullptr);
    std::size_t registered = 0;
    for (int index = 0; index <= 0xFFFF; ++index) {
        if (const formula::FunctionInfo* f = formula::functionByIndex(quint16(index))) {
            ++registered;
            EXPECT_TRUE(called.contains(f)) << f->name << " is registered but no case calls it";
        }
    }
    EXPECT_EQ(registered, called.size());
}

// ROUND at any number of places: the 15-digit decimal form decides halves,
// places past the number's digits keep it, places above it give 0.
const std::pair<const char*, Value> kRoundCases[] = {
    {"=ROUND(2,308)", 2.0},
    {"=ROUND(2,309)", 2.0},
    {"=ROUND(2.5,1E+300)", 2.5},
    {"=ROUND(1.23456789012345,30)", 1.23456789012345},
    {"=ROUND(1234.5,-2)", 1200.0},
    {"=ROUND(-1250,-2)", -1300.0},
    {"=ROUND(499,-3)", 0.0},
    {"=ROUND(500,-3)", 1000.0},
    {"=ROUND(500,-4)", 0.0},
    {"=ROUND(123,-308)", 0.0},
    {"=ROUND(1E+300,-1E+300)", 0.0},
    {"=ROUND(2.5,0)", 3.0},
    {"=ROUND(-2.5,0)", -3.0},
    {"=ROUND(0.5,0)", 1.0},
    {"=ROUND(-0.4,0)", 0.0},
    {"=ROUND(1.005,2)", 1.01},
    {"=ROUND(2.675,2)", 2.68},
    {"=ROUND(9.995,2)", 10.0},
    {"=ROUND(0.1+0.2,15)", 0.1 + 0.2},
    {"=ROUND(0.1+0.2,1)", 0.3},
    {"=ROUND(3.7,0.9)", 4.0},
    {"=ROUND(3.14159,-0.9)", 3.0},
    {"=ROUND(1E-300,305)", 1e-300},
    {"=ROUND(1.5E-300,300)", 2e-300},
    {"=ROUND(9.9E+307,-307)", 1e308},
    {"=ROUND(0,5)", 0.0},
    {"=ROUND(\"x\",1)", ErrorCode::Value},
};

TEST_F(FormulaSheet, RoundTakesAnyNumberOfPlaces)
{
    int row = 0;
    for (const auto& [text, expected] : kRoundCases) {
        const QString cell = QStringLiteral("A%1").arg(++row);
        app->range(cell).setFormulaR1C1(QString::fromUtf8(text));
        EXPECT_EQ(app->range(cell).value(), expected) << text;
    }
    put("B1", "=ROUND(-0.4,0)");  // no negative zero
    EXPECT_FALSE(std::signbit(std::get<double>(value("B1"))));
}

// TRIM takes spaces from the ends and shortens runs of them to one; tabs
// and line breaks are text like any other.
const std::pair<const char*, const char*> kTrimCases[] = {
    {"  two   words ", "two words"},
    {"   ", ""},
    {"", ""},
    {"one", "one"},
    {"\ta  b\t", "\ta b\t"},
    {"line one \n  line two", "line one \n line two"},
    {" a \r\n b ", "a \r\n b"},
    {"a\t\tb", "a\t\tb"},
    {"a\u00A0\u00A0b", "a\u00A0\u00A0b"},  // no-break spaces are not spaces to TRIM
};

TEST_F(FormulaSheet, TrimShortensSpacesOnly)
{
    for (const auto& [input, expected] : kTrimCases) {
        sheet->setFormulaR1C1(0, 0, QStringLiteral("'") + QString::fromUtf8(input));
        put("B1", "=TRIM(R1C1)");
        EXPECT_EQ(value("B1"), Value(QString::fromUtf8(expected))) << "\"" << input << "\"";
    }
}

TEST_F(FormulaSheet, CircularReferencesSettleAtZero)
{
    put("A1", "=R2C1+1");
    put("A2", "=R1C1+1");
    put("A3", "=RC+5");
    put("A4", "=R1C1+R2C1+10");  // depends on the circle without being on it
    EXPECT_EQ(value("A1"), Value(0.0));
    EXPECT_EQ(value("A2"), Value(0.0));
    EXPECT_EQ(value("A3"), Value(0.0));
    EXPECT_EQ(value("A4"), Value(10.0));
}

TEST_F(FormulaSheet, LongChainsAndLongCirclesNeitherOverflowNorHang)
{
    constexpr int kRows = 20000;
    put("C1", "1");
    for (int r = 2; r <= kRows; ++r)
        app->range(QStringLiteral("C%1").arg(r)).setFormulaR1C1("=R[-1]C+1");
    EXPECT_EQ(app->range(QStringLiteral("C%1").arg(kRows)).value(), Value(double(kRows)));

    for (int r = 1; r < kRows; ++r)
        app->range(QStringLiteral("D%1").arg(r)).setFormulaR1C1("=R[1]C+1");
    app->range(QStringLiteral("D%1").arg(kRows)).setFormulaR1C1("=R1C4");
    EXPECT_EQ(value("D1"), Value(0.0));
}

TEST_F(FormulaSheet, MistypedFormulasStayText)
{
    put("A1", "=SUM(");
    put("A2", "=");
    put("A3", "=1+");
    EXPECT_EQ(value("A1"), Value(QStringLiteral("=SUM(")));
    EXPECT_EQ(value("A2"), Value(QStringLiteral("=")));
    EXPECT_EQ(app->range("A3").text(), "=1+");
    put("A4", "=SUM(R1C1:R3C1)");  // text counts for nothing
    EXPECT_EQ(value("A4"), Value(0.0));
}

TEST_F(FormulaSheet, FormulaResultsShowInTheCellFormat)
{
    put("F1", "25");
    put("F2", "12.5");
    put("F3", "=SUM(R[-2]C:R[-1]C)");
    app->range("F3").setNumberFormat("$#,##0.00");
    EXPECT_EQ(app->range("F3").text(), "$37.50");
}

}  // namespace
}  // namespace jubilo::spreadsheet
