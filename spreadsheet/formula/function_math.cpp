// Numeric functions. Aggregates follow the spreadsheet rule: inside a
// referenced area only numbers count (text, booleans and blanks are
// skipped), while an argument given directly is converted or fails.

#include "spreadsheet/formula/functions_p.h"

#include <cmath>
#include <limits>

namespace jubilo::spreadsheet::formula::fn {

namespace {

using Args = std::vector<Operand>;

// Calls take(number) for each number the arguments hold; the first error
// found ends the walk and is returned.
template <typename Take>
std::optional<ErrorCode> eachNumber(const Args& args, const EvalContext& ctx, Take take)
{
    std::optional<ErrorCode> error;
    for (const Operand& arg : args) {
        if (arg.missing)
            continue;
        if (arg.area) {
            ctx.sheet.forEachValue(*arg.area, [&](const Value& v) {
                if (error)
                    return;
                if (const auto* e = std::get_if<ErrorCode>(&v))
                    error = *e;
                else if (const auto* d = std::get_if<double>(&v))
                    take(*d);
            });
        } else {
            const Number n = toNumber(arg.value, ctx);
            if (const auto* e = std::get_if<ErrorCode>(&n))
                error = *e;
            else
                take(std::get<double>(n));
        }
        if (error)
            return error;
    }
    return std::nullopt;
}

Value checked(double v)
{
    if (!std::isfinite(v))
        return ErrorCode::Num;
    return v;
}

// Evaluates the numeric arguments of a fixed-arity function.
std::optional<ErrorCode> numbers(const Args& args, const EvalContext& ctx, double* out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Number n = toNumber(scalar(args[i], ctx), ctx);
        if (const auto* e = std::get_if<ErrorCode>(&n))
            return *e;
        out[i] = std::get<double>(n);
    }
    return std::nullopt;
}

// Half away from zero, after trimming binary noise (2.675 rounds to 2.68).
double roundHalfAway(double v, int digits)
{
    const double scale = std::pow(10.0, qBound(-308, digits, 308));
    const double scaled = QString::number(std::abs(v) * scale, 'g', 15).toDouble();
    return std::copysign(std::floor(scaled + 0.5) / scale, v);
}

}  // namespace

Value sum(const Args& args, const EvalContext& ctx)
{
    double total = 0;
    if (const auto e = eachNumber(args, ctx, [&](double d) { total += d; }))
        return *e;
    return checked(total);
}

Value product(const Args& args, const EvalContext& ctx)
{
    double total = 1;
    bool any = false;
    if (const auto e = eachNumber(args, ctx, [&](double d) { total *= d, any = true; }))
        return *e;
    return checked(any ? total : 0);
}

Value average(const Args& args, const EvalContext& ctx)
{
    double total = 0;
    int n = 0;
    if (const auto e = eachNumber(args, ctx, [&](double d) { total += d, ++n; }))
        return *e;
    if (n == 0)
        return ErrorCode::Div0;
    return checked(total / n);
}

Value min(const Args& args, const EvalContext& ctx)
{
    double best = std::numeric_limits<double>::infinity();
    if (const auto e = eachNumber(args, ctx, [&](double d) { best = std::min(best, d); }))
        return *e;
    return std::isinf(best) ? 0.0 : best;
}

Value max(const Args& args, const EvalContext& ctx)
{
    double best = -std::numeric_limits<double>::infinity();
    if (const auto e = eachNumber(args, ctx, [&](double d) { best = std::max(best, d); }))
        return *e;
    return std::isinf(best) ? 0.0 : best;
}

Value count(const Args& args, const EvalContext& ctx)
{
    double n = 0;
    for (const Operand& arg : args) {
        if (arg.area)
            ctx.sheet.forEachValue(*arg.area, [&](const Value& v) { n += isNumber(v); });
        else if (!arg.missing && std::holds_alternative<double>(toNumber(arg.value, ctx)))
            ++n;
    }
    return n;
}

Value counta(const Args& args, const EvalContext& ctx)
{
    double n = 0;
    for (const Operand& arg : args) {
        if (arg.area)
            ctx.sheet.forEachValue(*arg.area, [&](const Value& v) { n += !isEmpty(v); });
        else if (!arg.missing)
            ++n;
    }
    return n;
}

Value round(const Args& args, const EvalContext& ctx)
{
    double v[2];
    if (const auto e = numbers(args, ctx, v))
        return *e;
    return checked(roundHalfAway(v[0], int(std::trunc(v[1]))));
}

Value abs(const Args& args, const EvalContext& ctx)
{
    double v[1];
    if (const auto e = numbers(args, ctx, v))
        return *e;
    return std::abs(v[0]);
}

Value intPart(const Args& args, const EvalContext& ctx)
{
    double v[1];
    if (const auto e = numbers(args, ctx, v))
        return *e;
    return std::floor(v[0]);
}

Value mod(const Args& args, const EvalContext& ctx)
{
    double v[2];
    if (const auto e = numbers(args, ctx, v))
        return *e;
    if (v[1] == 0)
        return ErrorCode::Div0;
    return checked(v[0] - v[1] * std::floor(v[0] / v[1]));
}

Value sqrt(const Args& args, const EvalContext& ctx)
{
    double v[1];
    if (const auto e = numbers(args, ctx, v))
        return *e;
    if (v[0] < 0)
        return ErrorCode::Num;
    return std::sqrt(v[0]);
}

Value pi(const Args&, const EvalContext&) { return M_PI; }

}  // namespace jubilo::spreadsheet::formula::fn
