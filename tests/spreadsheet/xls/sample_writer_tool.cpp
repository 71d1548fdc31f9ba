// Writes the sample workbooks into a folder, for looking at them in other
// spreadsheets and for the fuzzer's seed corpus: each as an .xls file and
// as a bare workbook stream (.biff, without the padding at its end); then
// the hostile inputs, which claim far more than they hold.
//   xls_sample_writer <folder>

#include "hostile_workbooks.h"
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
    const auto put = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    };
    const auto save = [&](const XlsWorkbook& wb, const char* name) {
        writeWorkbook(wb, dir / (std::string(name) + ".xls"));
        std::vector<uint8_t> stream = encodeWorkbookStream(wb);
        while (!stream.empty() && stream.back() == 0)
            stream.pop_back();
        stream.resize(stream.size() + 3, 0);  // the last EOF's zero length
        put(std::string(name) + ".biff", stream);
    };
    try {
        save(testing::representativeWorkbook(), "representative");
        save(testing::styledRows(40), "styled_rows");
        save(makeDefaultWorkbook(), "empty");
        for (const testing::HostileInput& input : testing::hostileInputs())
            put("hostile_" + input.name + (input.container ? ".xls" : ".biff"), input.bytes);
    } catch (const XlsError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
