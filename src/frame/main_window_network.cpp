// The main window's network games: the host's lobby and the guest's join window, the games
// played in lockstep with the other machines, and everything put back when the session ends.
#include <QAction>
#include <QCoreApplication>
#include <QSysInfo>
#include <QTimer>

#include "frame/main_window.h"
#include "frame/net_tick_source.h"
#include "game/game_start.h"
#include "net/net_session.h"
#include "net/qt/net_windows.h"

namespace slyders {

namespace {
constexpr int kServiceEveryMs = 5;  // between games, and while a box is open
constexpr int kGuestsDoneWaitMs = 10'000;
constexpr int kGuestsDonePollMs = 5;
constexpr const char* kHostTitle = "Host network game";
constexpr const char* kJoinTitle = "Join network game";

std::string machineName() {
    const std::string name = QSysInfo::machineHostName().toStdString();
    return name.empty() ? "this machine" : name;
}
}  // namespace

// The session, and what the window gives back when it ends: the seats and choices of this
// machine, its settings, its arena side and, at a guest, its own roster.
struct TMainWnd::Network {
    std::unique_ptr<net::HostSession> host;
    std::unique_ptr<net::GuestSession> guest;
    std::optional<NetTickSource> source;
    std::vector<HumanSeat> ownSeats;  // this machine's players, in seat order
    std::string hostName;             // as the guest typed it
    bool leaving = false;             // the player left, or the window closes
    bool closing = false;             // the window closes: no more boxes
    QTimer timer;

    std::array<HumanSeat, kHumanSeats> seats{};
    int humans = 1, firstSlot = 1, speed = 1, skill = 2, arenaSide = 0;
    std::array<std::int32_t, kReplaySettingCount> settings{};
    std::optional<Scores> ownRoster;  // a guest plays on a copy of the host's

    net::Session& session() {
        if (host) return *host;
        return *guest;
    }
};

void TMainWnd::NetworkEnd::operator()(Network* network) const {
    delete network;
}

std::string TMainWnd::networkWaiting() const {
    if (!m_net || !m_net->source) return {};
    const std::string& who = m_net->source->waitingShown();
    return who.empty() ? std::string() : "Waiting for " + who + "...";
}

// ---------------------------------------------------------------- host

void TMainWnd::GameHostClick() {
    hostNetworkGame(net::kDefaultPort);
}

void TMainWnd::hostNetworkGame(std::uint16_t port) {
    if (m_gra.running || m_watch || m_net) return;
    if (m_gra.demo) ShowTitleScreen();
    while (!m_gra.AllHumansSeated() && m_hooks.playersDialog) SetupPlayersClick();
    if (!m_gra.AllHumansSeated()) return;
    net::SessionConfig config;
    config.machine = machineName();
    config.silentTimeoutMs = m_hooks.network.silentTimeoutMs;
    for (int k = 0; k < m_gra.humans; ++k) config.names.push_back(m_gra.DisplayName(k + 2));
    for (int k = 0; k < 2 && k < m_gra.scores().count(); ++k) {
        config.reserved.push_back(m_gra.scores().entry(k).name);  // the computer players
    }
    auto host = std::make_unique<net::HostSession>(config);
    std::string error;
    if (!host->open(m_hooks.network.listenAddress, port, error)) {
        m_boxes.error(kHostTitle, error);
        return;
    }
    {
        net::NetLobby lobby(this, *host, m_gra.speedLevel, config.machine);
        lobby.startWhenJoined(m_hooks.network.startWhenJoined);
        if (lobby.exec() != QDialog::Accepted || host->guestsPresent() == 0) {
            host->close();
            return;
        }
    }
    auto* network = new Network;
    network->host = std::move(host);
    network->ownSeats.assign(m_gra.seats.begin(), m_gra.seats.begin() + m_gra.humans);
    beginNetwork(network);
    while (playNetworkGame(hostStart()) && hostAnotherGame()) {
    }
    endNetwork();
}

// The host decides the game: its menu choices, settings, arena side and generator, with
// every machine's players seated in join order. Guests' names join the host's roster, which
// keeps the ratings and high scores of the network game.
net::Start TMainWnd::hostStart() {
    net::HostSession& host = *m_net->host;
    net::Start s;
    GameStart& g = s.start;
    g = nextGameStart(m_gra, false, 2 - m_chosenFirstSlot);
    const std::vector<net::SeatOwner> owners = host.seatOwners();
    g.humans = int(owners.size());
    g.seats = {};
    std::size_t own = 0;
    for (std::size_t i = 0; i < owners.size() && i < g.seats.size(); ++i) {
        if (owners[i].machine == 0 && own < m_net->ownSeats.size()) {
            g.seats[i] = m_net->ownSeats[own++];
            continue;
        }
        Scores& roster = m_gra.scores();
        roster.Add(PlrScore{owners[i].name, 0, {}});
        int index = -1;
        for (int k = 0; k < roster.count(); ++k) {
            if (roster.entry(k).name == owners[i].name) index = k;
        }
        g.seats[i] = HumanSeat{0, index};
    }
    m_gra.seats = g.seats;
    m_gra.humans = g.humans;
    m_gra.firstSlot = 2 - g.computers;
    m_gra.network = NetworkSeating{};
    for (int slot = m_gra.firstSlot; slot <= m_gra.lastActive(); ++slot) {
        s.names[std::size_t(slot)] = m_gra.DisplayName(slot);
        const int index = m_gra.rosterIndexOfSlot(slot);
        if (index >= 0 && index < m_gra.scores().count()) {
            s.ratings[std::size_t(slot)] = m_gra.scores().Rating(index);
        }
    }
    s.settings = settingsValues(m_gra.settings());
    s.arenaSide = m_gra.arena.side();
    s.roster = m_gra.scores().entries();
    return host.begin(s);
}

// Between games: the guests finish theirs, then the host decides whether another follows.
bool TMainWnd::hostAnotherGame() {
    net::HostSession& host = *m_net->host;
    // The other machines keep the wall clock's time, whatever the window's clock says.
    const std::uint64_t until = net::nowMicros() + kGuestsDoneWaitMs * 1000ull;
    while (!host.guestsDone() && !host.stopped() && !m_net->leaving && net::nowMicros() < until) {
        host.service(kGuestsDonePollMs);
        QCoreApplication::processEvents();
    }
    if (networkStopped() || m_net->leaving) return false;
    auto everybodyLeft = [&] {
        if (host.guestsPresent() > 0) return false;
        m_boxes.inform("Everybody else has left the network game.");
        return true;
    };
    if (everybodyLeft()) return false;
    // The others may leave while the host thinks it over.
    return m_boxes.ask("Play another network game?") && !everybodyLeft();
}

// ---------------------------------------------------------------- guest

void TMainWnd::GameJoinClick() {
    openJoinWindow({});
}

void TMainWnd::openJoinWindow(const std::string& address) {
    if (m_gra.running || m_watch || m_net) return;
    // The roster's human players: the entries after the two computer players'.
    constexpr int kFirstHumanEntry = 2;
    std::vector<std::string> players;
    for (int k = kFirstHumanEntry; k < m_gra.scores().count(); ++k) {
        players.push_back(m_gra.scores().entry(k).name);
    }
    net::JoinDialog dialog(this, players, m_gra.seats[0].rosterIndex - kFirstHumanEntry, address);
    if (dialog.exec() != QDialog::Accepted || dialog.player() < 0) return;
    joinNetworkGame(dialog.address(), dialog.player() + kFirstHumanEntry, dialog.password());
}

void TMainWnd::joinNetworkGame(const std::string& address, int rosterIndex,
                               const std::string& password) {
    if (m_gra.running || m_watch || m_net) return;
    std::string hostName, error;
    std::uint16_t port = net::kDefaultPort;
    if (!net::splitHostPort(address, hostName, port, error)) {
        m_boxes.error(kJoinTitle, error);
        return;
    }
    if (rosterIndex < 0 || rosterIndex >= m_gra.scores().count()) return;
    net::SessionConfig config;
    config.password = password;
    config.machine = machineName();
    config.silentTimeoutMs = m_hooks.network.silentTimeoutMs;
    config.names = {m_gra.scores().entry(rosterIndex).name};
    auto guest = std::make_unique<net::GuestSession>(config);
    if (!guest->join(hostName, port, m_hooks.network.joinTimeoutMs, error)) {
        m_boxes.error(kJoinTitle, error);
        return;
    }
    auto* network = new Network;
    network->guest = std::move(guest);
    network->hostName = hostName;
    network->ownSeats = {HumanSeat{m_gra.seats[0].keyPair, rosterIndex}};
    beginNetwork(network);
    QString text = QString("Joined %1. Waiting for the host to start the game...")
                       .arg(QString::fromStdString(hostName));
    for (;;) {
        std::optional<net::Start> start;
        bool waited = false;
        {
            // Gone before the game starts: while the game plays nothing may take the next
            // start the host sends.
            net::WaitWindow wait(this, text, [this, &start] {
                net::GuestSession& g = *m_net->guest;
                g.service(0);
                start = g.takeStart();
                return start || g.stopped() || m_net->leaving;
            });
            waited = wait.exec() == QDialog::Accepted;
        }
        if (!waited || !start) {
            networkStopped();
            break;
        }
        if (!playNetworkGame(*start)) break;
        text = "Waiting for the host to start the next game...";
    }
    endNetwork();
}

bool TMainWnd::seatPlayerNamed(const std::string& name) {
    Scores& roster = m_gra.scores();
    roster.Add(PlrScore{name, 0, {}});
    for (int k = 0; k < roster.count(); ++k) {
        if (roster.entry(k).name != name) continue;
        m_gra.seats[0].rosterIndex = k;
        for (int s = 1; s < kHumanSeats; ++s) {
            if (m_gra.seats[std::size_t(s)].rosterIndex == k)
                m_gra.seats[std::size_t(s)].rosterIndex = -1;
        }
        if (!m_gra.AllHumansSeated()) m_gra.humans = 1;
        LayoutScoreBands();
        InvalidateScoreboard();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- both ends

void TMainWnd::beginNetwork(Network* network) {
    m_net.reset(network);
    Network& n = *m_net;
    n.seats = m_gra.seats;
    n.humans = m_gra.humans;
    n.firstSlot = m_gra.firstSlot;
    n.speed = m_gra.speedLevel;
    n.skill = m_gra.skillLevel;
    n.arenaSide = m_gra.arena.side();
    n.settings = settingsValues(m_gra.settings());
    if (n.guest) n.ownRoster = m_gra.scores();
    m_gra.ResetRound();  // a network session plays a round of its own
    connect(&n.timer, &QTimer::timeout, this, [this] {
        if (m_net && !m_gra.running) m_net->session().service(0);
    });
    n.timer.start(kServiceEveryMs);
    setNetworkItemsEnabled(false);
    setWindowTitle(restingTitle());
}

// One game as the host started it; false when the session is over.
bool TMainWnd::playNetworkGame(const net::Start& s) {
    Network& n = *m_net;
    if (!useArenaSide(s.arenaSide)) {
        m_boxes.error(kJoinTitle, "The host plays on an arena of " + std::to_string(s.arenaSide) +
                                      " pixels; this window has room for " +
                                      std::to_string(m_window.height()) + ".");
        return false;
    }
    applySettings(m_gra.settings(), s.settings);
    // A guest credits the round and shows the high scores on the host's roster, never its own.
    if (n.guest) m_gra.scores() = Scores::copyOf(s.roster);
    m_gra.network.names = s.names;
    startGame(s.start);
    m_recorder.setNetwork(s.ratings);
    // This machine's players steer with their own keys; the others' seats are not ours.
    std::size_t own = 0;
    for (int seat = 0; seat < kHumanSeats; ++seat) {
        HumanSeat& hs = m_gra.seats[std::size_t(seat)];
        if ((s.yourSeats & (1u << seat)) && own < n.ownSeats.size()) {
            hs.keyPair = n.ownSeats[own++].keyPair;
        }
    }
    n.source.emplace(n.session(), m_gra, m_label, m_text, s.yourSeats);
    m_source = &*n.source;
    m_lastSavedReplay.reset();
    m_menu.DisplayHighscores->setEnabled(false);
    RunGameLoop();
    m_menu.DisplayHighscores->setEnabled(true);
    m_source = nullptr;
    n.source.reset();
    InvalidateScoreboard();
    return !networkStopped() && !n.leaving;
}

// Tells why the session stopped the game, once; a disagreement keeps this machine's replay.
bool TMainWnd::networkStopped() {
    Network& n = *m_net;
    const std::optional<std::string>& why = n.session().stopped();
    if (!why) return false;
    if (*why == net::stopText(net::StopReason::Disagree) && m_lastSavedReplay) {
        std::string error;
        if (const auto kept = m_replays.keep(*m_lastSavedReplay, error)) m_lastSavedReplay = kept;
    }
    if (!n.closing) m_boxes.inform(*why);
    return true;
}

void TMainWnd::endNetwork() {
    Network& n = *m_net;
    n.timer.stop();
    if (n.host) n.host->close();
    if (n.guest) n.guest->leave();
    m_gra.running = false;
    m_gra.seats = n.seats;
    m_gra.humans = n.humans;
    m_gra.speedLevel = n.speed;
    m_gra.skillLevel = n.skill;
    m_gra.network = NetworkSeating{};
    if (n.ownRoster) m_gra.scores() = *n.ownRoster;
    applySettings(m_gra.settings(), n.settings);
    const int side = n.arenaSide;
    const bool closing = n.closing;
    m_net.reset();
    m_gra.firstSlot = m_chosenFirstSlot;
    useArenaSide(side);
    setNetworkItemsEnabled(true);
    setWindowTitle(restingTitle());
    if (!closing) ShowTitleScreen();
    LayoutScoreBands();
    InvalidateScoreboard();
}

void TMainWnd::leaveNetwork(bool closing) {
    if (!m_net) return;
    m_net->leaving = true;
    m_net->closing = m_net->closing || closing;
    m_gra.running = false;
}

void TMainWnd::askLeaveNetwork() {
    if (m_net && m_gra.running && m_boxes.ask("Leave the network game?")) leaveNetwork(false);
}

// The host decides what is played: while a session lasts nobody changes the game locally.
void TMainWnd::setNetworkItemsEnabled(bool enabled) {
    const MenuItems& m = m_menu;
    for (QAction* item :
         {m.GameNew, m.GameDemo, m.GameCleartotals, m.SetupPlayers, m.PlayersNocomputerplayers,
          m.PlayersOnecomputerplayer, m.PlayersTwocomputerplayers, m.ComputerPoor, m.ComputerMedium,
          m.ComputerGood, m.ComputerExpert, m.SpeedSlow, m.SpeedMedium, m.SpeedFast, m.Settings}) {
        item->setEnabled(enabled);
    }
    updateReplayItems();
}

}  // namespace slyders
