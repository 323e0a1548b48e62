// The packet reader is the one door for outside bytes: everything it lets in must be whole
// and in range, and every refusal must say why. The join window's list of the local
// network's games, over 127.0.0.1 only: a host in its lobby is found within two seconds with
// what the list shows and is forgotten once it closes; damaged answers are refused.
// The host's lockstep: a tick is released only with every machine's input, never with a
// seat a machine does not own, and a machine that left loses its slyders at one tick.
#include "net/protocol.h"

#include <gtest/gtest.h>

#include <thread>

#include "net/discovery.h"
#include "net/lockstep.h"
#include "net_test_support.h"

using namespace slyders;
using namespace slyders::net;

namespace {

Decoded decodeBytes(const std::vector<std::uint8_t>& b) { return decode(b.data(), b.size()); }

Start sampleStart() {
    Start s;
    s.game = 3;
    s.start.computers = 2;
    s.start.humans = 3;
    s.start.skill = 4;  // an Expert: the highest skill a start may carry
    s.start.speed = 2;
    s.start.seed = 0x1234567890ABCDEFull;
    s.start.seats[1] = HumanSeat{2, 7};
    s.start.roundPoints[4] = 39;
    s.start.roundsWon[0] = 2;
    TInterface settings;
    settings.int_rndpts = 17;
    settings.dis_attract = 0;
    s.settings = settingValues(settings);
    s.arenaSide = 450;
    s.delay = 7;
    s.yourSeats = 6;
    s.names = {"C1", "C2", "Anna", "Ben", "Cleo", ""};
    s.ratings[2] = 55;
    s.roster = {PlrScore{"Computer 1", 80, {3, 0, 0, 0, 0, 0, 0, 0, 0, 9}},
                PlrScore{"Anna", 40, {}}};
    return s;
}

const FoundGame* findAt(const DiscoveryBrowser& browser, const std::string& address) {
    for (const FoundGame& g : browser.games())
        if (g.address == address) return &g;
    return nullptr;
}

}  // namespace

TEST(Protocol, EveryKindComesBackAsItWasSent) {
    const Start s = sampleStart();
    const Decoded d = decodeBytes(encode(s));
    ASSERT_TRUE(d.packet) << d.error;
    const Start& r = std::get<Start>(*d.packet);
    EXPECT_EQ(std::tie(r.start, r.settings, r.names, r.ratings),
              std::tie(s.start, s.settings, s.names, s.ratings));
    ASSERT_EQ(r.roster.size(), 2u);
    EXPECT_EQ(std::tuple(r.roster[0].name, r.roster[0].results, r.roster[1].played, r.arenaSide,
                         r.delay),
              std::tuple("Computer 1", s.roster[0].results, 40, 450, 7));
    TInterface back;
    applySettingValues(back, r.settings);
    EXPECT_EQ(std::pair(back.int_rndpts, back.dis_attract), std::pair(17, 0));

    const Hello hello{"secret", "kitchen", {"Anna", "Ben"}, {}, {}, {}, {}};
    const Hello h = std::get<Hello>(*decodeBytes(encode(hello)).packet);
    EXPECT_EQ(std::tie(h.password, h.names), std::tie(hello.password, hello.names));

    const Frame f{2, 100, {{0x21, 0}, {0x12, 4}}};
    const Frame fr = std::get<Frame>(*decodeBytes(encode(f)).packet);
    EXPECT_EQ(std::tie(fr.firstTick, fr.entries), std::tie(f.firstTick, f.entries));

    const Hash hash{1, 40, 0xFEEDull};
    EXPECT_EQ(std::get<Hash>(*decodeBytes(encode(hash)).packet).hash, 0xFEEDull);
}

// Packets, and the local network's answers about its games.
TEST(Protocol, RefusesWhatIsNotWholeOrNotOursSaysWhyAndSeatBitsPackTwoToASeat) {
    const std::vector<std::uint8_t> good = encode(Input{1, 10, 1, {1, 2}});
    const std::vector<std::uint8_t> ad = encodeAd(GameAd{27960, "kitchen", "Zoe", 3, false});
    std::string error;
    ASSERT_TRUE(decodeBytes(good).packet);
    ASSERT_TRUE(decodeAd(ad.data(), ad.size(), error));
    // Cut short anywhere: refused, with a reason.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Decoded d = decodeBytes({good.begin(), good.begin() + std::ptrdiff_t(n)});
        EXPECT_FALSE(d.packet || d.error.empty()) << n;
    }
    for (std::size_t n = 0; n < ad.size(); ++n) {
        error.clear();
        EXPECT_FALSE(decodeAd(ad.data(), n, error) || error.empty()) << n;
    }
    std::vector<std::uint8_t> tooMany = ad;
    tooMany[tooMany.size() - 2] = 9;  // free seats beyond the game's four
    EXPECT_FALSE(decodeAd(tooMany.data(), tooMany.size(), error));
    const std::vector<std::uint8_t> query = encodeQuery();
    EXPECT_TRUE(isQuery(query.data(), query.size()));
    EXPECT_FALSE(decodeAd(query.data(), query.size(), error));

    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_EQ(decodeBytes(longer).error, "the packet is too long");
    // Bytes of the good packet changed: what each change is refused as.
    const auto changed = [&](std::size_t at, std::uint8_t to) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = to;
        return decodeBytes(bytes);
    };
    EXPECT_EQ(changed(0, std::uint8_t(good[0] ^ 0xFF)).error, "the packet is not from Slyders");
    const Decoded v = changed(4, std::uint8_t(good[4] + 1));
    EXPECT_TRUE(v.wrongVersion);
    EXPECT_EQ(v.error, "This game was made by a different version of Slyders.");
    EXPECT_EQ(changed(6, 200).error, "the packet is of an unknown kind");

    EXPECT_FALSE(decodeBytes(encode(Input{1, 10, 0, {1}})).packet);   // no seats
    EXPECT_FALSE(decodeBytes(encode(Input{1, 10, 16, {1}})).packet);  // a fifth seat
    Start s = sampleStart();
    s.start.skill = 9;
    EXPECT_EQ(decodeBytes(encode(s)).error, "the skill is out of range");
    // A roster entry cut short inside the packet is not taken as the host's roster.
    std::vector<std::uint8_t> cutRoster = encode(sampleStart());
    const std::size_t rosterBytes = (10 + 1 + 22) + (4 + 1 + 22);  // the packet's last bytes
    ASSERT_EQ(cutRoster[cutRoster.size() - rosterBytes - 2], rosterBytes);
    cutRoster[cutRoster.size() - rosterBytes - 2] -= 1;  // its size says one byte less
    cutRoster.pop_back();
    EXPECT_EQ(decodeBytes(cutRoster).error, "the host's roster is damaged");
    EXPECT_EQ(refuseText({RefuseReason::Full, 1}), "The game is full: only 1 seat is free.");
    EXPECT_EQ(refuseText({RefuseReason::Full, 0}), "The game is full: no seat is free.");
    EXPECT_EQ(refuseText({RefuseReason::Password, 0}), "Wrong password.");
    EXPECT_EQ(stopText(StopReason::Disagree),
              "The machines disagree about the game; it was stopped.");
    TickInput in;
    in.seat = {kSteerLeft, kSteerNone, kSteerRight, kSteerLeft | kSteerRight};
    EXPECT_EQ(unpackInput(packInput(in)), in);
    EXPECT_EQ(inputBitsOf(0b0101), 0b00110011);
}

TEST(LocalGames, AHostIsListedWithinTwoSecondsAndForgottenOnceItCloses) {
    const std::uint16_t port = test::testPort(41), listPort = test::testPort(42);
    auto host = std::make_unique<HostSession>(SessionConfig{"", "kitchen", {"Zoe"}});
    ASSERT_TRUE(test::opens(*host, port));
    std::string error;
    ASSERT_TRUE(host->advertise("127.0.0.1", listPort, error)) << error;
    host->setPassword("secret");

    DiscoveryBrowser browser({"127.0.0.1"}, listPort);
    ASSERT_TRUE(browser.open(error)) << error;
    const auto poll = [&] {
        if (host) host->service(0);
        browser.poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    const std::string address = "127.0.0.1:" + std::to_string(port);
    ASSERT_TRUE(test::within(2000, [&] { return findAt(browser, address) != nullptr; }, poll));
    const GameAd& ad = findAt(browser, address)->ad;
    EXPECT_EQ(std::tuple(ad.machine, ad.players, ad.freeSeats, ad.password),
              std::tuple("kitchen", "Zoe", 3, true));

    host->close();
    host.reset();
    EXPECT_TRUE(
        test::within(kForgetAfterMs + 1500, [&] { return browser.games().empty(); }, poll));
}

TEST(Lockstep, DelayGrowsWithTheRoundTripTicksWaitForEveryMachineAndCarryTheirSeats) {
    EXPECT_EQ(inputDelayFor(0.3, 1), 1);  // a local network
    EXPECT_EQ(inputDelayFor(80, 1), 8);   // across the internet, with a tick to spare
    EXPECT_GT(inputDelayFor(80, 2), inputDelayFor(80, 0));
    HostLockstep lock({0b0001, 0b0110}, 2);
    EXPECT_EQ(lock.releaseReady(), 2);  // the delay's first ticks have nobody steering
    EXPECT_EQ(lock.lateMachine(), 0);
    EXPECT_TRUE(lock.addInput(0, 3, 0b0001, {kSteerLeft}));
    EXPECT_EQ(lock.releaseReady(), 0);
    EXPECT_EQ(lock.lateMachine(), 1);
    EXPECT_TRUE(lock.addInput(1, 3, 0b0110, {std::uint8_t(kSteerRight << 2 | kSteerLeft << 4)}));
    EXPECT_EQ(lock.releaseReady(), 1);
    const TickInput in = unpackInput(lock.released(3)->packed);
    EXPECT_EQ(in.seat, (std::array<std::uint8_t, 4>{kSteerLeft, kSteerRight, kSteerLeft, 0}));
    // A resent run repeats what is known; only the new tick counts.
    EXPECT_TRUE(lock.addInput(1, 3, 0b0110, {0, 0}));
    EXPECT_TRUE(lock.addInput(0, 4, 0b0001, {0}));
    EXPECT_EQ(lock.releaseReady(), 1);
    ASSERT_TRUE(lock.framesFrom(3, 1));
    EXPECT_EQ(lock.framesFrom(3, 1)->entries.size(), 2u);
    EXPECT_FALSE(lock.framesFrom(5, 1));
}

TEST(Lockstep, UntrustedInputIsRefused) {
    HostLockstep lock({0b0001, 0b0010}, 1);
    EXPECT_FALSE(lock.addInput(1, 2, 0b0001, {kSteerLeft}));         // the host's seat
    EXPECT_FALSE(lock.addInput(1, 2, 0b0010, {kSteerLeft}));         // bits of seat 0
    EXPECT_FALSE(lock.addInput(1, 2 + kMaxAhead + 1, 0b0010, {0}));  // far ahead
    EXPECT_FALSE(lock.addInput(1, 0, 0b0010, {0}));
    EXPECT_FALSE(lock.addInput(7, 2, 0b0010, {0}));
    EXPECT_EQ(lock.releaseReady(), 1);
    EXPECT_EQ(lock.lateMachine(), 0);
}

TEST(Lockstep, AMachineThatLeftDiesAtTheNextTick) {
    HostLockstep lock({0b0001, 0b0010}, 1);
    lock.releaseReady();
    lock.addInput(0, 2, 0b0001, {0});
    lock.addInput(0, 3, 0b0001, {0});
    EXPECT_EQ(lock.lateMachine(), 1);
    lock.markGone(1);
    EXPECT_EQ(lock.releaseReady(), 2);
    EXPECT_EQ(std::pair(lock.released(2)->killSeats, lock.released(3)->killSeats),
              std::pair(std::uint8_t(0b0010), std::uint8_t(0)));

    test::TestGame game;
    game.seatOneHuman(1);
    game.gra.humans = 2;
    game.gra.network.names[3] = "Ben";
    game.place(3, 50, 50, 0);
    applyLeaves(game.gra, 0b0010);
    EXPECT_EQ(std::tuple(game.slot(3).alive, game.gra.deathOrder, game.gra.message.text),
              std::tuple(false, "3", "Ben left the game."));
}

TEST(Lockstep, GuestsResendWhatIsNotConfirmedAndHashesAreComparedWhicheverComesFirst) {
    GuestLockstep guest(0b0010, 1);
    EXPECT_FALSE(guest.pendingInput(1));
    guest.setOwnInput(2, 0xFF);
    guest.setOwnInput(3, 0);
    const Input in = *guest.pendingInput(1);  // only its own seat's bits
    EXPECT_EQ(std::tuple(in.firstTick, in.packed),
              std::tuple(2u, std::vector<std::uint8_t>{0b1100, 0}));
    EXPECT_TRUE(guest.addFrame(Frame{1, 1, {{0, 0}, {4, 0}}}));
    EXPECT_EQ(guest.pendingInput(1)->firstTick, 3u);
    EXPECT_FALSE(guest.addFrame(Frame{1, 5000, {{0, 0}}}));
    EXPECT_FALSE(guest.frameFor(3));
    HashBook book;
    EXPECT_FALSE(book.other(1, 20, 5) || book.own(20, 5));
    EXPECT_TRUE(book.other(2, 20, 6));
    EXPECT_FALSE(book.own(40, 1));
    EXPECT_EQ(book.compared(), 2);
}
