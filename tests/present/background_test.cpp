#include "present/background.h"

#include <gtest/gtest.h>

#include <set>

#include "game/pixel_buffer.h"
#include "game/random.h"

namespace slyders {
namespace {

// On a 460-pixel arena one pattern cell is one pixel: X = x + 1000, Y = y + 1000.
Background pattern(int type, std::array<int, 3> weights = {0, 0, 0}, int side = 460) {
    Background b;
    b.setSide(side);
    b.type = type;
    b.weights = weights;
    return b;
}

TEST(BackgroundColor, PatternsAtChosenPoints) {
    EXPECT_EQ(pattern(0).BackgroundColor(17, 99), (Rgb{0, 0, 0}));
    EXPECT_EQ(pattern(2).BackgroundColor(17, 99), (Rgb{0, 0, 60}));
    // 8000 % 13 = 5, 7000 % 11 = 4, 13000 % 17 = 12.
    EXPECT_EQ(pattern(3).BackgroundColor(0, 0), (Rgb{15, 16, 72}));
    // X = 1007, Y = 1004: 2014 % 20 = 14 -> 21; 3012 % 30 = 12; (6 + 14) % 40 + 30 = 50.
    EXPECT_EQ(pattern(5).BackgroundColor(7, 4), (Rgb{21, 12, 50}));
    EXPECT_EQ(pattern(8).BackgroundColor(2, 3), (Rgb{30, 20, 59}));
    // (1003 - 1001 + 1000) % 10 = 2 -> T = 3; (1000 - 1000 + 1000) % 10 = 0 -> T = 5.
    EXPECT_EQ(pattern(9).BackgroundColor(3, 1), (Rgb{0, 0, 60}));
    EXPECT_EQ(pattern(9).BackgroundColor(0, 0), (Rgb{0, 0, 100}));
    EXPECT_EQ(pattern(10).BackgroundColor(1, 2), (Rgb{0, 0, 59}));
    // XY / 3 divides whole numbers: sin(333666), not sin(333666.67), which would give 56.
    EXPECT_EQ(pattern(11).BackgroundColor(0, 1), (Rgb{0, 0, 33}));
    EXPECT_EQ(pattern(11).BackgroundColor(3, 3), (Rgb{0, 0, 40}));
    // cos 1000 x sin 1000 = 0.465 lies under the floor of 0.5.
    EXPECT_EQ(pattern(14).BackgroundColor(0, 0), (Rgb{0, 0, 30}));
    EXPECT_EQ(pattern(15).BackgroundColor(4, 7), (Rgb{0, 0, 25}));   // 5 x (T[4] + T[7])
    EXPECT_EQ(pattern(16).BackgroundColor(5, 12), (Rgb{0, 0, 30}));  // 5 x T[2] + 5 x T[6]
    // 322 / 460 = 0.7 is a little less as a 32-bit real: ten times it truncates to 6, so
    // a cell is 0.6 pixels and pixel 6 lies on cell 1010 (T[0]) rather than 1008.
    EXPECT_EQ(pattern(9, {0, 0, 0}, 322).BackgroundColor(6, 0), (Rgb{0, 0, 100}));
    // Weights pull channels toward the brightest: 5 puts red halfway to 50, blue stays;
    // 2 on green gives 0.8 x 12 + 0.1 x 100 = 19.6.
    EXPECT_EQ(pattern(5, {5, 0, 5}).BackgroundColor(7, 4), (Rgb{35, 12, 50}));
    EXPECT_EQ(pattern(5, {0, 2, 0}).BackgroundColor(7, 4), (Rgb{21, 19, 50}));

    // The tiles repeat every 10 cells, the large one every 20.
    const Background diagonal = pattern(9), small = pattern(15), large = pattern(16);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(diagonal.BackgroundColor(x, 3), diagonal.BackgroundColor(x + 7, 10));
        EXPECT_EQ(small.BackgroundColor(x, 5), small.BackgroundColor(x + 10, 5));
        EXPECT_EQ(large.BackgroundColor(x, 5), large.BackgroundColor(x + 20, 5));
    }
}

TEST(BackgroundColor, ScrollingMovesThePattern) {
    Background b = pattern(7, {1, 2, 3});
    const Rgb before = b.BackgroundColor(40, 50);
    const Rgb other = b.BackgroundColor(40, 49);
    b.scrollBy(0, 1);
    EXPECT_EQ(b.BackgroundColor(40, 51), before);
    EXPECT_EQ(b.BackgroundColor(40, 50), other);
    b.scrollBy(-3, 0);
    EXPECT_EQ(b.BackgroundColor(37, 51), before);
}

TEST(DrawBackground, DemoDrawsOnlyTypesThreeToFifteen) {
    Random rng(7);
    Background b;
    b.setSide(46);
    PixelBuffer back(52, 52);
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        b.DrawBackground(back, 3, true, 0, rng);
        seen.insert(b.type);
        for (int w : b.weights) ASSERT_TRUE(w >= 0 && w <= 5);
    }
    EXPECT_EQ(seen.size(), 13u);
    EXPECT_EQ(*seen.begin(), 3);
    EXPECT_EQ(*seen.rbegin(), 15);
    b.DrawBackground(back, 3, false, 16, rng);
    EXPECT_EQ(b.type, 16);
}

TEST(DrawBackground, PaintsEveryArenaPixelWithItsColourAndLeavesTheFrame) {
    constexpr int m = 4, side = 322;  // a cell of 0.6 pixels
    constexpr std::uint32_t kFrame = 0xFF123456u;
    Random rng(3);
    Background b;
    b.setSide(side);
    PixelBuffer back(side + 2 * m, side + 2 * m, kFrame);
    for (int type = 0; type < kBackgroundTypes; ++type) {
        b.DrawBackground(back, m, false, type, rng);
        b.scrollBy(5, -2);  // scrolling ends with the next drawing
        b.DrawBackground(back, m, false, type, rng);
        for (int y = 0; y < side; y += 7) {
            for (int x = 0; x < side; ++x) {
                ASSERT_EQ(back.colour(m + x, m + y), b.BackgroundColor(x, y))
                    << type << " " << x << "," << y;
            }
        }
        EXPECT_EQ(back.at(m - 1, m), kFrame);
        EXPECT_EQ(back.at(m + side, m + side), kFrame);
    }
}

}  // namespace
}  // namespace slyders
