#pragma once

#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>

#include "net/net_session.h"

namespace slyders::test {

// A port of this test program's own on 127.0.0.1, so that programs running side by side do
// not meet.
inline std::uint16_t testPort(int offset) {
    return std::uint16_t(20000 + (getpid() * 7) % 30000 + offset);
}

// Steps until done or the time is up; whether it is done.
inline bool within(int ms, const std::function<bool()>& done, const std::function<void()>& step) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < until) step();
    return done();
}

// The guest joins the host's lobby, the host serviced meanwhile; false when it did not.
inline bool joinLobby(net::HostSession& host, net::GuestSession& guest, std::uint16_t port) {
    auto joined = std::async(std::launch::async, [&guest, port] {
        std::string error;
        return guest.join("127.0.0.1", port, 3000, error);
    });
    within(
        3500, [&] { return joined.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        [&] { host.service(2); });
    return joined.get();
}

}  // namespace slyders::test
