// Events and disasters, the intro's objects that open every game, and the arena's cells:
// their geometry, painting, scrolling and hashing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "game/arena.h"
#include "game/game_tick.h"
#include "game/grid.h"
#include "game/state_hash.h"
#include "present/arena_text.h"
#include "present/event_label.h"
#include "test_support.h"

namespace slyders {
namespace {

struct Events : ::testing::Test {
    Events() { g.seatOneHuman(1); }
    Slyder& slot(int s) { return g.slot(s); }
    test::TestGame g;
};

TEST_F(Events, DemoGamesHaveEveryEventWhateverTheSwitches) {
    TInterface& set = g.settings;
    for (std::int32_t* f : {&set.xtr_wall, &set.xtr_tunnel, &set.xtr_void, &set.xtr_food,
                            &set.xtr_cruelptr, &set.xtr_scroll, &set.xtr_attract, &set.xtr_invis})
        *f = 0;
    g.gra.tick = 1000;  // long past the intro
    g.place(1, 200, 200, 0);
    g.place(2, 300, 300, 0);
    for (int i = 0; i < 20000; ++i) g.gra.startEvents();
    EXPECT_TRUE(g.gra.ops.empty());
    EXPECT_TRUE(g.sound.requests.empty());

    g.gra.demo = true;
    std::set<int> heard;
    for (int i = 0; i < 20000 && heard.size() < 8; ++i) {
        g.gra.startEvents();
        for (const auto& r : g.sound.requests) heard.insert(r.number);
        slot(1).invisibleLeft = slot(2).invisibleLeft = 0;
    }
    EXPECT_EQ(heard, (std::set<int>{kSndWall, kSndTunnel, kSndEmpty, kSndFood, kSndCruelPtr,
                                    kSndScroll, kSndAttract, kSndInvis}));
}

TEST_F(Events, PicksNeedALivingSlyder) {
    g.gra.tick = 1000;
    // Nobody alive: tunnels and invisibility do nothing; the mouse with no humans picks slot 2.
    g.gra.humans = 0;
    g.gra.firstSlot = 1;
    slot(1).alive = false;
    slot(2).alive = true;  // left over from an earlier game, but not playing now
    g.gra.demo = true;
    for (int i = 0; i < 30000; ++i) g.gra.startEvents();
    for (const Ops& op : g.gra.ops)
        EXPECT_TRUE(op.kind != OpsKind::Tunnel && op.kind != OpsKind::CruelMouse) << int(op.kind);
    EXPECT_TRUE(g.sound.ofNumber(kSndInvis).empty());
}

TEST_F(Events, ScrollingCarriesASlyderOutAndItDies) {
    const int S = g.gra.arena.side();
    g.place(1, 200, float(S) - 1.2f, 0);
    g.gra.arena.cell(10, 10) = kCellSolid;
    g.gra.ScrollArena(0);  // down
    EXPECT_EQ(std::tuple(g.gra.arena.cell(10, 11), g.gra.arena.cell(10, 0)),
              std::tuple(kCellSolid, kCellFree));
    EXPECT_FLOAT_EQ(slot(1).history[4].y, float(S) - 0.2f);
    g.gra.ScrollArena(0);
    g.gra.MoveSlyders();
    EXPECT_FALSE(slot(1).alive);
}

TEST_F(Events, AnAttractorDrawsFromAgeTenAndStaysAsBrick) {
    Ops op;
    g.gra.MakeEvent(op, OpsKind::Attractor);
    op.lifetime = 20;
    g.gra.ops = {op};
    const int cx = int(op.x), cy = int(op.y);
    for (int t = 1; t <= 21; ++t) {  // the last one past its lifetime
        g.gra.GameStep();
        EXPECT_EQ(g.gra.arena.cell(cx, cy), t < 10 ? kCellFree : kCellSolid) << t;
    }
    EXPECT_FALSE(g.gra.ops[0].active);
    const Rgb c = g.gra.arena.offscreen().colour(cx, cy);  // brick, softened by the arms' edges
    EXPECT_TRUE(c.r > c.g && c.g == c.b) << int(c.r) << "," << int(c.g) << "," << int(c.b);
}

// Sets up a game of the given slots the way the window does and returns the intro length.
int startGame(test::TestGame& g, int firstSlot, int humans) {
    for (int k = 0; k < humans; ++k) g.gra.seats[std::size_t(k)].rosterIndex = 2;
    g.gra.firstSlot = firstSlot;
    g.gra.humans = humans;
    ResetArena(g.gra.arena, g.text, g.back, false);
    g.gra.NewGame();
    g.gra.running = true;
    return -g.gra.IntroLeft();
}

// The intro lasts sixty ticks per slot but at least seventy-five.
TEST(Intro, NothingMovesAndTheArenaIsAllFreeAfterTheReset) {
    test::TestGame g;
    EXPECT_EQ((std::array{startGame(g, 2, 1), startGame(g, 0, 4), startGame(g, 1, 1)}),
              (std::array{75, 360, 120}));
    const int intro = 120;
    EventLabel label;
    const float x = g.gra.slots[2].x;
    for (int t = 1; t <= intro; ++t)
        ASSERT_EQ(playTick(g.gra, {}, g.back, label), TickResult::Played);
    EXPECT_EQ(g.gra.slots[2].x, x);
    const Arena& a = g.gra.arena;
    EXPECT_EQ(test::countWhere({0, 0, a.side(), a.side()},
                               [&a](int x2, int y) { return a.cell(x2, y) != kCellFree; }), 0);
    playTick(g.gra, {}, g.back, label);
    EXPECT_NE(g.gra.slots[2].x, x);  // the first move comes right after
}

TEST(Intro, SpiralsOnlyBelowFourSlotsAndEveryObjectEndsByTick71) {
    for (const auto& [first, humans, spirals] : {std::tuple{1, 2, true}, std::tuple{0, 2, false}}) {
        test::TestGame g;
        startGame(g, first, humans);
        g.gra.tick = 1;
        g.gra.GameStep();
        const int slots = humans + 2 - first;
        EXPECT_EQ(g.gra.ops.size(), std::size_t(slots * (spirals ? 4 : 1)));
        // The intro's objects ran in the step that made them.
        for (const Ops& op : g.gra.ops) EXPECT_EQ(op.age, 1);
        for (int t = 2; t <= 71; ++t) {
            g.gra.tick = t;
            g.gra.GameStep();
        }
        EXPECT_TRUE(std::none_of(g.gra.ops.begin(), g.gra.ops.end(),
                                 [](const Ops& op) { return op.active; }));
        EXPECT_EQ(g.sound.ofNumber(kSndBegin).size(), 1u);
    }
}

TEST(EventObjects, OneLeavingTheArenaEndsBeforeItActs) {
    test::TestGame g;
    startGame(g, 2, 1);
    g.gra.tick = 5;
    // The first is still on cell 0, the second on cell -1, the third has no position at all:
    // it never ends by leaving.
    const Ops out{.lifetime = 50, .x = -0.5f, .y = 10, .kind = OpsKind::Intro, .parameter = -1};
    Ops gone = out, free = out;
    gone.x = -1.0f;
    gone.y = 50;
    free.x = free.y = -1;
    g.gra.ops = {out, gone, free};
    g.gra.GameStep();
    EXPECT_EQ(std::tuple(g.gra.ops[0].active, g.gra.ops[1].active, g.gra.ops[2].active),
              std::tuple(true, false, true));
    EXPECT_EQ(g.gra.arena.cell(0, 50), kCellFree);  // the ended one drew nothing

    // A wall toward the left edge ends when it leaves the arena.
    g.gra.ops = {Ops{.lifetime = 140, .x = 3, .y = 100, .angle = 180, .kind = OpsKind::Wall}};
    for (int t = 0; t < 10; ++t) g.gra.GameStep();
    EXPECT_TRUE(g.gra.ops.empty() || !g.gra.ops[0].active);
}

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
