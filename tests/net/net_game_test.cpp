// Whole network games between headless machines over 127.0.0.1: they must agree with each
// other and with a re-play of what they recorded, through a slow lossy link, past a machine
// that falls silent and past a stranger sending rubbish. Machines that would play one start
// differently never begin one.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <set>
#include <thread>

#include "net/enet_transport.h"
#include "net/fingerprint.h"
#include "net_test_support.h"
#include "replay_support.h"

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

// The host's run and each guest's, every machine started a moment after the one before.
std::vector<PeerRun> playTogether(const NetPeerOptions& host,
                                  const std::vector<NetPeerOptions>& guests) {
    std::vector<std::future<PeerRun>> runs;
    runs.push_back(std::async(std::launch::async, runPeer, host));
    for (const NetPeerOptions& guest : guests) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        runs.push_back(std::async(std::launch::async, runPeer, guest));
    }
    std::vector<PeerRun> done;
    for (auto& run : runs) done.push_back(run.get());
    return done;
}

std::vector<std::uint64_t> hashesOf(const NetGameResult& r) {
    std::vector<std::uint64_t> h;
    for (const PlayedTick& t : r.ticks) if (t.hash) h.push_back(*t.hash);
    return h;
}

void expectSameGame(const NetGameResult& a, const NetGameResult& b) {
    EXPECT_FALSE(a.stopped) << *a.stopped;
    EXPECT_FALSE(b.stopped) << *b.stopped;
    EXPECT_FALSE(a.record.capped);
    EXPECT_EQ(std::tie(a.record.points, a.record.deathOrder, a.record.ticks),
              std::tie(b.record.points, b.record.deathOrder, b.record.ticks));
    EXPECT_EQ(std::tuple(hashesOf(a), a.finalHash, b.replay.hashes, b.replay.network),
              std::tuple(hashesOf(b), b.finalHash, hashesOf(b), true));
    test::BlockText text;
    const ReplayCheck again = test::playedBack(b.replay, text);
    EXPECT_TRUE(again.agrees) << "from tick " << again.disagreesAt;
    EXPECT_EQ(std::tie(again.points, again.deathOrder), std::tie(b.record.points, b.record.deathOrder));
}

// Every machine wrote its replay into the record folder, and each, read back from its
// file, plays the game the machines played.
void expectRecordedAlike(const std::vector<PeerRun>& runs, std::size_t game) {
    const NetGameResult& first = runs[0].games[game];
    for (const PeerRun& run : runs) {
        const NetGameResult& r = run.games[game];
        ASSERT_FALSE(r.replayFile.empty());
        const Replay read = test::readReplay(r.replayFile);
        EXPECT_EQ(read, r.replay);
        EXPECT_EQ(std::tuple(read.hashes, read.deathOrder),
                  std::tuple(hashesOf(first), first.record.deathOrder));
        test::BlockText text;
        const ReplayCheck again = test::playedBack(read, text);
        EXPECT_TRUE(again.agrees && again.points == first.record.points)
            << r.replayFile << " from tick " << again.disagreesAt;
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
        if (::posix_spawnp(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) m_pid = -1;
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

// Writes every text a third narrower than the blocks do: another font library's letters.
class NarrowText final : public TextRenderer {
public:
    TextSize extent(const FontSpec& font, std::string_view text) override {
        return {int(text.size()) * font.height / 3, font.height};
    }
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override {
        m_blocks.draw(target, x, y, FontSpec{font.family, font.height * 2 / 3}, colour, text);
    }

private:
    test::BlockText m_blocks;
};

}  // namespace

TEST(NetGame, TwoMachinesPlayARoundOfGamesAlike) {
    const std::uint16_t port = testPort(1);
    const test::TempFolder records;
    NetPeerOptions ho = hostOptions(port, 1, 8), go = guestOptions(port, 2);
    ho.recordDir = go.recordDir = records.path.string();
    ho.roundTarget = 10;  // the least a round can be: rounds won by different players
    const std::vector<PeerRun> runs = playTogether(ho, {go});
    const PeerRun &h = runs[0], &guest = runs[1];
    ASSERT_EQ(std::tuple(h.error, h.games.size(), guest.games.size()), std::tuple("", 8u, 8u));
    std::set<std::string> results;
    for (std::size_t i = 0; i < 8; ++i) {
        expectSameGame(h.games[i], guest.games[i]);
        expectSameGame(guest.games[i], h.games[i]);
        // Seats in join order.
        EXPECT_EQ(std::pair(h.games[i].start.start.humans, guest.games[i].start.yourSeats),
                  std::pair(3, std::uint8_t(0b0110)));
        // The winner and the new rating, as the host's roster has them, on every machine.
        EXPECT_EQ(guest.games[i].replay.resultText, h.games[i].replay.resultText) << i;
        if (!h.games[i].replay.resultText.empty()) results.insert(h.games[i].replay.resultText);
        expectRecordedAlike(runs, i);
    }
    EXPECT_GE(results.size(), 2u);
    EXPECT_EQ(h.games[1].start.start.roundPoints, guest.games[1].start.start.roundPoints);
}

// The pace through such a link is the network benchmark's (bench/net/run.sh) to show.
TEST(NetGame, ASlowLossyLinkStillAgrees) {
    const std::uint16_t port = testPort(3), relayPort = testPort(4);
    const Relay relay(relayPort, port, 40, 0.05, 90);
    NetPeerOptions ho = hostOptions(port, 1), go = guestOptions(relayPort);
    ho.paced = go.paced = true;
    ho.speed = 2;
    const std::vector<PeerRun> runs = playTogether(ho, {go});
    ASSERT_TRUE(runs[0].games.size() == 1u && runs[1].games.size() == 1u);
    expectSameGame(runs[0].games[0], runs[1].games[0]);
    EXPECT_GE(runs[0].games[0].start.delay, 7);  // 80 ms there and back at 10 ms a tick
}

// Three machines, one of them falling silent: the two others play on alike and record alike.
TEST(NetGame, ASilentMachineIsWaitedForThenLeftBehind) {
    const std::uint16_t port = testPort(5);
    const test::TempFolder records;
    NetPeerOptions ho = hostOptions(port, 2), go = guestOptions(port), silent = guestOptions(port);
    ho.recordDir = go.recordDir = records.path.string();
    ho.silentTimeoutMs = 1500;
    ho.computers = 2;
    silent.silentFromTick = 200;
    silent.gameSeconds = 6;
    std::vector<PeerRun> runs = playTogether(ho, {silent, go});
    runs.erase(runs.begin() + 1);  // the host's and the other guest's
    ASSERT_TRUE(runs[0].games.size() == 1u && runs[1].games.size() == 1u);
    expectSameGame(runs[0].games[0], runs[1].games[0]);
    expectRecordedAlike(runs, 0);
    for (const PeerRun& run : runs) {
        const std::vector<std::string>& notices = run.games[0].notices;
        for (const char* text : {"Waiting for ", " left the game."}) {
            EXPECT_TRUE(std::any_of(notices.begin(), notices.end(), [&](const std::string& n) {
                return n.find(text) != std::string::npos;
            })) << text;
        }
    }
}

TEST(NetGame, StrangersAndCheatsAreRefusedAndTheGameGoesOn) {
    const std::uint16_t port = testPort(6);
    NetPeerOptions ho = hostOptions(port, 1);
    ho.password = "open sesame";
    auto host = std::async(std::launch::async, runPeer, ho);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    std::string error;
    test::BlockText text;
    // Machines like the host's, so that only what the test is about refuses them.
    const std::pair<SessionConfig, std::string> refusals[] = {
        {{"guess", "m", {"Eve"}}, "Wrong password."},
        {{"", "m", {"Eve"}}, "This game needs a password."},
        {{"open sesame", "m", {"A", "B", "C", "D"}}, "The game is full: only 3 seats are free."},
    };
    for (auto [config, why] : refusals) {
        config.fingerprint = machineFingerprint(text);
        GuestSession refused(config);
        EXPECT_FALSE(refused.join("127.0.0.1", port, 3000, error));
        EXPECT_EQ(error, why);
    }
    GuestSession lonely(SessionConfig{"", "m", {"Ann"}});
    EXPECT_FALSE(lonely.join("127.0.0.1", testPort(7), 1500, error));
    EXPECT_EQ(error, "Could not reach 127.0.0.1:" + std::to_string(testPort(7)) + ".");

    // A stranger of another version is told so; one sending rubbish is cut off.
    auto raw = EnetTransport::connect("127.0.0.1", port, error);
    std::vector<NetEvent> events;
    auto pump = [&](int ms) { for (int i = 0; i < ms / 10; ++i) raw->service(10, events); };
    pump(300);
    std::vector<std::uint8_t> older = encode(Hello{"", "old", {"Old"}, {}, {}, {}, {}});
    older[4] += 1;
    raw->send(1, older, true);
    pump(300);
    bool toldVersion = false;
    for (const NetEvent& e : events) {  // what is not a packet (a goodbye) decodes to nothing
        const Decoded d = decode(e.data.data(), e.data.size());
        const Refuse* refuse = d.packet ? std::get_if<Refuse>(&*d.packet) : nullptr;
        if (refuse) toldVersion = refuseText(*refuse) == kWrongVersionText;
    }
    EXPECT_TRUE(toldVersion);

    NetPeerOptions go = guestOptions(port);
    go.password = "open sesame";
    NetPeer guest(go, text);
    ASSERT_TRUE(guest.connect(error)) << error;
    // A second stranger sends garbage and another seat's inputs during the game.
    auto cheat = EnetTransport::connect("127.0.0.1", port, error);
    std::vector<NetEvent> cheatEvents;
    bool cut = false;
    auto hearCheat = [&](int ms) {
        cheat->service(ms, cheatEvents);
        for (const NetEvent& e : cheatEvents) cut |= e.type == NetEvent::Type::Disconnected;
    };
    for (int i = 0; i < 150 && !cut; ++i) {
        cheat->send(1, i % 2 ? std::vector<std::uint8_t>{1, 2, 3} : encode(Input{1, 5, 1, {1}}),
                    false);
        hearCheat(5);
    }
    const auto r = guest.playNext();
    const PeerRun h = host.get();
    ASSERT_TRUE(r && h.games.size() == 1u);
    expectSameGame(h.games[0], *r);
    EXPECT_GE(h.badPackets, 100);
    for (int i = 0; i < 20 && !cut; ++i) hearCheat(10);
    EXPECT_TRUE(cut);
    guest.close();
}

// A guest whose machine would play one start differently is refused at join, told what
// differs; a machine alike is let in.
TEST(NetGame, AGuestThatDrawsDifferentlyIsRefusedAtJoinAndALikeOneJoins) {
    test::BlockText blocks;
    NarrowText narrow;
    const Fingerprint a = machineFingerprint(blocks), b = machineFingerprint(narrow);
    EXPECT_EQ(a, machineFingerprint(blocks));  // the same machine prints the same
    EXPECT_EQ(std::tuple(differingParts(a, b), differingParts(a, a)), std::tuple(kPartTexts, 0));
    Fingerprint otherRules = a;
    otherRules.rules += 1;
    otherRules.angles += 1;
    EXPECT_EQ(differingParts(a, otherRules), kPartRules | kPartAngles);
    for (const auto& [part, said] : {std::pair(kPartTexts, "draws the arena's texts differently"),
                                     std::pair(kPartAngles, "angles"),
                                     std::pair(kPartRules, "Install the same Slyders package")}) {
        EXPECT_NE(differenceText(part).find(said), std::string::npos) << said;
    }

    SessionConfig config{"", "desktop", {"Zoe"}};
    config.fingerprint = a;
    HostSession host(config);
    const std::uint16_t port = testPort(31);
    ASSERT_TRUE(test::opens(host, port));
    auto joinWith = [&](const Fingerprint& print) {
        SessionConfig theirs{"", "laptop", {"Max"}};
        theirs.fingerprint = print;
        GuestSession guest(theirs);
        std::string why;
        joinLobby(host, guest, port, &why);
        return why;
    };
    EXPECT_EQ(joinWith(b), differenceText(kPartTexts));
    EXPECT_EQ(host.guestsPresent(), 0);
    EXPECT_EQ(joinWith(a), "");
    EXPECT_EQ(host.guestsPresent(), 1);
    host.close();
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
// once, whoever is slow to send. A guest that left between two games holds nobody up in the
// next one.
TEST(NetGame, NobodyIsWaitedForOnceEveryHumanSlyderIsDeadNorWhenGoneBetweenGames) {
    const std::uint16_t port = testPort(9);
    SessionConfig hostConfig{"", "host", {"Ann"}};
    hostConfig.noticeMs = 0;
    HostSession host(hostConfig);
    ASSERT_TRUE(test::opens(host, port));
    GuestSession guest(SessionConfig{"", "m", {"Bo"}});
    ASSERT_TRUE(joinLobby(host, guest, port));
    std::uint32_t first = std::uint32_t(host.begin(net::Start{}).delay) + 1;
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

    guest.leave();  // the next game begins without it, and plays alone no more
    for (int i = 0; i < 300 && host.guestsPresent() > 0; ++i) host.service(10);
    ASSERT_EQ(host.guestsPresent(), 0);
    first = std::uint32_t(host.begin(net::Start{}).delay) + 1;
    for (std::uint32_t t = 1; t < first + 20; ++t) {
        ASSERT_TRUE(host.frameFor(t, 0).has_value()) << t;
        host.service(0);
    }
    EXPECT_EQ(host.waitingFor(), "");
    host.close();
}
