#include "play/qt/server_game.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSysInfo>
#include <random>

#include "boxes/message_boxes.h"
#include "game/gra.h"
#include "net/fingerprint.h"
#include "play/game_recording.h"
#include "play/qt/watch_room.h"
#include "replay/replay_recorder.h"
#include "server/qt/server_windows.h"

namespace slyders {

namespace {
constexpr int kJoinTimeoutMs = 5000;
constexpr const char* kTitle = "Play on a server";
constexpr const char* kAddressKey = "Server/address";
constexpr const char* kSecretsGroup = "ServerSecrets";
constexpr int kSecretBytes = 16;

// The random secret this machine sends with a player's name: a name on a server belongs to
// the machine that first played under it there.
std::string secretOf(const std::string& name) {
    QSettings settings;
    const QString key = QString(kSecretsGroup) + "/" + QString::fromStdString(name).toUtf8().toHex();
    QString secret = settings.value(key).toString();
    if (secret.isEmpty()) {
        std::random_device random;
        QByteArray bytes;
        for (int i = 0; i < kSecretBytes; ++i) bytes.append(char(random() & 0xFF));
        secret = QString::fromLatin1(bytes.toHex());
        settings.setValue(key, secret);
    }
    return secret.toStdString();
}
}  // namespace

// ---------------------------------------------------------------- any room

std::unique_ptr<RoomGame> RoomGame::forAction(PlayTable& table, QWidget* parent,
                                              const NetworkPlay& play, net::RoomAction action) {
    if (action == net::RoomAction::Watch) return std::make_unique<WatchRoom>(table, parent, play);
    return std::make_unique<ServerGame>(table, parent, play, action);
}

void RoomGame::openServerWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play) {
    server::ServerDialog dialog(parent, QSettings().value(kAddressKey).toString().toStdString());
    std::unique_ptr<RoomGame> game;
    dialog.onChoose([&] {
        QSettings().setValue(kAddressKey, QString::fromStdString(dialog.address()));
        game = forAction(table, parent, play, dialog.action());
        return game->connect(dialog.address(), dialog.code());
    });
    if (dialog.exec() != QDialog::Accepted || !game) return;
    game->play();
}

void RoomGame::run(PlayTable& table, QWidget* parent, const NetworkPlay& play,
                   const std::string& address, net::RoomAction action, const std::string& code) {
    const std::unique_ptr<RoomGame> game = forAction(table, parent, play, action);
    if (game->connect(address, code)) game->play();
}

bool RoomGame::connect(const std::string& address, const std::string& code) {
    PlayTable& t = m_table;
    std::string host, error;
    std::uint16_t port = net::kDefaultPort;
    if (!net::splitHostPort(address, host, port, error)) {
        t.boxes().error(kTitle, error);
        return false;
    }
    net::SessionConfig config;
    config.machine = QSysInfo::machineHostName().toStdString();
    config.silentTimeoutMs = m_play.silentTimeoutMs;
    config.action = m_action;
    config.room = code;
    config.fingerprint = net::machineFingerprint(t.gra().text());
    if (!bring(config)) return false;
    auto guest = std::make_unique<net::GuestSession>(config);
    if (!guest->join(host, port, kJoinTimeoutMs, error)) {
        t.boxes().error(kTitle, error);
        return false;
    }
    m_guest = std::move(guest);
    return true;
}

void RoomGame::play() {
    begin(true);  // the server's roster is shown, this machine's is given back at the end
    m_table.recording().setNetworkKind(GameKind::Server);  // the history tells rooms apart
    m_guest->askLadder();
    for (;;) {
        std::optional<net::Start> start;
        bool waited = false;
        {
            server::RoomLobby lobby(
                m_parent,
                [this, &start]() -> std::optional<server::RoomLobby::View> {
                    m_guest->service(0);
                    start = m_guest->takeStart();
                    if (start || m_guest->stopped() || m_leaving) return std::nullopt;
                    server::RoomLobby::View v;
                    v.code = m_guest->roomCode();
                    if (const auto& room = m_guest->roomState()) {
                        v.owner = room->youOwn;
                        v.playing = room->playing;
                        v.watchers = room->watchers;
                        v.players = room->players;
                    }
                    v.ladder = m_guest->ladder();
                    return v;
                },
                [this] { askForGame(); });
            waited = lobby.exec() == QDialog::Accepted;
        }
        if (!waited || !start) {
            stopped();
            break;
        }
        if (!playGame(*start)) break;
    }
    m_guest->leave();
    end();
}

// ---------------------------------------------------------------- a player

bool ServerGame::bring(net::SessionConfig& config) {
    Gra& g = m_table.gra();
    const int index = g.seats[0].rosterIndex;
    if (index < 0 || index >= g.scores().count()) {
        m_table.boxes().error(kTitle, "Seat a player first (Players > Set up human players...).");
        return false;
    }
    config.names = {g.scores().entry(index).name};
    config.secrets = {secretOf(config.names[0])};
    m_ownSeats = {HumanSeat{g.seats[0].keyPair, index}};
    return true;
}

// The owner's choices for the room's next game, as a host would make them.
void ServerGame::askForGame() {
    Gra& g = m_table.gra();
    net::Start s;
    s.start.computers = 2 - m_table.chosenFirstSlot();
    s.start.skill = g.skillLevel;
    s.start.speed = g.speedLevel;
    s.start.seed = std::random_device{}() | 1u;
    s.settings = settingsValues(g.settings());
    s.arenaSide = g.arena.side();
    requestGame(s);
}

}  // namespace slyders
