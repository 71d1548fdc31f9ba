// Files that claim more than they hold cost memory by what they hold: each
// hostile input is read or refused with an XlsError within a small budget,
// whatever extent, size or count it claims.

#include "heap_meter.h"
#include "hostile_workbooks.h"

#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

namespace jubilo::xls {
namespace {

// The stream copied out of its container, what the records hold in the
// image (a few times their bytes), and a fixed allowance for the rest.
constexpr std::size_t kBudgetPerInputByte = 16;
constexpr std::size_t kFixedBudget = std::size_t(256) << 10;

TEST(HostileInput, EachIsReadOrRefusedWithinAMemoryBudget)
{
    {
        const testing::HeapMeter meter;  // the meter sees what containers take
        std::vector<char> taken(kFixedBudget * 2);
        volatile char* touched = taken.data();
        touched[0] = 1;
        EXPECT_GE(meter.peakBytes(), taken.size());
    }
    for (const testing::HostileInput& input : testing::hostileInputs()) {
        const std::string name = input.name + (input.container ? ".xls" : ".biff");
        std::string outcome = "read";
        const testing::HeapMeter meter;
        try {
            const XlsWorkbook wb = input.container ? readWorkbookBytes(input.bytes) : decodeWorkbookStream(input.bytes);
        } catch (const XlsError& e) {
            outcome = e.what();
        }
        EXPECT_LE(meter.peakBytes(), kFixedBudget + kBudgetPerInputByte * input.bytes.size())
            << name << " (" << input.bytes.size() << " bytes): " << outcome;
    }
}

TEST(HostileInput, SheetsAreReadUpToTheLimit)
{
    EXPECT_EQ(decodeWorkbookStream(testing::streamWithSheets(kMaxSheets)).sheets.size(), kMaxSheets);
    const std::vector<uint8_t> tooMany = testing::streamWithSheets(kMaxSheets + 1);
    const testing::HeapMeter meter;
    try {
        decodeWorkbookStream(tooMany);
        ADD_FAILURE() << "read";
    } catch (const XlsError& e) {
        EXPECT_STREQ(e.what(), "the workbook has more than 4,096 sheets, which is not supported");
    }
    EXPECT_LE(meter.peakBytes(), kFixedBudget + kBudgetPerInputByte * tooMany.size());
}

}  // namespace
}  // namespace jubilo::xls
