// Numeric functions. Aggregates follow the spreadsheet rule: inside a
// referenced area only numbers count (text, booleans and blanks are
// skipped), while an argument given directly is converted or fails.

#include "spreadsheet/formula/functions_p.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Significant digits a spreadsheet keeps of a number.
constexpr int kSignificantDigits = 15;
// Decimal places past which rounding changes nothing: a double's decimal
// exponent lies within -324 to 308, and 15 digits are kept.
constexpr double kMaxRoundPlaces = 400;

// Half away from zero at `places` decimals (negative: left of the point),
// done on the number's 15-digit decimal form, so binary noise does not
// decide: 2.675 and 1.005 round up to 2.68 and 1.01. More places than the
// number has digits return it as it is; a place above its first digit gives 0.
double roundHalfAway(double v, double places)
{
    if (v == 0 || !std::isfinite(v))
        return v;
    const int at = int(std::clamp(std::trunc(places), -kMaxRoundPlaces, kMaxRoundPlaces));
    char text[32];  // d.ddddddddddddddde+xxx
    const auto written = std::to_chars(text, text + sizeof text - 1, std::abs(v), std::chars_format::scientific,
                                       kSignificantDigits - 1);
    *written.ptr = 0;
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);
    const int keep = exponent + 1 + at;  // digits before the rounding place
    if (keep >= kSignificantDigits)
        return v;
    if (keep < 0)
        return 0.0;
    char digits[kSignificantDigits + 1] = {text[0]};
    std::memcpy(digits + 1, text + 2, kSignificantDigits - 1);
    long long kept = 0;
    for (int i = 0; i < keep; ++i)
        kept = kept * 10 + (digits[i] - '0');
    if (digits[keep] >= '5')
        ++kept;
    if (kept == 0)
        return 0.0;
    // kept * 10^-at, parsed rather than multiplied so it is the nearest
    // double (infinite past the largest, which ROUND reports as #NUM!). No
    // decimal point, so the C locale's does not matter.
    char result[48];
    std::snprintf(result, sizeof result, "%llde%d", kept, -at);
    return std::copysign(std::strtod(result, nullptr), v);
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
    return checked(roundHalfAway(v[0], v[1]));
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
