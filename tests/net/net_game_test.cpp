// Whole network games between headless machines over 127.0.0.1: they must agree with each
// other and with a re-play of what they recorded, through a slow lossy link, past a machine
// that falls silent and past a stranger sending rubbish.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <future>
#include <memory>
#include <set>
#include <thread>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/state_hash.h"
#include "net/enet_transport.h"
#include "replay/replay_store.h"
#include "sim/net_peer.h"
#include "net_test_support.h"
#include "replay_support.h"
#include "test_support.h"

using namespace slyders;
using namespace slyders::net;
using test::joinLobby;
using test::testPort;

namespace {

constexpr int kArena = 250;

using test::PeerRun;
constexpr auto runPeer = test::runPeer<test::BlockText>;

NetPeerOptions hostOptions(std::uint16_t port, int joiners, int games = 1) {
    return {.host = true, .port = port, .games = games, .arenaSide = kArena, .joiners = joiners,
            .waitSeconds = 20, .paced = false, .gameSeconds = 60};
}

NetPeerOptions guestOptions(std::uint16_t port, int seats = 1) {
    return {.port = port, .seats = seats, .waitSeconds = 20, .paced = false, .gameSeconds = 60};
}

std::vector<std::uint64_t> hashesOf(const NetGameResult& r) {
    std::vector<std::uint64_t> h;
    for (const PlayedTick& t : r.ticks) {
        if (t.hash) h.push_back(*t.hash);
    }
    return h;
}

void expectSameGame(const NetGameResult& a, const NetGameResult& b) {
    EXPECT_FALSE(a.stopped) << *a.stopped;
    EXPECT_FALSE(b.stopped) << *b.stopped;
    EXPECT_FALSE(a.record.capped);
    EXPECT_EQ(a.record.points, b.record.points);
    EXPECT_EQ(a.record.deathOrder, b.record.deathOrder);
    EXPECT_EQ(a.record.ticks, b.record.ticks);
    EXPECT_EQ(hashesOf(a), hashesOf(b));
    EXPECT_EQ(a.finalHash, b.finalHash);
    EXPECT_TRUE(b.replay.network);
    EXPECT_EQ(b.replay.hashes, hashesOf(b));
    test::BlockText text;
    const ReplayCheck again = test::playedBack(b.replay, text);
    EXPECT_TRUE(again.agrees) << "from tick " << again.disagreesAt;
    EXPECT_EQ(again.points, b.record.points);
    EXPECT_EQ(again.deathOrder, b.record.deathOrder);
}

// Every machine wrote its replay into the record folder, and each, read back from its
// file, plays the game the machines played.
void expectRecordedAlike(const std::vector<const PeerRun*>& runs, std::size_t game) {
    const NetGameResult& first = runs[0]->games[game];
    for (const PeerRun* run : runs) {
        const NetGameResult& r = run->games[game];
        ASSERT_FALSE(r.replayFile.empty());
        const Replay read = test::readReplay(r.replayFile);
        EXPECT_EQ(read, r.replay);
        EXPECT_EQ(read.hashes, hashesOf(first));
        EXPECT_EQ(read.deathOrder, first.record.deathOrder);
        test::BlockText text;
        const ReplayCheck again = test::playedBack(read, text);
        EXPECT_TRUE(again.agrees) << r.replayFile << " from tick " << again.disagreesAt;
        EXPECT_EQ(again.points, first.record.points);
    }
}

// The benchmarks' relay between the guests and the host, on 127.0.0.1: it holds every
// datagram back and loses some, with a fixed seed, and stops by itself after `seconds`.
class Relay {
public:
    Relay(std::uint16_t listenPort, std::uint16_t hostPort, int delayMs, double dropShare,
          int seconds) {
        std::vector<std::string> args{"python3", SLYDERS_RELAY, "--listen",
                                      std::to_string(listenPort), "--to", std::to_string(hostPort),
                                      "--delay-ms", std::to_string(delayMs), "--drop",
                                      std::to_string(dropShare), "--seconds", std::to_string(seconds)};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kStartMs));  // until it listens
    }
    ~Relay() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }

private:
    static constexpr int kStartMs = 500;
    pid_t m_pid = -1;
};

}  // namespace

TEST(NetGame, TwoMachinesPlayARoundOfGamesAlike) {
    const std::uint16_t port = testPort(1);
    const test::TempFolder records;
    NetPeerOptions ho = hostOptions(port, 1, 8), go = guestOptions(port, 2);
    ho.recordDir = go.recordDir = records.path.string();
    ho.roundTarget = 10;  // the least a round can be: rounds won by different players
    auto host = std::async(std::launch::async, runPeer, ho);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const PeerRun guest = runPeer(go);
    const PeerRun h = host.get();
    ASSERT_EQ(h.error, "");
    ASSERT_EQ(h.games.size(), 8u);
    ASSERT_EQ(guest.games.size(), 8u);
    std::set<std::string> results;
    for (std::size_t i = 0; i < 8; ++i) {
        expectSameGame(h.games[i], guest.games[i]);
        expectSameGame(guest.games[i], h.games[i]);
        EXPECT_EQ(h.games[i].start.start.humans, 3);
        EXPECT_EQ(guest.games[i].start.yourSeats, 0b0110);  // seats in join order
        // The winner and the new rating, as the host's roster has them, on every machine.
        EXPECT_EQ(guest.games[i].replay.resultText, h.games[i].replay.resultText) << i;
        if (!h.games[i].replay.resultText.empty()) results.insert(h.games[i].replay.resultText);
        expectRecordedAlike({&h, &guest}, i);
    }
    EXPECT_GE(results.size(), 2u);
    EXPECT_EQ(h.games[1].start.start.roundPoints, guest.games[1].start.start.roundPoints);
}

// The pace through such a link is the network benchmark's (bench/net/run.sh) to show.
TEST(NetGame, ASlowLossyLinkStillAgrees) {
    const std::uint16_t port = testPort(3), relayPort = testPort(4);
    const Relay relay(relayPort, port, 40, 0.05, 90);
    NetPeerOptions ho = hostOptions(port, 1);
    NetPeerOptions go = guestOptions(relayPort);
    ho.paced = go.paced = true;
    ho.speed = 2;
    auto host = std::async(std::launch::async, runPeer, ho);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const PeerRun guest = runPeer(go);
    const PeerRun h = host.get();
    ASSERT_EQ(h.games.size(), 1u);
    ASSERT_EQ(guest.games.size(), 1u);
    expectSameGame(h.games[0], guest.games[0]);
    EXPECT_GE(h.games[0].start.delay, 7);  // 80 ms there and back at 10 ms a tick
}

// Three machines, one of them falling silent: the two others play on alike and record alike.
TEST(NetGame, ASilentMachineIsWaitedForThenLeftBehind) {
    const std::uint16_t port = testPort(5);
    const test::TempFolder records;
    NetPeerOptions ho = hostOptions(port, 2), go = guestOptions(port);
    ho.recordDir = go.recordDir = records.path.string();
    ho.silentTimeoutMs = 1500;
    ho.computers = 2;
    NetPeerOptions silent = guestOptions(port);
    silent.silentFromTick = 200;
    silent.gameSeconds = 6;
    auto host = std::async(std::launch::async, runPeer, ho);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto quiet = std::async(std::launch::async, runPeer, silent);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const PeerRun other = runPeer(go);
    const PeerRun h = host.get();
    quiet.get();
    ASSERT_EQ(h.games.size(), 1u);
    ASSERT_EQ(other.games.size(), 1u);
    expectSameGame(h.games[0], other.games[0]);
    expectRecordedAlike({&h, &other}, 0);
    auto told = [](const NetGameResult& r, const std::string& text) {
        for (const std::string& n : r.notices) {
            if (n.find(text) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(told(h.games[0], "Waiting for "));
    EXPECT_TRUE(told(other.games[0], "Waiting for "));
    EXPECT_TRUE(told(h.games[0], " left the game."));
    EXPECT_TRUE(told(other.games[0], " left the game."));
}

TEST(NetGame, StrangersAndCheatsAreRefusedAndTheGameGoesOn) {
    const std::uint16_t port = testPort(6);
    NetPeerOptions ho = hostOptions(port, 1);
    ho.password = "open sesame";
    auto host = std::async(std::launch::async, runPeer, ho);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    std::string error;
    // Machines like the host's, so that only what the test is about refuses them.
    auto like = [](SessionConfig config) {
        test::BlockText text;
        config.fingerprint = machineFingerprint(text);
        return config;
    };
    GuestSession wrong(like(SessionConfig{"guess", "m", {"Eve"}}));
    EXPECT_FALSE(wrong.join("127.0.0.1", port, 3000, error));
    EXPECT_EQ(error, "Wrong password.");
    GuestSession none(like(SessionConfig{"", "m", {"Eve"}}));
    EXPECT_FALSE(none.join("127.0.0.1", port, 3000, error));
    EXPECT_EQ(error, "This game needs a password.");
    GuestSession crowd(like(SessionConfig{"open sesame", "m", {"A", "B", "C", "D"}}));
    EXPECT_FALSE(crowd.join("127.0.0.1", port, 3000, error));
    EXPECT_EQ(error, "The game is full: only 3 seats are free.");
    GuestSession lonely(SessionConfig{"", "m", {"Ann"}});
    EXPECT_FALSE(lonely.join("127.0.0.1", testPort(7), 1500, error));
    EXPECT_EQ(error, "Could not reach 127.0.0.1:" + std::to_string(testPort(7)) + ".");

    // A stranger of another version is told so; one sending rubbish is cut off.
    auto raw = EnetTransport::connect("127.0.0.1", port, error);
    std::vector<NetEvent> events;
    auto pump = [&](int ms) {
        for (int i = 0; i < ms / 10; ++i) raw->service(10, events);
    };
    pump(300);
    std::vector<std::uint8_t> older = encode(Hello{"", "old", {"Old"}, {}, {}, {}, {}});
    older[4] += 1;
    raw->send(1, older, true);
    pump(300);
    bool toldVersion = false;
    for (const NetEvent& e : events) {
        if (e.type != NetEvent::Type::Received) continue;
        const Decoded d = decode(e.data.data(), e.data.size());
        if (d.packet && std::holds_alternative<Refuse>(*d.packet)) {
            toldVersion = refuseText(std::get<Refuse>(*d.packet)) == kWrongVersionText;
        }
    }
    EXPECT_TRUE(toldVersion);

    NetPeerOptions go = guestOptions(port);
    go.password = "open sesame";
    test::BlockText text;
    NetPeer guest(go, text);
    ASSERT_TRUE(guest.connect(error)) << error;
    // A second stranger sends garbage and another seat's inputs during the game.
    auto cheat = EnetTransport::connect("127.0.0.1", port, error);
    std::vector<NetEvent> cheatEvents;
    bool cut = false;
    for (int i = 0; i < 150 && !cut; ++i) {
        cheat->send(1, i % 2 ? std::vector<std::uint8_t>{1, 2, 3} : encode(Input{1, 5, 1, {1}}),
                    false);
        cheat->service(5, cheatEvents);
        for (const NetEvent& e : cheatEvents) cut |= e.type == NetEvent::Type::Disconnected;
    }
    const auto r = guest.playNext();
    const PeerRun h = host.get();
    ASSERT_TRUE(r);
    ASSERT_EQ(h.games.size(), 1u);
    expectSameGame(h.games[0], *r);
    EXPECT_GE(h.badPackets, 100);
    for (int i = 0; i < 20 && !cut; ++i) {
        cheat->service(10, cheatEvents);
        for (const NetEvent& e : cheatEvents) cut |= e.type == NetEvent::Type::Disconnected;
    }
    EXPECT_TRUE(cut);
    guest.close();
}

// Two players of one name would share one entry of the host's roster: a name already in the
// game, or a computer player's, gets a number, and a name too long for the roster is cut
// between its characters.
TEST(NetGame, ANameAlreadyInTheGameGetsANumber) {
    const std::uint16_t port = testPort(8);
    SessionConfig config{"", "host", {"Ann"}};
    config.reserved = {"Computer 1", "Computer 2"};
    HostSession host(config);
    ASSERT_TRUE(test::opens(host, port));
    std::vector<std::unique_ptr<GuestSession>> guests;
    auto join = [&](std::vector<std::string> names) {
        guests.push_back(std::make_unique<GuestSession>(SessionConfig{"", "m", std::move(names)}));
        EXPECT_TRUE(joinLobby(host, *guests.back(), port));
    };
    const std::string twentyBytes = "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"
                                    "\xC3\x84\xC3\x84\xC3\x84";  // ten letters of two bytes
    join({"Ann", twentyBytes});
    join({"Ann 2"});
    std::vector<std::string> names;
    for (const SeatOwner& o : host.seatOwners()) names.push_back(o.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Ann 2", twentyBytes.substr(0, 18),
                                               "Ann 2 2"}));
    host.close();
    // Nor does a guest take over a computer player's entry of the host's roster.
    HostSession other(config);
    ASSERT_TRUE(test::opens(other, testPort(11)));
    GuestSession sly(SessionConfig{"", "m", {"Computer 2"}});
    ASSERT_TRUE(joinLobby(other, sly, testPort(11)));
    EXPECT_EQ(other.seatOwners().back().name, "Computer 2 2");
    other.close();
}

// Once every human slyder is dead nobody's keys steer anything: the rest of the game plays at
// once, whoever is slow to send.
TEST(NetGame, NobodyIsWaitedForOnceEveryHumanSlyderIsDead) {
    const std::uint16_t port = testPort(9);
    SessionConfig hostConfig{"", "host", {"Ann"}};
    hostConfig.noticeMs = 0;
    HostSession host(hostConfig);
    ASSERT_TRUE(test::opens(host, port));
    GuestSession guest(SessionConfig{"", "m", {"Bo"}});
    ASSERT_TRUE(joinLobby(host, guest, port));
    const std::uint32_t first = std::uint32_t(host.begin(net::Start{}).delay) + 1;
    for (std::uint32_t t = 1; t < first; ++t) EXPECT_TRUE(host.frameFor(t, 0).has_value());
    // The guest says nothing from here on: its keys for the first steered tick never come.
    EXPECT_FALSE(host.frameFor(first, 0).has_value());
    host.service(5);
    EXPECT_EQ(host.waitingFor(), "Bo");
    host.playAloneFrom(first);
    for (std::uint32_t t = first; t < first + 50; ++t) {
        const std::optional<net::FrameEntry> f = host.frameFor(t, 0xFF);
        ASSERT_TRUE(f.has_value()) << t;
        EXPECT_EQ(f->packed, 0);  // no keys held, not even the host's own
    }
    host.service(5);
    EXPECT_EQ(host.waitingFor(), "");
    host.close();
}

// A guest that left between two games holds nobody up in the next one.
TEST(NetGame, AGuestGoneBetweenGamesIsNotWaitedFor) {
    const std::uint16_t port = testPort(10);
    HostSession host(SessionConfig{"", "host", {"Ann"}});
    ASSERT_TRUE(test::opens(host, port));
    GuestSession guest(SessionConfig{"", "m", {"Bo"}});
    ASSERT_TRUE(joinLobby(host, guest, port));
    host.begin(net::Start{});  // the first game, played to its end somewhere else
    guest.leave();
    for (int i = 0; i < 300 && host.guestsPresent() > 0; ++i) host.service(10);
    ASSERT_EQ(host.guestsPresent(), 0);
    const std::uint32_t first = std::uint32_t(host.begin(net::Start{}).delay) + 1;
    for (std::uint32_t t = 1; t < first + 20; ++t) {
        ASSERT_TRUE(host.frameFor(t, 0).has_value()) << t;
        host.service(0);
    }
    EXPECT_EQ(host.waitingFor(), "");
    host.close();
}
