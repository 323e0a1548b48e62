// The dedicated server over 127.0.0.1: rooms joined by their code, games the server plays
// and checks itself, spectators, and the ways strangers are turned away.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>

#include <atomic>
#include <csignal>
#include <future>
#include <thread>

#include "net/enet_transport.h"
#include "net/fingerprint.h"
#include "server/server.h"
#include "sim/net_peer.h"
#include "net_test_support.h"
#include "test_support.h"

using namespace slyders;
using namespace slyders::net;

namespace {

constexpr int kArena = 250;

using test::PeerRun;

// The server, stepped by the test's own thread while the machines play in theirs.
struct ServerRig {
    explicit ServerRig(int silentMs = 1500) {
        const server::ServerOptions o{.address = "127.0.0.1", .port = test::testPort(40),
                                      .db = (place.path / "ladder.db").string(),
                                      .silentTimeoutMs = silentMs};
        server = std::make_unique<server::Server>(o, text, [this](const std::string& l) {
            log.push_back(l);
        });
        std::string error;
        EXPECT_TRUE(server->open(error)) << error;
    }
    ~ServerRig() { server->shutdown(); }
    bool logged(const std::string& part) const {
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }
    // The server checks a game on its own thread, a moment after the machines played it.
    bool checked(const std::string& part) {
        return test::within(10000, [&] { return logged(part); }, [&] { server->step(1); });
    }
    // Steps until every future is ready (or 40 s passed).
    template <typename... F>
    void runUntil(F&... futures) {
        test::within(
            40000,
            [&] { return ((futures.wait_for(std::chrono::seconds(0)) == std::future_status::ready) && ...); },
            [&] { server->step(1); });
    }
    test::TempFolder place;  // the ladder's
    test::BlockText text;
    std::vector<std::string> log;
    std::unique_ptr<server::Server> server;
};

NetPeerOptions roomOptions(const ServerRig& rig, RoomAction action, const std::string& name,
                           const std::string& room = "", int games = 1) {
    return {.port = rig.server->port(), .games = games, .arenaSide = kArena, .waitSeconds = 20,
            .paced = false, .gameSeconds = 30, .action = action, .room = room,
            .names = action == RoomAction::Watch ? std::vector<std::string>{}
                                                 : std::vector<std::string>{name}};
}

std::future<PeerRun> play(NetPeerOptions o, std::string* code = nullptr) {
    return std::async(std::launch::async, [o, code] { return test::runPeerTelling<test::BlockText>(o, code); });
}

// The owner makes the room; its code comes back once it is in.
std::string createdCode(ServerRig& rig, std::string& code) {
    test::within(5000, [&] { return rig.logged(" joins room "); }, [&] { rig.server->step(1); });
    for (int i = 0; i < 50 && code.empty(); ++i) rig.server->step(1);
    return code;
}

// A machine that joins (or makes) a room by hand; the error says why it could not.
std::unique_ptr<GuestSession> joined(ServerRig& rig, RoomAction action, const std::string& room,
                                     std::vector<std::string> names, std::string& error,
                                     const std::string& secret = "s") {
    SessionConfig c;
    c.fingerprint = machineFingerprint(rig.text);
    c.action = action;
    c.room = room;
    c.names = std::move(names);
    c.secrets.assign(c.names.size(), secret);
    auto guest = std::make_unique<GuestSession>(c);
    auto joining = std::async(std::launch::async, [&] {
        std::string why;
        guest->join("127.0.0.1", rig.server->port(), 3000, why);
        return why;
    });
    rig.runUntil(joining);
    error = joining.get();
    return guest;
}

std::string joinError(ServerRig& rig, RoomAction action, const std::string& room,
                      std::vector<std::string> names, const std::string& secret = "s") {
    std::string error;
    joined(rig, action, room, std::move(names), error, secret);
    return error;
}

int ladderGames(const ServerRig& rig) {
    server::LadderDb ladder;
    std::string error;
    EXPECT_TRUE(ladder.open((rig.place.path / "ladder.db").string(), error)) << error;
    return ladder.games();
}

// A machine of its own in a process of its own, which the test can kill outright. Forked
// while the test runs no other thread.
pid_t machineProcess(const NetPeerOptions& o) {
    const pid_t pid = fork();
    if (pid == 0) {
        test::runPeer<test::BlockText>(o);
        _exit(0);
    }
    return pid;
}

void killNow(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool told(const NetGameResult& game, const std::string& notice) {
    return std::find(game.notices.begin(), game.notices.end(), notice) != game.notices.end();
}

}  // namespace

TEST(Server, ThreeMachinesPlayACheckedGameThroughACodeAndASpectatorJoinsInTheMiddle) {
    ServerRig rig;
    NetPeerOptions owner = roomOptions(rig, RoomAction::Create, "Ann");
    owner.joiners = 2;
    owner.seed = 11;
    std::string code;
    auto ownerRun = play(owner, &code);
    ASSERT_EQ(createdCode(rig, code).size(), kRoomCodeLength);
    auto bob = play(roomOptions(rig, RoomAction::Join, "Bob", code));
    auto cid = play(roomOptions(rig, RoomAction::Join, "Cid", code));
    test::within(10000, [&] { return rig.logged("game 1 started"); }, [&] { rig.server->step(1); });
    for (int i = 0; i < 100; ++i) rig.server->step(1);  // the game is under way
    auto watcher = play(roomOptions(rig, RoomAction::Watch, "", code));
    rig.runUntil(ownerRun, bob, cid, watcher);
    std::vector<PeerRun> runs{ownerRun.get(), bob.get(), cid.get(), watcher.get()};
    for (const PeerRun& r : runs) {
        ASSERT_TRUE(r.error.empty()) << r.error;
        ASSERT_EQ(r.games.size(), 1u);
        EXPECT_FALSE(r.games[0].stopped) << *r.games[0].stopped;
        EXPECT_EQ(r.games[0].finalHash, runs[0].games[0].finalHash);
        EXPECT_EQ(r.games[0].record.points, runs[0].games[0].record.points);
    }
    EXPECT_GT(runs[0].games[0].ticks.size(), 100u);
    EXPECT_EQ(runs[3].games[0].start.yourSeats, 0);
    // The server's own result is the one kept, and it is the machines'.
    const auto& r = runs[0].games[0].record;
    EXPECT_TRUE(rig.checked("game 1 checked after " + std::to_string(r.ticks) + " ticks"));
    EXPECT_EQ(ladderGames(rig), 1);
}

// A spectator still far behind when the players leave plays the rest of the game to its end:
// the frames sent before the room closed all count, and the close is heard after them.
TEST(Server, ASpectatorBehindWhenTheRoomClosesStillSeesTheWholeGame) {
    ServerRig rig;
    NetPeerOptions owner = roomOptions(rig, RoomAction::Create, "Ann");
    std::string code;
    auto ann = play(owner, &code);
    ASSERT_EQ(createdCode(rig, code).size(), kRoomCodeLength);
    GuestSession watcher(SessionConfig{.fingerprint = machineFingerprint(rig.text),
                                       .action = RoomAction::Watch, .room = code});
    std::atomic<bool> roomClosed = false;
    // The watcher hears everything as it comes, but plays nothing until the room has closed.
    auto watched = std::async(std::launch::async, [&] {
        std::string error;
        std::uint32_t tick = 0;
        if (!watcher.join("127.0.0.1", rig.server->port(), 3000, error)) return tick;
        bool started = false;
        test::within(30000, [&] {
            watcher.service(1);
            started = started || watcher.takeStart();
            while (started && roomClosed && watcher.frameFor(tick + 1, 0)) ++tick;
            return watcher.stopped().has_value();
        }, [] {});
        return tick;
    });
    test::within(5000, [&] { return rig.logged(" watches room "); }, [&] { rig.server->step(1); });
    auto bobRun = play(roomOptions(rig, RoomAction::Join, "Bob", code));
    rig.runUntil(ann, bobRun);
    test::within(5000, [&] { return rig.logged(" closed"); }, [&] { rig.server->step(1); });
    for (int i = 0; i < 50; ++i) rig.server->step(1);  // the last frames and the stop go out
    roomClosed = true;
    rig.runUntil(watched);
    ASSERT_EQ(ann.get().games.size(), 1u);
    // Every tick the server sent is played (those after all humans died are played alone).
    const std::uint32_t played = watched.get();
    EXPECT_GT(played, 100u);
    EXPECT_EQ(played, watcher.framesKnown());
    EXPECT_EQ(watcher.stopped(), stopText(StopReason::HostClosed));
}

TEST(Server, AMachineThatPlaysAnotherGameIsRemovedAndTheOwnerPassesOn) {
    ServerRig rig;
    NetPeerOptions owner = roomOptions(rig, RoomAction::Create, "Ann");
    owner.joiners = 2;
    owner.games = 2;
    owner.silentFromTick = 300;  // the owner's machine freezes in the first game
    owner.gameSeconds = 4;
    std::string code;
    auto ownerRun = play(owner, &code);
    ASSERT_FALSE(createdCode(rig, code).empty());
    auto guest = [&](const std::string& name, std::int32_t wrongAt) {
        auto o = roomOptions(rig, RoomAction::Join, name, code, 2);
        o.joiners = 0;  // as the new owner it starts the next game by itself
        o.wrongInputAt = wrongAt;
        return play(o);
    };
    auto bob = guest("Bob", 0);
    auto cid = guest("Cid", 0);
    auto eve = guest("Eve", 600);  // plays one wrong input
    rig.runUntil(ownerRun, bob, cid, eve);
    const PeerRun e = eve.get(), b = bob.get(), c = cid.get();
    ASSERT_EQ(e.games.size(), 1u);
    EXPECT_EQ(e.games[0].stopped, stopText(StopReason::Removed));
    ASSERT_EQ(b.games.size(), 2u);
    ASSERT_EQ(c.games.size(), 2u);
    for (int g = 0; g < 2; ++g) {
        EXPECT_FALSE(b.games[std::size_t(g)].stopped);
        EXPECT_EQ(b.games[std::size_t(g)].finalHash, c.games[std::size_t(g)].finalHash);
    }
    EXPECT_TRUE(rig.checked("game 2 checked"));
}

TEST(Server, StrangersWrongCodesOwnedNamesFullRoomsAndSteeringSpectatorsAreTurnedAway) {
    ServerRig rig;
    EXPECT_EQ(joinError(rig, RoomAction::Join, "QQQQQQ", {"Max"}), "No room has the code QQQQQQ.");
    std::string error;
    const std::unique_ptr<GuestSession> ann =
        joined(rig, RoomAction::Create, "", {"Ann", "Al", "Abe"}, error, "a");
    const std::string code = ann->roomCode();
    ASSERT_EQ(code.size(), kRoomCodeLength);
    EXPECT_EQ(joinError(rig, RoomAction::Join, code, {"Ann"}, "not Ann's"),
              refuseText(Refuse{RefuseReason::NameOwned, 0}));
    EXPECT_EQ(joinError(rig, RoomAction::Join, code, {"Bo", "Cy"}), "The room is full: no seat is free.");

    // A spectator that sends steering: dropped and counted, nothing else happens.
    auto raw = EnetTransport::connect("127.0.0.1", rig.server->port(), error);
    ASSERT_TRUE(raw) << error;
    std::vector<NetEvent> events;
    bool welcomed = false;
    test::within(3000, [&] { return welcomed; }, [&] {
        rig.server->step(1);
        events.clear();
        raw->service(1, events);
        for (const NetEvent& e : events) {
            if (e.type == NetEvent::Type::Connected) {
                raw->send(e.peer, encode(Hello{"", "", {}, machineFingerprint(rig.text), RoomAction::Watch, code, {}}), true);
            }
            if (e.type == NetEvent::Type::Received) welcomed |= decode(e.data.data(), e.data.size()).packet.has_value();
        }
        raw->flush();
    });
    ASSERT_TRUE(welcomed);
    for (int i = 0; i < 5; ++i) raw->send(1, encode(Input{1, 10, 1, {1}, 0}), true);
    raw->flush();
    test::within(2000, [&] { return rig.server->counts().steersDropped >= 5; }, [&] {
        rig.server->step(1);
        raw->service(1, events);
    });
    EXPECT_EQ(rig.server->counts().steersDropped, 5);
    EXPECT_EQ(rig.server->counts().watchers, 1);

    // Brute force: past ten wrong codes a minute the address is barred, right codes too.
    std::string last;
    for (int i = 0; i < 11; ++i) last = joinError(rig, RoomAction::Watch, "ZZZZZ" + std::to_string(i % 10), {});
    EXPECT_EQ(last, refuseText(Refuse{RefuseReason::TooManyCodes, 0}));
    EXPECT_EQ(joinError(rig, RoomAction::Watch, code, {}), last);
    ann->leave();
}

// Two machines of a room of four, each a process of its own, are killed in the first game, a
// player and then the owner: the others see them leave as on a host, play on, and the room
// passes on.
TEST(Server, KilledPlayerAndOwnerLeaveTheGameAndTheNextPlayerStartsTheNext) {
    ServerRig rig;
    // The two that are killed play at one keyboard's pace: the first game lasts.
    NetPeerOptions owner = roomOptions(rig, RoomAction::Create, "Ann");
    owner.joiners = 3;
    owner.games = 2;
    owner.paced = true;
    const pid_t ann = machineProcess(owner);
    ASSERT_TRUE(test::within(10000, [&] { return rig.logged(" made by "); }, [&] { rig.server->step(1); }));
    const std::string& made = *std::find_if(rig.log.begin(), rig.log.end(), [](const std::string& l) {
        return l.find(" made by ") != std::string::npos;
    });
    const std::string code = made.substr(std::string("room ").size(), kRoomCodeLength);
    NetPeerOptions joiner = roomOptions(rig, RoomAction::Join, "Bob", code, 2);
    joiner.paced = true;
    const pid_t bob = machineProcess(joiner);
    auto player = [&](const std::string& name) {
        auto o = roomOptions(rig, RoomAction::Join, name, code, 2);
        o.joiners = 0;  // as the new owner it starts the next game by itself
        return play(o);
    };
    auto cid = player("Cid");
    auto dan = player("Dan");
    ASSERT_TRUE(test::within(15000, [&] { return rig.logged("game 1 started"); },
                             [&] { rig.server->step(1); }));
    auto stepFor = [&](int ms) { test::within(ms, [] { return false; }, [&] { rig.server->step(1); }); };
    stepFor(300);
    killNow(bob);
    stepFor(300);
    killNow(ann);
    rig.runUntil(cid, dan);
    const PeerRun c = cid.get(), d = dan.get();
    ASSERT_TRUE(c.error.empty() && d.error.empty()) << c.error << d.error;
    ASSERT_EQ(c.games.size(), 2u);
    ASSERT_EQ(d.games.size(), 2u);
    for (std::size_t g = 0; g < 2; ++g) {
        EXPECT_FALSE(c.games[g].stopped) << *c.games[g].stopped;
        EXPECT_EQ(c.games[g].finalHash, d.games[g].finalHash);
    }
    for (const char* left : {"Bob left the game.", "Ann left the game."}) {
        EXPECT_TRUE(told(c.games[0], left) && told(d.games[0], left)) << left;
    }
    EXPECT_TRUE(rig.checked("game 1 checked after " + std::to_string(c.games[0].record.ticks) + " ticks"));
    EXPECT_TRUE(rig.checked("game 2 checked"));
    EXPECT_EQ(ladderGames(rig), 2);
}

// A stranger's machine may send any settings: the server plays none that the game's own
// bounds refuse, tells the owner, and the room passes to the next player.
TEST(Server, AnOwnerAskingForSettingsOutOfBoundsIsRefusedAndTheRoomPassesOn) {
    ServerRig rig;
    std::string error;
    auto ann = joined(rig, RoomAction::Create, "", {"Ann"}, error);
    auto bob = joined(rig, RoomAction::Join, ann->roomCode(), {"Bob"}, error);
    ASSERT_EQ(error, "");
    auto serviceAll = [&] {
        rig.server->step(1);
        ann->service(0);
        bob->service(0);
    };
    TInterface settings;
    settings.int_rndpts = 5000;
    Start choices;
    choices.settings = settingValues(settings);
    choices.arenaSide = kArena;
    ann->requestStart(choices);
    test::within(3000, [&] { return ann->stopped().has_value(); }, serviceAll);
    EXPECT_EQ(ann->stopped(), refuseText(Refuse{RefuseReason::Settings, 0}));
    EXPECT_TRUE(rig.logged("refused the owner's game: Points in each round 5000 is above its maximum 80"));
    ann->leave();
    test::within(5000, [&] { return bob->roomState() && bob->roomState()->youOwn; }, serviceAll);
    choices.settings = settingValues(TInterface{});
    bob->requestStart(choices);
    EXPECT_TRUE(test::within(3000, [&] { return rig.logged("game 1 started with Bob"); }, serviceAll));
    bob->leave();
}

// Whole programs: the server killed with SIGKILL in the middle of its games. The players
// are told within the silent timeout, and the ladder holds whole results only.
TEST(Server, KilledServerIsNoticedAndLeavesAWholeLadder) {
    test::TempFolder folder;
    const std::string bin = SLYDERS_BIN;
    const std::string port = std::to_string(test::testPort(41));
    const std::string db = (folder.path / "ladder.db").string();
    const pid_t server = fork();
    if (server == 0) {
        const int out = ::open((folder.path / "server.log").c_str(), O_WRONLY | O_CREAT, 0600);
        dup2(out, 1);
        execl((bin + "/slyders-server").c_str(), "slyders-server", "--port", port.c_str(), "--db",
              db.c_str(), "--address", "127.0.0.1", nullptr);
        _exit(127);
    }
    const std::string sim = bin + "/slyders-sim --server 127.0.0.1:" + port +
                            " --arena 250 --unpaced --wait-seconds 20 --games 1000 ";
    FILE* owner = popen((sim + "--create --joiners 1 --names Ann 2>&1").c_str(), "r");
    char line[4096] = {};
    ASSERT_TRUE(fgets(line, sizeof line, owner));
    const std::string room = std::string(line).substr(9, kRoomCodeLength);
    FILE* guest = popen((sim + "--room " + room + " --names Bob 2>/dev/null").c_str(), "r");
    test::within(20000, [&] {
        return test::runCommand(bin + "/slyders-server --ladder --db " + db).output.find(" 1 checked") != std::string::npos;
    }, [] { std::this_thread::sleep_for(std::chrono::milliseconds(100)); });
    const auto killedAt = std::chrono::steady_clock::now();
    kill(server, SIGKILL);
    waitpid(server, nullptr, 0);
    std::string said;
    while (fgets(line, sizeof line, owner)) said += line;
    pclose(owner);
    pclose(guest);
    const auto noticed = std::chrono::steady_clock::now() - killedAt;
    EXPECT_NE(said.find(kHostSilentText), std::string::npos) << said;
    EXPECT_LT(noticed, std::chrono::seconds(14));
    const test::CommandRun ladder = test::runCommand(bin + "/slyders-server --ladder --db " + db);
    EXPECT_EQ(ladder.status, 0);
    EXPECT_NE(ladder.output.find("Ann"), std::string::npos) << ladder.output;
}
