#include "game/arena.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

TEST(ArenaGeometry, SideOffsetAndUnitFollowTheClientHeight) {
    struct Case {
        int height, side, offset;
    };
    for (const Case c :
         {Case{1080, 972, 54}, Case{720, 648, 36}, Case{1001, 900, 50}, Case{459, 413, 23}}) {
        PixelBuffer window(c.height * 2, c.height);
        Arena arena;
        arena.InitArena(c.height, &window);
        EXPECT_EQ(arena.side(), c.side) << c.height;
        EXPECT_EQ(arena.offset(), c.offset) << c.height;
        EXPECT_DOUBLE_EQ(arena.unit(), c.side / 460.0) << c.height;
    }
}

TEST(ArenaPainting, TruncatesTowardZeroAndNeverLeavesTheArena) {
    test::TestGame g;
    Arena& a = g.gra.arena;
    const PixelBuffer before = g.window;

    // A disc centred at -0.5 covers cell 0 (truncation toward zero), not cell -1.
    a.PutDisc(-0.5, -0.5, 4, Rgb{1, 2, 3});
    EXPECT_EQ(a.cell(0, 0), 4);
    const int S = a.side(), m = a.offset();
    // Discs, lines and trails hanging over every edge write nothing outside the arena.
    a.PutDiscR(S - 0.5, S / 2.0, 5, kCellSolid, kRed);
    a.PutTrailDisc(S / 2.0, S - 0.2, S / 2.0, S - 1.2, 3, kRed);
    a.DrawThickLine(-10, 5, S + 10, 5, 3.0, kCellSolid, kRed);
    a.EraseDiscR(S / 2.0, -2, 4);
    const auto changed = [&](int x, int y) { return g.window.at(x, y) != before.at(x, y); };
    EXPECT_EQ(test::countWhere({0, 0, g.window.width(), g.window.height()}, changed),
              test::countWhere({m, m, S, S}, changed));
    // Both pictures show the same arena.
    EXPECT_EQ(test::countWhere({0, 0, S, S}, [&](int x, int y) {
                  return a.offscreen().at(x, y) != g.window.at(x + m, y + m);
              }), 0);
}

TEST(ArenaPainting, ThickLineMarksItsPathAndTrailDiscKeepsItsValue) {
    test::TestGame g;
    Arena& a = g.gra.arena;
    a.DrawThickLine(10, 10, 60, 35, 2.0, kCellSolid, kRed);
    for (int x = 10; x <= 60; x += 5) {
        const int y = 10 + (x - 10) / 2;
        EXPECT_EQ(a.cell(x, y), kCellSolid) << x;
    }
    EXPECT_EQ(a.cell(10, 40), kCellFree);

    a.PutTrailDisc(100, 100, 101, 100, 2, Rgb{0, 225, 0});
    EXPECT_EQ(a.cell(100, 100), 2);
    EXPECT_EQ(a.offscreen().colour(100, 100), (Rgb{0, 225, 0}));
    EXPECT_EQ(a.cell(100, 103), kCellFree);
}

}  // namespace
}  // namespace slyders
