#include "present/screen_scaling.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

constexpr std::uint32_t kGround = 0xFF203040u;
constexpr std::uint32_t kTrail = 0xFFFFFF00u;

std::uint8_t green(std::uint32_t p) {
    return std::uint8_t(p >> 8);
}

PixelBuffer scaledWhole(const PixelBuffer& source, int targetSide) {
    PixelBuffer shown(targetSide, targetSide);
    SquareScaler(source.width(), targetSide)
        .scale(source, 0, 0, {0, 0, source.width(), source.width()}, shown, 0, 0);
    return shown;
}

// An even ground stays that colour, a trail one pixel wide is still seen after shrinking
// by a third, and its edges stay where the line is when enlarging.
TEST(SquareScaler, KeepsColoursAndThinLinesBothWays) {
    for (const auto& [from, to] : {std::pair{972, 648}, std::pair{500, 972}}) {
        PixelBuffer source(from, from, kGround);
        for (int y = 0; y < from; ++y) source.at(from / 2, y) = kTrail;
        const PixelBuffer shown = scaledWhole(source, to);
        EXPECT_EQ(shown.at(3, 7), kGround) << from << " to " << to;
        EXPECT_EQ(shown.at(to - 1, to - 1), kGround);
        int brightest = 0, touched = 0;
        for (int x = 0; x < to; ++x) {
            brightest = std::max<int>(brightest, green(shown.at(x, to / 3)));
            touched += shown.at(x, to / 3) != kGround;
        }
        EXPECT_GE(brightest, 0x30 + (0xFF - 0x30) / 3) << from << " to " << to;
        EXPECT_LE(touched, to > from ? 4 : 3);
    }
}

// Rescaling only what changed gives exactly what scaling everything again gives, near the
// edges of the square too.
TEST(SquareScaler, AChangedPartScaledAloneMatchesTheWhole) {
    for (const auto& [from, to] : {std::pair{972, 648}, std::pair{500, 972}}) {
        PixelBuffer source(from, from, kGround);
        PixelBuffer shown = scaledWhole(source, to);
        shown.dirty.take();
        SquareScaler scaler(from, to);
        for (const Rect r :
             {Rect{10, 20, 3, 5}, Rect{from - 2, from - 7, 2, 7}, Rect{0, 0, 1, 1}}) {
            for (int y = r.y; y < r.bottom(); ++y) {
                for (int x = r.x; x < r.right(); ++x) source.at(x, y) = kTrail;
            }
            const Rect written = scaler.scale(source, 0, 0, r, shown, 0, 0);
            EXPECT_FALSE(written.empty());
        }
        const PixelBuffer whole = scaledWhole(source, to);
        EXPECT_EQ(test::countWhere({0, 0, to, to},
                                   [&](int x, int y) { return shown.at(x, y) != whole.at(x, y); }),
                  0) << from << " to " << to;
    }
}

TEST(InterfaceScale, OnlyLargeScreensAreEnlargedAsAt1080Lines) {
    EXPECT_EQ(InterfaceScale(1050, 1.0), 1.0);
    EXPECT_EQ(InterfaceScale(1400, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(InterfaceScale(1440, 1.0), 1440 / 1080.0);
    EXPECT_DOUBLE_EQ(InterfaceScale(2160, 2.0), 2.0);
    EXPECT_EQ(InterfaceScale(900, 1.5), 1.0);  // never smaller than the game's own size
}

}  // namespace
}  // namespace slyders
