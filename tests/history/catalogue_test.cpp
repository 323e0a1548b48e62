// The catalogue lists exactly the replays in the folder, whatever comes and goes, and is made
// again from them when it is lost or damaged. A game's record from its replay, and the
// players' figures from a set of games counted by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "history/game_catalogue.h"
#include "history/statistics.h"
#include "history_support.h"
#include "replay/replay_store.h"
#include "test_support.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;
using test::kDay;
using test::readFile;

Replay gameNumber(int i) {
    Replay r = test::finishedGame(kDay + i, {"", "Computer 1", "Ann", "", "", ""},
                                  {0, i % 7, 3, 0, 0, 0}, "12");
    r.network = i % 3 == 1;
    r.start.demo = i % 3 == 2;
    return r;
}

GameKind kindPlayed(int i) {
    return i % 3 == 1 ? GameKind::NetworkHost : i % 3 == 2 ? GameKind::Demo : GameKind::Local;
}

// The catalogue lists exactly the replays in the folder; how many.
std::size_t expectListsTheFolder(GameCatalogue& catalogue, const ReplayStore& store) {
    std::vector<std::string> listed, there;
    for (const PlayedGame& g : catalogue.games()) listed.push_back(g.file);
    for (const fs::path& f : store.all()) there.push_back(f.filename().string());
    std::sort(listed.begin(), listed.end());
    std::sort(there.begin(), there.end());
    EXPECT_EQ(listed, there);
    return listed.size();
}

void play(ReplayStore& store, GameCatalogue& catalogue, int i) {
    std::string error;
    const Replay r = gameNumber(i);
    const auto file = store.save(r, error);
    ASSERT_TRUE(file) << error;
    catalogue.added(r, *file, kindPlayed(i));
}

TEST(GameCatalogue, ListsExactlyTheReplaysThatExistAfter150Games) {
    const test::TempFolder folder;
    ReplayStore store(folder.path / "replays");
    GameCatalogue catalogue(store);
    std::string error;
    for (int i = 0; i < 150; ++i) {
        play(store, catalogue, i);
        // Kept from the history window, and from the watch window behind its back.
        ASSERT_TRUE(i != 10 || catalogue.keep(catalogue.games().front(), error)) << error;
        ASSERT_TRUE(i != 40 || store.keep(*store.newest(), error)) << error;
    }
    expectListsTheFolder(catalogue, store);
    fs::remove(store.all()[60]);  // the player removes one by hand
    catalogue.sync();
    EXPECT_EQ(expectListsTheFolder(catalogue, store),
              std::size_t(ReplayStore::kReplaysKept + 2 - 1));

    const std::vector<PlayedGame> games = catalogue.games();
    EXPECT_EQ(games.front().startedAt, kDay + 149);
    for (const PlayedGame& g : games) {
        const int i = int(g.startedAt - kDay);
        EXPECT_EQ(g.kind, kindPlayed(i)) << "game " << i;  // the network end survives a rename
        ASSERT_EQ(g.slots.size(), 2u);
        EXPECT_EQ(g.slots[0].points, i % 7);
    }
    EXPECT_TRUE(ReplayStore::isKept(catalogue.replayPath(games.back())));
    ASSERT_TRUE(catalogue.remove(games.front(), error)) << error;
    EXPECT_FALSE(fs::exists(catalogue.replayPath(games.front())));
    expectListsTheFolder(catalogue, store);
    EXPECT_EQ(catalogue.takeNotice(), "");
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The catalogue of three games (local, network host, DEMO), closed.
fs::path threeGames(const fs::path& folder) {
    ReplayStore store(folder / "replays");
    GameCatalogue catalogue(store);
    for (int i = 0; i < 3; ++i) play(store, catalogue, i);
    return catalogue.file();
}

TEST(GameCatalogue, LostOrDamagedIsMadeAgainFromTheReplaysWithAMessage) {
    const std::pair<const char*, void (*)(const fs::path&)> damages[] = {
        {"lost", [](const fs::path& f) { fs::remove(f); }},
        {"emptied", [](const fs::path& f) { writeBytes(f, ""); }},
        {"not a database", [](const fs::path& f) { writeBytes(f, std::string(5000, 'x')); }},
        {"cut short", [](const fs::path& f) { writeBytes(f, readFile(f).substr(0, 3000)); }},
        {"header only", [](const fs::path& f) { writeBytes(f, readFile(f).substr(0, 100)); }},
        {"another version",
         [](const fs::path& f) {
             std::string b = readFile(f);
             b[63] = 9;  // the header's user version
             writeBytes(f, b);
         }},
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        const test::TempFolder folder;
        damage(threeGames(folder.path));
        ReplayStore store(folder.path / "replays");
        GameCatalogue catalogue(store);
        const std::vector<PlayedGame> games = catalogue.games();
        ASSERT_EQ(games.size(), 3u);
        // Only which end of a network game this machine was is lost.
        EXPECT_EQ(games[0].kind, GameKind::Demo);
        EXPECT_EQ(games[1].kind, GameKind::Network);
        EXPECT_EQ(games[2].kind, GameKind::Local);
        const std::string notice = catalogue.takeNotice();
        EXPECT_NE(notice.find("made again from the 3 replays"), std::string::npos) << notice;
        EXPECT_EQ(catalogue.takeNotice(), "");
        GameCatalogue again(store);
        EXPECT_EQ(again.games().size(), 3u);
        EXPECT_EQ(again.takeNotice(), "");
    }
}

// Any byte of the file changed: the catalogue reads, or is made again, and never goes wrong.
TEST(GameCatalogue, ADamagedByteAnywhereNeverBreaksIt) {
    const test::TempFolder folder;
    const fs::path file = threeGames(folder.path);
    const std::string whole = readFile(file);
    constexpr std::size_t kStep = 97;
    ReplayStore store(folder.path / "replays");
    for (std::size_t at = 0; at < whole.size(); at += kStep) {
        std::string bytes = whole;
        bytes[at] = char(bytes[at] ^ 0x5A);
        writeBytes(file, bytes);
        GameCatalogue catalogue(store);
        EXPECT_LE(catalogue.games().size(), 3u) << "byte " << at;
        catalogue.sync();
    }
}

TEST(GameCatalogue, NoPlaceForItLeavesTheGameWithoutOne) {
    const test::TempFolder folder;
    writeBytes(folder.path / "data", "a file where the folder should be");
    ReplayStore store(folder.path / "data" / "replays");
    GameCatalogue catalogue(store);
    EXPECT_FALSE(catalogue.open());
    EXPECT_NE(catalogue.error(), "");
    catalogue.added(gameNumber(0), store.folder() / "x.slyrep", GameKind::Local);
    EXPECT_TRUE(catalogue.games().empty());
}

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
    EXPECT_EQ(std::pair(g.winner, g.roundWinner), std::pair(2, 2));
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
    EXPECT_EQ(std::pair(n.winner, n.roundWinner), std::pair(-1, -1));  // 7 and 7
}

PlayedGame game(std::int64_t at, GameKind kind, int winner, int roundWinner,
                std::vector<SlotRecord> slots) {
    return {.id = at, .startedAt = at, .kind = kind, .winner = winner,
            .roundWinner = roundWinner, .slots = std::move(slots)};
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

// The figures; and the ratings by the game's rules: the roster's dummies hold the bottom at 0,
// each won round lifts the winner's weakest result by one while the beaten have nothing to
// give, so a winner reaches the top.
TEST(Statistics, EqualACountByHandAndRatingsFollowTheRoundsByTheGamesRules) {
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

    const auto history = ratingHistory(
        handMadeGames(), {"Computer 1", "Computer 2", "Dummy 1", "Dummy 2", "Ann", "Bob"});
    using Points = std::vector<std::pair<std::int64_t, int>>;
    auto points = [&](const std::string& name) {
        Points list;
        for (const RatingPoint& p : history.at(name)) list.emplace_back(p.at, p.rating);
        return list;
    };
    EXPECT_EQ(points("Ann"), (Points{{300, 100}, {600, 100}}));
    EXPECT_EQ(points("Bob"), (Points{{300, 0}, {600, 100}}));
    EXPECT_EQ(points("Computer 1"), (Points{{500, 100}}));
    EXPECT_EQ(history.count("?"), 0u);
    EXPECT_EQ(history.count("John"), 0u);
}

}  // namespace
}  // namespace slyders
