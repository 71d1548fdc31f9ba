// Messages name sheets in UTF-8, whatever their script, so the layers
// above show them as they were typed; text that has no UTF-8 form (half a
// surrogate pair) becomes U+FFFD rather than bytes no reader accepts.

#include "spreadsheet/xls/message_text_p.h"
#include "spreadsheet/xls/record_types_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

#include <string>

namespace jubilo::xls {
namespace {

const std::pair<std::u16string, std::string> kUtf8Cases[] = {
    {u"Plan", "Plan"},
    {u"Gäste", "G\xC3\xA4ste"},
    {u"Гости", "\xD0\x93\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8"},
    {u"宴会", "\xE5\xAE\xB4\xE4\xBC\x9A"},
    {u"\U0001F389 Party", "\xF0\x9F\x8E\x89 Party"},
    {u"a\xD800"
     u"b",
     "a\xEF\xBF\xBD"
     "b"},  // a high surrogate alone
    {u"a\xDC00", "a\xEF\xBF\xBD"},  // a low surrogate alone
    {u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // a pair the wrong way round
    {u"x\xD83C", "x\xEF\xBF\xBD"},  // cut off after half a pair
};

TEST(MessageText, Utf8OfAnyText)
{
    for (const auto& [text, expected] : kUtf8Cases)
        EXPECT_EQ(utf8(text), expected) << expected;
}

// The workbook stream of a one-sheet workbook, cut just before the sheet's
// EOF record.
std::vector<uint8_t> cutBeforeTheLastEof(const XlsWorkbook& wb)
{
    const std::vector<uint8_t> s = encodeWorkbookStream(wb);
    std::size_t lastEof = 0;
    for (std::size_t at = 0; at + 4 <= s.size();) {
        const uint16_t type = uint16_t(s[at] | (s[at + 1] << 8));
        if (type == kEofRecord)
            lastEof = at;
        if (type == 0)
            break;  // the padding
        at += 4 + std::size_t(s[at + 2] | (s[at + 3] << 8));
    }
    return {s.begin(), s.begin() + std::ptrdiff_t(lastEof)};
}

std::string refusal(const auto& attempt)
{
    try {
        attempt();
    } catch (const XlsError& e) {
        return e.what();
    }
    return "(no refusal)";
}

TEST(MessageText, SheetNamesInMessagesAreUtf8)
{
    for (const auto& [name, expected] : kUtf8Cases) {
        XlsWorkbook wb = makeDefaultWorkbook();
        wb.sheets[0].name = name;
        const std::vector<uint8_t> cut = cutBeforeTheLastEof(wb);
        EXPECT_EQ(refusal([&] { decodeWorkbookStream(cut); }),
                  "damaged workbook: the workbook stream ends inside sheet \"" + expected
                      + "\", before its EOF record");

        wb.sheets[0].name += u"*";
        EXPECT_EQ(refusal([&] { encodeWorkbookStream(wb); }),
                  "cannot save the workbook: the sheet name \"" + expected + "*\" contains one of : \\ / ? * [ ]");
    }
}

}  // namespace
}  // namespace jubilo::xls
