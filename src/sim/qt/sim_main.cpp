// slyders-sim: plays games of computer players with no window, as fast as the machine allows.
// Arena texts are drawn with the game's own Qt fonts, so they are exactly as solid as in the
// game; Qt runs on its "offscreen" platform and never opens a window.
#include <QGuiApplication>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "present/qt/qt_text_renderer.h"
#include "replay/replay_store.h"
#include "sim/net_peer.h"
#include "sim/sim_game.h"

using namespace slyders;

namespace {

// What Qt needs to run with no screen: the "offscreen" platform, unless the caller chose
// another, and a runtime folder. While choosing its platform Qt looks for a Wayland socket in
// the session's runtime folder and warns when the session has none (a build machine, a
// container, a login over ssh); a run without one gets a private, empty folder that goes
// with it.
class HeadlessEnvironment {
public:
    HeadlessEnvironment() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "slyders-sim-runtime-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;  // Qt falls back to its own, with its warning
        m_folder = pattern;
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_folder.string()));
    }
    ~HeadlessEnvironment() {
        if (m_folder.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    HeadlessEnvironment(const HeadlessEnvironment&) = delete;
    HeadlessEnvironment& operator=(const HeadlessEnvironment&) = delete;

private:
    std::filesystem::path m_folder;
};

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

const char* const kNetUsage =
    "Network play with no window (the seats are steered by a look-ahead bot):\n"
    "  slyders-sim --host PORT [--games N] [--joiners N] [--wait-seconds S] [--seats N]\n"
    "              [--computers 0|1|2] [--skill 1..4] [--speed 0|1|2] [--seed N]\n"
    "              [--arena S] [--password P] [--unpaced] [--record-dir DIR]\n"
    "  slyders-sim --join HOST[:PORT] [--seats N] [--wait-seconds S] [--password P]\n"
    "              [--record-dir DIR]\n"
    "  slyders-sim --server HOST[:PORT] [--create] [--joiners N] [--games N] [game choices]\n"
    "  slyders-sim --server HOST[:PORT] --room CODE|--watch CODE [--games N]\n"
    "              [--names NAME[,NAME...]] [--secret S]\n"
    "--create makes a room at a dedicated server and prints {\"room\":\"CODE\"}; its owner\n"
    "starts each game once N more players are in. --room plays in the room, --watch watches\n"
    "it; each leaves after N games.\n"
    "--record-dir writes each machine's replay of every game into DIR, named by the role,\n"
    "the machine's first seat and the game (host-seat1-game1.slyrep); slyders-sim --replay\n"
    "plays each back.\n"
    "Each machine prints the game line of every game with \"network\", \"delay\",\n"
    "\"hashes\" (state hashes compared), \"final_hash\", \"stalls\", \"wall_seconds\",\n"
    "\"pace_seconds\" (what one keyboard takes for the same ticks) and \"stopped\".\n";

bool isNetworkRun(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--host" || a == "--join" || a == "--server") return true;
    }
    return false;
}

int runNetwork(const std::vector<std::string>& args) {
    NetPeerOptions options;
    bool network = false;
    if (auto error = parseNetPeerOptions(args, options, network)) {
        std::fprintf(stderr, "slyders-sim: %s\n%s", error->c_str(), kNetUsage);
        return 2;
    }
    QtTextRenderer text;
    NetPeer peer(options, text);
    std::string error;
    if (!peer.connect(error)) {
        std::fprintf(stderr, "slyders-sim: %s\n", error.c_str());
        return 1;
    }
    const bool inRoom = options.action != net::RoomAction::None;
    if (inRoom) {
        std::printf("{\"room\":\"%s\"}\n", peer.roomCode().c_str());
        std::fflush(stdout);
    }
    int status = 0, played = 0;
    while (auto result = peer.playNext()) {
        ++played;
        std::printf("%s\n", toJson(*result, options.host).c_str());
        std::fflush(stdout);
        if (result->stopped) {
            status = 1;
            break;
        }
    }
    // A guest's session ends well only when the host closes it after its games.
    const std::optional<std::string>& why = peer.session().stopped();
    if (inRoom && status == 0 && played < options.games) {
        std::fprintf(stderr, "slyders-sim: %s\n", why ? why->c_str() : "the room's games did not come");
        status = 1;
    } else if (!inRoom && !options.host && status == 0 &&
               (played == 0 || why != net::stopText(net::StopReason::HostClosed))) {
        std::fprintf(stderr, "slyders-sim: %s\n", why ? why->c_str() : "no game came from the host");
        status = 1;
    }
    std::printf(
        "{\"summary\":true,\"network\":\"%s\",\"bytes_sent\":%llu,\"bytes_received\":%llu,"
        "\"bad_packets\":%d}\n",
        options.host ? "host" : "guest",
        static_cast<unsigned long long>(peer.session().bytesSent()),
        static_cast<unsigned long long>(peer.session().bytesReceived()),
        peer.session().badPackets());
    peer.close();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (isNetworkRun(args)) {
        const HeadlessEnvironment headless;
        QGuiApplication app(argc, argv);
        return runNetwork(args);
    }
    SimOptions options;
    if (auto error = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options)) {
        std::fprintf(stderr, "slyders-sim: %s\n%s", error->c_str(), kSimUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kSimUsage, stdout);
        std::fputs(kNetUsage, stdout);
        return 0;
    }
    const HeadlessEnvironment headless;
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
            std::string error;
            if (!writeReplayFile(options.record, replay, error)) {
                std::fprintf(stderr, "slyders-sim: %s\n", error.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "slyders-sim: %s\n", e.what());
        return 1;
    }
    return 0;
}
