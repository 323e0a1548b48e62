// The real game started with --replay: a file that cannot be watched is refused before any
// window comes up, with the reader's message on stderr.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "test_support.h"

namespace {

slyders::test::CommandRun runGame(const std::string& args, const std::filesystem::path& dir) {
    return slyders::test::runCommand("cd '" + dir.string() + "' && QT_QPA_PLATFORM=offscreen '" +
                                     SLYDERS_GAME + "' " + args + " 2>&1 >/dev/null");
}

TEST(ReplayOption, AFileThatIsNoReplayIsRefusedOnStderr) {
    const slyders::test::TempFolder dir;
    std::ofstream(dir.path / "bad.slyrep") << "Settings:\nint_rndpts:25\n\n";
    const auto bad = runGame("--replay bad.slyrep", dir.path);
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(bad.output, "slyders: bad.slyrep: This file is not a Slyders replay.\n");

    const auto missing = runGame("--replay missing.slyrep", dir.path);
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.output.find("could not be read"), std::string::npos) << missing.output;
    EXPECT_FALSE(std::filesystem::exists(dir.path / "Default.par"));
}

}  // namespace
