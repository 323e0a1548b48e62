#include "frame/options.h"

#include <charconv>

namespace slyders {

const char* const kUsage =
    "Usage: slyders [options]\n"
    "  --seed N        seed the random generator with N instead of the clock\n"
    "  --window WxH    a normal window with a W x H pixel client area instead of full screen\n"
    "  --demo          start a DEMO game right after start-up, as F9 would\n"
    "  --replay FILE   watch a replay right after start-up, as \"Open replay...\" would\n"
    "  --host [PORT]   host a network game right after start-up (port 27960 by default)\n"
    "  --join HOST[:PORT]\n"
    "                  join the network game of HOST (a name or IP; port 27960 by default)\n"
    "  --server HOST[:PORT] --create | --room CODE | --watch CODE\n"
    "                  play on a dedicated server: create a room, join the room of CODE, or\n"
    "                  watch it\n"
    "  --player NAME   with --host or --join: the roster player at this machine's seat 1\n"
    "                  (added to the roster when new); without it you are asked\n"
    "  --tick-log FILE while games run, write a line per tick: tick counter, release time\n"
    "                  and the time of the tick's work, in microseconds from program start\n"
    "  --settings-dir DIR\n"
    "                  keep \"Default.par\" in DIR and look for \"slydersbg.bmp\" there instead\n"
    "                  of the working folder; \"@roster\" names the folder of the roster\n"
    "  --version       show the version\n"
    "  --help          show this text\n";

const char* const kVersion = "slyders " SLYDERS_VERSION "\n";

namespace {

template <typename T>
bool parseNumber(const std::string& s, T& out) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && p == end;
}

}  // namespace

std::optional<std::string> parseOptions(const std::vector<std::string>& args, Options& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else if (a == "--demo") {
            out.demo = true;
        } else if (a == "--seed") {
            const std::string* v = value();
            std::uint64_t seed = 0;
            if (!v || !parseNumber(*v, seed)) return "--seed needs a whole number";
            out.seed = seed;
        } else if (a == "--window") {
            const std::string* v = value();
            const std::size_t x = v ? v->find('x') : std::string::npos;
            int w = 0, h = 0;
            if (x == std::string::npos || !parseNumber(v->substr(0, x), w) ||
                !parseNumber(v->substr(x + 1), h) || w < 200 || h < 200) {
                return "--window needs a size like 1280x720 (at least 200x200)";
            }
            out.windowWidth = w;
            out.windowHeight = h;
        } else if (a == "--replay") {
            const std::string* v = value();
            if (!v || v->empty()) return "--replay needs a file name";
            out.replay = *v;
        } else if (a == "--host") {
            std::uint16_t port = 27960;
            if (i + 1 < args.size() && parseNumber(args[i + 1], port)) {
                if (port == 0) return "--host takes a port from 1 to 65535";
                ++i;
            } else if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
                return "--host takes a port from 1 to 65535";
            }
            out.hostPort = port;
        } else if (a == "--join") {
            const std::string* v = value();
            if (!v || v->empty()) return "--join needs HOST or HOST:PORT";
            out.join = *v;
        } else if (a == "--server") {
            const std::string* v = value();
            if (!v || v->empty()) return "--server needs HOST or HOST:PORT";
            out.server = *v;
        } else if (a == "--create") {
            out.createRoom = true;
        } else if (a == "--room" || a == "--watch") {
            const std::string* v = value();
            if (!v || v->empty()) return a + " needs a room's code";
            out.room = *v;
            out.watchRoom = a == "--watch";
        } else if (a == "--player") {
            const std::string* v = value();
            if (!v || v->empty()) return "--player needs a name";
            out.player = *v;
        } else if (a == "--start-when-joined") {
            const std::string* v = value();
            if (!v || !parseNumber(*v, out.startWhenJoined) || out.startWhenJoined < 1 ||
                out.startWhenJoined > 3) {
                return "--start-when-joined needs a number of guests from 1 to 3";
            }
        } else if (a == "--tick-log") {
            const std::string* v = value();
            if (!v || v->empty()) return "--tick-log needs a file name";
            out.tickLog = *v;
        } else if (a == "--settings-dir") {
            const std::string* v = value();
            if (!v || v->empty()) return "--settings-dir needs a folder";
            out.settingsDir = *v;
        } else if (a == "--quit-after") {
            const std::string* v = value();
            if (!v || !parseNumber(*v, out.quitAfterMs) || out.quitAfterMs <= 0) {
                return "--quit-after needs a number of milliseconds";
            }
        } else {
            return "unknown option: " + a;
        }
    }
    if (out.demo && !out.replay.empty()) return "--demo and --replay cannot both start the game";
    if (out.hostPort && !out.join.empty()) return "--host and --join do not go together";
    if (!out.server.empty() && (out.hostPort || !out.join.empty() || out.demo || !out.replay.empty()))
        return "--server plays alone: not with --host, --join, --demo or --replay";
    if (out.server.empty() && (out.createRoom || !out.room.empty()))
        return "--create, --room and --watch need --server";
    if (!out.server.empty() && out.createRoom == !out.room.empty())
        return "--server needs one of --create, --room CODE and --watch CODE";
    if ((out.hostPort || !out.join.empty()) && (out.demo || !out.replay.empty())) {
        return "a network game cannot start together with --demo or --replay";
    }
    return std::nullopt;
}

}  // namespace slyders
