// The window's network games over 127.0.0.1 against headless machines: the join window's
// refusals, the lobby, and whole games played to the end in agreement from either end.
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include "../net/net_test_support.h"
#include "frame_fixture.h"
#include "net/fingerprint.h"
#include "net/qt/net_windows.h"
#include "players/roster_bytes.h"

namespace slyders {
namespace {

constexpr int kPollMs = 10;
constexpr int kMaxPolls = 1000;  // ten seconds for a window to come up and be ready

using test::testPort;
using test::whenOpen;

// Types into the join window and clicks Join; a window still open after that (the game could not
// be joined) is closed, and what it still held is given back.
struct JoinAttempt {
    bool stayedOpen = false;
    QString address, password;
};

JoinAttempt joinThrough(test::WindowTest& t, const std::string& address,
                        const std::string& password) {
    JoinAttempt attempt;
    whenOpen<net::JoinDialog>([=, &attempt](net::JoinDialog& d) {
        d.addressField()->setText(QString::fromStdString(address));
        d.playerBox()->setCurrentIndex(1);  // "Dummy 2"
        d.passwordField()->setText(QString::fromStdString(password));
        d.joinButton()->click();
        if (!d.isVisible()) return;
        attempt = {true, d.addressField()->text(), d.passwordField()->text()};
        d.reject();
    });
    t.window->GameJoinClick();
    return attempt;
}

// A headless host, on a machine like the window's (same fonts, same game), serviced in its own
// thread until the test is done with it; with a list port it answers the join windows there.
struct HostThread {
    HostThread(std::uint16_t port, net::SessionConfig config, std::uint16_t listPort = 0)
        : session((config.fingerprint = net::machineFingerprint(text), std::move(config))) {
        std::string error;
        opened = session.open("127.0.0.1", port, error) &&
                 (listPort == 0 || session.advertise("127.0.0.1", listPort, error));
        thread = std::thread([this] {
            for (int i = 0; i < 3000 && !stop; ++i) session.service(kPollMs / 2);
        });
    }
    ~HostThread() {
        stop = true;
        thread.join();
        session.close();
    }
    QtTextRenderer text;
    net::HostSession session;
    bool opened = false;
    std::atomic<bool> stop{false};
    std::thread thread;
};

// The window's fonts: the names written into the arena are solid.
constexpr auto runPeer = test::runPeer<QtTextRenderer>;

NetPeerOptions peerOptions(std::uint16_t port, bool host) {
    return {.host = host, .port = port, .waitSeconds = 15, .paced = false, .machine = "robot",
            .gameSeconds = 60};
}

// The game the window played, as its replay keeps it, against what the other machine played.
void expectSameGame(test::WindowTest& t, const NetGameResult& other) {
    EXPECT_FALSE(other.stopped) << *other.stopped;
    const Replay mine = t.newestReplay();
    EXPECT_EQ(std::tuple(mine.network, mine.end), std::tuple(true, ReplayEnd::Over));
    EXPECT_GE(mine.hashes.size(), 5u) << "a game of " << mine.endTick << " ticks";
    EXPECT_EQ(mine.hashes, other.replay.hashes);
    EXPECT_EQ(std::tuple(mine.deathOrder, mine.endTick, mine.names),
              std::tuple(other.record.deathOrder, other.record.ticks, other.replay.names));
    EXPECT_TRUE(test::playedBack(mine, t.text).agrees);
}

// The join window says why a game cannot be joined and keeps what was typed; it adds players
// to the roster, lists the games of the local network and joins one at a double click.
TEST(WindowNetwork, TheJoinWindowSaysWhyAGameCannotBeJoinedAddsPlayersAndListsLocalGames) {
    test::WindowTest t;
    const std::string nobody = "127.0.0.1:" + std::to_string(testPort(1));
    const JoinAttempt unreached = joinThrough(t, nobody, "");
    ASSERT_EQ(t.boxes.errors.size(), 1u);
    EXPECT_EQ(t.boxes.errors[0].second, "Could not reach " + nobody + ".");
    EXPECT_EQ(std::tuple(unreached.stayedOpen, unreached.address.toStdString()),
              std::tuple(true, nobody));

    // A host with a password whose four players fill every seat.
    const std::uint16_t port = testPort(2);
    HostThread host(port, net::SessionConfig{"sesame", "full", {"A1", "B2", "C3", "D4"}});
    ASSERT_TRUE(host.opened);
    const std::string address = "127.0.0.1:" + std::to_string(port);
    joinThrough(t, address, "");
    const JoinAttempt wrong = joinThrough(t, address, "guess");
    joinThrough(t, address, "sesame");
    ASSERT_EQ(t.boxes.errors.size(), 4u);
    const auto& e = t.boxes.errors;
    EXPECT_EQ(std::tuple(e[1].second, e[2].second, e[3].second),
              std::tuple("This game needs a password.", "Wrong password.",
                         "The game is full: no seat is free."));
    EXPECT_EQ(wrong.password, QString("guess"));
    EXPECT_TRUE(t.network() == nullptr && t.window->menuItem("GameJoin")->isEnabled());

    // A new player is added from the join window, kept in the roster and chosen; a name the
    // roster refuses is said and added nowhere.
    const int before = t.scores.count();
    QString chosen;
    whenOpen<net::JoinDialog>([&](net::JoinDialog& d) {
        d.newPlayerField()->setText("  Newbie ");
        d.addPlayerButton()->click();
        chosen = d.playerBox()->currentText();
        d.newPlayerField()->setText("Newbie");
        d.addPlayerButton()->click();
        d.reject();
    });
    t.window->GameJoinClick();
    EXPECT_EQ(chosen, QString("Newbie"));
    ASSERT_EQ(t.scores.count(), before + 1);
    EXPECT_EQ(parseRoster(t.rosterStore.bytes).entries.back().name, "Newbie");
    EXPECT_EQ(t.boxes.informed.back(),
              "Not a valid player name: must be unique and have at least two characters.");

    // A game of the local network is listed, and a double click joins it.
    NetworkPlay play{.listenAddress = "127.0.0.1", .joinTimeoutMs = 1500,
                     .discoveryPort = testPort(9)};
    t.window->setNetworkPlay(play);
    const std::uint16_t listedPort = testPort(8);
    HostThread listed(listedPort, net::SessionConfig{"", "attic", {"Ann"}}, play.discoveryPort);
    ASSERT_TRUE(listed.opened);
    QStringList row;
    bool joined = false;
    std::chrono::steady_clock::duration listedAfter{};
    const auto opened = std::chrono::steady_clock::now();
    whenOpen<net::JoinDialog>(
        [](net::JoinDialog& d) { return d.gamesList()->topLevelItemCount() > 0; },
        [&](net::JoinDialog& d) {
            listedAfter = std::chrono::steady_clock::now() - opened;
            QTreeWidgetItem* item = d.gamesList()->topLevelItem(0);
            for (int c = 0; c < item->columnCount(); ++c) row << item->text(c);
            d.playerBox()->setCurrentIndex(1);
            // Joined: the wait for the host's start comes, and this machine leaves.
            whenOpen<net::WaitWindow>([&](net::WaitWindow& w) { joined = true, w.reject(); });
            Q_EMIT d.gamesList()->itemDoubleClicked(item, 0);
            if (d.isVisible()) d.reject();
        });
    t.window->GameJoinClick();
    EXPECT_LT(listedAfter, std::chrono::seconds(2));
    EXPECT_EQ(row,
              QStringList({"attic", "Ann", "3", "none", QString("127.0.0.1:%1").arg(listedPort)}));
    EXPECT_TRUE(joined) << (t.boxes.errors.empty() ? "" : t.boxes.errors.back().second);
}

// A router as the lobby sees it: it answers what the test tells it.
struct FakeRouter final : net::PortOpener {
    void setPort(std::uint16_t port) override { answer = {net::Mapping::Asking, port, {}, {}}; }
    net::MappingStatus status() const override { return answer; }
    net::MappingStatus answer;
};

TEST(WindowNetwork, TheLobbySaysWhereFriendsOutsideJoinOrWhatToDoInstead) {
    test::WindowTest t;
    net::HostSession host(net::SessionConfig{"", "desk", {"Ann"}});
    ASSERT_TRUE(test::opens(host, testPort(10)));
    FakeRouter router;
    router.answer = {net::Mapping::Open, host.port(), "203.0.113.7:27960", "UPnP"};
    net::NetLobby lobby(nullptr, host, 1, "desk");
    lobby.watchPortMapping(&router);
    EXPECT_TRUE(lobby.mappingText().startsWith("Friends on the internet join 203.0.113.7:27960"));

    // The game moves: the router is asked for the new port and its "no" is said.
    lobby.portField()->setValue(testPort(11));
    ASSERT_EQ(router.answer.port, host.port());
    router.answer.state = net::Mapping::Closed;
    const QString no = QString("Your router did not open port %1").arg(host.port());
    // The lobby looks at the router on its own timer: give it the time to.
    for (int i = 0; i < kMaxPolls && !lobby.mappingText().startsWith(no); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    }
    const QString said = lobby.mappingText();
    EXPECT_TRUE(said.startsWith(no) && said.contains("Slyders server")) << said.toStdString();
    host.close();
}

TEST(WindowNetwork, AWindowHostsAHeadlessGuestThroughTheLobbyToTheEndThenASilentOneLeaves) {
    test::WindowTest t;
    const std::uint16_t port = testPort(3);
    ASSERT_TRUE(t.window->seatPlayerNamed("Hosta"));  // as --player does
    const int rosterBefore = t.scores.count();
    auto guest = std::async(std::launch::async, runPeer, peerOptions(port, false));
    std::vector<std::string> rows;
    QString delay, addresses;
    whenOpen<net::NetLobby>([](net::NetLobby& l) { return l.rows().size() == 2; },
                            [&](net::NetLobby& l) {
                                rows = l.rows();
                                delay = l.delayText();
                                addresses = l.addressText();
                                l.startButton()->click();
                            });
    t.boxes.answer = false;  // "Play another network game?"
    t.window->hostNetworkGame(port);
    const test::PeerRun g = guest.get();

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find("Hosta | this machine"), std::string::npos) << rows[0];
    EXPECT_EQ(rows[1].rfind("robot | Guest bot ", 0), 0u) << rows[1];
    EXPECT_TRUE(delay.startsWith("Input delay: 1 tick")) << delay.toStdString();
    EXPECT_TRUE(addresses.contains("127.0.0.1") && addresses.contains(QString("port %1").arg(port)))
        << addresses.toStdString();

    ASSERT_TRUE(g.error.empty() && !g.games.empty()) << g.error;
    expectSameGame(t, g.games[0]);
    EXPECT_EQ(g.games[0].start.yourSeats, 0b0010);
    // The guest's name joined the host's roster, and both names are saved, whether or not a
    // round was won; the window is its own again.
    const std::string guestName = g.games[0].start.names[3];
    EXPECT_EQ(t.scores.count(), rosterBefore + 1);
    EXPECT_EQ(t.scores.entry(t.scores.count() - 1).name, guestName);
    const ParsedRoster saved = parseRoster(t.rosterStore.bytes);
    ASSERT_EQ(int(saved.entries.size()), rosterBefore + 1);
    EXPECT_EQ(saved.entries[std::size_t(rosterBefore - 1)].name, "Hosta");
    EXPECT_EQ(saved.entries.back().name, guestName);
    // The scoreboard shows nobody dead any more.
    EXPECT_EQ(std::tuple(t.network(), t.gra.humans, t.gra.network.names[3], t.gra.deathOrder),
              std::tuple(nullptr, 1, "", ""));
    EXPECT_TRUE(t.window->menuItem("GameNew")->isEnabled());
    EXPECT_EQ(std::pair(t.boxes.asked.back(), t.window->history().games().front().kind),
              std::pair(std::string("Play another network game?"), GameKind::NetworkHost));

    // A guest that falls silent is waited for on the label, then leaves the game.
    t.window->setNetworkPlay(
        {.listenAddress = "127.0.0.1", .silentTimeoutMs = 1500, .startWhenJoined = 1});
    NetPeerOptions go = peerOptions(testPort(5), false);
    go.silentFromTick = 60;
    go.gameSeconds = 3;
    auto silent = std::async(std::launch::async, runPeer, go);
    std::string waiting, left;
    std::set<int> ticksShowingLeave;  // ticks that waited for their release with the notice up
    t.clock.onSleep = [&] {
        if (waiting.empty() && t.network()) waiting = t.network()->waiting();
        const std::string& shown = t.window->eventLabel().text;
        if (shown.find(" left the game.") != std::string::npos) {
            left = shown;
            ticksShowingLeave.insert(t.gra.tick);
        }
        // The game's own message is not the waiting notice: that lives on the label only.
        EXPECT_EQ(t.gra.message.text.find("Waiting"), std::string::npos);
    };
    t.window->hostNetworkGame(go.port);
    silent.get();
    EXPECT_EQ(waiting.rfind("Waiting for Guest bot ", 0), 0u) << waiting;
    EXPECT_EQ(left.rfind("Guest bot ", 0), 0u) << left;
    // After the long wait the game goes on at its pace: the notice stays as long as any other.
    EXPECT_GE(ticksShowingLeave.size(), 90u);
    EXPECT_TRUE(test::playedBack(t.newestReplay(), t.text).agrees);  // the leave is in it
}

// A busy port is no dead end: the lobby opens at the next free one and says so, and the
// port typed into it is where friends find the game.
TEST(WindowNetwork, TheLobbyMovesOffABusyPortAndToATypedOne) {
    test::WindowTest t;
    const std::uint16_t port = testPort(6);
    net::HostSession busy(net::SessionConfig{"", "other", {"Zed"}});
    ASSERT_TRUE(test::opens(busy, port));
    QString note, before, after;
    whenOpen<net::NetLobby>([&](net::NetLobby& l) {
        note = l.portNote();
        before = l.addressText();
        l.portField()->setValue(port + 7);
        after = l.addressText();
        l.reject();
    });
    t.window->hostNetworkGame(port);
    EXPECT_EQ(note, QString("Port %1 is busy: the game is at port %2.").arg(port).arg(port + 1));
    EXPECT_TRUE(before.endsWith(QString("port %1").arg(port + 1))) << before.toStdString();
    EXPECT_TRUE(after.endsWith(QString("port %1").arg(port + 7)) && t.boxes.errors.empty())
        << after.toStdString();
}

TEST(WindowNetwork, AWindowJoinsAHeadlessHostOnItsArenaAndKeepsItsRoster) {
    test::WindowTest t;
    const std::uint16_t port = testPort(4);
    NetPeerOptions ho = peerOptions(port, true);
    ho.arenaSide = 500;  // larger than the window's own 360: shown scaled
    ho.computers = 2;
    ho.roundTarget = 10;  // the least a round can be: some game wins one
    ho.games = 6;
    auto host = std::async(std::launch::async, runPeer, ho);
    const int ownSide = t.gra.arena.side();
    const int rosterBefore = t.scores.count();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    int sideInGame = 0;
    t.clock.onSleep = [&] { if (t.gra.running) sideInGame = t.gra.arena.side(); };
    t.window->joinNetworkGame("127.0.0.1:" + std::to_string(port), 3, "");
    const test::PeerRun h = host.get();

    ASSERT_TRUE(h.error.empty() && h.games.size() == 6u) << h.error;
    expectSameGame(t, h.games.back());
    EXPECT_EQ(std::tuple(sideInGame, h.games[0].start.names[3]), std::tuple(500, "Dummy 2"));
    EXPECT_EQ(t.boxes.informed.back(), "The host has closed the game.");
    // The round's result is the host's, new rating and all; the guest's roster stays its own.
    int rounds = 0;
    const auto& told = t.boxes.informed;
    for (const NetGameResult& g : h.games) {
        if (g.replay.resultText.empty()) continue;
        ++rounds;
        const std::string result = "Round finished!\n" + g.replay.resultText;
        EXPECT_NE(std::find(told.begin(), told.end(), result + "\n\nClick for the next round:"),
                  told.end());
    }
    EXPECT_GE(rounds, 1);
    // Every game is in the guest's history, the rounds the host's games won among them.
    const std::vector<PlayedGame> history = t.window->history().games();
    ASSERT_EQ(history.size(), 6u);
    EXPECT_EQ(history.front().kind, GameKind::NetworkGuest);
    EXPECT_EQ(std::count_if(history.begin(), history.end(),
                            [](const PlayedGame& g) { return g.roundWinner >= 0; }),
              rounds);
    EXPECT_EQ(std::tuple(t.gra.arena.side(), t.scores.count(), t.network()),
              std::tuple(ownSide, rosterBefore, nullptr));
    for (int k = 0; k < t.scores.count(); ++k) EXPECT_EQ(t.scores.entry(k).played, 0);
}

// Between games a guest waits for the host's next start; an Enter pressed once too often
// after the round's box keeps it waiting, Leave leaves.
TEST(WindowNetwork, EnterDoesNotLeaveTheWaitForTheNextGame) {
    test::WindowTest t;
    int polls = 0;
    bool stillOpen = false;
    net::WaitWindow wait(t.window.get(), "Waiting for the host to start the next game...",
                         [&] { return ++polls, false; });
    QTimer::singleShot(50, &wait, [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(wait.focusWidget() ? wait.focusWidget() : &wait, &enter);
    });
    QTimer::singleShot(200, &wait, [&] {
        stillOpen = wait.isVisible();
        wait.findChild<QPushButton*>()->click();
    });
    EXPECT_EQ(wait.exec(), QDialog::Rejected);
    EXPECT_TRUE(stillOpen && polls > 0);
}

}  // namespace
}  // namespace slyders
