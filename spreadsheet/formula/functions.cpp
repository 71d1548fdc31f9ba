#include "spreadsheet/formula/functions_p.h"

#include <array>

namespace jubilo::spreadsheet::formula {

namespace {

constexpr quint8 kMany = 30;  // BIFF8's limit on arguments

constexpr std::array<FunctionInfo, 29> kFunctions{{
    {"COUNT", 0, 1, kMany, "R", false, fn::count},
    {"IF", 1, 2, 3, "VR", true, fn::ifFn},
    {"ISERROR", 3, 1, 1, "V", false, fn::isError},
    {"SUM", kSumIndex, 1, kMany, "R", false, fn::sum},
    {"AVERAGE", 5, 1, kMany, "R", false, fn::average},
    {"MIN", 6, 1, kMany, "R", false, fn::min},
    {"MAX", 7, 1, kMany, "R", false, fn::max},
    {"NA", 10, 0, 0, "V", false, fn::na},
    {"PI", 19, 0, 0, "V", false, fn::pi},
    {"SQRT", 20, 1, 1, "V", false, fn::sqrt},
    {"ABS", 24, 1, 1, "V", false, fn::abs},
    {"INT", 25, 1, 1, "V", false, fn::intPart},
    {"ROUND", 27, 2, 2, "V", false, fn::round},
    {"LEN", 32, 1, 1, "V", false, fn::len},
    {"TRUE", 34, 0, 0, "V", false, fn::trueFn},
    {"FALSE", 35, 0, 0, "V", false, fn::falseFn},
    {"AND", 36, 1, kMany, "R", false, fn::andFn},
    {"OR", 37, 1, kMany, "R", false, fn::orFn},
    {"NOT", 38, 1, 1, "V", false, fn::notFn},
    {"MOD", 39, 2, 2, "V", false, fn::mod},
    {"LOWER", 112, 1, 1, "V", false, fn::lower},
    {"UPPER", 113, 1, 1, "V", false, fn::upper},
    {"LEFT", 115, 1, 2, "V", false, fn::left},
    {"RIGHT", 116, 1, 2, "V", false, fn::right},
    {"TRIM", 118, 1, 1, "V", false, fn::trim},
    {"ISBLANK", 129, 1, 1, "V", false, fn::isBlank},
    {"COUNTA", 169, 1, kMany, "R", false, fn::counta},
    {"PRODUCT", 183, 1, kMany, "R", false, fn::product},
    {"CONCATENATE", 336, 1, kMany, "V", false, fn::concatenate},
}};

}  // namespace

OperandClass FunctionInfo::paramClass(int arg) const
{
    const int n = int(qstrlen(params));
    const char c = params[qMin(arg, n - 1)];
    return c == 'R' ? OperandClass::Reference : OperandClass::Value;
}

const FunctionInfo* functionByName(QStringView name)
{
    for (const auto& f : kFunctions)
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const FunctionInfo* functionByIndex(quint16 index)
{
    for (const auto& f : kFunctions)
        if (f.index == index)
            return &f;
    return nullptr;
}

}  // namespace jubilo::spreadsheet::formula
