#include "spreadsheet/formula/evaluator_p.h"

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"

#include <cmath>

namespace jubilo::spreadsheet::formula {

namespace {

CellRect areaOf(const Token& t)
{
    if (t.base() == ptg::Ref)
        return CellRect::at(t.first.row, t.first.col);
    return {qMin(t.first.row, t.last.row), qMin(t.first.col, t.last.col), qMax(t.first.row, t.last.row),
            qMax(t.first.col, t.last.col)};
}

Value arithmetic(quint8 op, double a, double b)
{
    double r = 0;
    switch (op) {
    case ptg::Add:
        r = a + b;
        break;
    case ptg::Sub:
        r = a - b;
        break;
    case ptg::Mul:
        r = a * b;
        break;
    case ptg::Div:
        if (b == 0)
            return ErrorCode::Div0;
        r = a / b;
        break;
    default:
        if (a == 0 && b == 0)
            return ErrorCode::Num;
        if (a == 0 && b < 0)
            return ErrorCode::Div0;
        r = std::pow(a, b);
    }
    if (!std::isfinite(r))
        return ErrorCode::Num;
    return r;
}

// Numbers sort before text, text before booleans; text ignores case; a
// blank takes the type of the other side.
int rank(const Value& v) { return isNumber(v) ? 0 : isText(v) ? 1 : 2; }

Value blankLike(const Value& other)
{
    if (isText(other))
        return QString();
    if (isBool(other))
        return false;
    return 0.0;
}

int compareValues(Value a, Value b)
{
    if (isEmpty(a))
        a = blankLike(b);
    if (isEmpty(b))
        b = blankLike(a);
    if (rank(a) != rank(b))
        return rank(a) < rank(b) ? -1 : 1;
    if (isNumber(a))
        return std::get<double>(a) < std::get<double>(b) ? -1 : std::get<double>(a) > std::get<double>(b);
    if (isText(a))
        return std::get<QString>(a).compare(std::get<QString>(b), Qt::CaseInsensitive);
    return int(std::get<bool>(a)) - int(std::get<bool>(b));
}

Value comparison(quint8 op, const Value& a, const Value& b)
{
    const int c = compareValues(a, b);
    switch (op) {
    case ptg::LT:
        return c < 0;
    case ptg::LE:
        return c <= 0;
    case ptg::EQ:
        return c == 0;
    case ptg::GE:
        return c >= 0;
    case ptg::GT:
        return c > 0;
    default:
        return c != 0;
    }
}

Value binary(quint8 op, const Value& a, const Value& b, const EvalContext& ctx)
{
    if (const auto* e = std::get_if<ErrorCode>(&a))
        return *e;
    if (const auto* e = std::get_if<ErrorCode>(&b))
        return *e;
    if (op == ptg::Concat) {
        const auto x = toText(a, ctx), y = toText(b, ctx);
        if (const auto* e = std::get_if<ErrorCode>(&x))
            return *e;
        if (const auto* e = std::get_if<ErrorCode>(&y))
            return *e;
        return std::get<QString>(x) + std::get<QString>(y);
    }
    if (op >= ptg::LT && op <= ptg::NE)
        return comparison(op, a, b);
    const Number x = toNumber(a, ctx), y = toNumber(b, ctx);
    if (const auto* e = std::get_if<ErrorCode>(&x))
        return *e;
    if (const auto* e = std::get_if<ErrorCode>(&y))
        return *e;
    return arithmetic(op, std::get<double>(x), std::get<double>(y));
}

Value unary(quint8 op, const Value& a, const EvalContext& ctx)
{
    if (op == ptg::Uplus)
        return a;
    const Number n = toNumber(a, ctx);
    if (const auto* e = std::get_if<ErrorCode>(&n))
        return *e;
    const double v = std::get<double>(n);
    return op == ptg::Uminus ? -v : v / 100;
}

Operand call(const Token& t, std::vector<Operand> args, const EvalContext& ctx)
{
    const FunctionInfo* f = t.base() == ptg::Attr ? functionByIndex(kSumIndex) : functionByIndex(t.data);
    if (!f || int(args.size()) < f->minArgs || int(args.size()) > f->maxArgs)
        return {ErrorCode::Name, {}, false};
    if (f->index == kIfIndex)  // the one function whose result may be a reference
        return fn::ifChoice(args, ctx);
    return {f->evaluate(args, ctx), {}, false};
}

Operand constant(const Token& t)
{
    switch (t.base()) {
    case ptg::Int:
        return {double(t.data), {}, false};
    case ptg::Num:  // a damaged file's NaN or infinity is no number a cell holds
        return {std::isfinite(t.number) ? Value(t.number) : Value(ErrorCode::Num), {}, false};
    case ptg::Str:
        return {t.text, {}, false};
    case ptg::Bool:
        return {t.code != 0, {}, false};
    case ptg::Err:
        return {ErrorCode(t.code), {}, false};
    case ptg::MissArg:
        return {{}, {}, true};
    case ptg::Ref:
    case ptg::Area:
        return {{}, areaOf(t), false};
    case ptg::RefErr:
    case ptg::AreaErr:
        return {ErrorCode::Ref, {}, false};
    default:
        return {ErrorCode::Value, {}, false};  // range operators are not supported
    }
}

}  // namespace

Value evaluate(const Tokens& tokens, const EvalContext& ctx)
{
    std::vector<Operand> stack;
    for (const Token& t : tokens) {
        const int arity = tokenArity(t);
        if (arity < 0 || std::size_t(arity) > stack.size())
            return ErrorCode::Value;
        std::vector<Operand> args(std::make_move_iterator(stack.end() - arity), std::make_move_iterator(stack.end()));
        stack.resize(stack.size() - arity);
        const quint8 base = t.base();
        if (base == ptg::Attr && arity == 0)
            continue;
        if (base == ptg::Paren)
            stack.push_back(std::move(args[0]));
        else if (base == ptg::Func || base == ptg::FuncVar || base == ptg::Attr)
            stack.push_back(call(t, std::move(args), ctx));
        else if (arity == 2 && base != ptg::Range && base != ptg::Isect && base != ptg::Union)
            stack.push_back({binary(base, scalar(args[0], ctx), scalar(args[1], ctx), ctx), {}, false});
        else if (arity == 1)
            stack.push_back({unary(base, scalar(args[0], ctx), ctx), {}, false});
        else
            stack.push_back(constant(t));
    }
    if (stack.size() != 1)
        return ErrorCode::Value;
    const Value result = scalar(stack.back(), ctx);
    return isEmpty(result) ? Value(0.0) : result;
}

std::vector<CellRect> referencedAreas(const Tokens& tokens)
{
    std::vector<CellRect> areas;
    for (const Token& t : tokens)
        if (t.base() == ptg::Ref || t.base() == ptg::Area)
            areas.push_back(areaOf(t));
    return areas;
}

}  // namespace jubilo::spreadsheet::formula
