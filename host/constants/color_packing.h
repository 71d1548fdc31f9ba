#pragma once
// Colours as the host interface and the palette hold them: one 32-bit
// value 0x00BBGGRR, red in the low byte, blue in the third.

#include <cstdint>

namespace jubilo::xl {

constexpr std::uint32_t packBgr(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t(red) | std::uint32_t(green) << 8 | std::uint32_t(blue) << 16;
}

constexpr std::uint8_t redOfBgr(std::uint32_t bgr) { return std::uint8_t(bgr); }
constexpr std::uint8_t greenOfBgr(std::uint32_t bgr) { return std::uint8_t(bgr >> 8); }
constexpr std::uint8_t blueOfBgr(std::uint32_t bgr) { return std::uint8_t(bgr >> 16); }

}  // namespace jubilo::xl
