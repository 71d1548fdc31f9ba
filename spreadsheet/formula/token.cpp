#include "spreadsheet/formula/token_p.h"

namespace jubilo::spreadsheet::formula {

namespace {

quint8 classed(quint8 base, OperandClass c) { return quint8((base & 0x1F) | quint8(c)); }

}  // namespace

Token Token::op(quint8 id)
{
    Token t;
    t.id = id;
    return t;
}

Token Token::integer(quint16 v)
{
    Token t = op(ptg::Int);
    t.data = v;
    return t;
}

Token Token::num(double v)
{
    Token t = op(ptg::Num);
    t.number = v;
    return t;
}

Token Token::str(const QString& s)
{
    Token t = op(ptg::Str);
    t.text = s;
    return t;
}

Token Token::boolean(bool b)
{
    Token t = op(ptg::Bool);
    t.code = b ? 1 : 0;
    return t;
}

Token Token::error(ErrorCode e)
{
    Token t = op(ptg::Err);
    t.code = quint8(e);
    return t;
}

Token Token::ref(OperandClass c, CellOperand at)
{
    Token t = op(classed(ptg::Ref, c));
    t.first = at;
    return t;
}

Token Token::area(OperandClass c, CellOperand first, CellOperand last)
{
    Token t = op(classed(ptg::Area, c));
    t.first = first;
    t.last = last;
    return t;
}

Token Token::refError(OperandClass c) { return op(classed(ptg::RefErr, c)); }
Token Token::areaError(OperandClass c) { return op(classed(ptg::AreaErr, c)); }

Token Token::func(OperandClass c, quint16 index)
{
    Token t = op(classed(ptg::Func, c));
    t.data = index;
    return t;
}

Token Token::funcVar(OperandClass c, quint16 index, quint8 args)
{
    Token t = op(classed(ptg::FuncVar, c));
    t.data = index;
    t.argCount = args;
    return t;
}

Token Token::attrSum()
{
    Token t = op(ptg::Attr);
    t.attr = kAttrSum;
    return t;
}

}  // namespace jubilo::spreadsheet::formula
