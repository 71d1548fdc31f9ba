// Logical, information and text functions.

#include "spreadsheet/formula/functions_p.h"

namespace jubilo::spreadsheet::formula::fn {

namespace {

using Args = std::vector<Operand>;

// AND and OR: booleans and numbers count, text in areas is skipped, an
// argument list with nothing logical in it is #VALUE!.
template <typename Combine>
Value logical(const Args& args, const EvalContext& ctx, bool start, Combine combine)
{
    bool result = start;
    bool any = false;
    std::optional<ErrorCode> error;
    auto take = [&](const Value& v, bool fromArea) {
        if (error || isEmpty(v) || (fromArea && isText(v)))
            return;
        const auto b = toBool(v, ctx);
        if (const auto* e = std::get_if<ErrorCode>(&b)) {
            error = *e;
            return;
        }
        result = combine(result, std::get<bool>(b));
        any = true;
    };
    for (const Operand& arg : args) {
        if (arg.area)
            ctx.sheet.forEachValue(*arg.area, [&](const Value& v) { take(v, true); });
        else if (!arg.missing)
            take(arg.value, false);
    }
    if (error)
        return *error;
    if (!any)
        return ErrorCode::Value;
    return result;
}

// Applies f to the text of the single argument.
template <typename F>
Value onText(const Args& args, const EvalContext& ctx, F f)
{
    const auto t = toText(scalar(args[0], ctx), ctx);
    if (const auto* e = std::get_if<ErrorCode>(&t))
        return *e;
    return f(std::get<QString>(t));
}

// TRIM's rule: spaces (U+0020 only) go from both ends and runs of them
// inside become one; tabs, line breaks and other blanks stay as they are.
QString trimSpaces(const QString& s)
{
    QString out;
    out.reserve(s.size());
    bool pendingSpace = false;
    for (const QChar c : s) {
        if (c == u' ') {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace)
            out += u' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

// The text is read before the count, so of two errors the first argument's
// is the one reported.
Value side(const Args& args, const EvalContext& ctx, bool fromLeft)
{
    const auto text = toText(scalar(args[0], ctx), ctx);
    if (const auto* e = std::get_if<ErrorCode>(&text))
        return *e;
    double n = 1;
    if (args.size() > 1 && !args[1].missing) {
        const Number count = toNumber(scalar(args[1], ctx), ctx);
        if (const auto* e = std::get_if<ErrorCode>(&count))
            return *e;
        n = std::get<double>(count);
    }
    if (n < 0)
        return ErrorCode::Value;
    const auto chars = qsizetype(qMin(n, 1e9));
    const QString& s = std::get<QString>(text);
    return fromLeft ? s.left(chars) : s.right(chars);
}

}  // namespace

Operand ifChoice(const Args& args, const EvalContext& ctx)
{
    const auto cond = toBool(scalar(args[0], ctx), ctx);
    if (const auto* e = std::get_if<ErrorCode>(&cond))
        return {*e, {}, false};
    const std::size_t pick = std::get<bool>(cond) ? 1 : 2;
    if (pick >= args.size())
        return {false, {}, false};  // IF(FALSE, x) is FALSE
    if (args[pick].missing)
        return {0.0, {}, false};
    return args[pick];
}

Value ifFn(const Args& args, const EvalContext& ctx) { return scalar(ifChoice(args, ctx), ctx); }

Value andFn(const Args& args, const EvalContext& ctx)
{
    return logical(args, ctx, true, [](bool a, bool b) { return a && b; });
}

Value orFn(const Args& args, const EvalContext& ctx)
{
    return logical(args, ctx, false, [](bool a, bool b) { return a || b; });
}

Value notFn(const Args& args, const EvalContext& ctx)
{
    const auto b = toBool(scalar(args[0], ctx), ctx);
    if (const auto* e = std::get_if<ErrorCode>(&b))
        return *e;
    return !std::get<bool>(b);
}

Value trueFn(const Args&, const EvalContext&) { return true; }
Value falseFn(const Args&, const EvalContext&) { return false; }
Value na(const Args&, const EvalContext&) { return ErrorCode::NA; }

Value isError(const Args& args, const EvalContext& ctx) { return spreadsheet::isError(scalar(args[0], ctx)); }

Value isBlank(const Args& args, const EvalContext& ctx)
{
    return args[0].area.has_value() && isEmpty(scalar(args[0], ctx));
}

Value len(const Args& args, const EvalContext& ctx)
{
    return onText(args, ctx, [](const QString& s) -> Value { return double(s.size()); });
}

Value upper(const Args& args, const EvalContext& ctx)
{
    return onText(args, ctx, [](const QString& s) -> Value { return s.toUpper(); });
}

Value lower(const Args& args, const EvalContext& ctx)
{
    return onText(args, ctx, [](const QString& s) -> Value { return s.toLower(); });
}

Value trim(const Args& args, const EvalContext& ctx)
{
    return onText(args, ctx, [](const QString& s) -> Value { return trimSpaces(s); });
}

Value left(const Args& args, const EvalContext& ctx) { return side(args, ctx, true); }
Value right(const Args& args, const EvalContext& ctx) { return side(args, ctx, false); }

Value concatenate(const Args& args, const EvalContext& ctx)
{
    QString out;
    for (const Operand& arg : args) {
        const auto t = toText(scalar(arg, ctx), ctx);
        if (const auto* e = std::get_if<ErrorCode>(&t))
            return *e;
        out += std::get<QString>(t);
    }
    return out;
}

}  // namespace jubilo::spreadsheet::formula::fn
