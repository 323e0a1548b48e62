#include "game/game_start.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace slyders {
namespace {

// A game of one human and two computers; the human holds left for a while from tick 200.
GameStart oneHumanStart(std::uint64_t seed) {
    GameStart start{.computers = 2, .humans = 1, .seed = seed};
    start.seats[0].rosterIndex = 2;
    return start;
}

TickInput heldAt(int tick, int flipTick) {
    TickInput in;
    if (tick >= 200 && tick < 260) in.seat[0] = kSteerLeft;
    if (tick == flipTick) in.seat[0] ^= kSteerRight;
    return in;
}

std::vector<std::uint64_t> play(const GameStart& start, int flipTick) {
    return test::playedHashes(start, [flipTick](int t, auto&) { return heldAt(t, flipTick); }, 1500);
}

TEST(GameStart, TheStartAndTheInputDecideTheWholeGame) {
    const auto a = play(oneHumanStart(42), -1);
    ASSERT_GT(a.size(), 10u);
    EXPECT_EQ(play(oneHumanStart(42), -1), a);
    EXPECT_NE(play(oneHumanStart(43), -1), a);

    // One key of one tick changes the game from that tick on, and not before it.
    const auto flipped = play(oneHumanStart(42), 231);
    std::size_t firstDiff = 0;
    while (firstDiff < std::min(a.size(), flipped.size()) && a[firstDiff] == flipped[firstDiff])
        ++firstDiff;
    EXPECT_EQ(firstDiff, std::size_t(231 / kHashInterval));
}

TEST(GameStart, AGameOfARoundStartsFromItsPointsAndADemoFromNone) {
    test::TestGame g;
    g.gra.seats[0].rosterIndex = 2;
    g.gra.slot(2).roundPoints = 17;
    g.gra.slot(1).roundsWon = 2;
    GameStart next = nextGameStart(g.gra, false, 1);
    EXPECT_EQ(next.roundPoints[2], 17);
    EXPECT_EQ(next.seed, g.rng.state());

    StartGame(g.gra, next, g.back);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon,
                         g.gra.slot(2).gamePoints),
              std::tuple(1, 17, 2, 0));

    StartGame(g.gra, nextGameStart(g.gra, true, 2), g.back);
    EXPECT_TRUE(g.gra.demo && g.gra.humans <= 2);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon),
              std::tuple(0, 0, 0));
}

}  // namespace
}  // namespace slyders
