#include "report/plan_sheet.h"

#include "plan/answers.h"
#include "plan/plan.h"
#include "report/plan_blocks.h"
#include "report/sheet_palette.h"
#include "report/sheet_styling.h"
#include "host/interface/spreadsheet_host.h"
#include "messages/money_style.h"

#include <QCoreApplication>

#include <stdexcept>
#include <string>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanSheet)
};

// Palette indexes of the plan's look.
constexpr int kWhite = 2;
constexpr int kTitleGreen = 13;
constexpr int kCream = 19;
constexpr int kPaleGreen = 35;
constexpr int kTotalGrey = 39;
constexpr int kBrown = 53;

constexpr int kLastSheetRow = xl::kSheetRowCount;
const QString kGeneral = QStringLiteral("General");

int checkedRow(qint64 row)
{
    if (row < 1 || row > kLastSheetRow)
        throw std::runtime_error("The plan does not fit on the sheet: it would need row " + std::to_string(row)
                                 + ", and a sheet ends at row " + std::to_string(kLastSheetRow) + ".");
    return static_cast<int>(row);
}

// Column letters as the layout names them ('B' is column 2).
int columnNumber(char letter) { return letter - 'A' + 1; }

CellBlock cellAt(char column, qint64 row) { return CellBlock::cell(checkedRow(row), columnNumber(column)); }

CellBlock spanAt(char first, char last, qint64 row)
{
    return CellBlock::rowSpan(checkedRow(row), columnNumber(first), columnNumber(last));
}

// Columns B to F of rows top to bottom.
CellBlock blockRange(qint64 top, qint64 bottom)
{
    return {checkedRow(top), columnNumber('B'), checkedRow(bottom), columnNumber('F')};
}

class PlanSheetBuilder {
public:
    PlanSheetBuilder(SpreadsheetHost& host, const Plan& plan)
        : host_(host)
        , plan_(plan)
        , money_(moneyStyle(QLocale()))
        , moneyFormat_(money_.numberFormat())
    {
    }

    void build()
    {
        checkedRow(lastRow());  // refuse before anything is written
        prepareSheet();
        titleBlock();
        for (const PlanBlock& block : planBlocks()) {
            if (block.kind == BlockKind::Timeline)
                timelineBlock(block);
            else
                listBlock(block);
        }
        applyPageSetup(host_, QStringLiteral("$B$2:$F$") + QString::number(checkedRow(row_ - 1)));
        hostRange(host_, cellAt('C', 15))->select();
    }

private:
    // The last row the blocks will use: two rows (title and total, or
    // title and header) per block plus one per table row.
    qint64 lastRow() const
    {
        qint64 row = 2;
        for (const PlanBlock& block : planBlocks())
            row += 2 + plan_.table(block.table).rowCount();
        return row;
    }

    void prepareSheet()
    {
        const SheetPalette& palette = sheetPalette();
        const auto workbook = host_.activeWorkbook();
        for (int i = 1; i <= static_cast<int>(palette.size()); ++i)
            workbook->setColors(i, palette[static_cast<size_t>(i - 1)]);
        host_.cells()->select();
        host_.selection()->clear();
        const auto sheet = host_.selection();
        sheet->font()->setName(QStringLiteral("Century Gothic"));
        sheet->font()->setSize(9);
        sheet->setVerticalAlignment(xl::kCenter);
        sheet->setWrapText(true);
        fillRange(host_, std::nullopt, kWhite);
        const std::pair<const char*, double> widths[]
            = {{"A:A", 2.43}, {"B:B", 19.14}, {"C:C", 17.57}, {"D:D", 7.29}, {"E:E", 13.86}, {"F:F", 27.86}};
        for (const auto& [columns, width] : widths)
            setColumnWidth(host_, QString::fromLatin1(columns), width);
        rowHeight(1, 4.5);
        rowHeight(2, 42.75);
    }

    void rowHeight(qint64 row, double points) { setRowHeight(host_, checkedRow(row), checkedRow(row), points); }

    void titleBlock()
    {
        putCell(host_, cellAt('B', 2), planSheetTitle(), true);
        titleLook(24);
        putCell(host_, spanAt('E', 'F', 2), plan_.date(), true);
        titleLook(10);
        host_.selection()->setHorizontalAlignment(xl::kRight);
        host_.selection()->setVerticalAlignment(xl::kBottom);
    }

    void titleLook(int size)
    {
        setFontLook(host_, kGeneral, size, kBrown);
        const auto selection = host_.selection();
        const auto font = selection->font();
        font->setName(QStringLiteral("Palatino Linotype"));
        font->setBold(true);
        font->setItalic(true);
        selection->setWrapText(false);
        if (size == 24)
            selection->setVerticalAlignment(xl::kBottom);
    }

    void look(int size, int colour)
    {
        setFontLook(host_, kGeneral, size, colour);
        host_.selection()->font()->setBold(true);
    }

    void putStyled(const CellBlock& cells, const QString& text, int size, int colour)
    {
        putCell(host_, cells, text, true);
        look(size, colour);
    }

    QString fHeader(const PlanBlock& block) const
    {
        if (!block.budget)
            return sheetText(block.headers[2]);
        //: A list's budget over its amounts on the plan sheet; %1 is the budget as the user typed it, with the
        //: currency symbol on its side ("$500", "500 €").
        return Texts::tr("Budget: %1").arg(money_.withSymbol(plan_.budget(*block.budget)));
    }

    void listBlock(const PlanBlock& block)
    {
        const PlanTable& table = plan_.table(block.table);
        const qint64 title = row_;
        const qint64 n = table.rowCount();
        rowHeight(title, 20);
        fillRange(host_, blockRange(title, title), kTitleGreen);
        const char titleEnd = block.kind == BlockKind::FourColumnList ? 'B' : 'D';
        putStyled(spanAt('B', titleEnd, title), sheetText(block.title), 10, kPaleGreen);
        if (block.kind == BlockKind::FourColumnList) {
            putStyled(spanAt('C', 'D', title), sheetText(block.headers[0]), 9, kPaleGreen);
            host_.selection()->setWrapText(false);
        }
        putStyled(cellAt('E', title), sheetText(block.headers[1]), 9, kPaleGreen);
        putStyled(cellAt('F', title), fHeader(block), 9, kPaleGreen);
        drawBlockBorders(host_, blockRange(title, title + n + 1), false, true, true, true, true, true);
        row_ = title + 1;
        dataRows(block, table);
        totalRow(block, row_, n);
        row_ += 1;
    }

    void timelineBlock(const PlanBlock& block)
    {
        const PlanTable& table = plan_.table(block.table);
        const qint64 title = row_;
        const qint64 header = title + 1;
        rowHeight(title, 20);
        fillRange(host_, blockRange(title, title), kTitleGreen);
        putStyled(blockRange(title, title), sheetText(block.title), 10, kPaleGreen);
        fillRange(host_, blockRange(header, header), kPaleGreen);
        const auto spans = dataColumns(block.kind);
        for (size_t c = 0; c < spans.size(); ++c)
            putStyled(spanAt(spans[c].first, spans[c].last, header), sheetText(block.headers[c]), 9, kTitleGreen);
        drawBlockBorders(host_, blockRange(title, header + table.rowCount()), false, true, true, true, true, true);
        row_ = header + 1;
        dataRows(block, table);
    }

    void dataRows(const PlanBlock& block, const PlanTable& table)
    {
        bool stripe = false;
        QString lastName;
        const auto spans = dataColumns(block.kind);
        for (int i = 1; i <= table.rowCount(); ++i) {
            fillRange(host_, blockRange(row_, row_), stripe ? kWhite : kCream);
            rowHeight(row_, 14.25);
            for (size_t c = 0; c < spans.size(); ++c) {
                QString text = table.cell(i, static_cast<int>(c));
                // The plan's answers are English; the sheet says them in the run's language.
                if (table.spec().columns[c].kind == CellKind::YesNo)
                    text = shownAnswer(text);
                if (block.groupsNames && c == 0) {
                    if (text == lastName)
                        text.clear();
                    else
                        lastName = text;
                }
                putCell(host_, spanAt(spans[c].first, spans[c].last, row_), text, true);
                if (spans[c].first == 'F')
                    amountStyle(block.currency);
                else
                    host_.selection()->setIndentLevel(1);
            }
            stripe = !stripe;
            row_ += 1;
        }
    }

    void amountStyle(bool currency)
    {
        const auto selection = host_.selection();
        selection->setHorizontalAlignment(xl::kLeft);
        selection->setIndentLevel(1);
        if (currency)
            selection->setNumberFormat(moneyFormat_);
    }

    // An empty block's total is 0: a sum over no rows would take in the
    // total cell itself.
    void totalRow(const PlanBlock& block, qint64 total, qint64 n)
    {
        fillRange(host_, spanAt('B', block.totalFillEnd, total), kPaleGreen);
        putStyled(spanAt('B', 'E', total), Texts::tr("Total:"), 9, kBrown);
        host_.selection()->setHorizontalAlignment(xl::kRight);
        fillRange(host_, cellAt('F', total), kTotalGrey);
        const QString sum = n == 0 ? QStringLiteral("0") : QStringLiteral("=SUM(R[-%1]C:R[-1]C)").arg(n);
        putCell(host_, cellAt('F', total), sum, true);
        amountStyle(block.currency);
        look(9, kBrown);
    }

    SpreadsheetHost& host_;
    const Plan& plan_;
    const MoneyStyle money_;  // the program's locale's, as the host's application reads amounts
    const QString moneyFormat_;
    qint64 row_ = 3;
};

}  // namespace

QString planSheetTitle() { return sheetText(kPlanSheetTitleText); }

void buildPlanSheet(SpreadsheetHost& host, const Plan& plan) { PlanSheetBuilder(host, plan).build(); }

}  // namespace jubilo
