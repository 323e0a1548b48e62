// The sessions over 127.0.0.1 when machines misbehave: strangers that never say who they are,
// a crowd at the door, a guest that talks but never steers, a flood, a machine that pauses
// and a host that vanishes. Every loop here is bounded in count and time.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "net/enet_transport.h"
#include "net/net_session.h"
#include "net_test_support.h"

using namespace slyders;
using namespace slyders::net;
using test::joinLobby;
using test::within;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kShortSilentMs = 400;

// Ports of their own, beside those of the whole games.
std::uint16_t testPort(int offset) {
    return test::testPort(20 + offset);
}

SessionConfig quick(std::vector<std::string> names) {
    SessionConfig c{"", "m", std::move(names)};
    c.silentTimeoutMs = kShortSilentMs;
    c.helloTimeoutMs = 300;
    return c;
}

// The host serviced on a thread of its own while the test's guests join.
class HostThread {
public:
    explicit HostThread(HostSession& host)
        : m_thread([this, &host] {
              const auto until = Clock::now() + std::chrono::seconds(20);
              while (!m_stop && Clock::now() < until) host.service(2);
          }) {}
    ~HostThread() {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace

// More strangers than the listener has places, none saying hello: a player still gets in at
// once, and every stranger is sent away.
TEST(NetFaults, StrangersNeverKeepAPlayerOut) {
    const std::uint16_t port = testPort(0);
    HostSession host(quick({"Ann"}));
    ASSERT_TRUE(test::opens(host, port));
    std::string error;
    std::vector<std::unique_ptr<EnetTransport>> strangers;
    for (int i = 0; i < kPeerSlots + 10; ++i) {
        strangers.push_back(EnetTransport::connect("127.0.0.1", port, error));
        ASSERT_TRUE(strangers.back()) << error;
    }
    std::vector<int> connected(strangers.size()), gone(strangers.size());
    auto pumpStrangers = [&] {
        for (std::size_t i = 0; i < strangers.size(); ++i) {
            std::vector<NetEvent> events;
            strangers[i]->service(0, events);
            for (const NetEvent& e : events) {
                connected[i] |= e.type == NetEvent::Type::Connected;
                gone[i] |= e.type == NetEvent::Type::Disconnected;
            }
        }
    };
    for (int i = 0; i < 20; ++i) {
        pumpStrangers();
        host.service(5);
    }
    GuestSession guest(quick({"Bo"}));
    {
        HostThread serviced(host);
        EXPECT_TRUE(guest.join("127.0.0.1", port, 2000, error)) << error;
    }
    // Whoever got a place without saying hello lost it again.
    auto allSentAway = [&] {
        for (std::size_t i = 0; i < strangers.size(); ++i) {
            if (connected[i] && !gone[i]) return false;
        }
        return true;
    };
    within(3000, allSentAway, [&] {
        host.service(2);
        guest.service(0);
        pumpStrangers();
    });
    EXPECT_TRUE(allSentAway());
    EXPECT_GT(std::count(connected.begin(), connected.end(), 1), kPeerSlots / 2);
    EXPECT_EQ(host.guestsPresent(), 1);
    host.close();
}

// Twenty guests knock at once on a game with three free seats: three sit down and every other
// one is told the game is full.
TEST(NetFaults, EveryGuestBeyondTheSeatsIsToldTheGameIsFull) {
    const std::uint16_t port = testPort(1);
    HostSession host(quick({"Ann"}));
    ASSERT_TRUE(test::opens(host, port));
    std::vector<std::future<std::string>> joins;
    {
        HostThread serviced(host);
        for (int i = 0; i < 20; ++i) {
            joins.push_back(std::async(std::launch::async, [port, i] {
                GuestSession g(SessionConfig{"", "m", {"G" + std::to_string(i)}});
                std::string why;
                const bool in = g.join("127.0.0.1", port, 5000, why);
                for (int k = 0; in && k < 50; ++k) g.service(10);  // stay while the others knock
                return in ? std::string("in") : why;
            }));
        }
        int in = 0, full = 0;
        for (auto& j : joins) {
            const std::string r = j.get();
            in += r == "in";
            full += r.rfind("The game is full", 0) == 0;
            EXPECT_TRUE(r == "in" || r.rfind("The game is full", 0) == 0) << r;
        }
        EXPECT_EQ(in, 3);
        EXPECT_EQ(full, 17);
    }
    host.close();
}

// A guest that answers the pings but whose keys never come is left behind after the silent
// timeout, and is told why when it hears from the host.
TEST(NetFaults, AGuestThatTalksButNeverSteersIsLeftBehind) {
    const std::uint16_t port = testPort(2);
    HostSession host(quick({"Ann"}));
    ASSERT_TRUE(test::opens(host, port));
    GuestSession guest(quick({"Bo"}));
    ASSERT_TRUE(joinLobby(host, guest, port));
    guest.service(0);
    const std::uint32_t first = std::uint32_t(host.begin(Start{}).delay) + 1;
    for (std::uint32_t t = 1; t < first; ++t) ASSERT_TRUE(host.frameFor(t, 0));
    const auto asked = Clock::now();
    std::optional<FrameEntry> f;
    within(
        3000, [&] { return f.has_value(); },
        [&] {
            guest.service(1);  // pongs, never an input: it never takes the start
            host.service(1);
            f = host.frameFor(first, 0);
        });
    ASSERT_TRUE(f);
    EXPECT_LT(Clock::now() - asked, std::chrono::milliseconds(kShortSilentMs * 3));
    EXPECT_EQ(f->killSeats, 2);  // the guest's seat
    within(1000, [&] { return guest.stopped().has_value(); }, [&] { guest.service(5); });
    EXPECT_EQ(guest.stopped(), stopText(StopReason::Dropped));
    host.close();
}

// A guest that pauses in the lobby longer than the silent timeout loses its seat within that
// timeout, and once it runs again it is told the host dropped it.
TEST(NetFaults, APausedGuestLosesItsSeatAndIsToldWhy) {
    const std::uint16_t port = testPort(3);
    HostSession host(quick({"Ann"}));
    ASSERT_TRUE(test::opens(host, port));
    GuestSession guest(quick({"Bo"}));
    ASSERT_TRUE(joinLobby(host, guest, port));
    const int seatsWithGuest = host.freeSeats();
    const auto paused = Clock::now();
    EXPECT_TRUE(within(kShortSilentMs * 3, [&] { return host.guestsPresent() == 0; },
                       [&] { host.service(5); }));
    EXPECT_LT(Clock::now() - paused, std::chrono::milliseconds(kShortSilentMs * 2));
    EXPECT_EQ(host.freeSeats(), seatsWithGuest + 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(kShortSilentMs));
    guest.service(5);
    EXPECT_EQ(guest.stopped(), stopText(StopReason::Dropped));
    host.close();
}

// The host vanishes without a word while a guest waits in its lobby: the guest says so.
TEST(NetFaults, AGuestInTheLobbyOfAVanishedHostSaysItStoppedAnswering) {
    const std::uint16_t port = testPort(4);
    auto host = std::make_unique<HostSession>(quick({"Ann"}));
    ASSERT_TRUE(test::opens(*host, port));
    GuestSession guest(quick({"Bo"}));
    ASSERT_TRUE(joinLobby(*host, guest, port));
    host.reset();  // no goodbye, as when its process is killed
    within(kShortSilentMs * 4, [&] { return guest.stopped().has_value(); },
           [&] { guest.service(5); });
    EXPECT_EQ(guest.stopped(), std::string(kHostSilentText));
}

// A guest sending state checks as fast as it can is cut off, and the host keeps no more for
// it than for any guest.
TEST(NetFaults, AFloodIsCutOffAndKeptBounded) {
    const std::uint16_t port = testPort(5);
    HostSession host(quick({"Ann"}));
    ASSERT_TRUE(test::opens(host, port));
    std::string error;
    auto raw = EnetTransport::connect("127.0.0.1", port, error);
    ASSERT_TRUE(raw) << error;
    std::vector<NetEvent> events;
    bool welcomed = false;
    within(
        2000, [&] { return welcomed; },
        [&] {
            events.clear();
            raw->service(1, events);
            host.service(1);
            for (const NetEvent& e : events) {
                if (e.type == NetEvent::Type::Connected) raw->send(e.peer, encode(Hello{"", "m", {"Bo"}, {}, {}, {}, {}}), true);
                const Decoded d = decode(e.data.data(), e.data.size());
                welcomed |= d.packet && std::holds_alternative<Welcome>(*d.packet);
            }
        });
    ASSERT_TRUE(welcomed);
    host.begin(Start{});
    std::size_t most = 0;
    for (std::uint32_t i = 0; i < 20000 && host.machines()[1].badPackets < kBadPacketLimit; ++i) {
        raw->send(1, encode(Hash{1, i + 1, i}), false);
        if (i % 64 == 0) {
            raw->service(0, events);
            host.service(0);
            most = std::max(most, host.held());
        }
    }
    within(1000, [&] { return host.machines()[1].gone; }, [&] {
        raw->service(0, events);
        host.service(1);
    });
    EXPECT_TRUE(host.machines()[1].gone);
    EXPECT_GE(host.badPackets(), kBadPacketLimit);
    EXPECT_LE(most, kMaxEarlyHashes + 8);  // its own share of state checks, and its seat
    host.close();
}

// A busy port: the game is hosted at the next free one.
TEST(NetFaults, ABusyPortGivesTheNextFreeOne) {
    const std::uint16_t port = testPort(6);
    HostSession first(quick({"Ann"})), second(quick({"Bo"}));
    ASSERT_TRUE(test::opens(first, port));
    std::string error;
    ASSERT_TRUE(second.openNear("127.0.0.1", port, error)) << error;
    EXPECT_EQ(second.port(), port + 1);
    EXPECT_EQ(second.requestedPort(), port);
    ASSERT_TRUE(second.reopenNear(std::uint16_t(port + 3), error)) << error;
    EXPECT_EQ(second.port(), port + 3);
}
