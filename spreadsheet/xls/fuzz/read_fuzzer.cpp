// libFuzzer entry for the .xls reader. Input that starts with the
// compound-file signature goes through the whole reader; anything else is
// taken as a bare workbook stream, so that the record parsing gets most of
// the mutations. A workbook that reads must also write, if the writer
// accepts it, and read back the same.

#include "spreadsheet/xls/xls_io.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace jubilo::xls;
    static const uint8_t kSignature[4] = {0xD0, 0xCF, 0x11, 0xE0};
    const std::span<const uint8_t> bytes(data, size);
    XlsWorkbook read;
    try {
        if (size >= 4 && std::memcmp(data, kSignature, 4) == 0)
            read = readWorkbookBytes(bytes);
        else
            read = decodeWorkbookStream(bytes);
    } catch (const XlsError&) {
        return 0;  // a clear refusal is the expected outcome for most inputs
    }
    std::vector<uint8_t> written;
    try {
        written = encodeWorkbookStream(read);
    } catch (const XlsError&) {
        return 0;  // read, but not a workbook this writer would produce
    }
    const XlsWorkbook again = decodeWorkbookStream(written);
    if (!(again == read)) {
        std::fprintf(stderr, "a workbook read from the input does not survive writing and reading\n");
        std::abort();
    }
    return 0;
}
