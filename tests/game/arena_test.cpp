// The arena's cells: their geometry, painting, scrolling and hashing.
#include "game/arena.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game/grid.h"
#include "game/state_hash.h"
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
        EXPECT_EQ(std::pair(arena.side(), arena.offset()), std::pair(c.side, c.offset)) << c.height;
        EXPECT_DOUBLE_EQ(arena.unit(), c.side / 460.0) << c.height;
    }
}

TEST(ArenaPainting, TruncatesTowardZeroNeverLeavesTheArenaAndMarksWhatItDraws) {
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

    // A thick line marks its path; a trail disc keeps its value.
    a.DrawThickLine(10, 10, 60, 35, 2.0, kCellSolid, kRed);
    for (int x = 10; x <= 60; x += 5) EXPECT_EQ(a.cell(x, 10 + (x - 10) / 2), kCellSolid) << x;
    EXPECT_EQ(a.cell(10, 40), kCellFree);
    a.PutTrailDisc(100, 100, 101, 100, 2, Rgb{0, 225, 0});
    EXPECT_EQ(a.cell(100, 100), 2);
    EXPECT_EQ(a.offscreen().colour(100, 100), (Rgb{0, 225, 0}));
    EXPECT_EQ(a.cell(100, 103), kCellFree);
    // Both pictures show the same arena.
    EXPECT_EQ(test::countWhere({0, 0, S, S}, [&](int x, int y) {
                  return a.offscreen().at(x, y) != g.window.at(x + m, y + m);
              }), 0);
}

// A plain copy of the cells, moved the slow way.
std::vector<int> shifted(const std::vector<int>& cells, int w, int h, int dx, int dy) {
    std::vector<int> out(cells.size(), -1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int fx = x - dx, fy = y - dy;
            if (fx >= 0 && fy >= 0 && fx < w && fy < h) out[y * w + x] = cells[fy * w + fx];
        }
    }
    return out;
}

// After every scroll, the edge left behind is refilled as the arena does it.
TEST(Grid, ScrollingMatchesMovingEveryCellAcrossTheMarginAndBack) {
    constexpr int w = 7, h = 5;
    for (const int margin : {0, 1, 3}) {
        Grid<int> grid(w, h, 0, margin);
        std::vector<int> plain(w * h);
        for (int i = 0; i < w * h; ++i) grid.at(i % w, i / w) = plain[i] = 100 * (i / w) + i % w;
        constexpr std::array<std::array<int, 2>, 4> kMoves{{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}};
        int stamp = 1000;
        for (int step = 0; step < 40; ++step) {
            // Runs of one direction long enough to pass the margin, then turns.
            const auto [dx, dy] = kMoves[std::size_t(step / 5 % 4 + step / 20) % 4];
            grid.scroll(dx, dy);
            plain = shifted(plain, w, h, dx, dy);
            for (int i = 0; i < w * h; ++i) {
                if (plain[i] == -1) grid.at(i % w, i / w) = plain[i] = stamp++;
                ASSERT_EQ(grid.at(i % w, i / w), plain[i])
                    << "margin " << margin << " step " << step << " at " << i % w << "," << i / w;
            }
        }
    }
}

// Both hashes see a change of any one cell, wherever it falls in a word or in a row's short
// tail, on arena sides with every kind of tail; putting the cell back gives the hash back.
TEST(StateHash, SeesAChangeOfAnyOneCell) {
    // Client heights giving sides of 108, 117 and 128 cells: tails of 4, 5 and 0 cells.
    for (const int clientHeight : {120, 130, 143}) {
        test::TestGame g(clientHeight);
        g.seatOneHuman(1);
        Arena& arena = g.gra.arena;
        const int side = arena.side();
        for (const Rules rules : {Rules::MirrorCorners, Rules::FirstCorners}) {
            g.gra.rules = rules;
            const std::uint64_t before = stateHash(g.gra);
            int unseen = 0;
            for (int y = 0; y < side; y += (y < 2 || y > side - 3) ? 1 : 7) {
                for (int x = 0; x < side; ++x) {
                    arena.cell(x, y) = kCellGap;
                    unseen += stateHash(g.gra) == before;
                    arena.cell(x, y) = kCellFree;
                }
            }
            EXPECT_EQ(unseen, 0) << "side " << side;
            EXPECT_EQ(stateHash(g.gra), before);
        }
    }
}

}  // namespace
}  // namespace slyders
