// The catalogue lists exactly the replays in the folder, whatever comes and goes, and is made
// again from them when it is lost or damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "history/game_catalogue.h"
#include "history_support.h"
#include "replay/replay_store.h"
#include "test_support.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kDay = 1'800'000'000;

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

std::vector<std::string> catalogued(GameCatalogue& catalogue) {
    std::vector<std::string> files;
    for (const PlayedGame& g : catalogue.games()) files.push_back(g.file);
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> inFolder(const ReplayStore& store) {
    std::vector<std::string> files;
    for (const fs::path& f : store.all()) files.push_back(f.filename().string());
    std::sort(files.begin(), files.end());
    return files;
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
        if (i == 10) {
            ASSERT_TRUE(catalogue.keep(catalogue.games().front(), error)) << error;
        }
        if (i == 40) {
            ASSERT_TRUE(store.keep(*store.newest(), error)) << error;
        }
    }
    EXPECT_EQ(catalogued(catalogue), inFolder(store));
    fs::remove(store.all()[60]);  // the player removes one by hand
    catalogue.sync();
    const auto files = catalogued(catalogue);
    EXPECT_EQ(files, inFolder(store));
    EXPECT_EQ(files.size(), std::size_t(ReplayStore::kReplaysKept + 2 - 1));

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
    EXPECT_EQ(catalogued(catalogue), inFolder(store));
    EXPECT_EQ(catalogue.takeNotice(), "");
}

struct Damage {
    const char* what;
    void (*apply)(const fs::path& file);
};

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

using test::readFile;

// The catalogue of three games (local, network host, DEMO), closed.
fs::path threeGames(const fs::path& folder) {
    ReplayStore store(folder / "replays");
    GameCatalogue catalogue(store);
    for (int i = 0; i < 3; ++i) play(store, catalogue, i);
    return catalogue.file();
}

TEST(GameCatalogue, LostOrDamagedIsMadeAgainFromTheReplaysWithAMessage) {
    const Damage damages[] = {
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
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        const test::TempFolder folder;
        d.apply(threeGames(folder.path));
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
    const Replay r = gameNumber(0);
    catalogue.added(r, store.folder() / "x.slyrep", GameKind::Local);
    EXPECT_TRUE(catalogue.games().empty());
}

}  // namespace
}  // namespace slyders
