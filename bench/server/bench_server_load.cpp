// Light load for slyders-server: ROOMS rooms of four machines over 127.0.0.1, each machine
// steering nothing at the Medium pace. The server plays every game for real; the machines
// only send their keys and read the frames. Prints one JSON line: the ticks released and the
// frame latency the server adds (from the last machine's key for a tick to that tick's frame
// coming back), p50 and p99.
// The first WARMUP seconds (rooms made, games started) are not measured.
//   bench_server_load PORT ROOMS WARMUP SECONDS [ARENA]
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QGuiApplication>

#include "net/enet_transport.h"
#include "net/fingerprint.h"
#include "net/net_session.h"
#include "present/qt/qt_text_renderer.h"

using namespace slyders;
using namespace slyders::net;

namespace {

constexpr int kSeats = 4;
constexpr double kMediumTickUs = 13'000.0 * 19 / 20;  // the game's Medium pace
constexpr std::uint64_t kUsPerS = 1'000'000;
constexpr std::uint64_t kAskAgainUs = 300'000;

struct Machine {
    std::unique_ptr<EnetTransport> net;
    int peer = 0;
    bool owner = false, helloSent = false, playing = false;
    std::size_t players = 0;
    std::uint16_t game = 0;
    std::uint8_t seats = 0, delay = 1;
    std::uint32_t tick = 0, framesKnown = 0;
    std::uint64_t startUs = 0, askedUs = 0;
};

struct Room {
    std::vector<Machine> machines;
    std::map<std::uint32_t, std::uint64_t> lastKeyUs;  // per tick of the game, when the last key went
    std::uint16_t game = 0;
    std::string code;
};

void send(Machine& m, const Packet& p, bool reliable) {
    m.net->send(m.peer, encode(p), reliable);
}

Start choices(std::uint64_t seed, int arena) {
    Start s;
    s.start.computers = 0;
    s.start.speed = 1;
    s.start.seed = seed;
    s.arenaSide = arena;
    TInterface settings;
    s.settings = settingValues(settings);
    return s;
}

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
    const int arena = argc > 5 ? std::stoi(argv[5]) : 486;
    // The server lets in only machines that draw the arena's texts as it does: the load
    // clients say so as the game does, with Qt's fonts, though they never draw.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QtTextRenderer text;
    const Fingerprint fingerprint = machineFingerprint(text);
    std::vector<Room> all(static_cast<std::size_t>(rooms));
    std::string error;
    std::vector<std::uint64_t> latencies;
    std::uint64_t released = 0;
    const std::uint64_t measured = nowMicros() + std::uint64_t(warmup) * kUsPerS;
    const std::uint64_t until = measured + std::uint64_t(seconds) * kUsPerS;
    for (int r = 0; r < rooms; ++r) {
        Room& room = all[std::size_t(r)];
        room.machines.resize(kSeats);
        for (int i = 0; i < kSeats; ++i) {
            Machine& m = room.machines[std::size_t(i)];
            m.net = EnetTransport::connect("127.0.0.1", port, error);
            if (!m.net) {
                std::fprintf(stderr, "%s\n", error.c_str());
                return 1;
            }
            m.owner = i == 0;
        }
    }
    std::vector<NetEvent> events;
    while (nowMicros() < until) {
        for (std::size_t r = 0; r < all.size(); ++r) {
            Room& room = all[r];
            for (std::size_t i = 0; i < room.machines.size(); ++i) {
                Machine& m = room.machines[i];
                events.clear();
                m.net->service(0, events);
                for (const NetEvent& e : events) {
                    if (e.type == NetEvent::Type::Connected) m.peer = e.peer;
                    if (e.type != NetEvent::Type::Received) continue;
                    const Decoded d = decode(e.data.data(), e.data.size());
                    if (!d.packet) continue;
                    if (const auto* w = std::get_if<Welcome>(&*d.packet)) {
                        if (m.owner) room.code = w->room;
                    } else if (const auto* s = std::get_if<Start>(&*d.packet)) {
                        m.game = s->game;
                        m.seats = s->yourSeats;
                        m.delay = s->delay;
                        m.tick = 0;
                        m.framesKnown = 0;
                        m.startUs = nowMicros();
                        m.playing = true;
                        if (room.game != s->game) room.lastKeyUs.clear(), room.game = s->game;
                    } else if (const auto* st = std::get_if<RoomState>(&*d.packet)) {
                        m.players = st->players.size();
                        m.owner = st->youOwn;
                        if (!st->playing && m.playing) {
                            m.playing = false;  // the server's game is over: so is ours
                            send(m, Done{m.game, 0, 0}, true);
                        }
                    } else if (const auto* f = std::get_if<Frame>(&*d.packet)) {
                        if (f->game != m.game) continue;
                        const std::uint64_t t = nowMicros();
                        for (std::size_t k = 0; k < f->entries.size(); ++k) {
                            const std::uint32_t tick = f->firstTick + std::uint32_t(k);
                            if (tick != m.framesKnown + 1) continue;
                            m.framesKnown = tick;
                            if (t < measured) continue;
                            ++released;
                            const auto key = room.lastKeyUs.find(tick);
                            if (key != room.lastKeyUs.end() && t >= key->second)
                                latencies.push_back(t - key->second);
                        }
                    } else if (const auto* stop = std::get_if<Stop>(&*d.packet)) {
                        std::fprintf(stderr, "room %zu: %s\n", r, stopText(stop->reason).c_str());
                        m.playing = false;
                    } else if (const auto* refused = std::get_if<Refuse>(&*d.packet)) {
                        std::fprintf(stderr, "room %zu: %s\n", r, refuseText(*refused).c_str());
                    } else if (const auto* p = std::get_if<Ping>(&*d.packet)) {
                        send(m, Pong{p->stamp}, false);
                    }
                }
                // The owner makes the room; the others join once its code is known.
                if (m.peer && !m.helloSent && (i == 0 || !room.code.empty())) {
                    const std::string name = "L" + std::to_string(r) + "." + std::to_string(i);
                    send(m, Hello{"", "load", {name}, fingerprint,
                                  i == 0 ? RoomAction::Create : RoomAction::Join, room.code, {"x"}},
                         true);
                    m.helloSent = true;
                }
                const std::uint64_t t = nowMicros();
                if (m.owner && !m.playing && m.players == kSeats && t - m.askedUs > kAskAgainUs) {
                    send(m, choices(std::uint64_t(r + 1) * 7919 + m.game, arena), true);
                    m.askedUs = t;
                }
                // The keys of each tick when it is due at the Medium pace, for tick + delay.
                while (m.playing && m.seats &&
                       double(t - m.startUs) >= double(m.tick) * kMediumTickUs) {
                    ++m.tick;
                    const std::uint32_t target = m.tick + m.delay;
                    // Every key the server has not confirmed goes again, as a player's would:
                    // one lost datagram must not hold the room up.
                    const std::uint32_t first = std::max({m.framesKnown + 1, std::uint32_t(m.delay) + 1,
                                                          target >= kMaxRun ? target - kMaxRun + 1 : 1u});
                    if (first <= target) {
                        send(m, Input{m.game, first, m.seats, std::vector<std::uint8_t>(target - first + 1, 0),
                                      m.framesKnown}, false);
                    }
                    std::uint64_t& last = room.lastKeyUs[target];
                    last = std::max(last, t);
                }
                m.net->flush();
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::sort(latencies.begin(), latencies.end());
    auto pct = [&](double q) {
        return latencies.empty() ? 0.0
                                 : double(latencies[std::size_t(q * double(latencies.size() - 1))]) / 1000.0;
    };
    std::printf("{\"rooms\":%d,\"seconds\":%d,\"ticks_released\":%llu,\"latency_p50_ms\":%.3f,"
                "\"latency_p99_ms\":%.3f,\"samples\":%zu}\n",
                rooms, seconds, static_cast<unsigned long long>(released), pct(0.5), pct(0.99),
                latencies.size());
    for (Room& room : all) {
        for (Machine& m : room.machines) {
            m.net->disconnectAll();
            m.net->flush();
        }
    }
    return 0;
}
