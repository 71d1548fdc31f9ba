// Saving workbooks as .xls files and opening them again through the engine.

#include "file_samples.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls_io.h"
#include "spreadsheet/io/xls_export_p.h"
#include "spreadsheet/io/xls_import_p.h"

#include <gtest/gtest.h>

#include <QFile>

#include <limits>

namespace jubilo::spreadsheet {
namespace {

class WorkbookFile : public testing::SavedFilesTest {
protected:
    QByteArray bytes(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeBytes(const QString& name, const QByteArray& data) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
};

TEST_F(WorkbookFile, EveryFeatureSurvivesSaveAndOpen)
{
    auto book = testing::everythingWorkbook(*app);
    book->saveAs(path("everything.xls"), xl::kExcel8);
    EXPECT_EQ(book->name(), "everything.xls");

    auto other = testing::englishApplication();
    auto reopened = other->openWorkbook(path("everything.xls"));
    EXPECT_EQ(reopened->name(), "everything.xls");
    testing::expectSameWorkbook(*book, *reopened);

    // And once more from the reopened copy.
    reopened->saveAs(path("again.xls"), xl::kWorkbookNormal);
    testing::expectSameWorkbook(*book, *other->openWorkbook(path("again.xls")));
}

TEST_F(WorkbookFile, PlanSheetKeepsWhatTheUserSetInFileTerms)
{
    auto book = app->addWorkbook();
    testing::buildPlanSheet(*app, *book->sheet(1));
    const xls::XlsWorkbook file = exportWorkbook(*book);
    const xls::XlsSheet& sheet = file.sheets[0];

    // Widths in 256ths of the Arial 10 digit (7 px) with 5 px of padding.
    EXPECT_EQ(maxDigitWidth(QStringLiteral("Arial"), 200), 7);
    ASSERT_GE(sheet.columns.size(), 6u);
    const uint16_t widths[] = {804, 5082, 4680, 2049, 3731, 7315};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(sheet.columns[c].first, c);
        EXPECT_EQ(sheet.columns[c].width, widths[c]) << c;
        EXPECT_TRUE(sheet.columns[c].customWidth);
    }
    // The sheet-wide format reaches every column.
    EXPECT_EQ(sheet.columns.back().last, 255);
    EXPECT_FALSE(sheet.columns.back().customWidth);

    // Heights in twips with the custom flag.
    ASSERT_GE(sheet.rows.size(), 3u);
    EXPECT_EQ(sheet.rows[0].height, 90);
    EXPECT_EQ(sheet.rows[1].height, 855);
    EXPECT_EQ(sheet.rows[2].height, 400);
    EXPECT_TRUE(sheet.rows[0].customHeight);

    // Fit to one page with the fit flag, half-inch margins, no header space.
    EXPECT_TRUE(sheet.page.fitToPage);
    EXPECT_EQ(sheet.page.fitWidth, 1);
    EXPECT_EQ(sheet.page.fitHeight, 1);
    EXPECT_EQ(sheet.page.paperSize, 9);
    EXPECT_TRUE(sheet.page.portrait);
    EXPECT_FALSE(sheet.page.printNotes);
    EXPECT_DOUBLE_EQ(sheet.page.leftMargin, 0.5);
    EXPECT_DOUBLE_EQ(sheet.page.headerMargin, 0);
    ASSERT_TRUE(sheet.printArea);
    EXPECT_EQ(*sheet.printArea, (xls::XlsRange{1, 16, 1, 5}));
    EXPECT_EQ(sheet.selection.activeRow, 14);
    EXPECT_EQ(sheet.selection.activeColumn, 2);

    // Only formats in use are written; the palette entry the title uses.
    EXPECT_LT(file.xfs.size(), book->formats().formats().size() + 16);
    EXPECT_EQ(file.palette[52], (xls::XlsColor{153, 51, 0}));
    const auto title = std::find_if(sheet.cells.begin(), sheet.cells.end(),
                                    [](const xls::XlsCell& c) { return c.row == 1 && c.column == 1; });
    ASSERT_NE(title, sheet.cells.end());
    const xls::XlsFont& font = file.fonts[file.xfs[title->xf].font];
    EXPECT_EQ(font.name, u"Palatino Linotype");
    EXPECT_EQ(font.color, xls::paletteIcv(53));
    EXPECT_EQ(font.weight, 700);

    // Totals are formulas with their results, recalculated on open.
    const auto total = std::find_if(sheet.cells.begin(), sheet.cells.end(),
                                    [](const xls::XlsCell& c) { return c.row == 6 && c.column == 5; });
    ASSERT_NE(total, sheet.cells.end());
    const auto* f = std::get_if<xls::XlsFormula>(&total->value);
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(std::get<double>(f->cached), 12.5 + 25 + 37.5 + 9);
    EXPECT_TRUE(f->calcOnLoad);
}

TEST_F(WorkbookFile, WidthsComeBackAsTheUserTypedThem)
{
    auto book = app->addWorkbook();
    const double widths[] = {0.5, 1, 2.43, 7.29, 8.43, 13.86, 17.57, 19.14, 27.86, 33.33, 100.57, 254.99};
    for (int c = 0; c < int(std::size(widths)); ++c)
        book->sheet(1)->setColumnWidth(c, c, widths[c]);
    book->saveAs(path("widths.xls"), xl::kExcel8);
    auto reopened = app->openWorkbook(path("widths.xls"));
    for (int c = 0; c < int(std::size(widths)); ++c)
        EXPECT_DOUBLE_EQ(reopened->sheet(1)->columnWidth(c), widths[c]) << widths[c];
}

TEST_F(WorkbookFile, OpenAddsTheLastWorkbookWithItsSavedActiveSheet)
{
    auto book = app->addWorkbook();
    book->sheet(3)->setFormulaR1C1(0, 0, QStringLiteral("third"));
    book->activate(*book->sheet(3));
    book->saveAs(path("active.xls"), xl::kWorkbookNormal);
    app->addWorkbook();

    auto opened = app->openWorkbook(path("active.xls"));
    EXPECT_EQ(app->workbookCount(), 3);
    EXPECT_EQ(app->workbook(3), opened);
    EXPECT_EQ(app->activeWorkbook(), opened);
    EXPECT_EQ(app->activeSheet()->name(), "Sheet3");
    EXPECT_EQ(app->range(QStringLiteral("A1")).text(), "third");
}

TEST_F(WorkbookFile, FormulasAreComputedAgainFromTheirInputs)
{
    // The file's cached results are replaced by the engine's own once read.
    auto book = app->addWorkbook();
    auto sheet = book->sheet(1);
    sheet->setFormulaR1C1(0, 0, QStringLiteral("2"));
    sheet->setFormulaR1C1(1, 0, QStringLiteral("=R[-1]C*10"));
    xls::XlsWorkbook file = exportWorkbook(*book);
    for (auto& cell : file.sheets[0].cells)
        if (auto* f = std::get_if<xls::XlsFormula>(&cell.value))
            f->cached = 999.0;
    xls::writeWorkbook(file, path("stale.xls").toStdString());
    auto reopened = app->openWorkbook(path("stale.xls"));
    EXPECT_EQ(reopened->sheet(1)->value(1, 0), Value(20.0));
    reopened->sheet(1)->setFormulaR1C1(0, 0, QStringLiteral("3"));
    EXPECT_EQ(reopened->sheet(1)->value(1, 0), Value(30.0));
}

TEST_F(WorkbookFile, FailuresAreClearErrorsAndLeaveNothingBehind)
{
    auto book = app->addWorkbook();
    book->sheet(1)->setFormulaR1C1(0, 0, QStringLiteral("x"));

    const auto message = [](const auto& call) -> std::string {
        try {
            call();
        } catch (const SpreadsheetError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_NE(message([&] { book->saveAs(path("x.xlsx"), 51); }).find("51"), std::string::npos);
    EXPECT_FALSE(QFile::exists(path("x.xlsx")));
    EXPECT_NE(
        message([&] { book->saveAs(QStringLiteral("/nonexistent-dir/x.xls"), 56); }).find("/nonexistent-dir/x.xls"),
        std::string::npos);

    // Too long a text for a cell of the file is refused when typed, so a
    // save never meets one and the file stays as it was.
    book->saveAs(path("keep.xls"), xl::kExcel8);
    const QByteArray before = bytes("keep.xls");
    EXPECT_NE(message([&] { book->sheet(1)->setFormulaR1C1(4, 1, QString(32768, QChar(u'x'))); }).find("32767"),
              std::string::npos);
    book->saveAs(path("keep.xls"), 56);
    EXPECT_EQ(bytes("keep.xls"), before);

    // Missing, foreign, truncated and damaged files.
    const int open = app->workbookCount();
    EXPECT_NE(message([&] { app->openWorkbook(path("missing.xls")); }).find("missing.xls"), std::string::npos);
    writeBytes("text.xls", "Name,Amount\nCake,12.50\n");
    EXPECT_NE(message([&] { app->openWorkbook(path("text.xls")); }), "no error");
    writeBytes("zip.xls", QByteArray("PK\x03\x04", 4) + QByteArray(600, '\0'));
    EXPECT_NE(message([&] { app->openWorkbook(path("zip.xls")); }), "no error");
    writeBytes("half.xls", before.left(before.size() / 2));
    EXPECT_NE(message([&] { app->openWorkbook(path("half.xls")); }), "no error");
    QByteArray damaged = before;
    for (qsizetype i = 1200; i < damaged.size(); i += 97)
        damaged[i] = char(damaged[i] ^ 0x5A);
    writeBytes("damaged.xls", damaged);
    try {
        app->openWorkbook(path("damaged.xls"));  // may still read; must not crash
    } catch (const SpreadsheetError&) {
    }
    EXPECT_GE(app->workbookCount(), open);
    EXPECT_LE(app->workbookCount(), open + 1);
}

// A header or footer longer than a page setup holds, as another program may
// write one, is refused with the limit when the file opens, not dropped.
// The file is saved with 128 characters of two bytes each, rewritten in
// place as 256 of one byte.
TEST_F(WorkbookFile, HeaderOrFooterOverTheLimitIsRefusedOnOpening)
{
    QByteArray wideText("\x80\x00\x01", 3), longText("\x00\x01\x00", 3);
    for (int i = 0; i < 128; ++i)
        wideText += QByteArray("\x00\x01", 2);
    longText += QByteArray(256, 'x');
    for (auto set : {&PageSetup::setHeader, &PageSetup::setFooter}) {
        auto book = app->addWorkbook();
        (book->sheet(1)->pageSetup().*set)(QString(128, QChar(0x100)));
        book->saveAs(path("long.xls"), xl::kExcel8);
        book->close();
        QByteArray file = bytes("long.xls");
        const qsizetype at = file.indexOf(wideText);
        ASSERT_GE(at, 0);
        writeBytes("long.xls", file.replace(at, wideText.size(), longText));
        try {
            app->openWorkbook(path("long.xls"));
            ADD_FAILURE() << "a text of 256 characters opened";
        } catch (const SpreadsheetError& e) {
            EXPECT_NE(std::string(e.what()).find("at most 255 characters, not 256"), std::string::npos) << e.what();
        }
    }
    // The longest that fits opens whole.
    auto book = app->addWorkbook();
    book->sheet(1)->pageSetup().setFooter(QString(255, u'x'));
    book->saveAs(path("longest.xls"), xl::kExcel8);
    EXPECT_EQ(app->openWorkbook(path("longest.xls"))->sheet(1)->pageSetup().footer(), QString(255, u'x'));
}

TEST_F(WorkbookFile, ForeignStylesAndColoursAreReadAsTheEngineCanHoldThem)
{
    // A cell format that leaves its font and fill to its style, a fixed
    // colour index and a pattern fill, as other programs write them.
    xls::XlsWorkbook file = xls::makeDefaultWorkbook();
    xls::XlsFont big;
    big.height = 280;
    big.weight = 700;
    big.color = 2;  // fixed red
    file.fonts.push_back(big);
    xls::XlsXf style;
    style.isStyle = true;
    style.font = 4;
    style.fillPattern = 3;
    style.fillForeground = uint8_t(xls::paletteIcv(12));
    file.xfs.push_back(style);
    xls::XlsXf cell;
    cell.parent = 16;
    cell.usedAttributes = 0x04;  // alignment only
    cell.hAlign = xls::XlsHAlign::Right;
    file.xfs.push_back(cell);
    file.sheets[0].cells.push_back({0, 0, 17, std::u16string(u"styled")});
    xls::writeWorkbook(file, path("foreign.xls").toStdString());

    auto book = app->openWorkbook(path("foreign.xls"));
    const CellFormat& f = book->sheet(1)->effectiveFormat(0, 0);
    const Font& font = book->formats().font(f.font);
    EXPECT_EQ(font.height, 280);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.colorIndex, 3);
    EXPECT_EQ(f.fillColor, 12);
    EXPECT_EQ(f.hAlign, HAlign::Right);
}

// What a damaged file may hold and no cell can: numbers that are not
// finite read as #NUM!, as values, as kept results and inside formulas;
// a selection that names none of its ranges selects A1, widened over the
// merged area A1 lies in, as every selection is.
TEST_F(WorkbookFile, WhatNoCellHoldsIsReadAsTheEngineCanHoldIt)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    xls::XlsWorkbook file = xls::makeDefaultWorkbook();
    xls::XlsSheet& sheet = file.sheets[0];
    sheet.cells.push_back({0, 1, 15, nan});
    xls::XlsFormula unread;  // a defined name: the result is kept instead
    unread.rgce = {0x23, 1, 0, 0, 0};
    unread.cached = std::numeric_limits<double>::infinity();
    sheet.cells.push_back({1, 1, 15, unread});
    xls::XlsFormula notANumber;
    notANumber.rgce = {0x1F, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F};
    sheet.cells.push_back({2, 1, 15, notANumber});
    sheet.merges.push_back({0, 7, 0, 0});
    sheet.selection.ranges.clear();

    const auto book = importWorkbook(file, *app, QStringLiteral("damaged.xls"));
    Worksheet& s = *book->sheet(1);
    for (int row : {0, 1, 2}) {
        EXPECT_EQ(s.value(row, 1), Value(ErrorCode::Num)) << "row " << row;
        EXPECT_EQ(s.text(row, 1), "#NUM!") << "row " << row;
    }
    EXPECT_EQ(s.selection().bottom, 7);
    EXPECT_EQ(s.selection().right, 0);
}

}  // namespace
}  // namespace jubilo::spreadsheet
