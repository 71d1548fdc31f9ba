// The evaluator on a sheet of its own: operators, errors and how they
// travel, conversions between numbers, text and booleans, the spreadsheet
// order of mixed comparisons, and every registered function.

#include "spreadsheet/formula/evaluator_p.h"
#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"
#include "spreadsheet/formula/rgce_p.h"
#include "sheet_cells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace jubilo::spreadsheet {
namespace {

using namespace formula;

// Column A: 3, -4.5, "hello", TRUE, blank, "12" as text, #DIV/0!, two
// spaces. R10C3 and R20C10 meet the formula's own row and column.
const testing::SheetCells kSheet{{
    {{0, 0}, 3.0},
    {{1, 0}, -4.5},
    {{2, 0}, QStringLiteral("hello")},
    {{3, 0}, true},
    {{5, 0}, QStringLiteral("12")},
    {{6, 0}, ErrorCode::Div0},
    {{7, 0}, QStringLiteral("  ")},
    {{9, 2}, 5.0},
    {{19, 9}, 6.0},
}};
constexpr CellPos kFormulaCell{9, 9};  // R10C10

Value computed(const QString& text)
{
    const auto tokens = parseR1C1(text, kFormulaCell);
    if (!tokens)
        return QStringLiteral("unparsed");
    return evaluate(*tokens, {kSheet, kFormulaCell});
}

void expectResults(const std::vector<std::pair<const char*, Value>>& cases)
{
    for (const auto& [text, expected] : cases) {
        const Value got = computed(QString::fromUtf8(text));
        EXPECT_EQ(got, expected) << text;
        if (isNumber(expected) && isNumber(got)) {  // no negative zero where zero is expected
            EXPECT_EQ(std::signbit(std::get<double>(got)), std::signbit(std::get<double>(expected))) << text;
        }
    }
}

TEST(FormulaEvaluator, OperatorsAndTheErrorsTheyGive)
{
    expectResults({
        {"1+2*3-4/2", 5.0},
        {"-2^2", 4.0},
        {"2^-1", 0.5},
        {"2^3^2", 64.0},
        {"-3%", -0.03},
        {"50%%", 0.005},
        {"7-10", -3.0},
        {"+R3C1", QStringLiteral("hello")},
        {"1/0", ErrorCode::Div0},
        {"R5C1/R5C1", ErrorCode::Div0},
        {"0^0", ErrorCode::Num},
        {"0^-1", ErrorCode::Div0},
        {"(-8)^(1/3)", ErrorCode::Num},
        {"(-8)^3", -512.0},
        {"2^1024", ErrorCode::Num},
        {"1E+308*10", ErrorCode::Num},
        {"-1E+308-1E+308", ErrorCode::Num},
        {"R7C1+1", ErrorCode::Div0},
        {"1+R7C1", ErrorCode::Div0},
        {"-R7C1", ErrorCode::Div0},
        {"R7C1%", ErrorCode::Div0},
        {"R7C1&\"x\"", ErrorCode::Div0},
        {"R7C1=R7C1", ErrorCode::Div0},
        {"NA()+1/0", ErrorCode::NA},
        {"1/0+NA()", ErrorCode::Div0},
        {"R[-20]C", ErrorCode::Ref},
        {"R[-20]C*0", ErrorCode::Ref},
        {"#REF!&\"\"", ErrorCode::Ref},
        {"no_such_name+1", ErrorCode::Name},
        {"NOSUCH(1)", ErrorCode::Name},
        {"#NULL!", ErrorCode::Null},
    });
}

// Text that reads as a number counts as one; booleans are 1 and 0; a blank
// cell is 0 to arithmetic and nothing to text.
TEST(FormulaEvaluator, ValuesConvertAsTheOperatorAsks)
{
    expectResults({
        {"\"3\"+2", 5.0},
        {"R6C1*2", 24.0},
        {"\" 1 \"+0", 1.0},
        {"\"1e3\"*1", 1000.0},
        {"\"50%\"*1", 0.5},
        {"-\"2\"", -2.0},
        {"\"abc\"+1", ErrorCode::Value},
        {"\"\"+1", ErrorCode::Value},
        {"R8C1+1", ErrorCode::Value},
        {"\"TRUE\"+0", ErrorCode::Value},
        {"TRUE+TRUE", 2.0},
        {"R4C1*3", 3.0},
        {"FALSE%", 0.0},
        {"R5C1+1", 1.0},
        {"R5C1", 0.0},
        {"R5C1&\"x\"", QStringLiteral("x")},
        {"1&2", QStringLiteral("12")},
        {"TRUE&R4C1", QStringLiteral("TRUETRUE")},
        {"1/4&\"\"", QStringLiteral("0.25")},
        {"-1.5&\"\"", QStringLiteral("-1.5")},
        {"1/3&\"\"", QStringLiteral("0.333333333333333")},
        {"2/3&\"\"", QStringLiteral("0.666666666666667")},
        {"1/30&\"\"", QStringLiteral("0.0333333333333333")},
        {"10/3&\"\"", QStringLiteral("3.33333333333333")},
        {"1E+20&\"\"", QStringLiteral("1E+20")},
        {"LEN(1/3)", 17.0},
    });
}

// Numbers before text before booleans; text without regard to case; a
// blank is the empty value of the other side's type.
TEST(FormulaEvaluator, ComparisonsFollowTheSpreadsheetOrder)
{
    expectResults({
        {"1<2", true},
        {"2<=2", true},
        {"2>=3", false},
        {"3>2", true},
        {"1<>1", false},
        {"2=2.0", true},
        {"\"a\"=\"A\"", true},
        {"\"abc\"<\"ABD\"", true},
        {"\"B\">\"a\"", true},
        {"\"\u00e9\"=\"\u00c9\"", true},
        {"\"a\"<>\"a \"", true},
        {"1<\"1\"", true},
        {"\"1\"=1", false},
        {"1E+300<\"\"", true},
        {"\"z\"<TRUE", true},
        {"FALSE>\"z\"", true},
        {"1<FALSE", true},
        {"FALSE<TRUE", true},
        {"R5C1=0", true},
        {"R5C1=\"\"", true},
        {"R5C1=FALSE", true},
        {"R5C1<1", true},
        {"R5C1=R9C9", true},
        {"-1<R5C1", true},
        {"R3C1=\"HELLO\"", true},
        {"R4C1=1", false},
    });
}

// An area where one value is wanted gives the cell in the formula's own
// row or column; any other area gives #VALUE!.
TEST(FormulaEvaluator, AreasMeetTheFormulasRowOrColumn)
{
    expectResults({
        {"R8C3:R12C3", 5.0},
        {"R20C8:R20C12*2", 12.0},
        {"R1C3:R5C3", ErrorCode::Value},
        {"R1C1:R2C2", ErrorCode::Value},
        {"-R10C3:R10C3", -5.0},
    });
}

// Over A1:A6: 3, -4.5, "hello", TRUE, blank, "12". Inside an area only
// numbers count; given directly, an argument is converted or fails.
const std::vector<std::pair<const char*, Value>> kFunctionCases{
    {"SUM(R1C1:R6C1)", -1.5},
    {"SUM(R1C1:R6C1,\"4\",TRUE,)", 3.5},
    {"SUM(R1C1:R7C1)", ErrorCode::Div0},
    {"SUM(\"x\")", ErrorCode::Value},
    {"SUM(IF(TRUE,R1C1:R2C1))", -1.5},
    {"AVERAGE(R1C1:R6C1)", -0.75},
    {"AVERAGE(R3C1:R5C1)", ErrorCode::Div0},
    {"MIN(R1C1:R6C1,1)", -4.5},
    {"MAX(R3C1:R5C1)", 0.0},
    {"MAX(R1C1:R6C1,\"7\")", 7.0},
    {"COUNT(R1C1:R8C1,\"4\",\"x\",TRUE,)", 4.0},
    {"COUNTA(R1C1:R8C1,,1)", 8.0},
    {"COUNTA(IF(TRUE,R5C1))", 0.0},
    {"PRODUCT(R1C1:R2C1,2)", -27.0},
    {"PRODUCT(R5C1)", 0.0},
    {"ROUND(2.675,2)", 2.68},
    {"ROUND(-2.5,0)", -3.0},
    {"ROUND(2.5,-1)", 0.0},
    {"ROUND(-15,-1)", -20.0},
    {"ROUND(1234.5,-2)", 1200.0},
    {"ROUND(-0.4,0)", 0.0},
    {"ROUND(\"x\",1)", ErrorCode::Value},
    {"ABS(-2)", 2.0},
    {"INT(-4.5)", -5.0},
    {"INT(\"7.9\")", 7.0},
    {"MOD(-3,2)", 1.0},
    {"MOD(3,-2)", -1.0},
    {"MOD(5.5,2)", 1.5},
    {"MOD(1,0)", ErrorCode::Div0},
    {"SQRT(16)", 4.0},
    {"SQRT(-1)", ErrorCode::Num},
    {"PI()", M_PI},
    {"IF(R1C1>2,\"big\",\"small\")", QStringLiteral("big")},
    {"IF(0,1)", false},
    {"IF(1,,2)", 0.0},
    {"IF(R5C1,1,2)", 2.0},
    {"IF(\"x\",1,2)", ErrorCode::Value},
    {"IF(R7C1,1,2)", ErrorCode::Div0},
    {"IF(TRUE,R3C1)", QStringLiteral("hello")},
    {"AND(TRUE,R1C1)", true},
    {"AND(R1C1:R6C1)", true},
    {"AND(R3C1)", ErrorCode::Value},
    {"OR(FALSE,0)", false},
    {"OR(R5C1:R6C1)", ErrorCode::Value},
    {"OR(R7C1,TRUE)", ErrorCode::Div0},
    {"NOT(R1C1)", false},
    {"NOT(R5C1)", true},
    {"NOT(\"x\")", ErrorCode::Value},
    {"TRUE()", true},
    {"FALSE()", false},
    {"NA()", ErrorCode::NA},
    {"ISERROR(R7C1)", true},
    {"ISERROR(R3C1)", false},
    {"ISBLANK(R5C1)", true},
    {"ISBLANK(\"\")", false},
    {"ISBLANK(IF(TRUE,R5C1))", true},
    {"LEN(R3C1)", 5.0},
    {"LEN(R5C1)", 0.0},
    {"UPPER(R3C1)", QStringLiteral("HELLO")},
    {"LOWER(\"\u00c0bC\")", QStringLiteral("\u00e0bc")},
    {"TRIM(\"  a   b \")", QStringLiteral("a b")},
    {"LEFT(\"party\",2)", QStringLiteral("pa")},
    {"LEFT(\"party\")", QStringLiteral("p")},
    {"LEFT(\"party\",0)", QString()},
    {"LEFT(\"party\",1.9)", QStringLiteral("p")},
    {"LEFT(\"party\",-1)", ErrorCode::Value},
    {"RIGHT(\"party\",10)", QStringLiteral("party")},
    {"RIGHT(12345,2)", QStringLiteral("45")},
    {"LEFT(1/0,-1)", ErrorCode::Div0},
    {"RIGHT(NA(),1/0)", ErrorCode::NA},
    {"CONCATENATE(R3C1,\" \",R1C1,R4C1,R5C1)", QStringLiteral("hello 3TRUE")},
    {"CONCATENATE(\"a\",R7C1)", ErrorCode::Div0},
};

// Every registered function is the outermost call of one case at least.
TEST(FormulaEvaluator, EveryFunction)
{
    expectResults(kFunctionCases);
    std::set<quint16> called;
    for (const auto& [text, expected] : kFunctionCases) {
        const auto tokens = parseR1C1(QString::fromUtf8(text), kFormulaCell);
        ASSERT_TRUE(tokens) << text;
        called.insert(tokens->back().base() == ptg::Attr ? kSumIndex : tokens->back().data);
    }
    for (int index = 0; index <= 0xFFFF; ++index) {
        const FunctionInfo* f = functionByIndex(quint16(index));
        EXPECT_TRUE(!f || called.contains(f->index)) << f->name << " has no case";
    }
}

// Token lists a damaged file could hold give #VALUE! rather than a result.
TEST(FormulaEvaluator, MisshapenTokenListsGiveValueErrors)
{
    const Token one = Token::integer(1);
    const Token cell = Token::ref(OperandClass::Value, {0, 0, false, false});
    const Tokens cases[] = {
        {},
        {Token::op(ptg::Add)},
        {one, Token::op(ptg::Add)},
        {one, one},
        {cell, cell, Token::op(ptg::Range)},
        {cell, cell, Token::op(ptg::Union)},
        {cell, cell, Token::op(ptg::Isect)},
        {one, Token::func(OperandClass::Value, 999)},
        {Token::op(0x18)},
    };
    for (const Tokens& tokens : cases)
        EXPECT_EQ(evaluate(tokens, {kSheet, kFormulaCell}), Value(ErrorCode::Value)) << tokens.size() << " tokens";
    EXPECT_EQ(evaluate({Token::funcVar(OperandClass::Value, kSumIndex, 0)}, {kSheet, kFormulaCell}),
              Value(ErrorCode::Name));
    EXPECT_EQ(evaluate({Token::num(std::nan(""))}, {kSheet, kFormulaCell}), Value(ErrorCode::Num));
}

// Excel's IF carries jump tokens, and any formula may carry spacing: both
// are hints the evaluator passes over.
TEST(FormulaEvaluator, AttributeTokensFromAFileAreHintsOnly)
{
    const auto bytes = [](std::initializer_list<int> values) {
        QByteArray out;
        for (int v : values)
            out.append(char(v));
        return out;
    };
    // IF(FALSE,1,R1C1+ 2): the condition, an attrIf jump, the first choice,
    // an attrGoto, the second choice with a space before 2, a goto, the call.
    const auto tokens
        = decodeRgce(bytes({0x1D, 0,    0x19, 0x02, 8, 0,    0x1E, 1, 0,    0x19, 0x08, 12, 0, 0x44, 0, 0, 0,
                            0,    0x19, 0x40, 0x00, 1, 0x1E, 2,    0, 0x03, 0x19, 0x08, 3,  0, 0x42, 3, 1, 0}));
    ASSERT_TRUE(tokens);
    EXPECT_EQ(evaluate(*tokens, {kSheet, kFormulaCell}), Value(5.0));
    EXPECT_EQ(printR1C1(*tokens, kFormulaCell), "IF(FALSE,1,R1C1+2)");
}

TEST(FormulaEvaluator, ReferencedAreasAreListedInOrder)
{
    const auto tokens = parseR1C1(u"SUM(R1C1:R3C2,R[1]C)+R5C5*R2C2:R1C1", kFormulaCell);
    ASSERT_TRUE(tokens);
    const std::vector<CellRect> expected{{0, 0, 2, 1}, CellRect::at(10, 9), CellRect::at(4, 4), {0, 0, 1, 1}};
    EXPECT_EQ(referencedAreas(*tokens), expected);
}

}  // namespace
}  // namespace jubilo::spreadsheet
