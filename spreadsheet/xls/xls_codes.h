#pragma once
// The codes cells and formats carry in a BIFF8 file: line styles and
// alignments as XF records store them, error values as BOOLERR records and
// error tokens do. The engine speaks in the same codes.

#include <cstdint>

namespace jubilo::xls {

enum class XlsLine : uint8_t {
    None = 0,
    Thin,
    Medium,
    Dashed,
    Dotted,
    Thick,
    Double,
    Hair,
    MediumDashed,
    DashDot,
    MediumDashDot,
    DashDotDot,
    MediumDashDotDot,
    SlantDashDot,
};

enum class XlsHAlign : uint8_t { General = 0, Left, Center, Right, Fill, Justify, CenterAcross, Distributed };
enum class XlsVAlign : uint8_t { Top = 0, Center, Bottom, Justify, Distributed };

enum class XlsErrorCode : uint8_t {
    Null = 0x00,
    Div0 = 0x07,
    Value = 0x0F,
    Ref = 0x17,
    Name = 0x1D,
    Num = 0x24,
    NA = 0x2A,
};

}  // namespace jubilo::xls
