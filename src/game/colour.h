#pragma once

#include <cstdint>

namespace slyders {

// An RGB colour with 8-bit channels.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Pixels are stored as 0xFFRRGGBB, the layout QImage::Format_RGB32 reads without copying.
constexpr std::uint32_t toPixel(Rgb c) {
    return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}
constexpr Rgb fromPixel(std::uint32_t p) {
    return {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
}

// Mixes two colours channel by channel: a * t + b * (1 - t), truncated, low 8 bits kept.
constexpr Rgb BlendColor(Rgb a, Rgb b, double t) {
    auto mix = [t](std::uint8_t x, std::uint8_t y) {
        return std::uint8_t(static_cast<int>(x * t + y * (1.0 - t)) & 0xFF);
    };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kPink{255, 160, 255};
constexpr Rgb kBrick{190, 90, 90};  // everything solid that events draw

}  // namespace slyders
