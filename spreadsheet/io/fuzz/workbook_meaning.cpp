#include "workbook_meaning.h"

namespace jubilo::spreadsheet::fuzz {

namespace {

ResolvedFormat resolve(const xls::XlsWorkbook& wb, uint16_t index)
{
    ResolvedFormat r;
    if (index < wb.xfs.size())
        r.xf = wb.xfs[index];
    if (r.xf.font < wb.fonts.size())
        r.font = wb.fonts[r.xf.font];
    r.xf.font = 0;
    // A built-in number format keeps its index, the others give their code.
    for (const xls::XlsNumberFormat& f : wb.numberFormats) {
        if (f.index == r.xf.numberFormat) {
            r.numberFormat = f.code;
            r.xf.numberFormat = 0;
        }
    }
    return r;
}

// Takes the index out of `xf` into `formats`.
void move(const xls::XlsWorkbook& wb, uint16_t& xf, std::vector<ResolvedFormat>& formats)
{
    formats.push_back(resolve(wb, xf));
    xf = 0;
}

}  // namespace

WorkbookMeaning meaningOf(const xls::XlsWorkbook& workbook)
{
    WorkbookMeaning m;
    m.shape = workbook;
    m.shape.fonts.clear();
    m.shape.numberFormats.clear();
    m.shape.xfs.clear();
    m.shape.styles.clear();
    for (xls::XlsSheet& sheet : m.shape.sheets) {
        for (xls::XlsCell& cell : sheet.cells)
            move(workbook, cell.xf, m.formats);
        for (xls::XlsColumnInfo& column : sheet.columns)
            move(workbook, column.xf, m.formats);
        for (xls::XlsRowInfo& row : sheet.rows) {
            if (row.xf)
                move(workbook, *row.xf, m.formats);
        }
    }
    return m;
}

}  // namespace jubilo::spreadsheet::fuzz
