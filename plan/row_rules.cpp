#include "plan/row_rules.h"

#include "host/constants/xl_constants.h"
#include "plan/answers.h"
#include "plan/table_text.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RowRules)
};

const QString kYes = QString::fromLatin1(kYesAnswer);
const QString kNo = QString::fromLatin1(kNoAnswer);

}  // namespace

PlanRow normalisedRow(const TableSpec& table, PlanRow row)
{
    for (int column = 0; column < table.columnCount && column < row.size(); ++column) {
        if (table.columns[static_cast<std::size_t>(column)].kind != CellKind::YesNo)
            continue;
        if (row[column].compare(kYes, Qt::CaseInsensitive) == 0)
            row[column] = kYes;
        else if (row[column].compare(kNo, Qt::CaseInsensitive) == 0)
            row[column] = kNo;
    }
    return row;
}

std::optional<RowFault> rowFault(const TableSpec& table, const PlanRow& row)
{
    if (row.size() != table.columnCount)
        return RowFault{RowFault::Kind::ColumnCount};
    for (int column = 0; column < table.columnCount; ++column) {
        const QString& text = row[column];
        if (text.isEmpty())
            return RowFault{RowFault::Kind::EmptyCell, column};
        if (text.size() > xl::kMaxCellTextLength)
            return RowFault{RowFault::Kind::TooLong, column};
        if (table.columns[static_cast<std::size_t>(column)].kind == CellKind::YesNo && text != kYes && text != kNo)
            return RowFault{RowFault::Kind::NotYesOrNo, column};
    }
    if (!survivesStore(row, table.columnCount))
        return RowFault{RowFault::Kind::Separator};
    return std::nullopt;
}

QString rowFaultText(const TableSpec& table, const PlanRow& row, const RowFault& fault)
{
    const QString header = fault.column >= 0 ? shownColumnHeader(table, fault.column) : QString();
    switch (fault.kind) {
    case RowFault::Kind::ColumnCount:
        return Texts::tr("it has %1 cells, and the %2 list has %3 columns")
            .arg(row.size())
            .arg(shownTableName(table.id))
            .arg(table.columnCount);
    case RowFault::Kind::EmptyCell:
        return Texts::tr("its \"%1\" cell is empty").arg(header);
    case RowFault::Kind::NotYesOrNo:
        return Texts::tr("its \"%1\" cell is \"%2\", not \"Yes\" or \"No\"").arg(header, row[fault.column].left(40));
    case RowFault::Kind::TooLong:
        return Texts::tr("its \"%1\" cell has %2 characters, and a cell holds at most %3")
            .arg(header)
            .arg(row[fault.column].size())
            .arg(xl::kMaxCellTextLength);
    case RowFault::Kind::Separator:
        return Texts::tr("it holds the text \"||MySeparator11||\" or \"||MySeparator12||\", which a list cannot keep");
    }
    return {};
}

}  // namespace jubilo
