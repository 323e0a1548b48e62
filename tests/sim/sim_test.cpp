// The headless simulator: whole games that end, score consistently and repeat exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "game/rounds.h"
#include "sim/sim_game.h"
#include "test_support.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

// Runs the real program in an empty working folder and returns what it printed.
std::string runSim(const std::string& args, const fs::path& dir) {
    const std::string command =
        "cd '" + dir.string() + "' && '" SLYDERS_SIM_PATH "' " + args + " 2>/dev/null";
    const test::CommandRun run = test::runCommand(command);
    EXPECT_EQ(run.status, 0) << command;
    return run.output;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Same arguments print the same games; a headless tool says only what it means to, also where
// the session has no runtime folder (a build machine, ssh), and leaves no file behind.
TEST(SimProgram, SameArgumentsPrintTheSameGamesAndNothingElseAndTouchNoFiles) {
    const test::TempFolder dir;
    const std::string args = "--demo --games 3 --arena 300 --seed 5";
    const std::vector<std::string> first = lines(runSim(args, dir.path));
    const std::vector<std::string> second = lines(runSim(args, dir.path));
    ASSERT_EQ(first.size(), 4u);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(std::vector(first.begin(), first.begin() + 3),
              std::vector(second.begin(), second.begin() + 3));
    EXPECT_NE(first[3].find("\"games\":3"), std::string::npos) << first[3];
    EXPECT_NE(first[3].find("\"ticks_per_second\":"), std::string::npos) << first[3];

    // Game 3 of a run is the game of its own seed: nothing carries over from game to game.
    const std::vector<std::string> alone = lines(runSim("--demo --arena 300 --seed 7", dir.path));
    ASSERT_EQ(alone.size(), 2u);
    EXPECT_EQ(alone[0].substr(alone[0].find(',')), first[2].substr(first[2].find(',')));
    EXPECT_TRUE(fs::is_empty(dir.path)) << "no settings file or roster is written";

    const fs::path out = dir.path / "out.txt", err = dir.path / "err.txt";
    const std::string command = "env -u XDG_RUNTIME_DIR TMPDIR='" + dir.path.string() + "' '" +
                                SLYDERS_SIM_PATH "' --demo --arena 300 --tick-cap 50 >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(test::readFile(err), "");
    EXPECT_GT(fs::file_size(out), 0u);
    fs::remove(out);
    fs::remove(err);
    EXPECT_TRUE(fs::is_empty(dir.path)) << "the private runtime folder goes with the run";
}

// An Expert's game is the same game every time, and its replay plays back to the same end:
// its look-ahead depends on nothing but the game. A replay recorded before the corners
// reflected like mirrors (format 2, its checks made by the hash of that time) still plays
// back exactly as it was played.
TEST(SimProgram, AnExpertGameRepeatsAndItsReplayAndOneOfTheFirstCornersAgree) {
    const test::TempFolder dir;
    const std::string line =
        runSim("--replay '" SLYDERS_SIM_DATA "/first_corners_demo_seed9_arena300.slyrep'", dir.path);
    EXPECT_NE(line.find("\"ticks\":3455,"), std::string::npos) << line;
    EXPECT_NE(line.find("\"agrees\":true"), std::string::npos) << line;

    const std::string args = "--skill 4 --arena 300 --seed 3";
    const std::string first = runSim(args + " --record expert.slyrep", dir.path);
    EXPECT_EQ(lines(runSim(args, dir.path))[0], lines(first)[0]);
    const std::string check = runSim("--replay expert.slyrep", dir.path);
    EXPECT_NE(check.find("\"agrees\":true"), std::string::npos) << check;

    // Two skills apart: each death has its tick, and the last one ends the game.
    const std::string pitted = lines(runSim("--skills 4,3 --arena 300 --seed 3", dir.path))[0];
    EXPECT_NE(pitted.find("\"skills\":[4,3],\"death_ticks\":["), std::string::npos) << pitted;
}

TEST(SimProgram, RejectsWhatItDoesNotUnderstand) {
    SimOptions o;
    EXPECT_FALSE(parseSimOptions({"--computers", "1", "--skill", "3", "--seed", "42"}, o));
    EXPECT_EQ(std::tuple(o.computers, o.skill, o.seed, o.arenaSide), std::tuple(1, 3, 42u, 972));
    using Args = std::vector<std::string>;
    EXPECT_FALSE(parseSimOptions({"--skills", "4,3"}, o));
    EXPECT_EQ(o.skills, (std::array<int, 2>{4, 3}));
    for (const Args& bad : {Args{"--skill", "5"},
                            {"--skills", "4"},
                            {"--skills", "4,0"},
                            {"--skills", "4,3", "--record", "x.slyrep"},
                            {"--games"},
                            {"--seed", "x1"},
                            {"--arena", "12"},
                            {"--demo", "--computers", "2"},
                            {"--video", "a.webm"},
                            {"--replay", "a.slyrep", "--size", "1280"},
                            {"--replay", "a.slyrep", "--from", "-1"},
                            {"--fast"}}) {
        EXPECT_TRUE(parseSimOptions(bad, o)) << bad[0];
    }
}

TEST(SimProgram, EveryArenaSideHasAClientHeight) {
    for (int side = 100; side <= 3000; ++side) {
        const int h = clientHeightForSide(side);
        ASSERT_EQ(static_cast<int>(0.9 * h), side);
        ASSERT_NE(static_cast<int>(0.9 * (h - 1)), side) << "the smallest such height";
    }
}

// Every game ends with all slyders dead; each died once; a slyder has at least the points it
// got for outliving others, and beyond those only gap points, so with no gap entered the
// total is N(N - 1) / 2.
void checkGame(const SimGame& sim, const GameRecord& r, int gapsEntered) {
    const std::string where = toJson(r);
    ASSERT_FALSE(r.capped) << where;
    EXPECT_EQ(sim.gra().AliveCount(), 0) << where;
    const int n = r.humans + 2 - r.firstSlot;
    std::string sorted = r.deathOrder;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, std::string("012345").substr(std::size_t(r.firstSlot), std::size_t(n)))
        << where;
    ASSERT_EQ(r.points.size(), std::size_t(n));
    int total = 0;
    for (int k = 0; k < n; ++k) {
        const int slot = r.deathOrder[std::size_t(k)] - '0';
        EXPECT_GE(r.points[std::size_t(slot - r.firstSlot)], k) << where;
        total += r.points[std::size_t(slot - r.firstSlot)];
    }
    const int gapPoints = total - n * (n - 1) / 2;
    EXPECT_GE(gapPoints, 0) << where;
    EXPECT_LE(gapPoints, gapsEntered) << where;
    EXPECT_EQ(r.winner, UniqueLeader(sim.gra(), GamePoints)) << where;
}

TEST(SimGames, EndWithAllDeadAndPointsMatchingTheDeathOrder) {
    bool sawGapPoints = false;
    for (const SimOptions& o : {SimOptions{.seed = 11, .arenaSide = 300, .demo = true, .skill = 1},
                                SimOptions{.seed = 11, .arenaSide = 300, .demo = true, .skill = 3},
                                SimOptions{.seed = 11, .arenaSide = 300, .computers = 1},
                                SimOptions{.seed = 11, .arenaSide = 300, .skill = 1},
                                SimOptions{.seed = 11, .arenaSide = 300, .skill = 3},
                                SimOptions{.seed = 11, .arenaSide = 300, .skill = 4}}) {
        test::BlockText text;
        test::RecordingSound sound;
        SimGame sim(o, text, &sound);
        for (int i = 0; i < 4; ++i) {
            sound.requests.clear();
            const GameRecord r = sim.play(i);
            const int gapsEntered = static_cast<int>(sound.ofNumber(kSndGap).size());
            checkGame(sim, r, gapsEntered);
            sawGapPoints |= gapsEntered > 0;
        }
    }
    EXPECT_TRUE(sawGapPoints) << "some game should cross a gap";
}

TEST(SimGames, TheTickCapEndsAGameAsADraw) {
    test::BlockText text;
    SimGame sim({.arenaSide = 300, .tickCap = 300}, text);
    const GameRecord r = sim.play(0);
    EXPECT_EQ(std::tuple(r.capped, r.ticks, r.winner), std::tuple(true, 300, -1));
    const std::string json = toJson(r);
    EXPECT_NE(json.find("\"winner\":\"draw\",\"capped\":true}"), std::string::npos) << json;
}

}  // namespace
}  // namespace slyders
