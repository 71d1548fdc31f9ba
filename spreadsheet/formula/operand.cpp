#include "spreadsheet/formula/operand_p.h"

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/input/typed_input.h"

namespace jubilo::spreadsheet::formula {

Value scalar(const Operand& operand, const EvalContext& ctx)
{
    if (operand.missing)
        return {};
    if (!operand.area)
        return operand.value;
    const CellRect& a = *operand.area;
    if (a.isCell())
        return ctx.sheet.cellValue(a.top, a.left);
    if (a.left == a.right && a.top <= ctx.at.row && ctx.at.row <= a.bottom)
        return ctx.sheet.cellValue(ctx.at.row, a.left);
    if (a.top == a.bottom && a.left <= ctx.at.col && ctx.at.col <= a.right)
        return ctx.sheet.cellValue(a.top, ctx.at.col);
    return ErrorCode::Value;
}

Number toNumber(const Value& v, const EvalContext& ctx)
{
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? 1.0 : 0.0;
    if (const auto* e = std::get_if<ErrorCode>(&v))
        return *e;
    if (const auto* s = std::get_if<QString>(&v)) {
        if (s->trimmed().isEmpty())
            return ErrorCode::Value;
        if (const auto n = readNumber(*s, ctx.sheet.locale()))
            return *n;
        return ErrorCode::Value;
    }
    return 0.0;
}

std::variant<QString, ErrorCode> toText(const Value& v, const EvalContext& ctx)
{
    if (const auto* d = std::get_if<double>(&v))
        return numberToText(*d, ctx.sheet.locale());
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (const auto* e = std::get_if<ErrorCode>(&v))
        return *e;
    if (const auto* s = std::get_if<QString>(&v))
        return *s;
    return QString();
}

std::variant<bool, ErrorCode> toBool(const Value& v, const EvalContext&)
{
    if (const auto* d = std::get_if<double>(&v))
        return *d != 0;
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* e = std::get_if<ErrorCode>(&v))
        return *e;
    if (const auto* s = std::get_if<QString>(&v)) {
        if (s->compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
            return true;
        if (s->compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
            return false;
        return ErrorCode::Value;
    }
    return false;
}

}  // namespace jubilo::spreadsheet::formula
