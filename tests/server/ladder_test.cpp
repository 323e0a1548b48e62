// The ladder killed in the middle of writing: a process records results one after another
// until SIGKILL takes it at a random moment; the ladder then holds whole results only.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "server/ladder.h"
#include "test_support.h"

using namespace slyders;

namespace {

constexpr int kKills = 20;
constexpr int kLongestReplay = 256 * 1024;  // some results take a few ms to write
constexpr unsigned kLongestWriteUs = 40'000;  // the writer's time before its kill, at most

// The n-th result: every byte of its replay and both players' round points say n, so a row
// or a roster from another result shows at once.
server::CheckedGame resultNumber(int n, std::mt19937& rng) {
    server::CheckedGame game;
    game.room = "KILLED";
    game.players = {"Ann", "Bob"};
    game.points = {n, 0};
    const std::size_t size = 1 + rng() % kLongestReplay;
    game.replay.assign(size, std::uint8_t(n));
    return game;
}

std::vector<PlrScore> rosterAfter(int n) {
    return {PlrScore{"Ann", std::uint16_t(n), {}}, PlrScore{"Bob", std::uint16_t(n), {}}};
}

bool recordNext(server::LadderDb& ladder, std::mt19937& rng, std::string& error) {
    const int n = ladder.games() + 1;
    return ladder.record(resultNumber(n, rng), rosterAfter(n), error);
}

// Tells the parent through `ready` once the ladder is open, then writes.
[[noreturn]] void recordUntilKilled(const std::string& file, int ready) {
    server::LadderDb ladder;
    std::string error;
    std::mt19937 rng{unsigned(getpid())};
    if (!ladder.open(file, error)) _exit(1);
    const char byte = 1;
    if (write(ready, &byte, 1) != 1) _exit(1);
    while (recordNext(ladder, rng, error)) {
    }
    _exit(2);
}

// What is wrong with the ladder's results, or nothing.
std::string damage(const std::string& file, int& games) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::string wrong;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT players, points, replay FROM games ORDER BY id", -1, &s, nullptr);
    games = 0;
    while (sqlite3_step(s) == SQLITE_ROW && wrong.empty()) {
        ++games;
        const auto* replay = static_cast<const std::uint8_t*>(sqlite3_column_blob(s, 2));
        const int size = sqlite3_column_bytes(s, 2);
        const std::string points = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        if (points != std::to_string(games) + ",0" ||
            reinterpret_cast<const char*>(sqlite3_column_text(s, 0)) != std::string("Ann,Bob") ||
            size == 0 || std::any_of(replay, replay + size, [&](std::uint8_t b) { return b != std::uint8_t(games); })) {
            wrong = "game " + std::to_string(games) + " is not whole";
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return wrong;
}

}  // namespace

TEST(Ladder, AKillInTheMiddleOfAResultLeavesTheOldOrTheNewResultAndTheNextIsWritten) {
    test::TempFolder folder;
    const std::string file = (folder.path / "ladder.db").string();
    std::mt19937 rng(7);
    for (int kill = 0; kill < kKills; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) recordUntilKilled(file, ready[1]);
        close(ready[1]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1) << "the writer could not open the ladder";
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % kLongestWriteUs));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";

        int games = 0;
        const std::string wrong = damage(file, games);
        ASSERT_EQ(wrong, "") << "after kill " << kill;
        server::LadderDb ladder;
        std::string error;
        ASSERT_TRUE(ladder.open(file, error)) << error;
        ASSERT_EQ(ladder.games(), games);
        const std::vector<PlrScore> roster = ladder.roster();
        const int counted = roster.empty() ? 0 : roster[0].played;
        ASSERT_EQ(counted, games) << "the roster is not the last result's";
        ASSERT_TRUE(recordNext(ladder, rng, error)) << error;
        ASSERT_EQ(ladder.games(), games + 1);
    }
    server::LadderDb ladder;
    std::string error;
    ASSERT_TRUE(ladder.open(file, error)) << error;
    // The test wrote one result after each kill; the killed writers wrote the rest.
    EXPECT_GT(ladder.games() - kKills, kKills / 4) << "the kills came before anything was written";
}
