// A game's record from its replay, and the players' figures from a set of games counted by hand.
#include "history/statistics.h"

#include <gtest/gtest.h>

#include "history_support.h"

namespace slyders {
namespace {

// Computer 1, Ann and Bob; Bob dies first, then the computer, then Ann. Ann won the round.
Replay threePlayers() {
    Replay r = test::finishedGame(1000, {"", "Computer 1", "Ann", "Bob", "", ""},
                                  {0, 4, 7, 3, 0, 0}, "312", "40 points reached.");
    r.start.roundPoints = {0, 30, 36, 10, 0, 0};
    r.start.speed = 1;
    r.events = {ReplayEvent{.tick = 101, .kind = ReplayEventKind::Speed, .value = 2}};
    return r;
}

TEST(PlayedGame, PointsOfGapsAreThoseNotEarnedByOutlivingOthers) {
    const PlayedGame g = recordOf(threePlayers(), GameKind::Local, "a.slyrep", 5);
    ASSERT_EQ(g.slots.size(), 3u);
    // Bob's death gave the computer and Ann a point each, the computer's gave Ann one.
    EXPECT_EQ(g.slots[0], (SlotRecord{1, "Computer 1", 4, 34, 3, 0}));
    EXPECT_EQ(g.slots[1], (SlotRecord{2, "Ann", 7, 43, 5, 0}));
    EXPECT_EQ(g.slots[2], (SlotRecord{3, "Bob", 3, 13, 3, 0}));
    EXPECT_EQ(g.winner, 2);
    EXPECT_EQ(g.roundWinner, 2);
    EXPECT_NEAR(g.seconds, 100 * 0.013 + 300 * 0.010, 1e-9);  // ticks 1..100 medium, then fast

    // Bob's machine left the network game: his going gave nobody a point.
    Replay left = threePlayers();
    // Seat 2 plays slot 3.
    left.events.insert(left.events.begin(),
                       ReplayEvent{.tick = 50, .kind = ReplayEventKind::Leave, .value = 0b10});
    left.resultText.clear();
    left.points[1] = 7;
    const PlayedGame n = recordOf(left, GameKind::NetworkHost, "b.slyrep", 6);
    EXPECT_EQ(n.slots[0].gaps, 7);
    EXPECT_EQ(n.slots[1].gaps, 6);
    EXPECT_EQ(n.winner, -1);  // 7 and 7
    EXPECT_EQ(n.roundWinner, -1);
}

PlayedGame game(std::int64_t at, GameKind kind, int winner, int roundWinner,
                std::vector<SlotRecord> slots) {
    PlayedGame g;
    g.id = at;
    g.startedAt = at;
    g.kind = kind;
    g.winner = winner;
    g.roundWinner = roundWinner;
    g.slots = std::move(slots);
    return g;
}

// Newest first, as the catalogue gives them.
std::vector<PlayedGame> handMadeGames() {
    return {
        game(600, GameKind::Local, 3, 3, {{2, "Ann", 2, 10, 1, 0}, {3, "Bob", 9, 40, 8, 0}}),
        game(500, GameKind::Local, 1, 1, {{1, "Computer 1", 6, 45, 3, 0}, {2, "?", 3, 30, 2, 0}}),
        game(400, GameKind::Demo, 4, -1,
             {{2, "John", 3, 3, 0, 0}, {4, "Computer 1", 12, 12, 9, 0}}),
        game(300, GameKind::NetworkGuest, 2, 2,
             {{2, "Ann", 10, 40, 7, 0}, {3, "Bob", 4, 20, 1, 0}}),
        game(200, GameKind::Local, -1, -1,
             {{1, "Computer 1", 9, 14, 4, 0}, {2, "Ann", 3, 11, 3, 0}, {3, "Bob", 9, 9, 9, 0}}),
        game(100, GameKind::Local, 2, -1, {{1, "Computer 1", 5, 5, 2, 0}, {2, "Ann", 8, 8, 6, 0}}),
    };
}

TEST(Statistics, EqualACountByHand) {
    const auto stats = playerStatistics(handMadeGames());
    // name, games, won, rounds, rounds won, points, gaps; no DEMO game, nobody called "?".
    const std::vector<PlayerStatistics> byHand{
        {"Ann", 4, 2, 2, 1, 23, 17},
        {"Bob", 3, 1, 2, 1, 22, 18},
        {"Computer 1", 3, 1, 1, 1, 20, 9},
    };
    EXPECT_EQ(stats, byHand);
    EXPECT_NEAR(stats[2].meanPoints(), 20.0 / 3, 1e-9);

    const auto h = headToHead(handMadeGames(), {"Ann", "Bob", "Computer 1"});
    EXPECT_EQ(h[0][1], (HeadToHead{3, 1, 2}));
    EXPECT_EQ(h[1][0], (HeadToHead{3, 2, 1}));
    EXPECT_EQ(h[0][2], (HeadToHead{2, 1, 1}));
    EXPECT_EQ(h[1][2], (HeadToHead{1, 0, 0}));  // 9 and 9
    EXPECT_EQ(h[2][2], HeadToHead{});
}

// The roster's dummies hold the bottom at 0; each won round lifts the winner's weakest result by
// one while the beaten have nothing to give, so a winner reaches the top.
TEST(Statistics, RatingsFollowTheRoundsByTheGamesRules) {
    const auto history = ratingHistory(
        handMadeGames(), {"Computer 1", "Computer 2", "Dummy 1", "Dummy 2", "Ann", "Bob"});
    auto points = [&](const std::string& name) {
        std::vector<std::pair<std::int64_t, int>> list;
        for (const RatingPoint& p : history.at(name)) list.emplace_back(p.at, p.rating);
        return list;
    };
    EXPECT_EQ(points("Ann"), (std::vector<std::pair<std::int64_t, int>>{{300, 100}, {600, 100}}));
    EXPECT_EQ(points("Bob"), (std::vector<std::pair<std::int64_t, int>>{{300, 0}, {600, 100}}));
    EXPECT_EQ(points("Computer 1"), (std::vector<std::pair<std::int64_t, int>>{{500, 100}}));
    EXPECT_EQ(history.count("?"), 0u);
    EXPECT_EQ(history.count("John"), 0u);
}

}  // namespace
}  // namespace slyders
