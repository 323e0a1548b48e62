#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace slyders {

struct Options {
    std::optional<std::uint64_t> seed;      // none: seeded from the clock
    int windowWidth = 0, windowHeight = 0;  // 0: the whole screen
    bool demo = false;
    std::string tickLog;
    std::string settingsDir;  // empty: "Default.par" in the working folder
    int quitAfterMs = 0;      // a test's way out: close the window after this long (0: never)
    std::string replay;  // a replay to watch right after start-up
    std::optional<std::uint16_t> hostPort;  // host a network game right after start-up
    std::string join;                       // join the network game at HOST[:PORT]
    std::string player;                     // who sits at seat 1 of a network game
    // Play on a dedicated server at HOST[:PORT]: a new room, or the room of the code (--room)
    // or watch it (--watch).
    std::string server;
    bool createRoom = false;
    std::string room;
    bool watchRoom = false;
    int startWhenJoined = 0;  // a test's way: the lobby starts once this many guests are in
    bool help = false;
    bool version = false;
};

// Parses the command line (without the program name). Returns an error text on failure.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, Options& out);

extern const char* const kUsage;
extern const char* const kVersion;  // "slyders <version>"

}  // namespace slyders
