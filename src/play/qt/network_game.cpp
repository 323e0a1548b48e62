#include "play/qt/network_game.h"

#include <QCoreApplication>
#include <QSysInfo>

#include "boxes/message_boxes.h"
#include "game/game_start.h"
#include "game/gra.h"
#include "net/port_mapping.h"
#include "net/qt/net_windows.h"
#include "play/game_recording.h"
#include "replay/replay_recorder.h"
#include "play/network_seating.h"

namespace slyders {

namespace {
constexpr int kServiceEveryMs = 5;  // between games, and while a box is open
constexpr int kGuestsDoneWaitMs = 10'000;
constexpr int kGuestsDonePollMs = 5;
constexpr std::uint64_t kUsPerMs = 1000;
constexpr const char* kHostTitle = QT_TRANSLATE_NOOP("NetworkGame", "Host network game");
constexpr const char* kJoinTitle = QT_TRANSLATE_NOOP("NetworkGame", "Join network game");

std::string translated(const char* text) {
    return QCoreApplication::translate("NetworkGame", text).toStdString();
}
// The roster's human players: the entries after the two computer players'.
constexpr int kFirstHumanEntry = 2;

std::string machineName() {
    const std::string name = QSysInfo::machineHostName().toStdString();
    return name.empty() ? "this machine" : name;
}

// The host decides what is played: while a session lasts nobody changes the game locally.
constexpr std::initializer_list<MenuItem> kLockedItems{
    MenuItem::GameNew, MenuItem::GameDemo, MenuItem::GameCleartotals, MenuItem::SetupPlayers,
    MenuItem::PlayersNocomputerplayers, MenuItem::PlayersOnecomputerplayer,
    MenuItem::PlayersTwocomputerplayers, MenuItem::ComputerPoor, MenuItem::ComputerMedium,
    MenuItem::ComputerGood, MenuItem::ComputerExpert, MenuItem::SpeedSlow, MenuItem::SpeedMedium, MenuItem::SpeedFast,
    MenuItem::Settings};
}  // namespace

// ---------------------------------------------------------------- both ends

NetworkGame::NetworkGame(PlayTable& table, QWidget* parent, const NetworkPlay& play)
    : m_table(table), m_parent(parent), m_play(play) {}

NetworkGame::~NetworkGame() = default;

TickSource& NetworkGame::ticks() {
    if (m_source) return *m_source;
    return m_noGame;
}

std::string NetworkGame::waiting() const {
    if (!m_source) return {};
    const std::string& who = m_source->waitingShown();
    return who.empty() ? std::string()
                       : QCoreApplication::translate("NetworkGame", "Waiting for %1...")
                             .arg(QString::fromStdString(who))
                             .toStdString();
}

void NetworkGame::escape() {
    if (m_table.gra().running && m_table.boxes().ask(translated("Leave the network game?")))
        leave(false);
}

void NetworkGame::leave(bool closing) {
    m_leaving = true;
    m_closing = m_closing || closing;
    m_table.gra().running = false;
}

void NetworkGame::begin(bool guest) {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    m_scope.emplace(t, *this);
    m_seats = g.seats;
    m_humans = g.humans;
    m_speed = g.speedLevel;
    m_skill = g.skillLevel;
    m_arenaSide = g.arena.side();
    m_settings = settingsValues(g.settings());
    t.recording().setNetworkKind(guest ? GameKind::NetworkGuest : GameKind::NetworkHost);
    if (guest) m_ownRoster = g.scores();
    g.ResetRound();  // a network session plays a round of its own
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (!m_table.gra().running) session().service(0);
    });
    m_timer.start(kServiceEveryMs);
    t.setItemsEnabled(kLockedItems, false);
    t.updateReplayItems();
    t.showRestingTitle();
}

bool NetworkGame::playGame(const net::Start& s) {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    if (!t.useArenaSide(s.arenaSide)) {
        t.boxes().error(translated(kJoinTitle),
                        QCoreApplication::translate("NetworkGame",
                                                    "The host plays on an arena of %1 "
                                                    "pixels; the game shows arenas of up to %2.")
                            .arg(s.arenaSide)
                            .arg(kMaxArenaSide)
                            .toStdString());
        return false;
    }
    applySettings(g.settings(), s.settings);
    // A guest credits the round and shows the high scores on the host's roster, never its own.
    if (m_ownRoster) g.scores() = Scores::copyOf(s.roster);
    g.network.names = s.names;
    t.startGame(s.start);
    t.recording().setNetwork(s.ratings);
    // This machine's players steer with their own keys; the others' seats are not ours.
    std::size_t own = 0;
    for (int seat = 0; seat < kHumanSeats; ++seat) {
        HumanSeat& hs = g.seats[std::size_t(seat)];
        if ((s.yourSeats & (1u << seat)) && own < m_ownSeats.size()) {
            hs.keyPair = m_ownSeats[own++].keyPair;
        }
    }
    m_source.emplace(session(), g, t.eventLabel(), t.text(), s.yourSeats);
    t.recording().forgetLastSaved();
    t.setItemsEnabled({MenuItem::DisplayHighscores}, false);
    t.runGameLoop();
    t.setItemsEnabled({MenuItem::DisplayHighscores}, true);
    m_source.reset();
    t.invalidateScoreboard();
    return !stopped() && !m_leaving;
}

bool NetworkGame::stopped() {
    const std::optional<std::string>& why = session().stopped();
    if (!why) return false;
    if (*why == net::stopText(net::StopReason::Disagree)) m_table.recording().keepLastSaved();
    if (!m_closing) m_table.boxes().inform(*why);
    return true;
}

void NetworkGame::end() {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    m_timer.stop();
    g.running = false;
    g.seats = m_seats;
    g.humans = m_humans;
    g.speedLevel = m_speed;
    g.skillLevel = m_skill;
    g.network = NetworkSeating{};
    g.deathOrder.clear();  // no R.I.P. column beside the arena the session leaves behind
    if (m_ownRoster) g.scores() = *m_ownRoster;
    applySettings(g.settings(), m_settings);
    m_scope.reset();
    g.firstSlot = t.chosenFirstSlot();
    t.useArenaSide(m_arenaSide);
    t.setItemsEnabled(kLockedItems, true);
    t.updateReplayItems();
    t.showRestingTitle();
    if (!m_closing) t.showTitleScreen();
    t.layoutScoreBands();
    t.invalidateScoreboard();
}

// ---------------------------------------------------------------- host

void HostGame::run(std::uint16_t port) {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    if (g.demo) t.showTitleScreen();
    while (!g.AllHumansSeated() && t.setupPlayers()) {
    }
    if (!g.AllHumansSeated()) return;
    net::SessionConfig config;
    config.machine = machineName();
    config.silentTimeoutMs = m_play.silentTimeoutMs;
    config.fingerprint = net::machineFingerprint(g.text());
    for (int k = 0; k < g.humans; ++k) config.names.push_back(g.DisplayName(k + 2));
    for (int k = 0; k < 2 && k < g.scores().count(); ++k) {
        config.reserved.push_back(g.scores().entry(k).name);  // the computer players
    }
    auto host = std::make_unique<net::HostSession>(config);
    std::string error;
    if (!host->openNear(m_play.listenAddress, port, error)) {
        t.boxes().error(translated(kHostTitle), error);
        return;
    }
    // A game kept to this machine is neither told to the local network nor opened to the
    // internet. The router keeps the port open while this machine hosts, and no longer.
    std::unique_ptr<net::PortMapper> mapper;
    if (!net::isLoopback(m_play.listenAddress)) {
        std::string ignored;  // without it the game is still joined by its address
        host->advertise("", m_play.discoveryPort, ignored);
        mapper = std::make_unique<net::PortMapper>(host->port());
    }
    {
        net::NetLobby lobby(m_parent, *host, g.speedLevel, config.machine);
        lobby.watchPortMapping(mapper.get());
        lobby.startWhenJoined(m_play.startWhenJoined);
        if (lobby.exec() != QDialog::Accepted || host->guestsPresent() == 0) {
            host->close();
            return;
        }
    }
    m_host = std::move(host);
    m_ownSeats.assign(g.seats.begin(), g.seats.begin() + g.humans);
    begin(false);
    while (playGame(hostStart()) && anotherGame()) {
    }
    m_host->close();
    end();
}

// The host decides the game: its menu choices, settings, arena side and generator, with
// every machine's players seated in join order. Guests' names join the host's roster, which
// keeps the ratings and high scores of the network game.
net::Start HostGame::hostStart() {
    Gra& g = m_table.gra();
    net::Start s;
    GameStart& start = s.start;
    start = nextGameStart(g, false, 2 - m_table.chosenFirstSlot());
    const std::vector<net::SeatOwner> owners = m_host->seatOwners();
    start.humans = int(owners.size());
    start.seats = {};
    std::size_t own = 0;
    for (std::size_t i = 0; i < owners.size() && i < start.seats.size(); ++i) {
        if (owners[i].machine == 0 && own < m_ownSeats.size()) {
            start.seats[i] = m_ownSeats[own++];
            continue;
        }
        Scores& roster = g.scores();
        // A guest new to this roster is kept at once, like a name added in the players dialog.
        const int before = roster.count();
        start.seats[i] = HumanSeat{0, rosterIndexAdding(roster, owners[i].name)};
        if (roster.count() != before) roster.Save();
    }
    g.seats = start.seats;
    g.humans = start.humans;
    g.firstSlot = 2 - start.computers;
    g.network = NetworkSeating{};
    for (int slot = g.firstSlot; slot <= g.lastActive(); ++slot) {
        s.names[std::size_t(slot)] = g.DisplayName(slot);
        const int index = g.rosterIndexOfSlot(slot);
        if (index >= 0 && index < g.scores().count()) {
            s.ratings[std::size_t(slot)] = g.scores().Rating(index);
        }
    }
    s.settings = settingsValues(g.settings());
    s.arenaSide = g.arena.side();
    s.roster = g.scores().entries();
    return m_host->begin(s);
}

// Between games: the guests finish theirs, then the host decides whether another follows.
bool HostGame::anotherGame() {
    net::HostSession& host = *m_host;
    // The other machines keep the wall clock's time, whatever the window's clock says.
    const std::uint64_t until = net::nowMicros() + kGuestsDoneWaitMs * kUsPerMs;
    while (!host.guestsDone() && !host.stopped() && !m_leaving && net::nowMicros() < until) {
        host.service(kGuestsDonePollMs);
        QCoreApplication::processEvents();
    }
    if (stopped() || m_leaving) return false;
    auto everybodyLeft = [&] {
        if (host.guestsPresent() > 0) return false;
        m_table.boxes().inform(translated("Everybody else has left the network game."));
        return true;
    };
    if (everybodyLeft()) return false;
    // The others may leave while the host thinks it over.
    return m_table.boxes().ask(translated("Play another network game?")) && !everybodyLeft();
}

// ---------------------------------------------------------------- guest

void GuestGame::openJoinWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play,
                               const std::string& address) {
    Gra& g = table.gra();
    std::vector<std::string> players;
    for (int k = kFirstHumanEntry; k < g.scores().count(); ++k) {
        players.push_back(g.scores().entry(k).name);
    }
    net::JoinDialog dialog(parent, players, g.seats[0].rosterIndex - kFirstHumanEntry, address);
    // The games of the local network, or of this machine alone when play is kept to it.
    dialog.browse(net::isLoopback(play.listenAddress) ? std::vector{play.listenAddress}
                                                      : net::broadcastAddresses(),
                  play.discoveryPort);
    // A new name is added to the roster as the players dialog adds it.
    dialog.onAddPlayer([&table](const std::string& name) {
        Scores& roster = table.gra().scores();
        if (!roster.Add(PlrScore{name, 0, {}})) {
            table.boxes().inform(translated(
                "Not a valid player name: must be unique and have at least two characters."));
            return false;
        }
        roster.Save();
        return true;
    });
    GuestGame guest(table, parent, play);
    // The window stays open with what was typed until the host is joined or the player gives
    // up: a wrong password or a mistyped address is mended in place.
    dialog.onJoin([&] {
        return dialog.player() >= 0 &&
               guest.connect(dialog.address(), dialog.player() + kFirstHumanEntry,
                             dialog.password());
    });
    if (dialog.exec() != QDialog::Accepted) return;
    guest.play();
}

void GuestGame::run(const std::string& address, int rosterIndex, const std::string& password) {
    if (connect(address, rosterIndex, password)) play();
}

bool GuestGame::connect(const std::string& address, int rosterIndex, const std::string& password) {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    std::string hostName, error;
    std::uint16_t port = net::kDefaultPort;
    if (!net::splitHostPort(address, hostName, port, error)) {
        t.boxes().error(translated(kJoinTitle), error);
        return false;
    }
    if (rosterIndex < 0 || rosterIndex >= g.scores().count()) return false;
    net::SessionConfig config;
    config.password = password;
    config.machine = machineName();
    config.silentTimeoutMs = m_play.silentTimeoutMs;
    config.fingerprint = net::machineFingerprint(g.text());
    config.names = {g.scores().entry(rosterIndex).name};
    auto guest = std::make_unique<net::GuestSession>(config);
    if (!guest->join(hostName, port, m_play.joinTimeoutMs, error)) {
        t.boxes().error(translated(kJoinTitle), error);
        return false;
    }
    m_hostName = hostName;
    m_rosterIndex = rosterIndex;
    m_guest = std::move(guest);
    return true;
}

void GuestGame::play() {
    Gra& g = m_table.gra();
    m_ownSeats = {HumanSeat{g.seats[0].keyPair, m_rosterIndex}};
    begin(true);
    QString text = QCoreApplication::translate(
                       "NetworkGame", "Joined %1. Waiting for the host to start the game...")
                       .arg(QString::fromStdString(m_hostName));
    for (;;) {
        std::optional<net::Start> start;
        bool waited = false;
        {
            // Gone before the game starts: while the game plays nothing may take the next
            // start the host sends.
            net::WaitWindow wait(m_parent, text, [this, &start] {
                m_guest->service(0);
                start = m_guest->takeStart();
                return start || m_guest->stopped() || m_leaving;
            });
            waited = wait.exec() == QDialog::Accepted;
        }
        if (!waited || !start) {
            stopped();
            break;
        }
        if (!playGame(*start)) break;
        text = QCoreApplication::translate("NetworkGame",
                                           "Waiting for the host to start the next game...");
    }
    m_guest->leave();
    end();
}

}  // namespace slyders
