// Writes the sample workbooks into a folder, for looking at them in other
// spreadsheets and for the fuzzer's seed corpus:
//   xls_sample_writer <folder>

#include "sample_workbooks.h"

#include "spreadsheet/xls/xls_io.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    using namespace jubilo::xls;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    try {
        writeWorkbook(testing::representativeWorkbook(), dir / "representative.xls");
        writeWorkbook(testing::styledRows(40), dir / "styled_rows.xls");
        writeWorkbook(makeDefaultWorkbook(), dir / "empty.xls");
    } catch (const XlsError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
