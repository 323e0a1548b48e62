#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "game/sound_requests.h"
#include "game/state_hash.h"
#include "game/text_renderer.h"
#include "params/app_settings.h"
#include "present/event_label.h"
#include "players/scores.h"

namespace slyders::test {

// A port of this test program's own on 127.0.0.1 (offset below kPortsPerProgram), so that
// programs running side by side do not meet. Each program has a block of its own below
// 32768, where the system's passing ports for clients' sockets begin.
constexpr int kPortsPerProgram = 64;
inline std::uint16_t testPort(int offset) {
    constexpr int kFirstPort = 20000, kBlocks = (32768 - kFirstPort) / kPortsPerProgram;
    return std::uint16_t(kFirstPort + int(getpid() % kBlocks) * kPortsPerProgram + offset);
}

// A folder of its own for one test, gone with it.
struct TempFolder {
    TempFolder() {
        static std::atomic<int> count{0};
        path = std::filesystem::temp_directory_path() /
               ("slyders-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path;
};

// A whole file's bytes; none when it cannot be read.
inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A shell command run to its end: what it printed on stdout and its exit status (-1 when it
// did not exit by itself).
struct CommandRun {
    int status = -1;
    std::string output;
};

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// How many points of the rectangle, on every rowStep-th row, the predicate holds at.
template <typename Holds>
int countWhere(Rect r, Holds holds, int rowStep = 1) {
    int n = 0;
    for (int y = r.y; y < r.bottom(); y += rowStep)
        for (int x = r.x; x < r.right(); ++x) n += holds(x, y) ? 1 : 0;
    return n;
}

// Text as solid blocks: half the height wide per character. Deterministic without fonts.
class BlockText final : public TextRenderer {
public:
    TextSize extent(const FontSpec& font, std::string_view text) override {
        return {static_cast<int>(text.size()) * font.height / 2, font.height};
    }
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override {
        const TextSize e = extent(font, text);
        for (int j = y; j < y + e.height; ++j)
            for (int i = x; i < x + e.width; ++i)
                if (target.contains(i, j)) target.set(i, j, colour);
    }
};

struct SoundRequest {
    int number, volume, pan;
    friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

class RecordingSound final : public SoundRequests {
public:
    void request(int number, int volume, int pan) override {
        requests.push_back({number, volume, pan});
    }
    std::vector<SoundRequest> requests;
    std::vector<SoundRequest> ofNumber(int n) const {
        std::vector<SoundRequest> out;
        for (const auto& r : requests)
            if (r.number == n) out.push_back(r);
        return out;
    }
};

// A whole game object with its companions, on an arena of a chosen client height.
struct TestGame {
    explicit TestGame(int clientHeight = 520, std::uint64_t seed = 1)
        : rng(seed),
          window(clientHeight * 16 / 9, clientHeight),
          back(clientHeight * 16 / 9, clientHeight),
          gra(rng, settings, scores, text, sound) {
        gra.InitArena(clientHeight, &window);
    }

    // A game of one human (seated as roster entry 2) and the computers from firstSlot on,
    // on an empty arena.
    void seatOneHuman(int firstSlot) {
        gra.firstSlot = firstSlot;
        gra.humans = 1;
        gra.seats[0].rosterIndex = 2;
        gra.arena.clearMap();
    }
    Slyder& slot(int s) { return gra.slots[std::size_t(s)]; }

    // Puts slot s alive at (x, y) with a heading and a history all at that point.
    void place(int s, float x, float y, int heading) {
        Slyder& sl = gra.slots[std::size_t(s)];
        sl.x = x;
        sl.y = y;
        sl.heading = heading;
        sl.alive = true;
        sl.speed = 1.0f;
        sl.history.fill(FPoint{x, y});
    }

    Random rng;
    TInterface settings;
    Scores scores;
    BlockText text;
    RecordingSound sound;
    PixelBuffer window;
    PixelBuffer back;
    Gra gra;
};

// Plays a game from its start, the keys of each tick from input(tick, seats), until it ends
// or reaches maxTicks; the state hash of every check.
template <typename Input>
std::vector<std::uint64_t> playedHashes(const GameStart& start, Input input, int maxTicks) {
    TestGame g;
    EventLabel label;
    StartGame(g.gra, start, g.back);
    g.gra.running = true;
    std::vector<std::uint64_t> hashes;
    while (g.gra.tick < maxTicks) {
        const TickInput in = input(g.gra.tick + 1, g.gra.seats);
        if (playTick(g.gra, in, g.back, label) == TickResult::GameOver) break;
        if (g.gra.tick % kHashInterval == 0) hashes.push_back(stateHash(g.gra));
    }
    return hashes;
}

}  // namespace slyders::test
