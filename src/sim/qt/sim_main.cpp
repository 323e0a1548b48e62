// slyders-sim: plays games of computer players with no window, as fast as the machine allows.
// Arena texts are drawn with the game's own Qt fonts, so they are exactly as solid as in the
// game; Qt runs on its "offscreen" platform and never opens a window.
#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "present/qt/qt_text_renderer.h"
#include "play/replay_seeker.h"
#include "replay/replay_recorder.h"
#include "replay/replay_store.h"
#include "net/discovery.h"
#include "sim/net_peer.h"
#include "sim/sim_game.h"
#include "video/video_command.h"

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

// Makes a replay into a video with the game's sounds and logo, as the installed game has them.
int makeVideo(const SimOptions& options, TextRenderer& text) {
    VideoOptions video;
    video.from = options.videoFrom;
    if (options.videoTo >= 0) video.to = options.videoTo;
    video.width = options.videoWidth;
    video.height = options.videoHeight;
    if (const auto data = gameDataFolder(QCoreApplication::applicationDirPath().toStdString())) {
        video.soundFolder = *data / "sounds";
        video.logoFile = (*data / "logo_sq.bmp").string();
    }
    return runVideoCommand(options.replay, options.video, video, text);
}

// Milliseconds of each of `count` jumps to random moments, on a game of the window's size.
std::vector<double> timeSeeks(const Replay& replay, TextRenderer& text, int count,
                              std::int32_t spacing, double& scanSeconds, std::size_t& moments) {
    constexpr int kWideNum = 16, kWideDen = 9;
    constexpr std::uint32_t kJumpSeed = 20;
    const int height = clientHeightForSide(replay.arenaSide);
    Random rng;
    TInterface settings;
    Scores scores{nullptr};
    NoSound silence;
    PixelBuffer window(height * kWideNum / kWideDen, height), back(window.width(), height);
    Gra gra(rng, settings, scores, text, silence);
    gra.InitArena(height, &window, replay.arenaSide);
    applySettings(settings, replay.settings);
    ReplayCursor cursor(replay);
    cursor.start(gra, back);
    EventLabel label;
    label.width = window.width() - replay.arenaSide;
    label.height = height / 12;
    const auto begin = std::chrono::steady_clock::now();
    ReplaySeeker seeker(replay, text, window.width(), height, label, spacing);
    scanSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    moments = seeker.momentCount();
    std::mt19937 jumps(kJumpSeed);
    std::uniform_int_distribution<std::int32_t> anyTick(0, seeker.length());
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        const std::int32_t tick = anyTick(jumps);
        const auto start = std::chrono::steady_clock::now();
        seeker.seek(tick, gra, cursor, label);
        (void)gra.arena.window();  // the window's arena square shows the moment
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return ms;
}

// The jumps' figures: from kept moments (as the window jumps) and by playing from the start.
void printSeeks(const Replay& replay, TextRenderer& text, int count) {
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    auto worst = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    double scan = 0, scanFromStart = 0;
    std::size_t moments = 0, startOnly = 0;
    const std::vector<double> kept = timeSeeks(replay, text, count, 0, scan, moments);
    const std::vector<double> fromStart =
        timeSeeks(replay, text, count, INT32_MAX, scanFromStart, startOnly);
    // A five-minute game keeps its moments further apart: a jump there plays at most that
    // many ticks from the nearest one, whatever the game's length, so the same spacing on
    // this game gives the jumps of a five-minute game.
    constexpr std::int32_t kFiveMinuteTicks = 5 * 60 * 1000 * 20 / (19 * 13);
    constexpr auto kMost = static_cast<std::int32_t>(ReplaySeeker::kMostMoments - 1);
    constexpr std::int32_t kFiveMinuteSpacing =
        std::max(ReplaySeeker::kMomentSpacing, (kFiveMinuteTicks + kMost - 1) / kMost);
    double scanFive = 0;
    std::size_t fiveMoments = 0;
    const std::vector<double> five =
        timeSeeks(replay, text, count, kFiveMinuteSpacing, scanFive, fiveMoments);
    std::printf(
        "{\"seeks\":%d,\"ticks\":%d,\"moments\":%zu,\"scan_seconds\":%.3f,"
        "\"seek_p50_ms\":%.2f,\"seek_worst_ms\":%.2f,"
        "\"from_start_p50_ms\":%.2f,\"from_start_worst_ms\":%.2f,"
        "\"five_minute_spacing\":%d,\"five_minute_p50_ms\":%.2f,\"five_minute_worst_ms\":%.2f}\n",
        count, replay.endTick, moments, scan, median(kept), worst(kept), median(fromStart),
        worst(fromStart), kFiveMinuteSpacing, median(five), worst(five));
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
    if (options.seeks > 0) printSeeks(*replay, text, options.seeks);
    return check.agrees ? 0 : 1;
}

const char* const kNetUsage =
    "Network play with no window (the seats are steered by a look-ahead bot):\n"
    "  slyders-sim --host PORT [--games N] [--joiners N] [--wait-seconds S] [--seats N]\n"
    "              [--computers 0|1|2] [--skill 1..4] [--speed 0|1|2] [--seed N]\n"
    "              [--arena S] [--password P] [--unpaced] [--record-dir DIR]\n"
    "              [--listen ADDRESS|any]\n"
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
    "A host listening at every address (--listen any) answers the join windows of the local\n"
    "network and asks the router to open its port, printing a \"port_mapping\" line.\n"
    "  slyders-sim --find-games SECONDS [--discovery-target ADDRESS] [--discovery-port N]\n"
    "lists the games on the local network (or at the target) after SECONDS, a line each.\n"
    "Each machine prints the game line of every game with \"network\", \"delay\",\n"
    "\"hashes\" (state hashes compared), \"final_hash\", \"stalls\", \"wall_seconds\",\n"
    "\"pace_seconds\" (what one keyboard takes for the same ticks) and \"stopped\".\n";

// The join window's list, headless: asks the local networks (or the target) for
// `seconds` and prints the games that are still there at the end.
int findGames(const std::vector<std::string>& args) {
    double seconds = 2;
    std::vector<std::string> targets;
    int port = net::kDiscoveryPort;
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        const std::string& a = args[i];
        const std::string& v = args[i + 1];
        if (a == "--find-games") {
            seconds = std::atof(v.c_str());
        } else if (a == "--discovery-target") {
            targets.push_back(v);
        } else if (a == "--discovery-port") {
            port = std::atoi(v.c_str());
        } else {
            std::fprintf(stderr, "slyders-sim: unknown option \"%s\"\n%s", a.c_str(), kNetUsage);
            return 2;
        }
    }
    constexpr double kLongestSearch = 60;
    if (args.size() % 2 != 0 || !(seconds > 0 && seconds <= kLongestSearch) || port < 1 ||
        port > 0xFFFF) {
        std::fprintf(stderr, "slyders-sim: --find-games takes SECONDS up to 60\n%s", kNetUsage);
        return 2;
    }
    net::DiscoveryBrowser browser(targets.empty() ? net::broadcastAddresses() : targets,
                                  std::uint16_t(port));
    std::string error;
    if (!browser.open(error)) {
        std::fprintf(stderr, "slyders-sim: %s\n", error.c_str());
        return 1;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        browser.poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (const net::FoundGame& g : browser.games()) {
        std::printf("{\"game\":\"%s\",\"machine\":\"%s\",\"players\":\"%s\",\"free_seats\":%d,"
                    "\"password\":%s}\n",
                    g.address.c_str(), g.ad.machine.c_str(), g.ad.players.c_str(), g.ad.freeSeats,
                    g.ad.password ? "true" : "false");
    }
    std::printf("{\"summary\":true,\"games_found\":%zu}\n", browser.games().size());
    return 0;
}

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
    if (!args.empty() && args[0] == "--find-games") return findGames(args);
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
        if (!options.video.empty()) return makeVideo(options, text);
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
