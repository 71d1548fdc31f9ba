// Files the engine saves, as other programs read them: xlrd compares every
// cell's value and look, the widths, heights, merges and print area with the
// engine's own view of the workbook; LibreOffice recomputes the formulas and
// its values must equal the engine's, and it prints the plan on one page.
// Both must be installed (scripts/install-deps.sh); a missing one fails,
// but for the table of formulas, which is skipped without LibreOffice.

#include "file_samples.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/io/xls_export_p.h"
#include "tests/support/external_tools.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QFile>
#include <QJsonObject>
#include <QStandardPaths>

#include <cmath>
#include <fstream>

namespace jubilo::spreadsheet {
namespace {

namespace tools = jubilo::testing;

QJsonValue rgb(const Workbook& book, quint8 entry)
{
    if (entry == 0)
        return QJsonValue::Null;
    const quint32 c = book.color(entry);
    return QJsonArray{int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)};
}

QJsonArray span(const CellRect& r) { return {r.top, r.bottom + 1, r.left, r.right + 1}; }

// What the engine holds, in the terms check_with_xlrd.py compares. Widths
// are worked out here from the Arial 10 digit (7 px) and 5 px of padding.
QJsonObject expectations(Workbook& book)
{
    QJsonArray sheets;
    for (int i = 1; i <= book.sheetCount(); ++i) {
        Worksheet& sheet = *book.sheet(i);
        QJsonArray cells;
        std::vector<CellPos> positions;
        sheet.cells().forEach(CellRect::sheet(), [&](int r, const Cell& c) { positions.push_back({r, c.col}); });
        for (const CellPos& p : positions) {
            const Value v = sheet.value(p.row, p.col);
            QJsonObject cell{{"r", p.row}, {"c", p.col}};
            if (const auto* d = std::get_if<double>(&v))
                cell["type"] = "number", cell["value"] = *d;
            else if (const auto* s = std::get_if<QString>(&v))
                cell["type"] = "text", cell["value"] = *s;
            else if (const auto* b = std::get_if<bool>(&v))
                cell["type"] = "bool", cell["value"] = *b;
            else if (const auto* e = std::get_if<ErrorCode>(&v))
                cell["type"] = "error", cell["value"] = int(*e);
            else
                cell["type"] = "blank", cell["value"] = QJsonValue::Null;
            const CellFormat& f = sheet.effectiveFormat(p.row, p.col);
            const Font& font = book.formats().font(f.font);
            cell["format"] = book.formats().numberFormat(f.numberFormat);
            cell["font"] = QJsonArray{font.name, font.height, font.bold, font.italic, rgb(book, font.colorIndex)};
            cell["fill"] = QJsonArray{f.fillColor ? 1 : 0, rgb(book, f.fillColor)};
            QJsonArray borders;
            for (BorderSide side : {kLeft, kRight, kTop, kBottom}) {
                const BorderLine& b = f.borders[side];
                borders.append(
                    QJsonArray{int(b.style), b.style == LineStyle::None ? QJsonValue() : rgb(book, b.colorIndex)});
            }
            cell["borders"] = borders;
            cell["align"] = QJsonArray{int(f.hAlign), int(f.vAlign), f.indent, f.wrap};
            cells.append(cell);
        }
        QJsonArray merges;
        for (const CellRect& m : sheet.merges().areas())
            merges.append(span(m));
        QJsonObject widths;
        for (int c = 0; c < kColumnCount; ++c)
            if (const auto w = sheet.column(c).width)  // a width of 0 hides the column
                widths[QString::number(c)] = *w > 0 ? std::floor((*w * 7 + 5) / 7 * 256) : 0.0;
        QJsonObject heights;
        sheet.forEachCustomHeight(0, kLastRow, [&](int r, double points) {
            heights[QString::number(r)] = QJsonArray{int(std::lround(points * 20)), true};
        });
        const QString area = sheet.pageSetup().printArea();
        sheets.append(
            QJsonObject{{"name", sheet.name()},
                        {"hidden", false},
                        {"cells", cells},
                        {"merges", merges},
                        {"widths", widths},
                        {"heights", heights},
                        {"print_area", area.isEmpty() ? QJsonValue() : QJsonValue(span(parseA1Range(area)))}});
    }
    return {{"sheets", sheets}};
}

class SavedFileReaders : public testing::SavedFilesTest {
protected:
    // The first sheet as LibreOffice computes it, values unformatted.
    QList<QStringList> libreOfficeValues(const QString& file)
    {
        const auto r = office.convert(tools::kCsvAsStored, {file}, dir.path());
        const auto rows = tools::readCsv(QString(file).replace(QStringLiteral(".xls"), QStringLiteral(".csv")));
        EXPECT_FALSE(rows.isEmpty()) << r.output.toStdString();
        return rows;
    }

    void expectLibreOfficeAgrees(Worksheet& sheet, const QString& file)
    {
        const auto rows = libreOfficeValues(file);
        int checked = 0;
        sheet.cells().forEach(CellRect::sheet(), [&](int r, const Cell& c) {
            const std::string at = columnName(c.col).toStdString() + std::to_string(r + 1);
            const std::string got = rows.value(r).value(c.col).toStdString();
            const Value v = sheet.value(r, c.col);
            ++checked;
            if (const auto* d = std::get_if<double>(&v)) {
                // Percentages keep their sign even in unformatted output.
                const double shown = std::strtod(got.c_str(), nullptr) / (got.ends_with('%') ? 100 : 1);
                EXPECT_NEAR(shown, *d, std::abs(*d) * 1e-12) << at << ": " << got;
            } else if (const auto* s = std::get_if<QString>(&v))
                EXPECT_EQ(got, s->toStdString()) << at;
            else if (const auto* b = std::get_if<bool>(&v))
                EXPECT_TRUE(got == (*b ? "TRUE" : "FALSE") || got == (*b ? "1" : "0")) << at << ": " << got;
            else if (const auto* e = std::get_if<ErrorCode>(&v))
                EXPECT_EQ(got, errorText(*e).toStdString()) << at;
            else
                EXPECT_EQ(got, "") << at;
        });
        EXPECT_GT(checked, 0);
    }

    const tools::LibreOffice office{dir.filePath("profile")};
};

TEST_F(SavedFileReaders, XlrdSeesWhatTheEngineHolds)
{
    auto book = testing::everythingWorkbook(*app);
    const QString file = dir.filePath("everything.xls");
    book->saveAs(file, xl::kExcel8);
    {
        std::ofstream(dir.filePath("expect.json").toStdString())
            << QJsonDocument(expectations(*book)).toJson(QJsonDocument::Compact).toStdString();
    }
    const QString script = QStringLiteral(XLS_TEST_SOURCE_DIR "/check_with_xlrd.py");
    const auto r = tools::runProcess("/usr/bin/python3", {script, file, dir.filePath("expect.json")});
    EXPECT_TRUE(r.succeeded()) << r.output.left(4000).toStdString();
    EXPECT_TRUE(r.output.contains(" 0 difference(s)")) << r.output.left(4000).toStdString();
}

TEST_F(SavedFileReaders, LibreOfficeComputesTheEnginesValuesAndPrintsThePlanOnOnePage)
{
    auto plan = app->addWorkbook();
    testing::buildPlanSheet(*app, *plan->sheet(1));
    const QString planFile = dir.filePath("plan.xls");
    plan->saveAs(planFile, xl::kWorkbookNormal);
    expectLibreOfficeAgrees(*plan->sheet(1), planFile);

    const auto r = office.convert(QStringLiteral("pdf"), {planFile}, dir.path());
    ASSERT_TRUE(QFile::exists(dir.filePath("plan.pdf"))) << r.output.toStdString();
    EXPECT_EQ(tools::readPdfPages(dir.filePath("plan.pdf")).count, 1);

    auto odd = app->addWorkbook();
    testing::buildOddValues(*odd->sheet(1), false);
    const QString oddFile = dir.filePath("odd.xls");
    odd->saveAs(oddFile, xl::kExcel8);
    expectLibreOfficeAgrees(*odd->sheet(1), oddFile);
}

// Formulas over A1 = 3, A2 = -4.5, A3 = "hello", A4 blank, A5 = "12" as
// text and A6 = TRUE. LibreOffice keeps booleans as numbers and gives 0^0,
// SQRT(-1) and text among SUM's arguments meanings of its own, so the
// table keeps clear of those.
const char* const kComputedFormulas[] = {
    "1+2*3-4/2",
    "-2^2",
    "2^3^2",
    "2*3%",
    "(1+2)*3",
    "R1C1&R3C1",
    "R1C1*R6C1",
    "R5C1*2",
    "R4C1+1",
    "\"3\"+2",
    "1/0",
    "R3C1+1",
    "NA()+1/0",
    "R1C1>R2C1",
    "\"a\"=\"A\"",
    "\"abc\"<\"ABD\"",
    "1<\"1\"",
    "R4C1=0",
    "R4C1=\"\"",
    "SUM(R1C1:R5C1)",
    "SUM(IF(TRUE,R1C1:R2C1))",
    "AVERAGE(R1C1:R5C1)",
    "MIN(R1C1:R5C1)",
    "MAX(R1C1:R5C1)",
    "COUNT(R1C1:R5C1)",
    "COUNTA(R1C1:R5C1)",
    "PRODUCT(R1C1:R2C1,2)",
    "ROUND(2.675,2)",
    "ROUND(-2.5,0)",
    "ROUND(1234.5,-2)",
    "ABS(R2C1)",
    "INT(R2C1)",
    "MOD(-3,2)",
    "MOD(3,-2)",
    "MOD(1,0)",
    "SQRT(16)",
    "PI()",
    "IF(R1C1>2,\"big\",\"small\")",
    "IF(FALSE,1)",
    "IF(R4C1,1,2)",
    "AND(TRUE,R1C1)",
    "OR(FALSE,0)",
    "NOT(R1C1)",
    "TRUE()",
    "NA()",
    "ISERROR(1/0)",
    "ISBLANK(R4C1)",
    "ISBLANK(IF(TRUE,R4C1))",
    "LEN(R3C1)",
    "UPPER(R3C1)",
    "LOWER(\"AbC\")",
    "TRIM(\"  two   words \")",
    "LEFT(\"party\",2)",
    "RIGHT(\"party\")",
    "LEFT(1/0,-1)",
    "CONCATENATE(R3C1,\" \",R1C1,R4C1)",
    "1/3&\"\"",
    "LEN(2/3)",
    "R1C1&1/4",
};

TEST_F(SavedFileReaders, LibreOfficeComputesTheFormulasAsTheEngineDoes)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; scripts/install-deps.sh installs it";
    auto book = app->addWorkbook();
    Worksheet& sheet = *book->sheet(1);
    int row = 0;
    for (const char* input : {"3", "-4.5", "hello", "", "'12", "TRUE"})
        sheet.setFormulaR1C1(row++, 0, QString::fromUtf8(input));
    row = 0;
    for (const char* text : kComputedFormulas) {
        const QString formula = u'=' + QString::fromUtf8(text);
        sheet.setFormulaR1C1(row, 1, u'\'' + QString::fromUtf8(text));
        sheet.setFormulaR1C1(row, 2, formula);
        ASSERT_NE(sheet.value(row++, 2), Value(formula)) << text << " was not read as a formula";
    }
    const QString file = dir.filePath("formulas.xls");
    book->saveAs(file, xl::kExcel8);
    expectLibreOfficeAgrees(sheet, file);
}

}  // namespace
}  // namespace jubilo::spreadsheet
