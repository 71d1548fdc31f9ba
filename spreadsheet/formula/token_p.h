#pragma once
// A parsed formula is a list of tokens in reverse Polish order, one token per
// BIFF8 "Ptg": the form FORMULA records store, so encoding is a direct
// translation. References hold absolute grid positions plus "relative"
// flags, as cell formulas in the file do.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace jubilo::spreadsheet::formula {

// Token ids. Operand tokens below 0x20 carry no class; classed tokens are
// listed with the reference class (0x20) and take 0x40 (value) or 0x60
// (array) instead.
namespace ptg {
inline constexpr quint8 Add = 0x03, Sub = 0x04, Mul = 0x05, Div = 0x06, Power = 0x07, Concat = 0x08;
inline constexpr quint8 LT = 0x09, LE = 0x0A, EQ = 0x0B, GE = 0x0C, GT = 0x0D, NE = 0x0E;
inline constexpr quint8 Isect = 0x0F, Union = 0x10, Range = 0x11;
inline constexpr quint8 Uplus = 0x12, Uminus = 0x13, Percent = 0x14, Paren = 0x15, MissArg = 0x16;
inline constexpr quint8 Str = 0x17, Attr = 0x19, Err = 0x1C, Bool = 0x1D, Int = 0x1E, Num = 0x1F;
inline constexpr quint8 Func = 0x21, FuncVar = 0x22, Ref = 0x24, Area = 0x25, RefErr = 0x2A, AreaErr = 0x2B;
}  // namespace ptg

enum class OperandClass : quint8 { Reference = 0x20, Value = 0x40, Array = 0x60 };

// PtgAttr option bits.
inline constexpr quint8 kAttrSum = 0x10;

struct CellOperand {
    int row = 0;  // absolute, 0-based
    int col = 0;
    bool rowRelative = false;
    bool colRelative = false;
    bool operator==(const CellOperand&) const = default;
};

struct Token {
    quint8 id = 0;  // as stored, class bits included
    quint8 argCount = 0;  // FuncVar
    quint8 attr = 0;  // Attr option bits
    quint8 code = 0;  // Bool (0/1), Err (error code)
    quint16 data = 0;  // Int value, Func/FuncVar function index, Attr data
    double number = 0;  // Num
    QString text;  // Str
    // A formula read from a file is written back in as many bytes, since
    // the offsets of its Attr tokens count bytes: a Str stored in UTF-16
    // where one byte a character would do stays so, and an Attr choose
    // keeps its table of offsets as read.
    bool wideText = false;
    QByteArray jumps;
    CellOperand first;  // Ref, and the first corner of Area
    CellOperand last;  // Area

    // The id with a classed token's class folded to the reference class.
    quint8 base() const { return id < 0x20 ? id : quint8((id & 0x1F) | 0x20); }
    bool operator==(const Token&) const = default;

    static Token op(quint8 id);
    static Token integer(quint16 v);
    static Token num(double v);
    static Token str(const QString& s);
    static Token boolean(bool b);
    static Token error(ErrorCode e);
    static Token ref(OperandClass c, CellOperand at);
    static Token area(OperandClass c, CellOperand first, CellOperand last);
    static Token refError(OperandClass c);
    static Token areaError(OperandClass c);
    static Token func(OperandClass c, quint16 index);
    static Token funcVar(OperandClass c, quint16 index, quint8 args);
    static Token attrSum();
};

using Tokens = std::vector<Token>;

}  // namespace jubilo::spreadsheet::formula
