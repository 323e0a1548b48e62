// "Play on a server..." in the window, against a real server on 127.0.0.1 and a headless
// machine: a room created, joined by its code and played to its end, then watched by code.
#include <QClipboard>
#include <QLineEdit>

#include "../net/net_test_support.h"
#include "frame_fixture.h"
#include "play/qt/watch_room.h"
#include "server/qt/server_windows.h"
#include "server/server.h"

namespace slyders {
namespace {

using test::whenOpen;
constexpr int kServerSteps = 120'000;  // the server's thread ends by itself after a few minutes

// The dedicated server, with the window's fonts, stepped in a thread of its own.
struct ServerThread {
    explicit ServerThread(const std::filesystem::path& folder) {
        const server::ServerOptions o{.address = "127.0.0.1", .port = test::testPort(60),
                                      .db = (folder / "ladder.db").string()};
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

// The window's game is the one the headless machine played, tick for tick.
bool sameGame(const Replay& mine, const NetGameResult& other) {
    return mine.end == ReplayEnd::Over && mine.hashes.size() >= 5 &&
           mine.hashes == other.replay.hashes && mine.endTick == other.record.ticks &&
           mine.deathOrder == other.record.deathOrder;
}

TEST(ServerWindow, ARoomIsCreatedJoinedByItsCodePlayedToItsEndThenWatchedByCode) {
    test::TempFolder folder;
    ServerThread srv(folder.path);
    test::WindowTest t;
    ASSERT_TRUE(t.window->seatPlayerNamed("Ann"));
    const std::string address = srv.address();

    // Create: the lobby shows the code, Copy puts it on the clipboard, Bob (a headless machine)
    // comes by it and the owner starts; after the game the window leaves the room, and Bob, the
    // room's own, starts its games himself. The window may come to watch just after one has
    // begun or ended: Bob plays three.
    std::future<test::PeerRun> bob;
    QString code, copied;
    whenOpen<server::ServerDialog>([&](server::ServerDialog& d) {
        d.addressField()->setText(QString::fromStdString(address));
        d.button(net::RoomAction::Create)->click();
    });
    whenOpen<server::RoomLobby>([](server::RoomLobby& l) { return l.code().size() == 6; },
                                [&](server::RoomLobby& l) {
        code = l.code();
        l.copyButton()->click();
        copied = QApplication::clipboard()->text();
        const NetPeerOptions o{.port = srv.server->port(), .games = 3,
                               .arenaSide = t.gra.arena.side(), .joiners = 0, .waitSeconds = 20,
                               .paced = false, .gameSeconds = 30, .action = net::RoomAction::Join,
                               .room = code.toStdString(), .names = {"Bob"}};
        bob = std::async(std::launch::async, test::runPeer<QtTextRenderer>, o);
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
        for (int key : {Qt::Key_Left, Qt::Key_Q, Qt::Key_N, Qt::Key_Insert})
            test::pressKey(*t.window, key);
        title = t.window->windowTitle().toStdString();
    };
    whenOpen<server::ServerDialog>([&](server::ServerDialog& d) {
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
    const std::vector<NetGameResult> bobs = bob.get().games;
    srv.end();

    EXPECT_EQ(rememberedAddress.toStdString(), address);
    ASSERT_GE(bobs.size(), 2u);
    EXPECT_TRUE(sameGame(played, bobs[0])) << played.endTick << " ticks against " << bobs[0].record.ticks;
    EXPECT_TRUE(std::any_of(bobs.begin() + 1, bobs.end(),
                            [&](const NetGameResult& g) { return sameGame(watched, g); }))
        << "the watched game of " << watched.endTick << " ticks is none of Bob's";
    EXPECT_EQ(std::pair(title, label), std::pair("Watching room " + code.toStdString(),
                                                 "Watching room " + code.toStdString()));
    for (const auto& g : t.window->history().games()) EXPECT_EQ(g.kind, GameKind::Server);
    EXPECT_EQ(srv.server->counts().steersDropped, 0);  // the spectator sent no keys at all
    EXPECT_TRUE(t.network() == nullptr && t.window->menuItem("GameNew")->isEnabled());
}

// A spectator coming in during a game has its start at the very first look: the lobby must
// give way to the game at once, not stay open and empty.
TEST(ServerWindow, TheLobbyGivesWayAtOnceWhenTheGameIsAlreadyOn) {
    int looks = 0;
    server::RoomLobby lobby(nullptr, [&]() -> std::optional<server::RoomLobby::View> {
        return ++looks, std::nullopt;
    }, [] {});
    QTimer::singleShot(2000, &lobby, [&] { lobby.reject(); });  // a lobby that hangs fails
    EXPECT_EQ(lobby.exec(), QDialog::Accepted);
    EXPECT_EQ(looks, 1);
}

}  // namespace
}  // namespace slyders
