#include "sim/net_peer.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "replay/replay_store.h"
#include <thread>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/rounds.h"
#include "game/state_hash.h"
#include "replay/replay_store.h"
#include "play/headless_game.h"
#include "game/tick_pace.h"
#include "play/network_seating.h"

namespace slyders {

namespace {
constexpr std::uint64_t kUsPerMs = 1000, kUsPerS = 1'000'000;
constexpr int kPollMs = 1;
constexpr int kGuestsDoneWaitMs = 10'000;
constexpr int kSettleMs = 600;  // pings after the last join, before the delay is chosen
constexpr std::uint64_t kAskAgainUs = 500'000;  // an owner repeats its request for a game
constexpr std::uint8_t kEverySeatTurns = 0x55;

template <typename T>
bool number(const std::string& text, T& out) {
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size();
}

std::string hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
    return out + "\"";
}
}  // namespace

std::optional<std::string> parseNetPeerOptions(const std::vector<std::string>& args,
                                               NetPeerOptions& out, bool& isNetwork) {
    isNetwork = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto intValue = [&](int lo, int hi, int& v) -> std::optional<std::string> {
            if (!hasValue || !number(args[++i], v) || v < lo || v > hi) {
                return a + " takes a number from " + std::to_string(lo) + " to " +
                       std::to_string(hi);
            }
            return std::nullopt;
        };
        std::optional<std::string> error;
        int v = 0;
        if (a == "--host") {
            isNetwork = out.host = true;
            error = intValue(1, 65535, v);
            out.port = std::uint16_t(v);
        } else if (a == "--listen") {
            if (!hasValue) return "--listen needs an address (any: every address)";
            out.address = args[++i] == "any" ? std::string() : args[i];
        } else if (a == "--join") {
            isNetwork = true;
            out.host = false;
            if (!hasValue) return "--join needs HOST:PORT";
            std::string e;
            if (!net::splitHostPort(args[++i], out.address, out.port, e)) return e;
        } else if (a == "--server") {
            isNetwork = true;
            out.host = false;
            if (!hasValue) return "--server needs HOST[:PORT]";
            std::string e;
            if (!net::splitHostPort(args[++i], out.address, out.port, e)) return e;
            if (out.action == net::RoomAction::None) out.action = net::RoomAction::Create;
        } else if (a == "--create") {
            out.action = net::RoomAction::Create;
        } else if (a == "--room" || a == "--watch") {
            if (!hasValue) return a + " needs a room's code";
            out.action = a == "--room" ? net::RoomAction::Join : net::RoomAction::Watch;
            out.room = args[++i];
        } else if (a == "--names") {
            if (!hasValue) return "--names needs NAME[,NAME...]";
            out.names.clear();
            std::string rest = args[++i];
            for (std::size_t comma; (comma = rest.find(',')) != std::string::npos;) {
                out.names.push_back(rest.substr(0, comma));
                rest.erase(0, comma + 1);
            }
            out.names.push_back(rest);
            if (out.names.size() > std::size_t(kHumanSeats)) return "--names takes 1 to 4 names";
            out.seats = int(out.names.size());
        } else if (a == "--secret") {
            if (!hasValue) return "--secret needs a value";
            out.secret = args[++i];
        } else if (a == "--wrong-input-at") {
            error = intValue(1, 100'000'000, v);
            out.wrongInputAt = v;
        } else if (a == "--games") {
            error = intValue(1, 1'000'000, out.games);
        } else if (a == "--seats") {
            error = intValue(1, kHumanSeats, out.seats);
        } else if (a == "--joiners") {
            error = intValue(0, kHumanSeats - 1, out.joiners);
        } else if (a == "--computers") {
            error = intValue(0, 2, out.computers);
        } else if (a == "--skill") {
            error = intValue(kLowestSkill, kHighestSkill, out.skill);
        } else if (a == "--speed") {
            error = intValue(0, 2, out.speed);
        } else if (a == "--arena") {
            error = intValue(kMinArenaSide, kMaxArenaSide, out.arenaSide);
        } else if (a == "--wait-seconds") {
            error = intValue(1, 3600, out.waitSeconds);
        } else if (a == "--password") {
            if (!hasValue) return "--password needs a value";
            out.password = args[++i];
        } else if (a == "--record-dir") {
            if (!hasValue) return "--record-dir needs a folder";
            out.recordDir = args[++i];
        } else if (a == "--unpaced") {
            out.paced = false;
        } else if (a == "--seed") {
            if (!hasValue || !number(args[++i], out.seed)) return "--seed takes a number";
        } else if (a == "--tick-cap") {
            error = intValue(1, 100'000'000, v);
            out.tickCap = v;
        } else {
            return "unknown option \"" + a + "\"";
        }
        if (error) return error;
    }
    return std::nullopt;
}

std::string toJson(const NetGameResult& r, bool host) {
    std::string out = toJson(r.record);
    out.pop_back();
    out += ",\"network\":" + std::string(host ? "\"host\"" : "\"guest\"");
    out += ",\"delay\":" + std::to_string(r.start.delay);
    out += ",\"seats\":" + std::to_string(r.start.yourSeats);
    out += ",\"hashes\":" + std::to_string(std::count_if(
                                r.ticks.begin(), r.ticks.end(),
                                [](const net::PlayedTick& t) { return t.hash.has_value(); }));
    out += ",\"final_hash\":\"" + hex(r.finalHash) + "\"";
    out += ",\"stalls\":" + std::to_string(r.stalls);
    if (!r.replayFile.empty()) out += ",\"replay\":" + quoted(r.replayFile);
    char wall[32];
    std::snprintf(wall, sizeof wall, ",\"wall_seconds\":%.3f", r.wallSeconds);
    out += wall;
    std::snprintf(wall, sizeof wall, ",\"pace_seconds\":%.3f", r.paceSeconds);
    out += wall;
    out += ",\"stopped\":" + (r.stopped ? quoted(*r.stopped) : std::string("null")) + "}";
    return out;
}

NetPeer::NetPeer(const NetPeerOptions& options, TextRenderer& text)
    : m_options(options), m_text(text), m_gra(m_rng, m_settings, m_scores, text, m_noSound) {
    m_settings.int_snd = 0;
    m_settings.int_soe = 0;
}

net::Session& NetPeer::session() {
    if (m_host) return *m_host;
    return *m_guest;
}

bool NetPeer::connect(std::string& error) {
    net::SessionConfig config;
    config.password = m_options.password;
    config.machine = m_options.machine;
    config.silentTimeoutMs = m_options.silentTimeoutMs;
    config.fingerprint = net::machineFingerprint(m_text);
    const std::string prefix = m_options.host ? "Host bot " : "Guest bot ";
    for (int i = 0; i < m_options.seats; ++i) {
        config.names.push_back(prefix + std::to_string(m_options.port % 1000) + "." +
                               std::to_string(i + 1));
    }
    if (!m_options.names.empty()) config.names = m_options.names;
    config.action = m_options.action;
    config.room = m_options.room;
    if (config.action == net::RoomAction::Watch) config.names.clear();
    config.secrets.assign(config.names.size(), m_options.secret);
    if (!m_options.host) {
        m_guest = std::make_unique<net::GuestSession>(config);
        return m_guest->join(m_options.address, m_options.port, m_options.waitSeconds * 1000,
                             error);
    }
    for (int k = 0; k < 2; ++k) config.reserved.push_back(m_scores.entry(k).name);
    m_host = std::make_unique<net::HostSession>(config);
    if (!m_host->open(m_options.address, m_options.port, error)) return false;
    openToTheWorld();
    net::Mapping shown = net::Mapping::Asking;
    const std::uint64_t until = net::nowMicros() + std::uint64_t(m_options.waitSeconds) * kUsPerS;
    while (m_host->guestsPresent() < m_options.joiners) {
        reportMapping(shown);
        if (net::nowMicros() > until) {
            error = "not enough machines joined in " + std::to_string(m_options.waitSeconds) + " s";
            return false;
        }
        m_host->service(kPollMs * 10);
    }
    const std::uint64_t settle = net::nowMicros() + kSettleMs * kUsPerMs;
    while (net::nowMicros() < settle) m_host->service(kPollMs * 10);
    return true;
}

// As the window's lobby: a host at every address answers the local network and asks the
// router to open its port.
void NetPeer::openToTheWorld() {
    if (net::isLoopback(m_options.address)) return;
    std::string error;
    if (!m_host->advertise("", net::kDiscoveryPort, error)) {
        std::fprintf(stderr, "slyders-sim: %s\n", error.c_str());
    }
    m_mapper = std::make_unique<net::PortMapper>(m_host->port());
}

// The router's answer, once, as a line of its own.
void NetPeer::reportMapping(net::Mapping& shown) {
    if (!m_mapper) return;
    const net::MappingStatus status = m_mapper->status();
    if (status.state == shown) return;
    shown = status.state;
    std::printf("{\"port_mapping\":\"%s\",\"external\":\"%s\",\"text\":\"%s\"}\n",
                status.state == net::Mapping::Open ? "open" : "closed", status.external.c_str(),
                net::mappingText(status).c_str());
    std::fflush(stdout);
}

net::Start NetPeer::hostStart() {
    net::Start s;
    GameStart& g = s.start;
    g = nextGameStart(m_gra, false, m_options.computers);
    g.computers = m_options.computers;
    g.skill = m_options.skill;
    g.speed = m_options.speed;
    g.seed = Random(m_options.seed + std::uint64_t(m_played)).state();
    seatPlayersInJoinOrder(m_gra, m_scores, m_host->seatOwners(), s);
    if (m_options.roundTarget > 0) m_settings.int_rndpts = std::clamp(m_options.roundTarget, 10, 80);
    s.settings = net::settingValues(m_settings);
    s.arenaSide = m_options.arenaSide;
    s.roster = m_scores.entries();
    return m_host->begin(s);
}

// A guest waits for the host's next game. In a room the owner asks for it first, once the
// room holds the players it waits for, and again now and then until it comes: the server
// starts a game only between games.
std::optional<net::Start> NetPeer::awaitStart() {
    const std::uint64_t until = net::nowMicros() + std::uint64_t(m_options.waitSeconds) * kUsPerS;
    std::uint64_t readySinceUs = 0, askedUs = 0;
    for (;;) {
        if (auto start = m_guest->takeStart()) return start;
        if (m_guest->stopped() || net::nowMicros() > until) return std::nullopt;
        m_guest->service(kPollMs * 10);
        const auto& room = m_guest->roomState();
        const std::size_t wanted = std::size_t(m_options.seats + m_options.joiners);
        if (!room || !room->youOwn || room->playing || room->players.size() < wanted) {
            readySinceUs = 0;
            continue;
        }
        const std::uint64_t t = net::nowMicros();
        if (readySinceUs == 0) readySinceUs = t;
        if (t - readySinceUs < kSettleMs * kUsPerMs || t - askedUs < kAskAgainUs) continue;
        m_guest->requestStart(roomChoices());
        askedUs = t;
    }
}

// What the owner of a room chooses; the server seats the players and keeps the round.
net::Start NetPeer::roomChoices() {
    net::Start s;
    s.start.computers = m_options.computers;
    s.start.skill = m_options.skill;
    s.start.speed = m_options.speed;
    s.start.seed = Random(m_options.seed + std::uint64_t(m_played)).state();
    if (m_options.roundTarget > 0) m_settings.int_rndpts = std::clamp(m_options.roundTarget, 10, 80);
    s.settings = net::settingValues(m_settings);
    s.arenaSide = m_options.arenaSide;
    return s;
}

void NetPeer::prepare(const net::Start& start) {
    net::applySettingValues(m_settings, start.settings);
    m_settings.int_snd = 0;
    const int height = clientHeightForSide(start.arenaSide);
    if (!m_window || m_gra.arena.side() != start.arenaSide) {
        m_window = std::make_unique<PixelBuffer>(height * 16 / 9, height);
        m_back = std::make_unique<PixelBuffer>(m_window->width(), m_window->height());
        m_gra.InitArena(height, m_window.get());
        const int S = m_gra.arena.side(), m = m_gra.arena.offset();
        m_label.width = std::max(1, m_window->width() - (S + 2 * m));
        m_label.height = std::max(1, m_window->height() / 12);
    }
    if (!m_options.host) m_scores = Scores::copyOf(start.roster);  // the host's, as there
    m_gra.network.names = start.names;
    StartGame(m_gra, start.start, *m_back);
    m_recorder.begin(m_gra, start.start, std::time(nullptr), "slyders-sim");
    m_recorder.setNetwork(start.ratings);
    m_gra.running = true;
}

std::optional<NetGameResult> NetPeer::playNext() {
    if ((m_host && m_played >= m_options.games) || session().stopped()) return std::nullopt;
    NetGameResult result;
    if (m_options.action != net::RoomAction::None && m_played >= m_options.games) return std::nullopt;
    if (m_host) {
        result.start = hostStart();
    } else {
        std::optional<net::Start> start = awaitStart();
        if (!start) return std::nullopt;
        result.start = *start;
    }
    prepare(result.start);
    const std::uint64_t began = net::nowMicros();
    playTicks(result);
    result.wallSeconds = double(net::nowMicros() - began) / kUsPerS;
    ++m_played;
    return result;
}

void NetPeer::playTicks(NetGameResult& result) {
    m_result = &result;
    m_deadlineUs = net::nowMicros() + std::uint64_t(m_options.gameSeconds) * kUsPerS;
    m_anchorUs = net::nowMicros();
    m_paceAnchorUs = m_paceNowUs = 0;
    m_shownWaiting.clear();
    const HeadlessEnd end =
        playHeadless({m_gra, *m_window, *m_back, m_label}, *this, m_options.tickCap, &m_recorder);
    m_result = nullptr;
    result.paceSeconds = double(m_paceNowUs) / kUsPerS;
    finish(result, end == HeadlessEnd::Over);
}

// Tick t's input once every machine's is in; nothing once the session stopped or the game
// ran out of time.
std::optional<TickInput> NetPeer::inputFor(std::int32_t tick, const TickInput&) {
    net::Session& s = session();
    const std::uint32_t t = std::uint32_t(tick);
    if (m_options.silentFromTick > 0 && m_gra.tick >= m_options.silentFromTick) {
        while (net::nowMicros() < m_deadlineUs) {  // frozen: no service, no word to anybody
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs * 10));
        }
        return std::nullopt;
    }
    if (net::nowMicros() >= m_deadlineUs) return std::nullopt;
    s.service(0);
    if (s.stopped()) return std::nullopt;
    if (m_gra.fastFinish) s.playAloneFrom(t);
    TickInput own;
    for (int seat = 0; seat < kHumanSeats; ++seat) {
        if (m_result->start.yourSeats & (1u << seat)) {
            own.seat[std::size_t(seat)] = net::botSteer(m_gra, seat);
        }
    }
    const std::uint64_t askedAt = net::nowMicros();
    std::optional<net::FrameEntry> frame = s.frameFor(t, net::packInput(own));
    while (!frame && !s.stopped() && net::nowMicros() < m_deadlineUs) {
        s.service(kPollMs);
        const std::string waiting = s.waitingFor();
        if (!waiting.empty() && waiting != m_shownWaiting) {
            m_result->notices.push_back("Waiting for " + waiting + "...");
        }
        m_shownWaiting = waiting;
        frame = s.frameFor(t, 0);
    }
    if (!frame) return std::nullopt;
    const int p = tickPeriodMs(m_gra.speedLevel);
    if (net::nowMicros() - askedAt > std::uint64_t(p) * kUsPerMs) ++m_result->stalls;
    m_leaves = frame->killSeats;
    net::applyLeaves(m_gra, m_leaves);
    if (m_leaves) m_result->notices.push_back(m_gra.message.text);
    // A faulty machine, for tests: for one tick every seat steers otherwise than it should.
    const std::uint8_t wrong = tick == m_options.wrongInputAt ? kEverySeatTurns : 0;
    m_result->ticks.push_back(
        net::PlayedTick{t, net::unpackInput(std::uint8_t(frame->packed ^ wrong)), m_leaves, {}});
    return m_result->ticks.back().input;
}

void NetPeer::played(const Gra& gra, bool over) {
    const std::uint32_t t = std::uint32_t(gra.tick);
    if (t % kHashInterval == 0) {
        const std::uint64_t hash = stateHash(gra);
        m_result->ticks.back().hash = hash;
        session().reportHash(t, hash);
    }
    if (!over && m_options.paced) waitForRelease(gra.tick);
}

void NetPeer::waitForRelease(std::int32_t tick) {
    const int p = tickPeriodMs(m_gra.speedLevel, m_gra.fastFinish);
    const std::uint64_t step = std::uint64_t(tick % kTicksPerGroup) * p * kUsPerMs;
    m_paceNowUs = std::max(m_paceNowUs, m_paceAnchorUs + step);
    if (tick % kTicksPerGroup == kTicksPerGroup - 1) m_paceAnchorUs = m_paceNowUs;
    const std::uint64_t due = m_anchorUs + step;
    std::uint64_t now = net::nowMicros();
    while (now < due) {
        session().service(0);
        const std::uint64_t left = due - now;
        if (left > kUsPerMs) std::this_thread::sleep_for(std::chrono::microseconds(left / 2));
        now = net::nowMicros();
    }
    if (tick % kTicksPerGroup == kTicksPerGroup - 1) m_anchorUs = now;
}

void NetPeer::finish(NetGameResult& result, bool over) {
    Gra& g = m_gra;
    GameRecord& r = result.record;
    r.game = m_played + 1;
    r.seed = m_options.seed + std::uint64_t(m_played);
    r.skill = g.skillLevel;
    r.humans = g.humans;
    r.firstSlot = g.firstSlot;
    r.ticks = g.tick;
    r.deathOrder = g.deathOrder;
    for (int s = g.firstSlot; s <= g.lastActive(); ++s) r.points.push_back(g.slot(s).gamePoints);
    result.finalHash = stateHash(g);
    result.stopped = session().stopped();
    if (!over) {
        r.capped = true;
        g.running = false;
        g.fastFinish = false;
        if (!result.stopped) result.stopped = "the game did not end in time";
        keepReplay(result, ReplayEnd::Stopped, {});
        return;
    }
    r.winner = finishGame(g, m_label);
    session().gameOver(std::uint32_t(g.tick), result.finalHash);
    if (decideRoundEnd(g, r.winner) == RoundEnd::Won) {
        keepReplay(result, ReplayEnd::Over, creditRoundWin(g, r.winner));
        clearRoundPoints(g);
    } else {
        keepReplay(result, ReplayEnd::Over, {});
    }
    if (m_host) {
        const std::uint64_t until = net::nowMicros() + kGuestsDoneWaitMs * kUsPerMs;
        while (!m_host->guestsDone() && !m_host->stopped() && net::nowMicros() < until) {
            m_host->service(kPollMs);
        }
        result.stopped = m_host->stopped();
    } else {
        for (int i = 0; i < 5; ++i) m_guest->service(kPollMs);
    }
}

// Every machine writes what it played, agreed or not: a disagreement is found by playing
// each machine's replay back with slyders-sim --replay.
void NetPeer::keepReplay(NetGameResult& result, ReplayEnd end, const std::string& resultText) {
    result.replay = m_recorder.finish(m_gra, end, resultText);
    if (m_options.recordDir.empty()) return;
    int firstSeat = 0;
    while (firstSeat < kHumanSeats && !(result.start.yourSeats & (1u << firstSeat))) ++firstSeat;
    const std::filesystem::path file =
        std::filesystem::path(m_options.recordDir) /
        ((m_host ? "host" : "guest") + std::string("-seat") + std::to_string(firstSeat + 1) +
         "-game" + std::to_string(m_played + 1) + ".slyrep");
    std::error_code ec;
    std::filesystem::create_directories(m_options.recordDir, ec);
    std::string error;
    if (writeReplayFile(file, result.replay, error)) {
        result.replayFile = file.string();
    } else {
        std::fprintf(stderr, "slyders-sim: %s\n", error.c_str());
    }
}

void NetPeer::close() {
    if (m_host) m_host->close();
    m_mapper.reset();  // the router's port goes back
    if (m_guest) m_guest->leave();
}

}  // namespace slyders
