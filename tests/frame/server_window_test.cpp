// "Play on a server..." in the window, against a real server on 127.0.0.1 and a headless
// machine: a room created, joined by its code and played to its end, then watched by code.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <future>
#include <mutex>
#include <thread>

#include "frame_fixture.h"
#include "play/qt/watch_room.h"
#include "replay/replay_store.h"
#include "server/qt/server_windows.h"
#include "server/server.h"
#include "sim/net_peer.h"

namespace slyders {
namespace {

using test::whenOpen;
constexpr int kServerSteps = 120'000;  // the server's thread ends by itself after a few minutes


// The dedicated server, with the window's fonts, stepped in a thread of its own.
struct ServerThread {
    explicit ServerThread(const std::filesystem::path& folder) {
        server::ServerOptions o;
        o.address = "127.0.0.1";
        o.port = test::testPort(60);
        o.db = (folder / "ladder.db").string();
        server = std::make_unique<server::Server>(o, text, [](const std::string&) {});
        std::string error;
        EXPECT_TRUE(server->open(error)) << error;
        thread = std::thread([this] {
            for (int i = 0; i < kServerSteps && !stop; ++i) server->step(1);
        });
    }
    ~ServerThread() {
        end();
        server->shutdown();
    }
    void end() {
        stop = true;
        if (thread.joinable()) thread.join();
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(server->port()); }

    QtTextRenderer text;
    std::unique_ptr<server::Server> server;
    std::atomic<bool> stop{false};
    std::thread thread;
};

// The headless machine: joins the room by its code and plays its games; once the window has
// left, the room is its own and it starts them itself.
std::vector<NetGameResult> joinAndPlay(std::uint16_t port, std::string code, int arenaSide) {
    NetPeerOptions o;
    o.port = port;
    o.action = net::RoomAction::Join;
    o.room = std::move(code);
    o.names = {"Bob"};
    o.joiners = 0;
    o.games = 3;  // the window may come to watch just after one has begun or ended
    o.arenaSide = arenaSide;
    o.paced = false;
    o.waitSeconds = 20;
    o.gameSeconds = 30;
    QtTextRenderer text;
    NetPeer peer(o, text);
    std::vector<NetGameResult> games;
    std::string error;
    if (!peer.connect(error)) return games;
    while (auto r = peer.playNext()) {
        games.push_back(*r);
        if (r->stopped) break;
    }
    peer.close();
    return games;
}

// The window's game is the one the headless machine played, tick for tick.
bool sameGame(const Replay& mine, const NetGameResult& other) {
    return mine.end == ReplayEnd::Over && mine.hashes.size() >= 5 &&
           mine.hashes == other.replay.hashes && mine.endTick == other.record.ticks &&
           mine.deathOrder == other.record.deathOrder;
}

void holdEverySteeringKey(TMainWnd& w) {
    for (int key : {Qt::Key_Left, Qt::Key_Q, Qt::Key_N, Qt::Key_Insert}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(w.centralWidget(), &press);
    }
}

TEST(ServerWindow, ARoomIsCreatedJoinedByItsCodePlayedToItsEndThenWatchedByCode) {
    test::TempFolder folder;
    ServerThread srv(folder.path);
    test::WindowTest t;
    ASSERT_TRUE(t.window->seatPlayerNamed("Ann"));
    const std::string address = srv.address();

    // Create: the lobby shows the code, Copy puts it on the clipboard, Bob comes by it and
    // the owner starts; after the game the window leaves the room.
    std::future<std::vector<NetGameResult>> bob;
    QString code, copied;
    whenOpen<server::ServerDialog>([](auto&) { return true; }, [&](server::ServerDialog& d) {
        d.addressField()->setText(QString::fromStdString(address));
        d.button(net::RoomAction::Create)->click();
    });
    whenOpen<server::RoomLobby>([](server::RoomLobby& l) { return l.code().size() == 6; },
                                [&](server::RoomLobby& l) {
        code = l.code();
        l.copyButton()->click();
        copied = QApplication::clipboard()->text();
        bob = std::async(std::launch::async, joinAndPlay, srv.server->port(), code.toStdString(),
                         t.gra.arena.side());
        whenOpen<server::RoomLobby>([](server::RoomLobby& l2) { return l2.playerCount() == 2; },
                                    [](server::RoomLobby& l2) { l2.startButton()->click(); });
    });
    whenOpen<server::RoomLobby>([&](auto&) { return t.window->history().games().size() == 1; },
                                [](server::RoomLobby& l) { l.reject(); });
    t.window->menuItem("GameServer")->trigger();
    ASSERT_EQ(code.size(), 6);
    EXPECT_EQ(copied, code);
    ASSERT_EQ(t.window->history().games().size(), 1u);
    const Replay played = t.newestReplay();
    EXPECT_EQ(t.network(), nullptr);

    // Watch: the address is remembered; the window follows Bob's next game with every
    // steering key held, and leaves between games.
    QString rememberedAddress;
    std::string title, label;
    QTimer everyPass;  // the game loop lets it run once a tick
    QObject::connect(&everyPass, &QTimer::timeout, [&] {
        const std::string& shown = t.window->eventLabel().text;
        if (shown.rfind("Watching room", 0) == 0) label = shown;
    });
    everyPass.start(0);
    t.clock.onSleep = [&] {
        if (!t.gra.running || t.gra.tick < 1 || !title.empty()) return;
        holdEverySteeringKey(*t.window);
        title = t.window->windowTitle().toStdString();
    };
    whenOpen<server::ServerDialog>([](auto&) { return true; }, [&](server::ServerDialog& d) {
        rememberedAddress = d.addressField()->text();
        d.codeField()->setText(code.toLower());
        d.button(net::RoomAction::Watch)->click();
    });
    whenOpen<server::RoomLobby>([&](auto&) { return t.window->history().games().size() == 2; },
                                [](server::RoomLobby& l) { l.reject(); });
    t.window->menuItem("GameServer")->trigger();
    everyPass.stop();
    t.clock.onSleep = nullptr;
    const Replay watched = t.newestReplay();
    const std::vector<NetGameResult> bobs = bob.get();
    srv.end();

    EXPECT_EQ(rememberedAddress.toStdString(), address);
    ASSERT_GE(bobs.size(), 2u);
    EXPECT_TRUE(sameGame(played, bobs[0])) << played.endTick << " ticks against " << bobs[0].record.ticks;
    EXPECT_TRUE(std::any_of(bobs.begin() + 1, bobs.end(),
                            [&](const NetGameResult& g) { return sameGame(watched, g); }))
        << "the watched game of " << watched.endTick << " ticks is none of Bob's";
    EXPECT_EQ(title, "Watching room " + code.toStdString());
    EXPECT_EQ(label, "Watching room " + code.toStdString());
    for (const auto& g : t.window->history().games()) EXPECT_EQ(g.kind, GameKind::Server);
    EXPECT_EQ(srv.server->counts().steersDropped, 0);  // the spectator sent no keys at all
    EXPECT_EQ(t.network(), nullptr);
    EXPECT_TRUE(t.window->menuItem("GameNew")->isEnabled());
}

// A spectator coming in during a game has its start at the very first look: the lobby must
// give way to the game at once, not stay open and empty.
TEST(ServerWindow, TheLobbyGivesWayAtOnceWhenTheGameIsAlreadyOn) {
    int looks = 0;
    server::RoomLobby lobby(nullptr, [&]() -> std::optional<server::RoomLobby::View> {
        ++looks;
        return std::nullopt;
    }, [] {});
    QTimer::singleShot(2000, &lobby, [&] { lobby.reject(); });  // a lobby that hangs fails
    EXPECT_EQ(lobby.exec(), QDialog::Accepted);
    EXPECT_EQ(looks, 1);
}

}  // namespace
}  // namespace slyders
