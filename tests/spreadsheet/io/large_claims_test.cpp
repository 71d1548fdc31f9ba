// Opening files whose used range reaches the grid's last cell, with the
// tallest rows and widest columns: the engine keeps the rows the file holds,
// a page of them at a time, never every row up to the far one.

#include "file_samples.h"
#include "heap_meter.h"
#include "hostile_workbooks.h"

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

// What opening a small file may take beyond its cells and rows.
constexpr std::size_t kOpenBudget = std::size_t(256) << 10;

class LargeClaims : public testing::SavedFilesTest {
protected:
    // Opens the file, metering the heap the engine's own containers take.
    std::shared_ptr<Worksheet> open(const QString& name, std::size_t& peak)
    {
        const xls::testing::HeapMeter meter;
        app->openWorkbook(path(name));
        peak = meter.peakBytes();
        return app->activeSheet();
    }
};

TEST_F(LargeClaims, AFarCellCostsAPageOfRowsNotEveryRowAboveIt)
{
    const auto cases = {
        std::pair{"far_cell.xls", xls::testing::farCellWorkbook()},
        std::pair{"tallest_widest.xls", xls::testing::tallestAndWidestWorkbook()},
    };
    for (const auto& [name, wb] : cases) {
        xls::writeWorkbook(wb, path(name).toStdString());
        std::size_t peak = 0;
        const auto sheet = open(name, peak);
        EXPECT_EQ(sheet->usedRange(), CellRect::sheet()) << name;
        EXPECT_LE(sheet->cells().pageCount(), 3u) << name;
        EXPECT_LE(peak, kOpenBudget) << name;
    }
}

}  // namespace
}  // namespace jubilo::spreadsheet
