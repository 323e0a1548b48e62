// A guest that joins the host at 127.0.0.1:PORT, waits for the game to start and then sends
// state checks as fast as it can for at most SECONDS, or until the host cuts it off. Prints
// one line: the packets sent and when it was cut off. Only ever talks to 127.0.0.1.
//   bench_flood PORT SECONDS [PROTOCOL_VERSION]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "net/enet_transport.h"
#include "net/protocol.h"

using namespace slyders::net;

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kJoinSeconds = 30;
constexpr int kMaxSeconds = 120;
constexpr std::size_t kVersionAt = 4;  // after the magic
constexpr int kBurst = 256;            // packets sent between two looks at what came

std::vector<std::uint8_t> versioned(std::vector<std::uint8_t> bytes, int version) {
    bytes[kVersionAt] = std::uint8_t(version);
    bytes[kVersionAt + 1] = std::uint8_t(version >> 8);
    return bytes;
}

double since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_flood PORT SECONDS [PROTOCOL_VERSION]\n");
        return 2;
    }
    const auto port = std::uint16_t(std::atoi(argv[1]));
    const int seconds = std::min(std::atoi(argv[2]), kMaxSeconds);
    const int version = argc > 3 ? std::atoi(argv[3]) : kVersion;
    std::string error;
    auto net = EnetTransport::connect("127.0.0.1", port, error);
    if (!net) {
        std::fprintf(stderr, "bench_flood: %s\n", error.c_str());
        return 1;
    }
    std::vector<NetEvent> events;
    std::uint16_t game = 0;
    bool cut = false;
    const auto joining = Clock::now();
    while (game == 0 && !cut && since(joining) < kJoinSeconds) {
        events.clear();
        net->service(10, events);
        for (const NetEvent& e : events) {
            if (e.type == NetEvent::Type::Connected) {
                net->send(e.peer, versioned(encode(Hello{"", "flood", {"Flood"}, {}, {}, {}, {}}), version), true);
            }
            cut |= e.type == NetEvent::Type::Disconnected;
            const std::size_t n = e.data.size();
            if (n > kVersionAt + 2) {  // read whatever version the host speaks
                std::vector<std::uint8_t> ours = versioned(e.data, kVersion);
                const Decoded d = decode(ours.data(), n);
                if (d.packet && std::holds_alternative<Start>(*d.packet))
                    game = std::get<Start>(*d.packet).game;
                if (d.packet && std::holds_alternative<Ping>(*d.packet))
                    net->send(e.peer, versioned(encode(Pong{std::get<Ping>(*d.packet).stamp}), version), false);
            }
        }
    }
    if (game == 0) {
        std::fprintf(stderr, "bench_flood: no game started\n");
        return 1;
    }
    const auto flooding = Clock::now();
    std::uint64_t sent = 0;
    double cutAt = -1;
    while (since(flooding) < seconds) {
        for (int i = 0; i < kBurst; ++i, ++sent) {
            net->send(1, versioned(encode(Hash{game, std::uint32_t(sent + 1), sent}), version), false);
        }
        events.clear();
        net->service(0, events);
        for (const NetEvent& e : events) {
            if (e.type == NetEvent::Type::Disconnected && cutAt < 0) cutAt = since(flooding);
        }
        if (cutAt >= 0) break;
    }
    std::printf("flood: %llu state checks in %.1f s, %s\n", static_cast<unsigned long long>(sent),
                since(flooding),
                cutAt >= 0 ? ("cut off by the host after " + std::to_string(cutAt) + " s").c_str()
                           : "never cut off");
    return 0;
}
