// R1C1 text read into tokens: how operators bind, what literals become,
// references at the grid's edges, and the texts that are no formula.

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace jubilo::spreadsheet {
namespace {

using namespace formula;

const std::map<quint8, std::string> kOperatorText{
    {ptg::Add, "+"}, {ptg::Sub, "-"}, {ptg::Mul, "*"}, {ptg::Div, "/"}, {ptg::Power, "^"}, {ptg::Concat, "&"},
    {ptg::LT, "<"},  {ptg::LE, "<="}, {ptg::EQ, "="},  {ptg::GE, ">="}, {ptg::GT, ">"},    {ptg::NE, "<>"},
};

// The tokens as a fully bracketed expression, so the order the parser put
// them in shows which operator binds which operands: "-2^2" is "((-2)^2)".
// Parentheses typed in the text leave no trace.
std::string bracketed(const Tokens& tokens)
{
    std::vector<std::string> stack;
    for (const Token& t : tokens) {
        const int arity = tokenArity(t);
        if (arity < 0 || std::size_t(arity) > stack.size())
            return "malformed";
        std::vector<std::string> args(stack.end() - arity, stack.end());
        stack.resize(stack.size() - arity);
        const quint8 base = t.base();
        if (base == ptg::Paren) {
            stack.push_back(args[0]);
        } else if (base == ptg::Uminus || base == ptg::Uplus) {
            stack.push_back(std::string("(") + (base == ptg::Uminus ? "-" : "+") + args[0] + ")");
        } else if (base == ptg::Percent) {
            stack.push_back("(" + args[0] + "%)");
        } else if (kOperatorText.contains(base)) {
            stack.push_back("(" + args[0] + kOperatorText.at(base) + args[1] + ")");
        } else if (base == ptg::Func || base == ptg::FuncVar || base == ptg::Attr) {
            const FunctionInfo* f = functionByIndex(base == ptg::Attr ? kSumIndex : t.data);
            std::string call = std::string(f ? f->name : "?") + "(";
            for (std::size_t i = 0; i < args.size(); ++i)
                call += (i ? "," : "") + args[i];
            stack.push_back(call + ")");
        } else {
            stack.push_back(printR1C1({t}, {0, 0}).toStdString());
        }
    }
    return stack.size() == 1 ? stack.front() : "malformed";
}

std::string structure(const char* text)
{
    const auto tokens = parseR1C1(QString::fromUtf8(text), {0, 0});
    return tokens ? bracketed(*tokens) : "refused";
}

// Unary signs bind tightest, then percent, then ^, * and /, + and -, &, and
// the comparisons loosest; operators of one level take their left side first.
const std::pair<const char*, const char*> kPrecedence[] = {
    {"-2^2", "((-2)^2)"},
    {"2^-2", "(2^(-2))"},
    {"2^3^2", "((2^3)^2)"},
    {"-3%", "((-3)%)"},
    {"2^3%", "(2^(3%))"},
    {"50%%", "((50%)%)"},
    {"2*3%", "(2*(3%))"},
    {"1+2*3", "(1+(2*3))"},
    {"(1+2)*3", "((1+2)*3)"},
    {"1-2-3", "((1-2)-3)"},
    {"8/2/2", "((8/2)/2)"},
    {"8/2*2", "((8/2)*2)"},
    {"1-2+3", "((1-2)+3)"},
    {"1&2+3", "(1&(2+3))"},
    {"1+2&3", "((1+2)&3)"},
    {"\"a\"&\"b\"&\"c\"", "((\"a\"&\"b\")&\"c\")"},
    {"1&2=\"12\"", "((1&2)=\"12\")"},
    {"1<2=TRUE", "((1<2)=TRUE)"},
    {"1<=2", "(1<=2)"},
    {"1>=2", "(1>=2)"},
    {"1<>2", "(1<>2)"},
    {"1<2", "(1<2)"},
    {"1>2", "(1>2)"},
    {"1+2>=3*4", "((1+2)>=(3*4))"},
    {"--1", "(-(-1))"},
    {"+-1", "(+(-1))"},
    {"-R1C1^2%", "((-R1C1)^(2%))"},
    {" 1 +\t2 * 3 ", "(1+(2*3))"},
    {"SUM(1,2*3)-1", "(SUM(1,(2*3))-1)"},
    {"-SUM(1)", "(-SUM(1))"},
    {"IF(1<2,,-1)", "IF((1<2),,(-1))"},
};

TEST(FormulaParser, OperatorsBindByPrecedenceAndFromTheLeft)
{
    for (const auto& [text, expected] : kPrecedence)
        EXPECT_EQ(structure(text), expected) << text;
}

const std::pair<const char*, Token> kLiterals[] = {
    {"\"say \"\"hi\"\"\"", Token::str(QStringLiteral("say \"hi\""))},
    {"\"\"", Token::str(QString())},
    {"\"\"\"\"", Token::str(QStringLiteral("\""))},
    {"\" a,b) \"", Token::str(QStringLiteral(" a,b) "))},
    {"0", Token::integer(0)},
    {"65535", Token::integer(65535)},
    {"65536", Token::num(65536)},
    {"1E3", Token::integer(1000)},
    {"2.50", Token::num(2.5)},
    {".5", Token::num(0.5)},
    {"1e-3", Token::num(0.001)},
    {"1.5E+2", Token::integer(150)},
    {"TRUE", Token::boolean(true)},
    {"false", Token::boolean(false)},
    {"#NULL!", Token::error(ErrorCode::Null)},
    {"#DIV/0!", Token::error(ErrorCode::Div0)},
    {"#VALUE!", Token::error(ErrorCode::Value)},
    {"#REF!", Token::error(ErrorCode::Ref)},
    {"#NAME?", Token::error(ErrorCode::Name)},
    {"#NUM!", Token::error(ErrorCode::Num)},
    {"#n/a", Token::error(ErrorCode::NA)},
    {"no_such_name", Token::error(ErrorCode::Name)},
    {"NOSUCH(1,R1C1)", Token::error(ErrorCode::Name)},  // the arguments go with the call
    {"R1C1X", Token::error(ErrorCode::Name)},
};

TEST(FormulaParser, LiteralsAndNamesBecomeSingleTokens)
{
    for (const auto& [text, expected] : kLiterals) {
        const auto tokens = parseR1C1(QString::fromUtf8(text), {0, 0});
        ASSERT_TRUE(tokens) << text;
        EXPECT_EQ(*tokens, Tokens{expected}) << text;
    }
}

struct ReferenceCase {
    const char* text;
    CellPos at;  // the formula's cell
    Token expected;
};

constexpr auto V = OperandClass::Value;
constexpr CellPos kCorner{kLastRow, kLastColumn};

const ReferenceCase kReferences[] = {
    {"R1C1", {5, 5}, Token::ref(V, {0, 0, false, false})},
    {"r2c3", {5, 5}, Token::ref(V, {1, 2, false, false})},
    {"R65536C256", {0, 0}, Token::ref(V, {kLastRow, kLastColumn, false, false})},
    {"RC", kCorner, Token::ref(V, {kLastRow, kLastColumn, true, true})},
    {"R[0]C[0]", {3, 4}, Token::ref(V, {3, 4, true, true})},
    {"R[-1]C[1]", {3, 4}, Token::ref(V, {2, 5, true, true})},
    {"R[65535]C[255]", {0, 0}, Token::ref(V, {kLastRow, kLastColumn, true, true})},
    {"R[-65535]C[-255]", kCorner, Token::ref(V, {0, 0, true, true})},
    {"R[1]C", {kLastRow, 0}, Token::refError(V)},
    {"R[-1]C", {0, 0}, Token::refError(V)},
    {"RC[1]", {0, kLastColumn}, Token::refError(V)},
    {"RC[-1]", {0, 0}, Token::refError(V)},
    {"R1", {0, 0}, Token::area(V, {0, 0, false, false}, {0, kLastColumn, false, false})},
    {"R1:R3", {0, 0}, Token::area(V, {0, 0, false, false}, {2, kLastColumn, false, false})},
    {"R", {4, 7}, Token::area(V, {4, 0, true, false}, {4, kLastColumn, true, false})},
    {"C2:C4", {0, 0}, Token::area(V, {0, 1, false, false}, {kLastRow, 3, false, false})},
    {"C[-1]", {0, 3}, Token::area(V, {0, 2, false, true}, {kLastRow, 2, false, true})},
    {"C256", {0, 0}, Token::area(V, {0, kLastColumn, false, false}, {kLastRow, kLastColumn, false, false})},
    {"R1C1:R65536C256", {0, 0}, Token::area(V, {0, 0, false, false}, {kLastRow, kLastColumn, false, false})},
    {"R3C3 : R[-1]C[-1]", {0, 0}, Token::areaError(V)},
    {"R[-1]C:R[1]C", {0, 0}, Token::areaError(V)},
    {"R[1]:R[2]", {kLastRow - 1, 0}, Token::areaError(V)},
    {"R2C2:R1C1", {0, 0}, Token::area(V, {1, 1, false, false}, {0, 0, false, false})},
};

TEST(FormulaParser, ReferencesResolveAgainstTheFormulasCellUpToTheGridsEdges)
{
    for (const auto& [text, at, expected] : kReferences) {
        const auto tokens = parseR1C1(QString::fromUtf8(text), at);
        ASSERT_TRUE(tokens) << text;
        EXPECT_EQ(*tokens, Tokens{expected}) << text << " in R" << at.row + 1 << "C" << at.col + 1;
    }
}

// Every one of these is refused rather than read as something else.
const char* const kMalformed[] = {
    "(1",
    "1)",
    "((1)",
    "()",
    "1+",
    "*1",
    "1*",
    "1^",
    "1&",
    "1=",
    "=1",
    "<1",
    "1<>",
    "1=<2",
    "1 2",
    "1,2",
    "1..2",
    ".",
    "1E",
    "1E+",
    "\"abc",
    "\"a\"\"",
    "#DIV/0",
    "#NAME",
    "#FOO!",
    "SUM(1,2",
    "SUM(1 2)",
    "SUM(1;2)",
    "SUM()",
    "PI(1)",
    "NA(,)",
    "IF(1)",
    "IF(1,2,3,4)",
    "NOT()",
    "ROUND(1)",
    "R[1C",
    "R[x]C",
    "R[]C",
    "R1C1:",
    ":R1C1",
    "R1C1:R2",
    "R1:C1",
    "R1C1:C1",
    "R0C1",
    "R1C0",
    "R65537C1",
    "R1C257",
    "R[65536]C",
    "RC[256]",
    "RC[-256]",
    "R[-2147483648]C",
    "R99999999999C1",
    "R1C1 R2C2",
    "{1,2}",
    "@1",
    "$R1C1",
};

TEST(FormulaParser, MalformedTextIsRefused)
{
    for (const char* text : kMalformed)
        EXPECT_EQ(structure(text), "refused") << text;
}

// The parser counts the arguments it reads, empty ones included.
TEST(FormulaParser, ArgumentCountsIncludeEmptyArguments)
{
    const auto argumentCount = [](const char* text) {
        const auto tokens = parseR1C1(QString::fromUtf8(text), {0, 0});
        return tokens ? int(tokens->back().argCount) : -1;
    };
    EXPECT_EQ(argumentCount("MAX(,)"), 2);
    EXPECT_EQ(argumentCount("MAX(1,,)"), 3);
    EXPECT_EQ(argumentCount("MAX( 1 , 2 )"), 2);
    EXPECT_EQ(argumentCount("IF(1,,)"), 3);
}

}  // namespace
}  // namespace jubilo::spreadsheet
