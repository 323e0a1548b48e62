#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "game/sound_requests.h"
#include "game/text_renderer.h"
#include "params/app_settings.h"
#include "players/scores.h"

namespace slyders::test {

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

// Text as solid blocks: half the height wide per character. Deterministic without fonts.
class BlockText final : public TextRenderer {
public:
    TextSize extent(const FontSpec& font, std::string_view text) override {
        return {static_cast<int>(text.size()) * font.height / 2, font.height};
    }
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override {
        const TextSize e = extent(font, text);
        for (int j = y; j < y + e.height; ++j) {
            for (int i = x; i < x + e.width; ++i) {
                if (target.contains(i, j)) target.set(i, j, colour);
            }
        }
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
        for (const auto& r : requests) {
            if (r.number == n) out.push_back(r);
        }
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

}  // namespace slyders::test
