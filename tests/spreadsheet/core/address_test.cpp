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

TEST(Address, ColumnLettersAtTheEdges)
{
    static constexpr struct {
        int col;
        const char* name;
    } kCases[] = {{0, "A"},   {1, "B"},   {25, "Z"},  {26, "AA"},  {27, "AB"},  {51, "AZ"},
                  {52, "BA"}, {77, "BZ"}, {78, "CA"}, {207, "GZ"}, {254, "IU"}, {kLastColumn, "IV"}};
    for (const auto& c : kCases) {
        EXPECT_EQ(columnName(c.col).toStdString(), c.name);
        EXPECT_EQ(parseColumns(QString::fromLatin1(c.name)).left, c.col) << c.name;
    }
    EXPECT_EQ(kLastColumn, 255);
    EXPECT_THROW(parseColumns("IW"), SpreadsheetError);
    EXPECT_THROW(parseColumns("ZZZZZZZZZZZZZZZZ"), SpreadsheetError);  // refused before it overflows
    EXPECT_THROW(parseRows("99999999999999999999"), SpreadsheetError);
}

// Every cell of the first and last rows, and every row of the first and
// last columns, reads back from the address written for it.
TEST(Address, WrittenAddressesReadBack)
{
    for (int col = 0; col <= kLastColumn; ++col)
        for (int row : {0, kLastRow}) {
            const CellRect cell = CellRect::at(row, col);
            ASSERT_EQ(parseA1Range(absoluteAddress(cell)), cell) << absoluteAddress(cell).toStdString();
            ASSERT_EQ(parseA1Range(columnName(col) + QString::number(row + 1)), cell);
        }
    for (int row = 0; row <= kLastRow; ++row)
        for (int col : {0, kLastColumn})
            ASSERT_EQ(parseA1Range(absoluteAddress(CellRect::at(row, col))), CellRect::at(row, col)) << row;
    for (const char* text : {"$B$3:$F$26", "$C:$C", "$B:$IU", "$7:$7", "$2:$65536", "$A$1:$IV$65536"})
        EXPECT_EQ(absoluteAddress(parseA1Range(QString::fromLatin1(text))).toStdString(), text);
    EXPECT_EQ(parseA1Range(" b$3 "), CellRect::at(2, 1));
    EXPECT_EQ(parseA1Range("$B3"), CellRect::at(2, 1));
    EXPECT_EQ(parseColumns("$B"), (CellRect{0, 1, kLastRow, 1}));
    EXPECT_EQ(parseRows("$3"), (CellRect{2, 0, 2, kLastColumn}));
    EXPECT_EQ(parseColumns("B3:C9"), (CellRect{0, 1, kLastRow, 2}));
    EXPECT_EQ(parseRows("B3:C9"), (CellRect{2, 0, 8, kLastColumn}));
}

TEST(Address, RefusalsNameTheInput)
{
    for (const char* bad : {"IW1", "A0", "Q1:", "A65537"}) {
        try {
            parseA1Range(QString::fromLatin1(bad));
            ADD_FAILURE() << bad << " was read";
        } catch (const SpreadsheetError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with('"' + std::string(bad) + '"')) << e.what();
        }
    }
}

}  // namespace
}  // namespace jubilo::spreadsheet
