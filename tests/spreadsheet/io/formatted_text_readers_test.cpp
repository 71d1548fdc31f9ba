// The text the engine shows for a value under a number format, against the
// text LibreOffice shows for the same cell of the saved file. LibreOffice
// formats on its own, so an agreement is worth more than the engine's tests
// of itself; where the two are meant to differ the table says why.

#include "file_samples.h"

#include "tests/support/external_tools.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

namespace tools = jubilo::testing;

constexpr double kSecond = 1.0 / 86400;

struct Case {
    double value;
    const char* code;
    // What LibreOffice shows when it is meant to differ, and why; null when
    // both must show the same.
    const char* libreOffice = nullptr;
    const char* reason = nullptr;
};

const Case kCases[] = {
    {1234.5678, "0"},
    {2.5, "0"},
    {-2.5, "0"},
    {0.125, "0.00"},
    {1.005, "0.00"},
    {2.675, "0.00"},
    {-0.001, "0.00"},
    {-0.4, "0"},
    {123456789012345678.0, "0"},
    {1234567.891, "#,##0.00"},
    {-1234567, "#,##0"},
    {1234567, "#,##0,"},
    {1234567, "0.0,,"},
    {1234567, "#,##0.0,,\"M\""},
    {1.5, "#,##0.0,"},
    {1234567.891, "0.0,0"},
    {0.12345, "0.0%"},
    {1500, "0.00E+00"},
    {0.00015, "0.00E+00"},
    {12345, "##0.0E+0"},
    {0.00015, "##0.0E+0"},
    {5551234, "000-0000"},
    {12, "###-####"},
    {7, "000"},
    {5, "0 \"x\" 0"},
    {0.5, "#.##"},
    {3, "0 \"guests\""},
    {-1234.5, "$#,##0.00_);($#,##0.00)"},
    {1234.5, "$#,##0.00_);($#,##0.00)"},
    {5, "[Magenta]0"},
    {-5, "0;[Red]-0"},
    {0, "0;-0;\"zero\""},
    {42, "@"},
    {-1.5, "@"},
    {5, "\"x\"@"},  // a number under a text section shows as General, without the text
    {0.1 + 0.2, "General"},
    {1234.5, "General"},
    {45000, "yyyy-mm-dd"},
    {45000, "dddd, mmmm d, yyyy"},
    {45000, "d-mmm-yy"},
    {45000, "mmmmm"},
    {45000.75, "h:mm AM/PM"},
    {45000.75, "m/d/yyyy h:mm"},
    {45000 + (13 * 3600 + 5 * 60 + 9) * kSecond, "hh:mm:ss"},
    {1.5, "[h]:mm"},
    {1 + 3723 * kSecond, "[mm]:ss"},
    {1 + 3723 * kSecond, "[s]"},
    {61.26 * kSecond, "mm:ss.0"},
    {61.26 * kSecond, "mm:ss.00"},
    {1 - 0.1 * kSecond, "hh:mm:ss", "23:59:59",
     "the engine rounds a time to the second, LibreOffice drops the fraction"},
    {0.5 + 3600 * kSecond, "h:mm am/pm", "1:00 PM", "the engine keeps the case the code writes AM/PM in"},
    {-0.5, "[h]:mm", "-12:00", "the engine shows hashes for a time before serial 0, LibreOffice a signed time"},
    {61, "yyyy-mm-dd dddd"},
    {60, "yyyy-mm-dd", "1900-02-28", "LibreOffice has no 1900-02-29; serials before 61 fall a day earlier there"},
    {1, "yyyy-mm-dd", "1899-12-31", "LibreOffice has no 1900-02-29; serials before 61 fall a day earlier there"},
};

class FormattedText : public testing::SavedFilesTest {};

TEST_F(FormattedText, LibreOfficeShowsWhatTheEngineShows)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    auto book = app->addWorkbook();
    const std::shared_ptr<Worksheet> sheet = book->sheet(1);
    for (int row = 0; row < int(std::size(kCases)); ++row) {
        const Case& c = kCases[row];
        // Typed first: under "@" the typed number would stay text.
        sheet->setFormulaR1C1(row, 0, QString::number(c.value, 'g', 17));
        Range(sheet, CellRect::at(row, 0)).setNumberFormat(QString::fromUtf8(c.code));
        ASSERT_EQ(sheet->value(row, 0), Value(c.value)) << "row " << row + 1;
    }
    const QString file = path(QStringLiteral("formats.xls"));
    book->saveAs(file, xl::kExcel8);

    const tools::LibreOffice office{path(QStringLiteral("profile"))};
    const auto converted = office.convert(tools::kCsvAsShown, {file}, dir.path());
    const auto rows = tools::readCsv(path(QStringLiteral("formats.csv")));
    ASSERT_EQ(rows.size(), qsizetype(std::size(kCases))) << converted.output.toStdString();
    for (int row = 0; row < int(std::size(kCases)); ++row) {
        const Case& c = kCases[row];
        const std::string engine = sheet->text(row, 0).toStdString();
        const std::string office = rows[row].value(0).toStdString();
        if (c.libreOffice) {
            EXPECT_EQ(office, c.libreOffice) << c.code << " (" << c.reason << ")";
            EXPECT_NE(engine, office) << c.code << ": no longer differs";
        } else {
            EXPECT_EQ(engine, office) << c.value << " in " << c.code;
        }
    }
}

}  // namespace
}  // namespace jubilo::spreadsheet
