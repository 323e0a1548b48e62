// The sessions over 127.0.0.1 when machines misbehave: strangers that never say who they are,
// a crowd at the door, a guest that talks but never steers, a flood, a machine that pauses
// and a host that vanishes. Every loop here is bounded in count and time.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "net/enet_transport.h"
#include "net_test_support.h"

using namespace slyders;
using namespace slyders::net;
using test::within;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kShortSilentMs = 400;

SessionConfig quick(std::vector<std::string> names) {
    SessionConfig c{"", "m", std::move(names)};
    c.silentTimeoutMs = kShortSilentMs;
    c.helloTimeoutMs = 300;
    return c;
}

// The host serviced on a thread of its own, for 20 s at the most, while the test's guests join.
std::jthread servicing(HostSession& host) {
    return std::jthread([&host](const std::stop_token& stop) {
        const auto until = Clock::now() + std::chrono::seconds(20);
        while (!stop.stop_requested() && Clock::now() < until) host.service(2);
    });
}

// Ann's host, and Bo, a guest; both give up on silence quickly.
class NetFaults : public testing::Test {
protected:
    // The host at a port of its own, beside those of the whole games; Bo in its lobby if asked.
    void openAt(int offset, bool withGuest) {
        port = test::testPort(20 + offset);
        ASSERT_TRUE(test::opens(*host, port));
        ASSERT_TRUE(!withGuest || test::joinLobby(*host, guest, port));
    }
    void TearDown() override { if (host) host->close(); }

    std::unique_ptr<HostSession> host = std::make_unique<HostSession>(quick({"Ann"}));
    GuestSession guest{quick({"Bo"})};
    std::uint16_t port = 0;
};

}  // namespace

// More strangers than the listener has places, none saying hello: a player still gets in at
// once, and every stranger is sent away.
TEST_F(NetFaults, StrangersNeverKeepAPlayerOut) {
    ASSERT_NO_FATAL_FAILURE(openAt(0, false));
    std::string error;
    std::vector<std::unique_ptr<EnetTransport>> strangers;
    for (int i = 0; i < kPeerSlots + 10; ++i) {
        strangers.push_back(EnetTransport::connect("127.0.0.1", port, error));
        ASSERT_TRUE(strangers.back()) << error;
    }
    constexpr int kLetIn = 1, kSentAway = 2;
    std::vector<int> heard(strangers.size());  // what each stranger heard: bits of the above
    auto pumpStrangers = [&] {
        for (std::size_t i = 0; i < strangers.size(); ++i) {
            std::vector<NetEvent> events;
            strangers[i]->service(0, events);
            for (const NetEvent& e : events) {
                if (e.type == NetEvent::Type::Connected) heard[i] |= kLetIn;
                if (e.type == NetEvent::Type::Disconnected) heard[i] |= kSentAway;
            }
        }
    };
    for (int i = 0; i < 20; ++i) pumpStrangers(), host->service(5);
    {
        const std::jthread serviced = servicing(*host);
        EXPECT_TRUE(guest.join("127.0.0.1", port, 2000, error)) << error;
    }
    // Whoever got a place without saying hello lost it again.
    EXPECT_TRUE(within(
        3000, [&] { return std::count(heard.begin(), heard.end(), kLetIn) == 0; },
        [&] {
            host->service(2);
            guest.service(0);
            pumpStrangers();
        }));
    EXPECT_GT(std::count_if(heard.begin(), heard.end(), [](int h) { return h & kLetIn; }),
              kPeerSlots / 2);
    EXPECT_EQ(host->guestsPresent(), 1);
}

// Twenty guests knock at once on a game with three free seats: three sit down and every other
// one is told the game is full.
TEST_F(NetFaults, EveryGuestBeyondTheSeatsIsToldTheGameIsFull) {
    ASSERT_NO_FATAL_FAILURE(openAt(1, false));
    const std::jthread serviced = servicing(*host);
    std::vector<std::future<std::string>> joins;
    for (int i = 0; i < 20; ++i) {
        joins.push_back(std::async(std::launch::async, [this, i] {
            GuestSession g(SessionConfig{"", "m", {"G" + std::to_string(i)}});
            std::string why;
            const bool in = g.join("127.0.0.1", port, 5000, why);
            for (int k = 0; in && k < 50; ++k) g.service(10);  // stay while the others knock
            return in ? std::string("in") : why;
        }));
    }
    int in = 0, full = 0;  // twenty in all: each either sat down or was told the game is full
    for (auto& j : joins) {
        const std::string r = j.get();
        in += r == "in";
        full += r.rfind("The game is full", 0) == 0;
    }
    EXPECT_EQ(std::pair(in, full), std::pair(3, 17));
}

// A guest that answers the pings but whose keys never come is left behind after the silent
// timeout, and is told why when it hears from the host.
TEST_F(NetFaults, AGuestThatTalksButNeverSteersIsLeftBehind) {
    ASSERT_NO_FATAL_FAILURE(openAt(2, true));
    guest.service(0);
    const std::uint32_t first = std::uint32_t(host->begin(Start{}).delay) + 1;
    for (std::uint32_t t = 1; t < first; ++t) ASSERT_TRUE(host->frameFor(t, 0));
    const auto asked = Clock::now();
    std::optional<FrameEntry> f;
    within(
        3000, [&] { return f.has_value(); },
        [&] {
            guest.service(1);  // pongs, never an input: it never takes the start
            host->service(1);
            f = host->frameFor(first, 0);
        });
    ASSERT_TRUE(f);
    EXPECT_LT(Clock::now() - asked, std::chrono::milliseconds(kShortSilentMs * 3));
    EXPECT_EQ(f->killSeats, 2);  // the guest's seat
    within(1000, [&] { return guest.stopped().has_value(); }, [&] { guest.service(5); });
    EXPECT_EQ(guest.stopped(), stopText(StopReason::Dropped));
}

// A guest that pauses in the lobby longer than the silent timeout loses its seat within that
// timeout, and once it runs again it is told the host dropped it.
TEST_F(NetFaults, APausedGuestLosesItsSeatAndIsToldWhy) {
    ASSERT_NO_FATAL_FAILURE(openAt(3, true));
    const int seatsWithGuest = host->freeSeats();
    const auto paused = Clock::now();
    EXPECT_TRUE(within(kShortSilentMs * 3, [&] { return host->guestsPresent() == 0; },
                       [&] { host->service(5); }));
    EXPECT_LT(Clock::now() - paused, std::chrono::milliseconds(kShortSilentMs * 2));
    EXPECT_EQ(host->freeSeats(), seatsWithGuest + 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(kShortSilentMs));
    guest.service(5);
    EXPECT_EQ(guest.stopped(), stopText(StopReason::Dropped));
}

// The host vanishes without a word while a guest waits in its lobby: the guest says so.
TEST_F(NetFaults, AGuestInTheLobbyOfAVanishedHostSaysItStoppedAnswering) {
    ASSERT_NO_FATAL_FAILURE(openAt(4, true));
    host.reset();  // no goodbye, as when its process is killed
    within(kShortSilentMs * 4, [&] { return guest.stopped().has_value(); },
           [&] { guest.service(5); });
    EXPECT_EQ(guest.stopped(), std::string(kHostSilentText));
}

// A guest sending state checks as fast as it can is cut off, and the host keeps no more for
// it than for any guest.
TEST_F(NetFaults, AFloodIsCutOffAndKeptBounded) {
    ASSERT_NO_FATAL_FAILURE(openAt(5, false));
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
            host->service(1);
            for (const NetEvent& e : events) {
                if (e.type == NetEvent::Type::Connected)
                    raw->send(e.peer, encode(Hello{"", "m", {"Bo"}, {}, {}, {}, {}}), true);
                const Decoded d = decode(e.data.data(), e.data.size());
                welcomed |= d.packet && std::holds_alternative<Welcome>(*d.packet);
            }
        });
    ASSERT_TRUE(welcomed);
    host->begin(Start{});
    std::size_t most = 0;
    for (std::uint32_t i = 0; i < 20000 && host->machines()[1].badPackets < kBadPacketLimit; ++i) {
        raw->send(1, encode(Hash{1, i + 1, i}), false);
        if (i % 64 == 0) {
            raw->service(0, events);
            host->service(0);
            most = std::max(most, host->held());
        }
    }
    within(1000, [&] { return host->machines()[1].gone; },
           [&] { raw->service(0, events), host->service(1); });
    EXPECT_TRUE(host->machines()[1].gone && host->badPackets() >= kBadPacketLimit);
    EXPECT_LE(most, kMaxEarlyHashes + 8);  // its own share of state checks, and its seat
}
