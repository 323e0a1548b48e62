#include "play/qt/server_game.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSysInfo>
#include <random>

#include "boxes/message_boxes.h"
#include "game/gra.h"
#include "net/fingerprint.h"
#include "play/game_recording.h"
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

void ServerGame::openServerWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play) {
    server::ServerDialog dialog(parent, QSettings().value(kAddressKey).toString().toStdString());
    ServerGame game(table, parent, play);
    dialog.onChoose([&] {
        QSettings().setValue(kAddressKey, QString::fromStdString(dialog.address()));
        return game.connect(dialog.address(), dialog.action(), dialog.code());
    });
    if (dialog.exec() != QDialog::Accepted) return;
    game.play();
}

void ServerGame::run(const std::string& address, net::RoomAction action, const std::string& code) {
    if (connect(address, action, code)) play();
}

bool ServerGame::connect(const std::string& address, net::RoomAction action,
                         const std::string& code) {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    std::string host, error;
    std::uint16_t port = net::kDefaultPort;
    if (!net::splitHostPort(address, host, port, error)) {
        t.boxes().error(kTitle, error);
        return false;
    }
    net::SessionConfig config;
    config.machine = QSysInfo::machineHostName().toStdString();
    config.silentTimeoutMs = m_play.silentTimeoutMs;
    config.action = action;
    config.room = code;
    config.fingerprint = net::machineFingerprint(g.text());
    const int index = g.seats[0].rosterIndex;
    if (action != net::RoomAction::Watch) {
        if (index < 0 || index >= g.scores().count()) {
            t.boxes().error(kTitle, "Seat a player first (Players > Set up human players...).");
            return false;
        }
        config.names = {g.scores().entry(index).name};
        config.secrets = {secretOf(config.names[0])};
        m_ownSeats = {HumanSeat{g.seats[0].keyPair, index}};
    }
    auto guest = std::make_unique<net::GuestSession>(config);
    if (!guest->join(host, port, kJoinTimeoutMs, error)) {
        t.boxes().error(kTitle, error);
        return false;
    }
    m_guest = std::move(guest);
    return true;
}

// The owner's choices for the room's next game, as a host would make them.
net::Start ServerGame::choices() {
    Gra& g = m_table.gra();
    net::Start s;
    s.start.computers = 2 - m_table.chosenFirstSlot();
    s.start.skill = g.skillLevel;
    s.start.speed = g.speedLevel;
    s.start.seed = std::random_device{}() | 1u;
    s.settings = settingsValues(g.settings());
    s.arenaSide = g.arena.side();
    return s;
}

void ServerGame::play() {
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
                [this] { m_guest->requestStart(choices()); });
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

}  // namespace slyders
