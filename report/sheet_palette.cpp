#include "report/sheet_palette.h"

#include <cstddef>

namespace jubilo {

namespace {

struct Rgb {
    int r, g, b;
};

constexpr Rgb kColours[56] = {
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {104, 150, 206}, {255, 255, 0},
    {255, 0, 255},   {0, 255, 255},   {128, 0, 0},     {84, 125, 146},  {184, 203, 214}, {55, 82, 95},
    {129, 164, 120}, {0, 128, 128},   {224, 224, 224}, {128, 128, 128}, {153, 153, 255}, {8, 132, 131},
    {254, 248, 232}, {204, 255, 255}, {102, 0, 102},   {255, 128, 128}, {0, 102, 204},   {204, 204, 255},
    {0, 0, 128},     {255, 0, 255},   {255, 255, 0},   {0, 255, 255},   {128, 0, 128},   {128, 0, 0},
    {0, 128, 128},   {0, 0, 255},     {0, 204, 255},   {254, 252, 242}, {219, 235, 203}, {255, 231, 189},
    {252, 250, 242}, {255, 153, 204}, {234, 234, 234}, {253, 247, 223}, {51, 102, 255},  {51, 204, 204},
    {177, 255, 209}, {255, 204, 0},   {255, 153, 0},   {255, 102, 0},   {251, 248, 239}, {207, 207, 207},
    {190, 190, 190}, {51, 153, 102},  {115, 158, 211}, {236, 245, 215}, {153, 51, 0},    {153, 51, 102},
    {204, 255, 204}, {51, 51, 51},
};

SheetPalette g_palette{};

}  // namespace

void initSheetPalette(SheetPalette& palette)
{
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = paletteColour(kColours[i].r, kColours[i].g, kColours[i].b);
}

void initSheetPalette() { initSheetPalette(g_palette); }

const SheetPalette& sheetPalette()
{
    if (g_palette[1] == 0)  // entry 2 is white once filled
        initSheetPalette(g_palette);
    return g_palette;
}

}  // namespace jubilo
