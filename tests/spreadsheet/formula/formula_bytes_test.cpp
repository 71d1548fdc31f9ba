// Formulas through their file form and back: typed text, tokens, the bytes
// FORMULA records hold, tokens again and the text shown, which is the typed
// text written the one way the engine writes it. Bytes that are cut short,
// damaged or hold tokens this engine does not read are refused whole.

#include "spreadsheet/formula/evaluator_p.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"
#include "spreadsheet/formula/rgce_p.h"
#include "sheet_cells.h"

#include "token_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace jubilo::spreadsheet {
namespace {

using namespace formula;

constexpr CellPos kAt{9, 5};  // R10C6
const testing::SheetCells kSheet{{{{0, 0}, 2.0}, {{1, 1}, QStringLiteral("b")}}};

// As typed, and as the engine shows it again.
const std::pair<const char*, const char*> kNormalised[] = {
    {"1 + 2", "1+2"},
    {"sum( r1c1 : r2c2 )", "SUM(R1C1:R2C2)"},
    {"MAX( 1 , R2C2:R3C3 )", "MAX(1,R2C2:R3C3)"},
    {"if(1,,)", "IF(1,,)"},
    {"SUM(1)", "SUM(1)"},
    {"1.0", "1"},
    {"1E3", "1000"},
    {"2.50", "2.5"},
    {".5", "0.5"},
    {"0.1", "0.1"},
    {"65536", "65536"},
    {"1e-7", "1E-07"},
    {"1.5E+300", "1.5E+300"},
    {"#n/a", "#N/A"},
    {"true", "TRUE"},
    {"False", "FALSE"},
    {"\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\""},
    {"\"\u20ac \u00fcn\u00ef\"", "\"\u20ac \u00fcn\u00ef\""},
    {"R[0]C[0]", "RC"},
    {"r[1]c", "R[1]C"},
    {"R10C6", "R10C6"},
    {"R[-9]C[-5]:R[65526]C[250]", "R[-9]C[-5]:R[65526]C[250]"},
    {"R1:R1", "R1"},
    {"R[0]", "R"},
    {"C[1]:C[1]", "C[1]"},
    {"R2:R[1]", "R2:R[1]"},
    {"R1:R65536", "R1C1:R65536C256"},
    {"C1:C256", "R1C1:R65536C256"},
    {"foo", "#NAME?"},
    {"nosuch(1,2)", "#NAME?"},
    {"R[-10]C", "#REF!"},
    {"R[-10]C:R1C1", "#REF!"},
    {"-+-1", "-+-1"},
    {"((1))", "((1))"},
    {"1%%", "1%%"},
    {"2^-R1C1%&\"x\"<=\"y\"", "2^-R1C1%&\"x\"<=\"y\""},
};

TEST(FormulaBytes, TypedTextComesBackNormalisedThroughTheFileForm)
{
    for (const auto& [typed, shown] : kNormalised) {
        const auto tokens = parseR1C1(QString::fromUtf8(typed), kAt);
        ASSERT_TRUE(tokens) << typed;
        const auto decoded = decodeRgce(encodeRgce(*tokens));
        ASSERT_TRUE(decoded) << typed;
        EXPECT_EQ(*decoded, *tokens) << typed;
        const QString printed = printR1C1(*decoded, kAt);
        EXPECT_EQ(printed, QString::fromUtf8(shown)) << typed;
        // The shown text reads as a formula that shows as itself and computes the same.
        const auto again = parseR1C1(printed, kAt);
        ASSERT_TRUE(again) << typed;
        EXPECT_EQ(printR1C1(*again, kAt), printed) << typed;
        EXPECT_EQ(evaluate(*again, {kSheet, kAt}), evaluate(*tokens, {kSheet, kAt})) << typed;
    }
}

// Each proper prefix of a formula's bytes: one that ends between tokens
// holds the tokens before it, one that ends inside a token is refused.
TEST(FormulaBytes, BytesCutShortAreRefusedInsideAToken)
{
    for (const auto& [typed, shown] : kNormalised) {
        const auto tokens = parseR1C1(QString::fromUtf8(typed), kAt);
        ASSERT_TRUE(tokens) << typed;
        const QByteArray whole = encodeRgce(*tokens);
        std::vector<qsizetype> ends{0};  // where each token's bytes end
        for (const Token& t : *tokens)
            ends.push_back(ends.back() + encodeRgce({t}).size());
        ASSERT_EQ(ends.back(), whole.size()) << typed;
        for (qsizetype n = 0; n < whole.size(); ++n) {
            const auto decoded = decodeRgce(whole.left(n));
            const auto boundary = std::find(ends.begin(), ends.end(), n);
            if (boundary == ends.end()) {
                EXPECT_FALSE(decoded) << typed << " cut to " << n << " bytes";
            } else {
                ASSERT_TRUE(decoded) << typed << " cut to " << n << " bytes";
                EXPECT_EQ(*decoded, Tokens(tokens->begin(), tokens->begin() + (boundary - ends.begin())))
                    << typed << " cut to " << n << " bytes";
            }
        }
    }
}

// Any one byte changed to any value: what still decodes is written back in
// as many bytes (jump offsets in the file count them), and evaluating and
// printing it must not crash; the sanitized build also catches any read
// past the bytes.
TEST(FormulaBytes, DamagedBytesDecodeToTheirOwnSizeOrNotAtAll)
{
    for (const char* typed : {"IF(R1C1>0,\"yes\",-1.5)", "SUM(R[-3]C:R[-1]C,R2C2)", "\"\u20ac\"&#N/A&TRUE"}) {
        const auto tokens = parseR1C1(QString::fromUtf8(typed), kAt);
        ASSERT_TRUE(tokens) << typed;
        const QByteArray whole = encodeRgce(*tokens);
        for (qsizetype at = 0; at < whole.size(); ++at) {
            for (int v = 0; v < 256; ++v) {
                QByteArray damaged = whole;
                damaged[at] = char(v);
                const auto decoded = decodeRgce(damaged);
                if (!decoded)
                    continue;
                EXPECT_EQ(encodeRgce(*decoded).size(), whole.size()) << typed << ": byte " << at << " = " << v;
                evaluate(*decoded, {kSheet, kAt});
                printR1C1(*decoded, kAt);
            }
        }
    }
}

// Token ids the engine does not read, payloads cut short, and values no
// field may hold.
const QByteArray kRefusedBytes[] = {
    bytes({0x00}),
    bytes({0x01, 0, 0, 0, 0}),  // the first cell of a shared formula
    bytes({0x02, 0, 0, 0, 0}),  // a data table
    bytes({0x18, 0x19, 0, 0}),
    bytes({0x20, 0, 0, 0, 0, 0, 0, 0}),  // an array constant
    bytes({0x23, 1, 0, 0, 0}),  // a defined name
    bytes({0x26, 0, 0, 0, 0, 0, 0}),
    bytes({0x2C, 0, 0, 0, 0}),  // relative to a shared formula
    bytes({0x39, 0, 0, 1, 0, 0, 0}),
    bytes({0x3A, 0, 0, 0, 0, 0, 0}),  // on another sheet
    bytes({0x84, 0, 0, 0, 0}),  // bit 7 set: no id
    bytes({0x1E, 1, 0, 0xA5, 0, 0, 0, 0, 0, 0, 0, 0}),
    bytes({0x1C, 0x55}),  // no error has this code
    bytes({0x1C, 0x08}),
    bytes({0x1C}),
    bytes({0x1D}),
    bytes({0x1E, 1}),
    bytes({0x1F, 0, 0, 0, 0, 0, 0, 0xF8}),
    bytes({0x17}),
    bytes({0x17, 3, 0, 'a', 'b'}),
    bytes({0x17, 2, 1, 'a', 0, 'b'}),
    bytes({0x19, 0x04, 2, 0, 1, 0, 2, 0}),  // CHOOSE's offsets: three wanted
    bytes({0x41, 27}),
    bytes({0x22, 2, 4}),
    bytes({0x24, 0, 0, 0}),
    bytes({0x25, 0, 0, 0, 0, 0, 0, 0}),
    bytes({0x2A, 0, 0, 0}),
    bytes({0x2B, 0, 0, 0, 0, 0, 0, 0}),
};

TEST(FormulaBytes, UnknownCutOrInvalidTokensAreRefused)
{
    for (const QByteArray& b : kRefusedBytes)
        EXPECT_FALSE(decodeRgce(b)) << b.toHex(' ').toStdString();
    for (const auto code : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref, ErrorCode::Name,
                            ErrorCode::Num, ErrorCode::NA}) {
        const auto decoded = decodeRgce(bytes({0x1C, int(code)}));
        ASSERT_TRUE(decoded) << int(code);
        EXPECT_EQ(*decoded, Tokens{Token::error(code)});
    }
    const auto empty = decodeRgce({});
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(printR1C1(*empty, kAt), "#VALUE!");
}

}  // namespace
}  // namespace jubilo::spreadsheet
