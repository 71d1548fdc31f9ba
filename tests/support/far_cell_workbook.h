#pragma once
// A small workbook that asks for millions of printed pages: text at A1 and
// in column IV far down, on Letter paper, its margins set by the caller. At
// 48.9 inches the margins leave no room at all, and once laid out with a
// page for every cell from A1 to IV15000 that made 3.84 million pages. It
// is saved as .xls and opened again, as a workbook that arrives by mail
// would be, and is a few kilobytes on disk.

#include "spreadsheet/model/page_setup.h"
#include "tests/support/engine_sheets.h"

#include <optional>

namespace jubilo::spreadsheet::testing {

inline constexpr double kFarCellMarginInches = 48.9;
inline constexpr int kFarCellRow = 15000;  // 1-based, in column IV

struct FarCellPages {
    double marginInches = kFarCellMarginInches;
    int farRow = kFarCellRow;
    std::optional<int> zoom = 100;
};

// Saves the workbook at `path` and returns it opened again in `app`.
inline std::shared_ptr<Workbook> farCellWorkbook(Application& app, const QString& path, const FarCellPages& pages = {})
{
    auto book = app.addWorkbook();
    auto sheet = book->activeSheet();
    sheet->setFormulaR1C1(0, 0, QStringLiteral("Near"));
    sheet->setFormulaR1C1(pages.farRow - 1, kLastColumn, QStringLiteral("Far"));
    PageSetup& setup = sheet->pageSetup();
    setup.setPaperSize(xl::kPaperLetter);
    setup.setZoom(pages.zoom);
    const double margin = pages.marginInches * 72;
    setup.setLeftMargin(margin);
    setup.setRightMargin(margin);
    setup.setTopMargin(margin);
    setup.setBottomMargin(margin);
    book->saveAs(path, xl::kExcel8);
    book->close();
    return app.openWorkbook(path);
}

}  // namespace jubilo::spreadsheet::testing
