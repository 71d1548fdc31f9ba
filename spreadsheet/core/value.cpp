#include "spreadsheet/core/value.h"

#include <array>

namespace jubilo::spreadsheet {

namespace {

struct ErrorName {
    ErrorCode code;
    const char* text;
};

constexpr std::array<ErrorName, 7> kErrorNames{{
    {ErrorCode::Null, "#NULL!"},
    {ErrorCode::Div0, "#DIV/0!"},
    {ErrorCode::Value, "#VALUE!"},
    {ErrorCode::Ref, "#REF!"},
    {ErrorCode::Name, "#NAME?"},
    {ErrorCode::Num, "#NUM!"},
    {ErrorCode::NA, "#N/A"},
}};

}  // namespace

QString errorText(ErrorCode code)
{
    for (const auto& e : kErrorNames)
        if (e.code == code)
            return QString::fromLatin1(e.text);
    return QStringLiteral("#VALUE!");
}

std::optional<ErrorCode> errorFromText(QStringView text)
{
    for (const auto& e : kErrorNames)
        if (text.compare(QLatin1String(e.text), Qt::CaseInsensitive) == 0)
            return e.code;
    return std::nullopt;
}

}  // namespace jubilo::spreadsheet
