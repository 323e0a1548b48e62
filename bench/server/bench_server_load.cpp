// Light load for slyders-server: ROOMS rooms of four machines over 127.0.0.1 at the Medium
// pace, all of them peers of ONE ENet host in this one process, so that the load costs far
// less than the server it measures. The server plays every game for real; the machines only
// send their keys (nobody steers) and read the frames, keeping the lockstep as the game does:
// a machine keys tick t + delay when its clock reaches tick t and it has played tick t - 1.
// They send no state hashes (the server checks those a machine sends, and asks for none), and
// end each game with a Done that carries none.
// Prints one JSON line: the ticks released, the pace (released / the ticks the clock allowed
// while the games went on), the frame latency the server adds (from the last machine's key
// for a tick to that tick's frame coming back) p50 and p99, and the machines cut off.
// The first WARMUP seconds (connections, rooms made, games started) are not measured.
//   bench_server_load PORT ROOMS WARMUP SECONDS [ARENA]
#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include <QGuiApplication>

#include "game/tick_pace.h"
#include "net/enet_transport.h"
#include "net/fingerprint.h"
#include "net/net_session.h"
#include "present/qt/qt_text_renderer.h"

using namespace slyders;
using namespace slyders::net;

namespace {

constexpr int kSeats = 4;
constexpr std::uint64_t kUsPerS = 1'000'000;
// The owner asks for the next game again after this long without one, as a player would
// press the key again. (Asking every 300 ms left an owner now and then stuck at the game's
// first tick on a busy server, dropped as silent ten seconds later; not yet understood.)
constexpr std::uint64_t kAskAgainUs = 3'000'000;
constexpr int kMediumSpeed = 1;
constexpr int kDefaultArena = 486;
// Connections go out in small batches, as players come to a server.
constexpr int kConnectBatch = 40;
constexpr std::uint64_t kConnectBatchUs = 50'000;
constexpr std::uint64_t kLoopWaitMs = 1;
// A machine waiting for a frame sends its unconfirmed keys again this often, as the game's
// does: a datagram lost on the way must not hold its room up. Otherwise it keys once a tick.
constexpr std::uint64_t kResendUs = 8'000, kQuietResendUs = 40'000;

struct Machine {
    int peer = 0, room = 0, seat = 0;
    bool connected = false, helloSent = false, playing = false, owner = false;
    std::size_t players = 0;
    std::uint16_t game = 0;
    std::uint8_t seats = 0, delay = 1;
    std::uint32_t tick = 0, framesKnown = 0;  // the last tick keyed for, the last played
    std::uint64_t startUs = 0, askedUs = 0, keyedUs = 0;
    // This game's frames that came within the measured time, and when the last came.
    std::uint64_t lastUs = 0, counted = 0;
};

struct Room {
    std::vector<std::uint64_t> lastKeyUs;  // by tick of the game: when its last key went
    std::uint16_t game = 0;
    std::string code;
};

struct Figures {
    std::uint64_t released = 0;
    double expected = 0;  // ticks the clock allowed while the machines' games went on
    std::vector<std::uint64_t> latencies;
    int cutOff = 0;
};

Start choices(std::uint64_t seed, int arena) {
    Start s;
    s.start.computers = 0;
    s.start.speed = kMediumSpeed;
    s.start.seed = seed;
    s.arenaSide = arena;
    TInterface settings;
    s.settings = settingValues(settings);
    return s;
}

class Load {
public:
    Load(int rooms, int arena, std::uint16_t port, Fingerprint fingerprint, double tickUs)
        : m_rooms(std::size_t(rooms)), m_arena(arena), m_port(port),
          m_fingerprint(std::move(fingerprint)), m_tickUs(tickUs) {
        for (int r = 0; r < rooms; ++r) {
            for (int i = 0; i < kSeats; ++i) m_machines.push_back(Machine{0, r, i});
        }
    }

    bool open(std::string& error) {
        m_net = EnetTransport::outgoing(int(m_machines.size()), error);
        return m_net != nullptr;
    }

    void run(std::uint64_t measuredFrom, std::uint64_t until) {
        m_measured = measuredFrom;
        std::uint64_t nextBatch = 0;
        std::vector<NetEvent> events;
        while (nowMicros() < until) {
            const std::uint64_t t = nowMicros();
            if (t >= nextBatch) {
                connectSome();
                nextBatch = t + kConnectBatchUs;
            }
            events.clear();
            m_net->service(int(kLoopWaitMs), events);
            for (const NetEvent& e : events) onEvent(e);
            for (Machine& m : m_machines) act(m);
            m_net->flush();
        }
        for (Machine& m : m_machines) closeGame(m, m.playing ? until : 0);
    }

    Figures& figures() { return m_figures; }

    void leave() {
        m_net->disconnectAll();
        m_net->flush();
    }

private:
    // The owners connect first; the others once they know their room's code, as friends
    // who were told it.
    void connectSome() {
        std::string error;
        int started = 0;
        for (std::size_t k = 0; k < m_machines.size() && started < kConnectBatch; ++k) {
            Machine& m = m_machines[k];
            if (m.peer != 0 || (m.seat > 0 && m_rooms[std::size_t(m.room)].code.empty())) continue;
            m.peer = m_net->connectTo("127.0.0.1", m_port, error);
            if (m.peer == 0) {
                std::fprintf(stderr, "%s\n", error.c_str());
                m.peer = -1;
                continue;
            }
            m_byPeer[m.peer] = k;
            ++started;
        }
    }

    void onEvent(const NetEvent& e) {
        const auto it = m_byPeer.find(e.peer);
        if (it == m_byPeer.end()) return;
        Machine& m = m_machines[it->second];
        if (e.type == NetEvent::Type::Connected) m.connected = true;
        if (e.type == NetEvent::Type::Disconnected && m.connected) {
            m.connected = false;
            ++m_figures.cutOff;
        }
        if (e.type != NetEvent::Type::Received) return;
        const Decoded d = decode(e.data.data(), e.data.size());
        if (d.packet) onPacket(m, *d.packet);
    }

    void onPacket(Machine& m, const Packet& p) {
        Room& room = m_rooms[std::size_t(m.room)];
        if (const auto* w = std::get_if<Welcome>(&p)) {
            if (m.seat == 0) room.code = w->room;
        } else if (const auto* s = std::get_if<Start>(&p)) {
            closeGame(m);
            m.game = s->game;
            m.seats = s->yourSeats;
            m.delay = s->delay;
            m.tick = m.framesKnown = 0;
            m.startUs = nowMicros();
            m.playing = true;
            if (room.game != s->game) room.lastKeyUs.clear(), room.game = s->game;
        } else if (const auto* st = std::get_if<RoomState>(&p)) {
            m.players = st->players.size();
            m.owner = st->youOwn;
            if (!st->playing && m.playing) {
                closeGame(m);
                m.playing = false;  // the server's game is over: so is ours
                send(m, Done{m.game, 0, 0}, true);
            }
        } else if (const auto* f = std::get_if<Frame>(&p)) {
            if (f->game == m.game && m.playing) onFrame(m, room, *f);
        } else if (const auto* stop = std::get_if<Stop>(&p)) {
            std::fprintf(stderr, "room %d seat %d (game %d, tick %u, frames %u): %s\n", m.room,
                         m.seat, m.game, m.tick, m.framesKnown, stopText(stop->reason).c_str());
            closeGame(m);
            m.playing = false;
        } else if (const auto* refused = std::get_if<Refuse>(&p)) {
            std::fprintf(stderr, "room %d: %s\n", m.room, refuseText(*refused).c_str());
        } else if (const auto* ping = std::get_if<Ping>(&p)) {
            send(m, Pong{ping->stamp}, false);
        }
    }

    void onFrame(Machine& m, Room& room, const Frame& f) {
        const std::uint64_t t = nowMicros();
        for (std::size_t k = 0; k < f.entries.size(); ++k) {
            const std::uint32_t tick = f.firstTick + std::uint32_t(k);
            if (tick != m.framesKnown + 1) continue;
            m.framesKnown = tick;
            // The first ticks need nobody's keys and come at once: the pace starts after them.
            if (t < m_measured) continue;
            m.lastUs = t;
            ++m.counted;
            if (tick < room.lastKeyUs.size() && room.lastKeyUs[tick] != 0 &&
                t >= room.lastKeyUs[tick]) {
                m_figures.latencies.push_back(t - room.lastKeyUs[tick]);
            }
        }
    }

    // The game's measured frames count against the ticks its clock allowed within the
    // measured time: up to its last frame for a game that ended, up to `until` for one that
    // goes on. At its start a game allows its first tick and those of the input delay.
    void closeGame(Machine& m, std::uint64_t until = 0) {
        if (m.playing) {
            const std::uint64_t from = std::max(m.startUs, m_measured);
            const std::uint64_t to = until != 0 ? until : m.lastUs;
            if (to > from) {
                m_figures.released += m.counted;
                m_figures.expected += double(to - from) / m_tickUs +
                                      (from == m.startUs ? 1.0 + m.delay : 0.0);
            }
        }
        m.lastUs = m.counted = 0;
    }

    void act(Machine& m) {
        Room& room = m_rooms[std::size_t(m.room)];
        if (m.connected && !m.helloSent && (m.seat == 0 || !room.code.empty())) {
            const std::string name = "L" + std::to_string(m.room) + "." + std::to_string(m.seat);
            send(m, Hello{"", "load", {name}, m_fingerprint,
                          m.seat == 0 ? RoomAction::Create : RoomAction::Join, room.code, {"x"}},
                 true);
            m.helloSent = true;
        }
        const std::uint64_t t = nowMicros();
        if (m.owner && !m.playing && m.players == kSeats && t - m.askedUs > kAskAgainUs) {
            send(m, choices(std::uint64_t(m.room + 1) * 7919 + m.game, m_arena), true);
            m.askedUs = t;
        }
        if (!m.playing || !m.seats) return;
        bool keyed = false;
        while (m.framesKnown >= m.tick && double(t - m.startUs) >= double(m.tick) * m_tickUs) {
            ++m.tick;
            const std::uint32_t target = m.tick + m.delay;
            if (room.lastKeyUs.size() <= target) room.lastKeyUs.resize(target * 2 + 1, 0);
            room.lastKeyUs[target] = std::max(room.lastKeyUs[target], t);
            keyed = true;
        }
        // As the game's machines do: the keys again only while waiting for a frame, or after
        // a long silence.
        const bool waiting = m.framesKnown < m.tick && double(t - m.startUs) >= double(m.tick) * m_tickUs;
        const std::uint64_t since = t - m.keyedUs;
        if (keyed || (m.tick > 0 && ((waiting && since > kResendUs) || since > kQuietResendUs)))
            sendKeys(m, t);
    }

    // The keys up to the last tick keyed for, from the first the server has not confirmed,
    // as a player's machine sends them: one lost datagram must not hold it up.
    void sendKeys(Machine& m, std::uint64_t t) {
        const std::uint32_t target = m.tick + m.delay;
        const std::uint32_t first =
            std::max({m.framesKnown + 1, std::uint32_t(m.delay) + 1,
                      target >= kMaxRun ? target - kMaxRun + 1 : 1u});
        if (first <= target) {
            send(m, Input{m.game, first, m.seats, std::vector<std::uint8_t>(target - first + 1, 0),
                          m.framesKnown},
                 false);
        }
        m.keyedUs = t;
    }

    void send(const Machine& m, const Packet& p, bool reliable) {
        m_net->send(m.peer, encode(p), reliable);
    }

    std::vector<Machine> m_machines;
    std::vector<Room> m_rooms;
    std::unordered_map<int, std::size_t> m_byPeer;
    int m_arena;
    std::uint16_t m_port;
    Fingerprint m_fingerprint;
    double m_tickUs;
    std::unique_ptr<EnetTransport> m_net;
    std::uint64_t m_measured = 0;
    Figures m_figures;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: bench_server_load PORT ROOMS WARMUP SECONDS [ARENA]\n");
        return 2;
    }
    const auto port = std::uint16_t(std::stoi(argv[1]));
    const int rooms = std::stoi(argv[2]);
    const int warmup = std::stoi(argv[3]);
    const int seconds = std::stoi(argv[4]);
    const int arena = argc > 5 ? std::stoi(argv[5]) : kDefaultArena;
    // The server lets in only machines that draw the arena's texts as it does: the load
    // clients say so as the game does, with Qt's fonts, though they never draw.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QtTextRenderer text;
    Load load(rooms, arena, port, machineFingerprint(text), double(tickPeriodMs(kMediumSpeed)) * 1000.0 * kPeriodsPerGroup / kTicksPerGroup);
    std::string error;
    if (!load.open(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const std::uint64_t measured = nowMicros() + std::uint64_t(warmup) * kUsPerS;
    load.run(measured, measured + std::uint64_t(seconds) * kUsPerS);
    Figures& f = load.figures();
    std::sort(f.latencies.begin(), f.latencies.end());
    auto pct = [&](double q) {
        return f.latencies.empty()
                   ? 0.0
                   : double(f.latencies[std::size_t(q * double(f.latencies.size() - 1))]) / 1000.0;
    };
    std::printf("{\"rooms\":%d,\"seconds\":%d,\"ticks_released\":%llu,\"pace\":%.4f,"
                "\"latency_p50_ms\":%.3f,\"latency_p99_ms\":%.3f,\"samples\":%zu,\"cut_off\":%d}\n",
                rooms, seconds, static_cast<unsigned long long>(f.released),
                f.expected > 0 ? double(f.released) / f.expected : 0.0, pct(0.5), pct(0.99),
                f.latencies.size(), f.cutOff);
    load.leave();
    return 0;
}
