// The real game as a process: sent the signals a desktop sends at logout, and started with
// --replay on a file that cannot be watched.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "replay/replay_store.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Polls until the condition holds or the time is up.
template <typename Condition>
bool within(std::chrono::seconds limit, Condition condition) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

// Whether the process has a handler for the signal yet, from its caught-signals mask.
bool catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

class SessionEnd : public ::testing::Test {
protected:
    // Starts a DEMO game in the temporary folder with a home and sound output of its own, and
    // sends it the signal once it is up and a game runs; the exit status, or -1.
    int endWith(int signal) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const std::string dir = m_dir.string();
            if (::chdir(dir.c_str()) != 0) ::_exit(126);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("HOME", dir.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (dir + "/xdg").c_str(), 1);
            ::setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
            ::setenv("ALSOFT_DRIVERS", "null", 1);
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
            ::execl(SLYDERS_GAME, SLYDERS_GAME, "--window", "640x480", "--seed", "5", "--demo",
                    "--tick-log", "ticks.log", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        EXPECT_TRUE(within(30s, [&] { return catches(pid, signal); }));
        // The tick log is buffered: bytes in it mean that many ticks of the game have run.
        EXPECT_TRUE(within(30s, [&] {
            std::error_code error;
            return fs::file_size(m_dir / "ticks.log", error) > 0 && !error;
        }));
        ::kill(pid, signal);
        int status = 0;
        if (!within(30s, [&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string settingsFile() const { return slyders::test::readFile(m_dir / "Default.par"); }

    const slyders::test::TempFolder m_temp;
    const fs::path m_dir = m_temp.path;
};

TEST_F(SessionEnd, SigtermDuringADemoGameSavesTheSettings) {
    EXPECT_EQ(endWith(SIGTERM), 0);
    const std::string saved = settingsFile();
    EXPECT_EQ(saved.rfind("Settings:\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("\nint_soe:1\n"), std::string::npos) << saved;
    EXPECT_FALSE(fs::exists(m_dir / "Default.par.tmp"));
    // The DEMO game left before its end is kept as a replay of a stopped game.
    const auto replays = slyders::ReplayStore(m_dir / "data/Tallowin/Slyders/replays").all();
    ASSERT_EQ(replays.size(), 1u);
    std::string error;
    const auto replay = slyders::loadReplayFile(replays[0], error);
    ASSERT_TRUE(replay) << error;
    EXPECT_TRUE(replay->start.demo && replay->end == slyders::ReplayEnd::Stopped &&
                replay->endTick > 0);
}

TEST_F(SessionEnd, SighupKeepsTheSettingsOfTheSession) {
    std::ofstream(m_dir / "Default.par") << "Settings:\nint_rndpts:25\nint_background:3\n\n";
    EXPECT_EQ(endWith(SIGHUP), 0);
    const std::string saved = settingsFile();
    // Written whole: the settings the file had, and those it lacked.
    for (const char* line : {"\nint_rndpts:25\n", "\nint_background:3\n", "\ndis_attract:1\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in " << saved;
}

// A file that cannot be watched is refused before any window comes up, with the reader's
// message on stderr.
TEST_F(SessionEnd, AReplayOptionOnAFileThatIsNoReplayIsRefusedOnStderr) {
    const auto runGame = [&](const std::string& args) {
        return slyders::test::runCommand("cd '" + m_dir.string() +
                                         "' && QT_QPA_PLATFORM=offscreen '" SLYDERS_GAME "' " +
                                         args + " 2>&1 >/dev/null");
    };
    std::ofstream(m_dir / "bad.slyrep") << "Settings:\nint_rndpts:25\n\n";
    const auto bad = runGame("--replay bad.slyrep");
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(bad.output, "slyders: bad.slyrep: This file is not a Slyders replay.\n");

    const auto missing = runGame("--replay missing.slyrep");
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.output.find("could not be read"), std::string::npos) << missing.output;
    EXPECT_FALSE(fs::exists(m_dir / "Default.par"));
}

}  // namespace
