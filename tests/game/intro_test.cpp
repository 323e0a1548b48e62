#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_tick.h"
#include "present/arena_text.h"
#include "present/event_label.h"
#include "test_support.h"

namespace slyders {
namespace {

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

TEST(Intro, LastsSixtyTicksPerSlotButAtLeastSeventyFive) {
    test::TestGame g;
    EXPECT_EQ(startGame(g, 2, 1), 75);
    EXPECT_EQ(startGame(g, 1, 1), 120);
    EXPECT_EQ(startGame(g, 0, 4), 360);
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

TEST(Intro, NothingMovesAndTheArenaIsAllFreeAfterTheReset) {
    test::TestGame g;
    const int intro = startGame(g, 1, 1);
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
    EXPECT_TRUE(g.gra.ops[0].active);
    EXPECT_FALSE(g.gra.ops[1].active);
    EXPECT_TRUE(g.gra.ops[2].active);
    EXPECT_EQ(g.gra.arena.cell(0, 50), kCellFree);  // the ended one drew nothing
}

}  // namespace
}  // namespace slyders
