#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "net/net_session.h"
#include "sim/net_peer.h"
#include "test_support.h"

namespace slyders::test {

// Steps until done or the time is up; whether it is done.
inline bool within(int ms, const std::function<bool()>& done, const std::function<void()>& step) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < until) step();
    return done();
}

// The host listens on 127.0.0.1 at the port; the refusal says why it does not.
inline testing::AssertionResult opens(net::HostSession& host, std::uint16_t port) {
    std::string error;
    if (host.open("127.0.0.1", port, error)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << error;
}

// The guest joins the host's lobby, the host serviced meanwhile; false, and why, when it did not.
inline bool joinLobby(net::HostSession& host, net::GuestSession& guest, std::uint16_t port,
                      std::string* why = nullptr) {
    auto joined = std::async(std::launch::async, [&guest, port, why] {
        std::string error;
        const bool in = guest.join("127.0.0.1", port, 3000, error);
        if (why) *why = error;
        return in;
    });
    within(
        3500, [&] { return joined.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        [&] { host.service(2); });
    return joined.get();
}

// A headless machine's games, as slyders-sim --host or --join plays them.
struct PeerRun {
    std::vector<NetGameResult> games;
    std::string error;
    int badPackets = 0;
};

// Plays games until the session ends, writing the arena's names with the given text; a
// room's code, once in, goes to `code`.
template <typename Text>
PeerRun runPeerTelling(NetPeerOptions options, std::string* code) {
    Text text;
    NetPeer peer(options, text);
    PeerRun run;
    if (!peer.connect(run.error)) return run;
    if (code) *code = peer.roomCode();
    while (auto r = peer.playNext()) {
        run.games.push_back(*r);
        if (r->stopped) break;
    }
    run.badPackets = peer.session().badPackets();
    peer.close();
    return run;
}

template <typename Text>
PeerRun runPeer(NetPeerOptions options) {
    return runPeerTelling<Text>(std::move(options), nullptr);
}

}  // namespace slyders::test
