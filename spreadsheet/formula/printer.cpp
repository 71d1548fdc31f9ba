#include "spreadsheet/formula/printer_p.h"

#include "spreadsheet/formula/functions_p.h"
#include "spreadsheet/formula/parser_p.h"

#include <QStringList>

namespace jubilo::spreadsheet::formula {

namespace {

QString axisText(QChar letter, int value, bool relative, int here)
{
    if (!relative)
        return letter + QString::number(value + 1);
    const int offset = value - here;
    return offset == 0 ? QString(letter) : QStringLiteral("%1[%2]").arg(letter).arg(offset);
}

QString cellText(const CellOperand& c, CellPos at)
{
    return axisText(u'R', c.row, c.rowRelative, at.row) + axisText(u'C', c.col, c.colRelative, at.col);
}

QString areaText(const Token& t, CellPos at)
{
    const bool allColumns
        = t.first.col == 0 && t.last.col == kLastColumn && !t.first.colRelative && !t.last.colRelative;
    const bool allRows = t.first.row == 0 && t.last.row == kLastRow && !t.first.rowRelative && !t.last.rowRelative;
    if (allColumns && !allRows) {
        const QString a = axisText(u'R', t.first.row, t.first.rowRelative, at.row);
        const QString b = axisText(u'R', t.last.row, t.last.rowRelative, at.row);
        return a == b ? a : a + u':' + b;
    }
    if (allRows && !allColumns) {
        const QString a = axisText(u'C', t.first.col, t.first.colRelative, at.col);
        const QString b = axisText(u'C', t.last.col, t.last.colRelative, at.col);
        return a == b ? a : a + u':' + b;
    }
    return cellText(t.first, at) + u':' + cellText(t.last, at);
}

QString binaryText(quint8 id)
{
    switch (id) {
    case ptg::Add:
        return QStringLiteral("+");
    case ptg::Sub:
        return QStringLiteral("-");
    case ptg::Mul:
        return QStringLiteral("*");
    case ptg::Div:
        return QStringLiteral("/");
    case ptg::Power:
        return QStringLiteral("^");
    case ptg::Concat:
        return QStringLiteral("&");
    case ptg::LT:
        return QStringLiteral("<");
    case ptg::LE:
        return QStringLiteral("<=");
    case ptg::EQ:
        return QStringLiteral("=");
    case ptg::GE:
        return QStringLiteral(">=");
    case ptg::GT:
        return QStringLiteral(">");
    case ptg::NE:
        return QStringLiteral("<>");
    case ptg::Range:
        return QStringLiteral(":");
    case ptg::Union:
        return QStringLiteral(",");
    default:
        return QStringLiteral(" ");
    }
}

QString operandText(const Token& t, CellPos at)
{
    switch (t.base()) {
    case ptg::Int:
        return QString::number(t.data);
    case ptg::Num:
        return QString::number(t.number, 'g', 15).toUpper();
    case ptg::Str:
        return u'"' + QString(t.text).replace(u'"', QLatin1String("\"\"")) + u'"';
    case ptg::Bool:
        return t.code ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case ptg::Err:
        return errorText(ErrorCode(t.code));
    case ptg::MissArg:
        return {};
    case ptg::Ref:
        return cellText(t.first, at);
    case ptg::Area:
        return areaText(t, at);
    default:
        return QStringLiteral("#REF!");
    }
}

QString callText(const Token& t, const QStringList& args)
{
    const FunctionInfo* f = functionByIndex(t.data);
    const QString name = t.base() == ptg::Attr ? QStringLiteral("SUM")
        : f                                    ? QString::fromLatin1(f->name)
                                               : QStringLiteral("#NAME?");
    return name + u'(' + args.join(u',') + u')';
}

}  // namespace

QString printR1C1(const Tokens& tokens, CellPos at)
{
    QStringList stack;
    for (const Token& t : tokens) {
        const int arity = tokenArity(t);
        if (arity < 0 || arity > stack.size())
            return QStringLiteral("#VALUE!");
        const QStringList args = stack.mid(stack.size() - arity);
        stack.resize(stack.size() - arity);
        const quint8 base = t.base();
        if (base == ptg::Attr && arity == 0)
            continue;  // spacing and jump hints print nothing
        if (base == ptg::Func || base == ptg::FuncVar || base == ptg::Attr)
            stack << callText(t, args);
        else if (base == ptg::Uminus || base == ptg::Uplus)
            stack << (base == ptg::Uminus ? u'-' : u'+') + args[0];
        else if (base == ptg::Percent)
            stack << args[0] + u'%';
        else if (base == ptg::Paren)
            stack << u'(' + args[0] + u')';
        else if (arity == 2)
            stack << args[0] + binaryText(base) + args[1];
        else
            stack << operandText(t, at);
    }
    return stack.size() == 1 ? stack.front() : QStringLiteral("#VALUE!");
}

}  // namespace jubilo::spreadsheet::formula
