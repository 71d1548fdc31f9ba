// The workbook's table of number formats, fonts and cell formats, the
// built-in codes readers know by index, and the default palette.

#include "spreadsheet/format/format_table_p.h"
#include "spreadsheet/format/number_format.h"
#include "spreadsheet/format/palette.h"

#include <gtest/gtest.h>

#include <vector>

namespace jubilo::spreadsheet {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

constexpr double kEvening = 45000.75;  // 2023-03-15 18:00
constexpr double kElapsed = 1 + (1 * 3600 + 2 * 60 + 3.26) / 86400;  // a day, 1:02:03.26

// Each built-in code by its index, and what it shows for a value. Indexes
// 12 and 13 are fractions, which cells show as decimals for now.
constexpr struct {
    quint16 index;
    const char* code;
    double value;
    const char* shown;
} kBuiltins[] = {
    {0, "General", 1234.5, "1234.5"},
    {1, "0", 1234.5, "1235"},
    {2, "0.00", 1234.5, "1234.50"},
    {3, "#,##0", 1234.5, "1,235"},
    {4, "#,##0.00", 1234.5, "1,234.50"},
    {5, "$#,##0_);($#,##0)", -1234.5, "($1,235)"},
    {6, "$#,##0_);[Red]($#,##0)", 1234.5, "$1,235 "},
    {7, "$#,##0.00_);($#,##0.00)", -1234.5, "($1,234.50)"},
    {8, "$#,##0.00_);[Red]($#,##0.00)", -1234.5, "($1,234.50)"},
    {9, "0%", 0.256, "26%"},
    {10, "0.00%", 0.256, "25.60%"},
    {11, "0.00E+00", 1234.5, "1.23E+03"},
    {14, "m/d/yyyy", kEvening, "3/15/2023"},
    {15, "d-mmm-yy", kEvening, "15-Mar-23"},
    {16, "d-mmm", kEvening, "15-Mar"},
    {17, "mmm-yy", kEvening, "Mar-23"},
    {18, "h:mm AM/PM", kEvening, "6:00 PM"},
    {19, "h:mm:ss AM/PM", kEvening, "6:00:00 PM"},
    {20, "h:mm", kEvening, "18:00"},
    {21, "h:mm:ss", kEvening, "18:00:00"},
    {22, "m/d/yyyy h:mm", kEvening, "3/15/2023 18:00"},
    {37, "#,##0_);(#,##0)", -1234, "(1,234)"},
    {38, "#,##0_);[Red](#,##0)", 1234, "1,234 "},
    {39, "#,##0.00_);(#,##0.00)", -1234, "(1,234.00)"},
    {40, "#,##0.00_);[Red](#,##0.00)", 1234, "1,234.00 "},
    {45, "mm:ss", kElapsed, "02:03"},
    {46, "[h]:mm:ss", kElapsed, "25:02:03"},
    {47, "mm:ss.0", kElapsed, "02:03.3"},
    {48, "##0.0E+0", 12345, "12.3E+3"},
    {49, "@", 5, "5"},
};

TEST(FormatTable, BuiltInCodesKeepTheirIndexes)
{
    FormatTable table;
    for (const auto& b : kBuiltins) {
        const QString code = QString::fromLatin1(b.code);
        EXPECT_EQ(table.internNumberFormat(code), b.index) << b.code;
        EXPECT_EQ(table.numberFormat(b.index), code) << b.index;
        EXPECT_EQ(formatValue(b.value, table.numberFormat(b.index), kEnglish).toStdString(), b.shown) << b.code;
    }
    EXPECT_EQ(table.internNumberFormat("GENERAL"), 0);
    EXPECT_EQ(table.internNumberFormat("general"), 0);
    EXPECT_TRUE(table.isTextFormat(49));
    EXPECT_FALSE(table.isTextFormat(0));
    EXPECT_FALSE(table.isTextFormat(kFirstCustomNumberFormat));
    EXPECT_EQ(table.numberFormat(kFirstCustomNumberFormat), "General");  // not yet given out
}

TEST(FormatTable, CustomCodesNumberOnFromTheFirstFreeIndex)
{
    FormatTable table;
    EXPECT_EQ(table.internNumberFormat("0.000"), kFirstCustomNumberFormat);
    EXPECT_EQ(table.internNumberFormat("yyyy-mm-dd"), kFirstCustomNumberFormat + 1);
    EXPECT_EQ(table.internNumberFormat("0.000"), kFirstCustomNumberFormat);
    EXPECT_EQ(table.internNumberFormat("0.00"), 2);
    EXPECT_EQ(table.internNumberFormat("0.0"), kFirstCustomNumberFormat + 2);
    EXPECT_EQ(table.internNumberFormat("0.0%"), kFirstCustomNumberFormat + 3);  // codes are told apart exactly
    EXPECT_EQ(table.numberFormat(kFirstCustomNumberFormat + 1), "yyyy-mm-dd");
    EXPECT_EQ(table.numberFormats().size(), std::size(kBuiltins) + 4 + 2);  // with the two fractions
}

TEST(FormatTable, EqualLooksShareAnIndex)
{
    FormatTable table;
    EXPECT_EQ(table.intern(CellFormat{}), 0u);
    EXPECT_EQ(table.internFont(Font{}), 0);
    Font bold;
    bold.bold = true;
    const quint16 boldIndex = table.internFont(bold);
    EXPECT_EQ(boldIndex, 1);
    EXPECT_EQ(table.internFont(bold), boldIndex);
    EXPECT_EQ(table.font(boldIndex), bold);

    // Formats that differ in one member each get an index of their own.
    std::vector<CellFormat> looks(9);
    looks[1].font = boldIndex;
    looks[2].numberFormat = 2;
    looks[3].hAlign = HAlign::Distributed;
    looks[4].vAlign = VAlign::Top;
    looks[5].indent = 15;
    looks[6].wrap = true;
    looks[7].fillColor = 56;
    looks[8].borders[kBottom] = {LineStyle::Thin, 0};
    for (std::size_t i = 0; i < looks.size(); ++i)
        EXPECT_EQ(table.intern(looks[i]), i);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        EXPECT_EQ(table.intern(looks[i]), i);
        EXPECT_EQ(table.format(quint32(i)), looks[i]);
    }
}

TEST(Palette, DefaultColoursAreStoredBlueGreenRed)
{
    const Palette& palette = defaultPalette();
    EXPECT_EQ(palette[0], 0x000000u);  // black
    EXPECT_EQ(palette[1], 0xFFFFFFu);  // white
    EXPECT_EQ(palette[2], 0x0000FFu);  // red, in the low byte
    EXPECT_EQ(palette[3], 0x00FF00u);  // green
    EXPECT_EQ(palette[4], 0xFF0000u);  // blue
    EXPECT_EQ(palette[5], 0x00FFFFu);  // yellow
    EXPECT_EQ(palette[17], 0x663399u);  // plum, 0x993366 as red, green, blue
    EXPECT_EQ(palette[kPaletteSize - 1], 0x333333u);
}

}  // namespace
}  // namespace jubilo::spreadsheet
