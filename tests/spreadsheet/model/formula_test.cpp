#include "spreadsheet/model/application.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"
#include "spreadsheet/formula/rgce_p.h"
#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

using namespace formula;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray compiled(const char* text, CellPos at)
{
    const auto tokens = parseR1C1(QString::fromUtf8(text), at);
    return tokens ? encodeRgce(*tokens) : QByteArray("unparsed");
}

TEST(FormulaTokens, ReferencesAreAbsoluteWithRelativeFlags)
{
    const auto tokens = parseR1C1(u"SUM(R[-3]C:R[-1]C)", {9, 5});  // in F10
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 2u);
    const Token& area = (*tokens)[0];
    EXPECT_EQ(area.id, 0x25);  // reference class: SUM takes references
    EXPECT_EQ(area.first, (CellOperand{6, 5, true, true}));
    EXPECT_EQ(area.last, (CellOperand{8, 5, true, true}));
    EXPECT_EQ((*tokens)[1], Token::attrSum());

    const auto fixed = parseR1C1(u"R2C3", {0, 0});
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->front(), Token::ref(OperandClass::Value, {1, 2, false, false}));
}

TEST(FormulaTokens, EncodeToTheBytesFormulaRecordsHold)
{
    EXPECT_EQ(compiled("SUM(R[-3]C:R[-1]C)", {9, 5}),
              bytes({0x25, 6, 0, 8, 0, 5, 0xC0, 5, 0xC0, 0x19, 0x10, 0, 0}));
    EXPECT_EQ(compiled("R1C1+1", {1, 0}), bytes({0x44, 0, 0, 0, 0, 0x1E, 1, 0, 0x03}));
    EXPECT_EQ(compiled("ROUND(RC[-1],2)", {0, 3}),
              bytes({0x44, 0, 0, 2, 0xC0, 0x1E, 2, 0, 0x41, 27, 0}));
    EXPECT_EQ(compiled("IF(TRUE,\"a\",-1.5)", {0, 0}),
              bytes({0x1D, 1, 0x17, 1, 0, 'a', 0x1F, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0x13, 0x42, 3, 1, 0}));
    EXPECT_EQ(compiled("(1)%&#N/A", {0, 0}), bytes({0x1E, 1, 0, 0x15, 0x14, 0x1C, 0x2A, 0x08}));
    EXPECT_EQ(compiled("R[-1]C", {0, 0}), bytes({0x4A, 0, 0, 0, 0}));  // off the grid: #REF!
    EXPECT_EQ(compiled("COUNT(C2)", {0, 0}),
              bytes({0x25, 0, 0, 0xFF, 0xFF, 1, 0, 1, 0, 0x42, 1, 0, 0}));
}

TEST(FormulaTokens, BytesDecodeBackAndPrintAsTyped)
{
    const CellPos at{9, 5};
    for (const char* text : {"SUM(R[-3]C:R[-1]C)", "R1C1+RC[1]*2-R[1]C3/4", "IF(R2C3>0,\"yes\",\"no \"\"q\"\"\")",
                             "-R1C1^2%", "CONCATENATE(\"a\",UPPER(R1C1),LEN(\"xyz\"))", "AND(TRUE,NOT(FALSE))",
                             "SUM(R2,C2:C4)", "ROUND(3.14159,2)", "MAX(R1C1:R5C5,1E+20)", "#DIV/0!",
                             "IF(R1C1,,R1C2)", "(1+2)*3"}) {
        const auto tokens = parseR1C1(QString::fromUtf8(text), at);
        ASSERT_TRUE(tokens) << text;
        const auto decoded = decodeRgce(encodeRgce(*tokens));
        ASSERT_TRUE(decoded) << text;
        EXPECT_EQ(*decoded, *tokens) << text;
        EXPECT_EQ(printR1C1(*decoded, at), QString::fromUtf8(text)) << text;
    }
}

TEST(FormulaTokens, MalformedTextAndBytesAreRefused)
{
    for (const char* text : {"", "SUM(", "1+", "R1C1:", "\"open", "ROUND(1)", "NOT(1,2)", "1 2", ")", "R0C1",
                             "SUM(1;2)"}) {
        EXPECT_FALSE(parseR1C1(QString::fromUtf8(text), {0, 0})) << text;
    }
    EXPECT_FALSE(parseR1C1(QString(300, u'(') + u'1' + QString(300, u')'), {0, 0}));
    EXPECT_FALSE(parseR1C1(u'"' + QString(256, u'x') + u'"', {0, 0}));
    EXPECT_FALSE(decodeRgce(bytes({0x44, 0, 0})));        // cut short
    EXPECT_FALSE(decodeRgce(bytes({0x23, 1, 0, 0, 0})));  // a defined name
    EXPECT_EQ(printR1C1({Token::op(ptg::Add)}, {0, 0}), "#VALUE!");
}

class FormulaSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
        app->addWorkbook();
    }
    void put(const char* cell, const QString& text) { app->range(QString::fromLatin1(cell)).setFormulaR1C1(text); }
    Value value(const char* cell) { return app->range(QString::fromLatin1(cell)).value(); }

    std::shared_ptr<Application> app;
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

TEST_F(FormulaSheet, FunctionsAndOperators)
{
    put("A1", "3");
    put("A2", "-4.5");
    put("A3", "hello");
    const std::vector<std::pair<const char*, Value>> cases{
        {"=AVERAGE(R1C1:R3C1)", -0.75}, {"=MIN(R1C1:R3C1)", -4.5}, {"=MAX(R1C1:R3C1)", 3.0},
        {"=AVERAGE(R20C1:R21C1)", ErrorCode::Div0}, {"=ROUND(2.675,2)", 2.68}, {"=ROUND(-2.5,0)", -3.0},
        {"=ABS(R2C1)", 4.5}, {"=IF(R1C1>2,\"big\",\"small\")", QStringLiteral("big")}, {"=IF(FALSE,1)", false},
        {"=AND(TRUE,R1C1)", true}, {"=OR(FALSE,0)", false}, {"=NOT(R1C1)", false}, {"=LEN(R3C1)", 5.0},
        {"=UPPER(R3C1)", QStringLiteral("HELLO")}, {"=LOWER(\"AbC\")", QStringLiteral("abc")},
        {"=CONCATENATE(R3C1,\" \",R1C1,TRUE)", QStringLiteral("hello 3TRUE")},
        {"=R3C1&1/4", QStringLiteral("hello0.25")}, {"=-2^2", 4.0}, {"=2^-1", 0.5}, {"=50%", 0.5},
        {"=1+2*3-4/2", 5.0}, {"=(1+2)*3", 9.0}, {"=\"B\">\"a\"", true}, {"=1<\"1\"", true}, {"=R50C1=0", true},
        {"=2=2.0", true}, {"=R1C1<>3", false}, {"=\"3\"*2", 6.0}, {"=R30C30", 0.0}, {"=SQRT(-1)", ErrorCode::Num},
        {"=MOD(-3,2)", 1.0}, {"=LEFT(\"party\",2)&RIGHT(\"party\")", QStringLiteral("pay")},
    };
    int row = 10;
    for (const auto& [text, expected] : cases) {
        const QString cell = QStringLiteral("B%1").arg(++row);
        app->range(cell).setFormulaR1C1(QString::fromUtf8(text));
        EXPECT_EQ(app->range(cell).value(), expected) << text;
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
