// Writes the sample workbooks into a folder, for looking at them in other
// spreadsheets and for the fuzzer's seed corpus: each as an .xls file and
// as a bare workbook stream (.biff, without the padding at its end).
//   xls_sample_writer <folder>

#include "sample_workbooks.h"

#include "spreadsheet/xls/xls_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    using namespace jubilo::xls;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const auto save = [&](const XlsWorkbook& wb, const char* name) {
        writeWorkbook(wb, dir / (std::string(name) + ".xls"));
        std::vector<uint8_t> stream = encodeWorkbookStream(wb);
        while (!stream.empty() && stream.back() == 0)
            stream.pop_back();
        stream.resize(stream.size() + 3, 0);  // the last EOF's zero length
        std::ofstream(dir / (std::string(name) + ".biff"), std::ios::binary)
            .write(reinterpret_cast<const char*>(stream.data()), std::streamsize(stream.size()));
    };
    try {
        save(testing::representativeWorkbook(), "representative");
        save(testing::styledRows(40), "styled_rows");
        save(makeDefaultWorkbook(), "empty");
    } catch (const XlsError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
