// Every test program sets its own home before main runs, so no test can reach the player's
// roster, settings, replays or screen, however the program is started (ctest or by hand).
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct TestHome {
    TestHome() {
        const std::string root = SLYDERS_TEST_DIR;
        for (const char* sub : {"/home", "/xdg", "/xdg-data"})
            std::filesystem::create_directories(root + sub);
        setenv("HOME", (root + "/home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
        setenv("XDG_DATA_HOME", (root + "/xdg-data").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
};

const TestHome testHome;

}  // namespace
