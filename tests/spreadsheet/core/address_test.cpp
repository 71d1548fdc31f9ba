#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

TEST(Address, ReadsTheFormsCallersWrite)
{
    EXPECT_EQ(parseA1Range("B3"), CellRect::at(2, 1));
    EXPECT_EQ(parseA1Range("B3:F3"), (CellRect{2, 1, 2, 5}));
    EXPECT_EQ(parseA1Range("$B$2:$F$26"), (CellRect{1, 1, 25, 5}));
    EXPECT_EQ(parseA1Range("F3:B1"), (CellRect{0, 1, 2, 5}));  // corners in any order
    EXPECT_EQ(parseA1Range("A:A"), (CellRect{0, 0, kLastRow, 0}));
    EXPECT_EQ(parseA1Range("3:3"), (CellRect{2, 0, 2, kLastColumn}));
    EXPECT_EQ(parseA1Range("a1:iv65536"), CellRect::sheet());
    EXPECT_EQ(parseColumns("C"), (CellRect{0, 2, kLastRow, 2}));
    EXPECT_EQ(parseColumns("B:D"), (CellRect{0, 1, kLastRow, 3}));
    EXPECT_EQ(parseRows("7"), (CellRect{6, 0, 6, kLastColumn}));
    EXPECT_EQ(parseRows("1:2"), (CellRect{0, 0, 1, kLastColumn}));
}

TEST(Address, RefusesMalformedAndOffGridAddresses)
{
    for (const char* bad : {"", "B", "3", "B3:", ":B3", "B0", "IW1", "A65537", "AAAA1", "B3:C", "A:3", "B$", "1A",
                            "B3,C4", "B-3", "$$B3", "Ä1"}) {
        EXPECT_THROW(parseA1Range(QString::fromUtf8(bad)), SpreadsheetError) << bad;
    }
    EXPECT_THROW(parseRows("A"), SpreadsheetError);
    EXPECT_THROW(parseColumns("0"), SpreadsheetError);
}

TEST(Address, WritesAbsoluteAddresses)
{
    EXPECT_EQ(columnName(0), "A");
    EXPECT_EQ(columnName(25), "Z");
    EXPECT_EQ(columnName(26), "AA");
    EXPECT_EQ(columnName(kLastColumn), "IV");
    EXPECT_EQ(absoluteAddress(CellRect{1, 1, 25, 5}), "$B$2:$F$26");
    EXPECT_EQ(absoluteAddress(CellRect::at(2, 1)), "$B$3");
    EXPECT_EQ(absoluteAddress(parseA1Range("A:B")), "$A:$B");
    EXPECT_EQ(absoluteAddress(parseA1Range("3:3")), "$3:$3");
    EXPECT_EQ(absoluteAddress(CellRect::sheet()), "$A$1:$IV$65536");
}

}  // namespace
}  // namespace jubilo::spreadsheet
