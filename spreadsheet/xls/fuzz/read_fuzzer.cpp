// libFuzzer entry for the .xls reader. Input that starts with the
// compound-file signature goes through the whole reader; anything else is
// taken as a bare workbook stream, so that the record parsing gets most of
// the mutations.

#include "spreadsheet/xls/xls_io.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const uint8_t kSignature[4] = {0xD0, 0xCF, 0x11, 0xE0};
    const std::span<const uint8_t> bytes(data, size);
    try {
        if (size >= 4 && std::memcmp(data, kSignature, 4) == 0)
            jubilo::xls::readWorkbookBytes(bytes);
        else
            jubilo::xls::decodeWorkbookStream(bytes);
    } catch (const jubilo::xls::XlsError&) {
        // A clear refusal is the expected outcome for most inputs.
    }
    return 0;
}
