// Other programs open what we write: Python's xlrd checks values and
// formats cell by cell, LibreOffice recomputes the formulas and prints the
// page. Both must be installed (scripts/install-deps.sh); a missing one
// fails the test.

#include "sample_workbooks.h"

#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/xls_io.h"
#include "tests/support/external_tools.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace jubilo::xls {
namespace {

namespace fs = std::filesystem;

std::string json(std::string_view s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string json(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// The colour xlrd reports for a colour index: fixed colours, the palette,
// nothing for the system and automatic colours.
std::string rgbJson(const XlsWorkbook& wb, uint16_t icv)
{
    static constexpr std::array<XlsColor, 8> fixed{{{0, 0, 0},
                                                    {255, 255, 255},
                                                    {255, 0, 0},
                                                    {0, 255, 0},
                                                    {0, 0, 255},
                                                    {255, 255, 0},
                                                    {255, 0, 255},
                                                    {0, 255, 255}}};
    XlsColor c;
    if (icv < 8)
        c = fixed[icv];
    else if (icv < 64)
        c = wb.palette.empty() ? defaultPalette()[icv - 8] : wb.palette[icv - 8];
    else
        return "null";
    return "[" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + "]";
}

std::string formatCode(const XlsWorkbook& wb, uint16_t index)
{
    for (const auto& f : wb.numberFormats)
        if (f.index == index)
            return utf8(f.code);
    switch (index) {  // the built-in codes the samples use, as xlrd names them
    case 0:
        return "General";
    case 10:
        return "0.00%";
    default:
        return "?";
    }
}

std::string expectations(const XlsWorkbook& wb)
{
    std::ostringstream o;
    o << "{\"sheets\":[";
    for (std::size_t si = 0; si < wb.sheets.size(); ++si) {
        const XlsSheet& s = wb.sheets[si];
        o << (si ? "," : "") << "{\"name\":" << json(utf8(s.name))
          << ",\"hidden\":" << (s.visibility != XlsVisibility::Visible ? "true" : "false") << ",\"cells\":[";
        for (std::size_t ci = 0; ci < s.cells.size(); ++ci) {
            const XlsCell& cell = s.cells[ci];
            const XlsValue* v = &cell.value;
            XlsValue cached;
            if (const auto* f = std::get_if<XlsFormula>(v)) {
                std::visit([&](const auto& r) { cached = r; }, f->cached);
                v = &cached;
            }
            std::string type, value = "null";
            if (std::holds_alternative<XlsBlank>(*v))
                type = "blank";
            else if (const auto* d = std::get_if<double>(v))
                type = "number", value = json(*d);
            else if (const auto* t = std::get_if<std::u16string>(v))
                type = "text", value = json(utf8(*t));
            else if (const auto* b = std::get_if<bool>(v))
                type = "bool", value = *b ? "true" : "false";
            else
                type = "error", value = std::to_string(int(std::get<XlsErrorCode>(*v)));
            const XlsXf& xf = wb.xfs[cell.xf];
            const XlsFont& font = wb.fonts[xf.font];
            const auto border = [&](const XlsBorder& b) {
                return "[" + std::to_string(int(b.line)) + ","
                    + (b.line == XlsLine::None ? std::string("null") : rgbJson(wb, b.color)) + "]";
            };
            o << (ci ? "," : "") << "{\"r\":" << cell.row << ",\"c\":" << cell.column << ",\"type\":\"" << type
              << "\",\"value\":" << value << ",\"format\":" << json(formatCode(wb, xf.numberFormat)) << ",\"font\":["
              << json(utf8(font.name)) << "," << font.height << "," << (font.weight >= 700 ? "true" : "false") << ","
              << (font.italic ? "true" : "false") << "," << rgbJson(wb, font.color) << "]"
              << ",\"fill\":[" << int(xf.fillPattern) << "," << rgbJson(wb, xf.fillForeground) << "]"
              << ",\"borders\":[" << border(xf.left) << "," << border(xf.right) << "," << border(xf.top) << ","
              << border(xf.bottom) << "]"
              << ",\"align\":[" << int(xf.hAlign) << "," << int(xf.vAlign) << "," << int(xf.indent) << ","
              << (xf.wrap ? "true" : "false") << "]}";
        }
        o << "],\"merges\":[";
        for (std::size_t i = 0; i < s.merges.size(); ++i) {
            const auto& m = s.merges[i];
            o << (i ? "," : "") << "[" << m.firstRow << "," << m.lastRow + 1 << "," << m.firstColumn << ","
              << m.lastColumn + 1 << "]";
        }
        o << "],\"widths\":{";
        bool first = true;
        for (const auto& c : s.columns)
            for (int col = c.first; col <= c.last; ++col, first = false)
                o << (first ? "" : ",") << "\"" << col << "\":" << c.width;
        o << "},\"heights\":{";
        for (std::size_t i = 0; i < s.rows.size(); ++i)
            o << (i ? "," : "") << "\"" << s.rows[i].row << "\":[" << s.rows[i].height << ","
              << (s.rows[i].customHeight ? "true" : "false") << "]";
        o << "},\"print_area\":";
        if (s.printArea)
            o << "[" << s.printArea->firstRow << "," << s.printArea->lastRow + 1 << "," << s.printArea->firstColumn
              << "," << s.printArea->lastColumn + 1 << "]";
        else
            o << "null";
        o << "}";
    }
    o << "]}";
    return o.str();
}

QString native(const fs::path& p) { return QString::fromStdString(p.string()); }

class ExternalReaders : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("jubilo_xls_external_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Converts the file into dir with LibreOffice; the result says why not.
    std::string convert(const QString& filter, const fs::path& file)
    {
        const jubilo::testing::LibreOffice office(native(dir / "profile"));
        return office.convert(filter, {native(file)}, native(dir)).output.toStdString();
    }

    fs::path dir;
};

TEST_F(ExternalReaders, XlrdSeesValuesFormatsMergesWidthsAndHeights)
{
    const XlsWorkbook wb = testing::representativeWorkbook();
    writeWorkbook(wb, dir / "report.xls");
    std::ofstream(dir / "expect.json") << expectations(wb);
    const fs::path script = fs::path(XLS_TEST_SOURCE_DIR) / "check_with_xlrd.py";
    const jubilo::testing::ProcessResult r = jubilo::testing::runProcess(
        QStringLiteral("/usr/bin/python3"), {native(script), native(dir / "report.xls"), native(dir / "expect.json")});
    EXPECT_TRUE(r.succeeded()) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(QLatin1String("0 difference(s)"))) << r.output.toStdString();
}

TEST_F(ExternalReaders, LibreOfficeRecomputesTheSameValuesAndPrintsOnePage)
{
    XlsWorkbook wb = testing::representativeWorkbook();
    wb.sheets.resize(1);  // the CSV export takes the first sheet
    for (auto& xf : wb.xfs)
        xf.numberFormat = 0;  // numbers as General: the export writes them as shown
    writeWorkbook(wb, dir / "report.xls");

    // UTF-8.
    std::string output = convert(QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), dir / "report.xls");
    ASSERT_TRUE(fs::exists(dir / "report.csv")) << output;
    const QList<QStringList> rows = jubilo::testing::readCsv(native(dir / "report.csv"));

    for (const XlsCell& cell : wb.sheets[0].cells) {
        const std::string where = cellName(cell.row, cell.column);
        ASSERT_LT(qsizetype(cell.row), rows.size()) << where;
        ASSERT_LT(qsizetype(cell.column), rows[cell.row].size()) << where;
        const std::string got = rows[cell.row][cell.column].toStdString();
        XlsValue v = cell.value;
        if (const auto* f = std::get_if<XlsFormula>(&cell.value))
            std::visit([&](const auto& res) { v = res; }, f->cached);
        if (const auto* d = std::get_if<double>(&v)) {
            EXPECT_NEAR(std::strtod(got.c_str(), nullptr), *d, std::abs(*d) * 1e-12) << where << ": " << got;
        } else if (const auto* t = std::get_if<std::u16string>(&v)) {
            EXPECT_EQ(got, utf8(*t)) << where;
        } else if (const auto* b = std::get_if<bool>(&v)) {
            EXPECT_TRUE(got == (*b ? "TRUE" : "FALSE") || got == (*b ? "1" : "0")) << where << ": " << got;
        } else if (const auto* e = std::get_if<XlsErrorCode>(&v)) {
            EXPECT_EQ(got, *e == XlsErrorCode::Div0 ? "#DIV/0!" : "#N/A") << where;
        } else {
            EXPECT_EQ(got, "") << where;
        }
    }

    // The print area fitted to one page.
    output = convert(QStringLiteral("pdf"), dir / "report.xls");
    ASSERT_TRUE(fs::exists(dir / "report.pdf")) << output;
    EXPECT_EQ(jubilo::testing::readPdfPages(native(dir / "report.pdf")).count, 1);
}

}  // namespace
}  // namespace jubilo::xls
