// Linked into every test binary: before any test runs, the player's folders are pointed at
// temporary ones below the test's build folder, whether ctest or a person starts the binary.
#include <cstdlib>
#include <string>

namespace {

const bool kTestHomeSet = [] {
    const std::string root = SLYDERS_TEST_HOME;
    ::setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);     // the roster store
    ::setenv("XDG_DATA_HOME", (root + "/xdg-data").c_str(), 1);  // the replays
    ::setenv("HOME", (root + "/home").c_str(), 1);
    return true;
}();

}  // namespace
