// The formula part alone: R1C1 text to tokens, tokens to the bytes FORMULA
// records hold and back, and tokens printed as text. What formulas compute
// is tested in formula_evaluator_test.cpp, and on a sheet in
// tests/spreadsheet/model/formula_test.cpp.

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"
#include "spreadsheet/formula/rgce_p.h"

#include "token_bytes.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

using namespace formula;

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
    EXPECT_EQ(compiled("SUM(R[-3]C:R[-1]C)", {9, 5}), bytes({0x25, 6, 0, 8, 0, 5, 0xC0, 5, 0xC0, 0x19, 0x10, 0, 0}));
    EXPECT_EQ(compiled("R1C1+1", {1, 0}), bytes({0x44, 0, 0, 0, 0, 0x1E, 1, 0, 0x03}));
    EXPECT_EQ(compiled("ROUND(RC[-1],2)", {0, 3}), bytes({0x44, 0, 0, 2, 0xC0, 0x1E, 2, 0, 0x41, 27, 0}));
    EXPECT_EQ(compiled("IF(TRUE,\"a\",-1.5)", {0, 0}),
              bytes({0x1D, 1, 0x17, 1, 0, 'a', 0x1F, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0x13, 0x42, 3, 1, 0}));
    EXPECT_EQ(compiled("(1)%&#N/A", {0, 0}), bytes({0x1E, 1, 0, 0x15, 0x14, 0x1C, 0x2A, 0x08}));
    EXPECT_EQ(compiled("R[-1]C", {0, 0}), bytes({0x4A, 0, 0, 0, 0}));  // off the grid: #REF!
    EXPECT_EQ(compiled("COUNT(C2)", {0, 0}), bytes({0x25, 0, 0, 0xFF, 0xFF, 1, 0, 1, 0, 0x42, 1, 0, 0}));
}

TEST(FormulaTokens, BytesDecodeBackAndPrintAsTyped)
{
    const CellPos at{9, 5};
    for (const char* text :
         {"SUM(R[-3]C:R[-1]C)", "R1C1+RC[1]*2-R[1]C3/4", "IF(R2C3>0,\"yes\",\"no \"\"q\"\"\")", "-R1C1^2%",
          "CONCATENATE(\"a\",UPPER(R1C1),LEN(\"xyz\"))", "AND(TRUE,NOT(FALSE))", "SUM(R2,C2:C4)", "ROUND(3.14159,2)",
          "MAX(R1C1:R5C5,1E+20)", "#DIV/0!", "IF(R1C1,,R1C2)", "(1+2)*3"}) {
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
    for (const char* text :
         {"", "SUM(", "1+", "R1C1:", "\"open", "ROUND(1)", "NOT(1,2)", "1 2", ")", "R0C1", "SUM(1;2)"}) {
        EXPECT_FALSE(parseR1C1(QString::fromUtf8(text), {0, 0})) << text;
    }
    EXPECT_FALSE(parseR1C1(QString(300, u'(') + u'1' + QString(300, u')'), {0, 0}));
    EXPECT_FALSE(parseR1C1(u'"' + QString(256, u'x') + u'"', {0, 0}));
    EXPECT_FALSE(decodeRgce(bytes({0x44, 0, 0})));  // cut short
    EXPECT_FALSE(decodeRgce(bytes({0x23, 1, 0, 0, 0})));  // a defined name
    EXPECT_EQ(printR1C1({Token::op(ptg::Add)}, {0, 0}), "#VALUE!");
}

// Jump tokens count bytes, so a formula read from a file is written back in
// its own bytes: CHOOSE's table of offsets, and a text stored in UTF-16
// although one byte a character would hold it.
TEST(FormulaTokens, FormulasFromAFileAreWrittenBackInTheirOwnBytes)
{
    const QByteArray choose = bytes({0x1E, 1, 0, 0x19, 0x04, 1, 0,   4,    0,    12, 0, 0x17, 1, 0,   'a', 0x19,
                                     0x08, 9, 0, 0x17, 1,    0, 'b', 0x19, 0x08, 3,  0, 0x42, 3, 100, 0});
    const QByteArray wide = bytes({0x17, 2, 1, 'h', 0, 'i', 0});
    for (const QByteArray& stored : {choose, wide}) {
        const auto tokens = decodeRgce(stored);
        ASSERT_TRUE(tokens);
        EXPECT_EQ(encodeRgce(*tokens), stored);
    }
    EXPECT_EQ(compiled("\"hi\"", {0, 0}), bytes({0x17, 2, 0, 'h', 'i'})) << "typed texts stay one byte a character";
}

// Every function in the table: one argument too few or too many is refused,
// the fewest and the most survive the file form and print back as typed.
TEST(FormulaTokens, EveryRegisteredFunctionTakesItsArgumentCountsAndSurvivesTheFileForm)
{
    const auto call = [](const FunctionInfo& f, int args) {
        return QLatin1String(f.name) + u'(' + QStringList(args, QStringLiteral("1")).join(u',') + u')';
    };
    int registered = 0;
    for (int index = 0; index <= 0xFFFF; ++index) {
        const FunctionInfo* f = functionByIndex(quint16(index));
        if (!f)
            continue;
        ++registered;
        EXPECT_EQ(functionByName(QString::fromLatin1(f->name).toLower()), f) << f->name;
        if (f->minArgs > 0) {
            EXPECT_FALSE(parseR1C1(call(*f, f->minArgs - 1), {0, 0})) << f->name << " with too few arguments";
        }
        EXPECT_FALSE(parseR1C1(call(*f, f->maxArgs + 1), {0, 0})) << f->name << " with too many arguments";
        for (int args : {int(f->minArgs), int(f->maxArgs)}) {
            const QString text = call(*f, args);
            const auto tokens = parseR1C1(text, {0, 0});
            ASSERT_TRUE(tokens) << text.toStdString();
            const auto decoded = decodeRgce(encodeRgce(*tokens));
            ASSERT_TRUE(decoded) << text.toStdString();
            EXPECT_EQ(*decoded, *tokens) << text.toStdString();
            EXPECT_EQ(printR1C1(*decoded, {0, 0}), text);
        }
    }
    EXPECT_GT(registered, 0);
}

}  // namespace
}  // namespace jubilo::spreadsheet
