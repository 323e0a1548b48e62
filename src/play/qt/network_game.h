#pragma once

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/net_session.h"
#include "play/local_game.h"
#include "play/net_tick_source.h"
#include "players/scores.h"
#include "replay/replay.h"

class QWidget;

namespace slyders {

// Network play as this window does it: the address the host listens at ("" every address of
// the machine), how long a join waits for the host, how long a silent machine is waited
// for, and a lobby that starts by itself once this many guests are in (0: the Start button
// only).
struct NetworkPlay {
    std::string listenAddress;
    int joinTimeoutMs = 5000;
    int silentTimeoutMs = 10000;
    int startWhenJoined = 0;
    // Where hosts answer the join windows of the local network.
    std::uint16_t discoveryPort = net::kDiscoveryPort;
};

// A network session, host or guest: games played in lockstep with the other machines, each
// ending as at one keyboard, and everything this machine lent given back when it ends: its
// seats and choices, its settings, its arena side and, at a guest, its own roster.
class NetworkGame : public PlayMode {
public:
    TickSource& ticks() override;
    void escape() override;
    void gameOver(int winner) override { announceRoundEnd(m_table, winner); }
    bool isSession() const override { return true; }
    bool playsInBackground() const override { return true; }
    std::string restingTitle() const override { return "Slyders (network game)"; }
    void windowClosing() override { leave(true); }

    // "Waiting for NAME..." while the label says so, otherwise empty.
    std::string waiting() const;

protected:
    NetworkGame(PlayTable& table, QWidget* parent, const NetworkPlay& play);
    ~NetworkGame() override;

    virtual net::Session& session() = 0;
    // The session has begun: this machine's state is kept aside and the window locked; a
    // guest's roster too, as it plays on the host's.
    void begin(bool guest);
    // One game as the host started it; false when the session is over.
    bool playGame(const net::Start& start);
    // Tells why the session stopped the game, once; a disagreement keeps the replay.
    bool stopped();
    void end();
    void leave(bool closing);

    PlayTable& m_table;
    QWidget* m_parent;
    NetworkPlay m_play;
    std::vector<HumanSeat> m_ownSeats;  // this machine's players, in seat order
    bool m_leaving = false;             // the player left, or the window closes

private:
    std::optional<ModeScope> m_scope;
    std::optional<NetTickSource> m_source;
    LocalTickSource m_noGame;
    bool m_closing = false;  // the window closes: no more boxes
    QTimer m_timer;

    std::array<HumanSeat, kHumanSeats> m_seats{};
    int m_humans = 1, m_speed = 1, m_skill = 2, m_arenaSide = 0;
    std::array<std::int32_t, kReplaySettingCount> m_settings{};
    std::optional<Scores> m_ownRoster;  // a guest plays on a copy of the host's
};

// Hosting: the lobby, then as many games as the host wants, each decided by the host.
class HostGame final : public NetworkGame {
public:
    HostGame(PlayTable& table, QWidget* parent, const NetworkPlay& play)
        : NetworkGame(table, parent, play) {}
    // Opens the port and the lobby; the games are played when the lobby starts them.
    void run(std::uint16_t port);

private:
    net::Session& session() override { return *m_host; }
    net::Start hostStart();
    bool anotherGame();

    std::unique_ptr<net::HostSession> m_host;
};

// Joining: the host's games, with one player of this machine's roster.
class GuestGame final : public NetworkGame {
public:
    GuestGame(PlayTable& table, QWidget* parent, const NetworkPlay& play)
        : NetworkGame(table, parent, play) {}
    // The join window, with the address filled in; joins when it is accepted.
    static void openJoinWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play,
                               const std::string& address);
    // Joins and plays the host's games; a failure to join is said in a box.
    void run(const std::string& address, int rosterIndex, const std::string& password);
    // Only the joining: false, with the reason said in a box, when the host cannot be joined.
    bool connect(const std::string& address, int rosterIndex, const std::string& password);
    // Plays the host's games once joined.
    void play();

private:
    net::Session& session() override { return *m_guest; }

    std::unique_ptr<net::GuestSession> m_guest;
    std::string m_hostName;  // as typed, for the wait window
    int m_rosterIndex = -1;  // this machine's player
};

}  // namespace slyders
