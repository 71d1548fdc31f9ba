#include "spreadsheet/input/typed_input.h"

#include "spreadsheet/input/typed_parts_p.h"

#include <algorithm>

namespace jubilo::spreadsheet {

namespace {

TypedInput constant(Value value, QString format = {})
{
    TypedInput in;
    in.kind = TypedInput::Kind::Constant;
    in.value = std::move(value);
    in.numberFormat = std::move(format);
    return in;
}

std::optional<bool> readBoolean(const QString& trimmed)
{
    if (trimmed.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

}  // namespace

TypedInput readTypedInput(const QString& text, const InputContext& context)
{
    if (text.isEmpty())
        return {};
    if (context.textFormat)
        return constant(text);
    if (text.startsWith(u'\'')) {
        TypedInput in = constant(text.mid(1));
        in.quotePrefix = true;
        return in;
    }
    if (text.startsWith(u'=')) {
        TypedInput in;
        in.kind = TypedInput::Kind::Formula;
        in.formula = text.mid(1);
        in.value = text;  // what the cell keeps if the formula does not parse
        return in;
    }
    const QString trimmed = text.trimmed();
    if (const auto flag = readBoolean(trimmed))
        return constant(*flag);
    // Every error literal starts with "#", which no other letter folds to.
    if (trimmed.startsWith(u'#'))
        if (const auto error = errorFromText(trimmed))
            return constant(*error);
    // Numbers, times and dates all have a digit; most text has none.
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return constant(text);
    auto recognised = typed::recogniseNumber(text, context.locale);
    if (!recognised)
        recognised = typed::recogniseTime(text);
    if (!recognised)
        recognised = typed::recogniseDate(text, context.locale, context.today);
    if (recognised)
        return constant(recognised->number, recognised->format);
    return constant(text);
}

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    if (const auto recognised = typed::recogniseNumber(text, locale))
        return recognised->number;
    return std::nullopt;
}

}  // namespace jubilo::spreadsheet
