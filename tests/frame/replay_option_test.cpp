// The real game started with --replay: a file that cannot be watched is refused before any
// window comes up, with the reader's message on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct GameRun {
    int status = -1;
    std::string errors;
};

GameRun runGame(const std::string& args, const fs::path& dir) {
    const std::string command = "cd '" + dir.string() + "' && QT_QPA_PLATFORM=offscreen '" +
                                SLYDERS_GAME + "' " + args + " 2>&1 >/dev/null";
    GameRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[1024];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        run.errors.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ReplayOption, AFileThatIsNoReplayIsRefusedOnStderr) {
    const fs::path dir =
        fs::temp_directory_path() / ("slyders-replay-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "bad.slyrep") << "Settings:\nint_rndpts:25\n\n";
    const GameRun bad = runGame("--replay bad.slyrep", dir);
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(bad.errors, "slyders: bad.slyrep: This file is not a Slyders replay.\n");

    const GameRun missing = runGame("--replay missing.slyrep", dir);
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.errors.find("could not be read"), std::string::npos) << missing.errors;
    EXPECT_FALSE(fs::exists(dir / "Default.par"));
    fs::remove_all(dir);
}

}  // namespace
