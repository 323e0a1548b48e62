// slyders-sim: plays games of computer players with no window, as fast as the machine allows.
// Arena texts are drawn with the game's own Qt fonts, so they are exactly as solid as in the
// game; Qt runs on its "offscreen" platform and never opens a window.
#include <QGuiApplication>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "present/qt/qt_text_renderer.h"
#include "replay/replay_store.h"
#include "sim/sim_game.h"

using namespace slyders;

namespace {

void printSummary(int games, long long ticks, double seconds) {
    const double rate = seconds > 0 ? ticks / seconds : 0.0;
    std::printf(
        "{\"summary\":true,\"games\":%d,\"ticks\":%lld,\"wall_seconds\":%.3f,"
        "\"ticks_per_second\":%.0f}\n",
        games, ticks, seconds, rate);
}

// Plays a replay back; exit code 0 only when it agrees with the recording.
int checkReplay(SimOptions options, TextRenderer& text) {
    std::string error;
    const std::optional<Replay> replay = loadReplayFile(options.replay, error);
    if (!replay) {
        std::fprintf(stderr, "slyders-sim: %s: %s\n", options.replay.c_str(), error.c_str());
        return 2;
    }
    options.arenaSide = replay->arenaSide;
    SimGame sim(options, text);
    const auto start = std::chrono::steady_clock::now();
    const ReplayCheck check = sim.playReplay(*replay);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::string line = toJson(check);
    line.pop_back();
    std::printf("%s,\"wall_seconds\":%.3f,\"ticks_per_second\":%.0f}\n", line.c_str(), wall.count(),
                wall.count() > 0 ? check.ticks / wall.count() : 0.0);
    return check.agrees ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    SimOptions options;
    if (auto error = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options)) {
        std::fprintf(stderr, "slyders-sim: %s\n%s", error->c_str(), kSimUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    try {
        QtTextRenderer text;
        if (!options.replay.empty()) return checkReplay(options, text);
        SimGame sim(options, text);
        long long totalTicks = 0;
        const auto start = std::chrono::steady_clock::now();
        Replay replay;
        for (int i = 0; i < options.games; ++i) {
            const GameRecord record = sim.play(i, options.record.empty() ? nullptr : &replay);
            totalTicks += record.ticks;
            std::puts(toJson(record).c_str());
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        printSummary(options.games, totalTicks, wall.count());
        if (!options.record.empty()) {
            const std::vector<std::uint8_t> bytes = encodeReplay(replay);
            std::FILE* out = std::fopen(options.record.c_str(), "wb");
            bool written =
                out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
            if (out && std::fclose(out) != 0) written = false;
            if (!written) {
                std::fprintf(stderr, "slyders-sim: cannot write %s\n", options.record.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "slyders-sim: %s\n", e.what());
        return 1;
    }
    return 0;
}
