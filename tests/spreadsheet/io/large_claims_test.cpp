// Opening files whose used range reaches the grid's last cell, or whose
// every row and column has the largest size: the engine keeps the rows the
// file holds, a page of them at a time, never every row up to the far one.

#include "file_samples.h"
#include "heap_meter.h"
#include "hostile_workbooks.h"

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

#include <QFileInfo>

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

TEST_F(LargeClaims, EveryRowTallestAndEveryColumnWidestCostsWhatTheFileHolds)
{
    {
        auto book = app->addWorkbook();
        auto sheet = book->sheet(1);
        sheet->setFormulaR1C1(kLastRow, kLastColumn, QStringLiteral("far"));
        sheet->setRowHeight(0, kLastRow, 409);
        sheet->setColumnWidth(0, kLastColumn, 255);
        book->saveAs(path("every_row.xls"), 56);
    }
    const auto bytes = QFileInfo(path("every_row.xls")).size();
    std::size_t peak = 0;
    const auto sheet = open(QStringLiteral("every_row.xls"), peak);
    EXPECT_EQ(sheet->rowHeight(kLastRow / 2), 409);
    EXPECT_EQ(sheet->columnWidth(kLastColumn), 255);
    // The stream, the reader's records, the image's rows and the engine's
    // pages each take a few times the 20 bytes of a ROW record: a bounded
    // multiple of the file, never of what it claims.
    EXPECT_LE(peak, kOpenBudget + std::size_t(bytes) * 8) << bytes << " bytes";
}

}  // namespace
}  // namespace jubilo::spreadsheet
