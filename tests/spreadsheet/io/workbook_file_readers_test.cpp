// Files the engine saves, as other programs read them: xlrd compares every
// cell's value and look, the widths, heights, merges and print area with the
// engine's own view of the workbook; LibreOffice recomputes the formulas and
// its values must equal the engine's, and it prints the plan on one page.
// Both must be installed (scripts/install-deps.sh); a missing one fails.

#include "file_samples.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/io/xls_export_p.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace jubilo::spreadsheet {
namespace {

struct CommandResult {
    int status = -1;
    std::string output;
};

CommandResult run(const QString& command)
{
    CommandResult r;
    FILE* p = popen((command + QStringLiteral(" 2>&1")).toLocal8Bit().constData(), "r");
    if (!p)
        return r;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p))
        r.output.append(buf, n);
    r.status = pclose(p);
    return r;
}

QString quoted(const QString& s) { return u'\'' + s + u'\''; }

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
                borders.append(QJsonArray{int(b.style), b.style == LineStyle::None ? QJsonValue() : rgb(book, b.colorIndex)});
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
        for (int r = 0; r < sheet.cells().rowLimit(); ++r)
            if (sheet.hasCustomHeight(r))
                heights[QString::number(r)] = QJsonArray{int(std::lround(sheet.rowHeight(r) * 20)), true};
        const QString area = sheet.pageSetup().printArea();
        sheets.append(QJsonObject{{"name", sheet.name()},
                                  {"hidden", false},
                                  {"cells", cells},
                                  {"merges", merges},
                                  {"widths", widths},
                                  {"heights", heights},
                                  {"print_area", area.isEmpty() ? QJsonValue() : QJsonValue(span(parseA1Range(area)))}});
    }
    return {{"sheets", sheets}};
}

// One CSV line (LibreOffice's quoting) split into fields.
std::vector<std::string> csvFields(const std::string& line)
{
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            out.back() += '"', ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

class SavedFileReaders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // LibreOffice with a profile of its own, so no running instance or
    // user settings take part.
    CommandResult libreOffice(const QString& args)
    {
        return run(QStringLiteral("timeout 180 soffice -env:UserInstallation=file://%1 --headless --norestore %2")
                       .arg(dir.filePath("profile"), args));
    }

    // The first sheet as LibreOffice computes it, values unformatted.
    std::vector<std::vector<std::string>> libreOfficeValues(const QString& file)
    {
        const CommandResult r = libreOffice(
            QStringLiteral("--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false' --outdir %1 %2")
                .arg(quoted(dir.path()), quoted(file)));
        const QString csvPath = QString(file).replace(QStringLiteral(".xls"), QStringLiteral(".csv"));
        std::ifstream csv(csvPath.toStdString());
        EXPECT_TRUE(csv.good()) << r.output;
        std::vector<std::vector<std::string>> rows;
        for (std::string line; std::getline(csv, line);)
            rows.push_back(csvFields(line));
        return rows;
    }

    void expectLibreOfficeAgrees(Worksheet& sheet, const QString& file)
    {
        const auto rows = libreOfficeValues(file);
        int checked = 0;
        sheet.cells().forEach(CellRect::sheet(), [&](int r, const Cell& c) {
            const std::string at = columnName(c.col).toStdString() + std::to_string(r + 1);
            const std::string got = std::size_t(r) < rows.size() && std::size_t(c.col) < rows[r].size() ? rows[r][c.col] : "";
            const Value v = sheet.value(r, c.col);
            ++checked;
            if (const auto* d = std::get_if<double>(&v)) {
                // Percentages keep their sign even in unformatted output.
                const double shown = std::strtod(got.c_str(), nullptr) / (got.ends_with('%') ? 100 : 1);
                EXPECT_NEAR(shown, *d, std::abs(*d) * 1e-12) << at << ": " << got;
            }
            else if (const auto* s = std::get_if<QString>(&v))
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

    QTemporaryDir dir;
    std::shared_ptr<Application> app;
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
    const CommandResult r =
        run(QStringLiteral("/usr/bin/python3 %1 %2 %3").arg(quoted(script), quoted(file), quoted(dir.filePath("expect.json"))));
    EXPECT_EQ(r.status, 0) << r.output.substr(0, 4000);
    EXPECT_NE(r.output.find(" 0 difference(s)"), std::string::npos) << r.output.substr(0, 4000);
}

TEST_F(SavedFileReaders, LibreOfficeComputesTheEnginesValuesAndPrintsThePlanOnOnePage)
{
    auto plan = app->addWorkbook();
    testing::buildPlanSheet(*app, *plan->sheet(1));
    const QString planFile = dir.filePath("plan.xls");
    plan->saveAs(planFile, xl::kWorkbookNormal);
    expectLibreOfficeAgrees(*plan->sheet(1), planFile);

    const CommandResult r = libreOffice(QStringLiteral("--convert-to pdf --outdir %1 %2").arg(quoted(dir.path()), quoted(planFile)));
    std::ifstream pdf(dir.filePath("plan.pdf").toStdString(), std::ios::binary);
    ASSERT_TRUE(pdf.good()) << r.output;
    const std::string bytes((std::istreambuf_iterator<char>(pdf)), std::istreambuf_iterator<char>());
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type/Page"); at != std::string::npos; at = bytes.find("/Type/Page", at + 1))
        pages += bytes.compare(at, 11, "/Type/Pages") != 0;
    EXPECT_EQ(pages, 1u);

    auto odd = app->addWorkbook();
    testing::buildOddValues(*odd->sheet(1), false);
    const QString oddFile = dir.filePath("odd.xls");
    odd->saveAs(oddFile, xl::kExcel8);
    expectLibreOfficeAgrees(*odd->sheet(1), oddFile);
}

}  // namespace
}  // namespace jubilo::spreadsheet
