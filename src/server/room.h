#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/net_session.h"
#include "server/ladder.h"
#include "server/room_check.h"
#include "server/room_transport.h"

namespace slyders::server {

// What a room needs of the server around it, on the network's thread.
class RoomHost {
public:
    virtual void log(const std::string& line) = 0;
    // The time of the server's pass, read once a pass for every room.
    virtual std::uint64_t passMicros() const = 0;
    // A game the server played to its end and so vouches for (the checker has kept it).
    virtual void checked() = 0;
    virtual std::vector<net::LadderRow> top() = 0;
    // The server's machine print, drawn once: every room refuses machines that differ from it.
    virtual const net::Fingerprint& fingerprint() const = 0;
    // The names no player takes in a room: the computer players' roster entries.
    virtual const std::vector<std::string>& reservedNames() const = 0;
    // The thread that plays the rooms' games, and what those games need of the server.
    virtual Checker& checker() = 0;
    virtual CheckHost& checkHost() = 0;

protected:
    ~RoomHost() = default;
};

// The counts a room adds to the server's summary.
struct RoomCounts {
    int players = 0;
    int watchers = 0;
    int steersDropped = 0;  // packets of spectators that tried to steer
};

// One room: a lockstep game whose host is the server itself, with no seat of its own. The
// first machine in it owns it and starts its games; the server plays every tick on the
// checker's thread as soon as it is released, checks every machine's state hash against its
// own and counts its own result. Spectators get the game's start and every tick's input so
// far, then the rest live.
class Room {
public:
    Room(std::string code, net::Transport& port, TextRenderer& text, RoomHost& host,
         int silentTimeoutMs);
    ~Room();

    const std::string& code() const { return m_code; }
    // A machine asked to play here: its connection and its Hello go to the room's session.
    void admit(int peer, const std::vector<std::uint8_t>& hello);
    void watch(int peer);
    void onEvent(const net::NetEvent& e);
    // Collects what came, hands the released ticks to the checker, hears what it found, tells
    // the spectators and the lobby.
    void step();
    // No player is left: the room closes.
    bool deserted() const;
    bool has(int peer) const { return m_net->has(peer); }
    // Something came for the room since its last step, its checker found something, or its
    // clocks want looking at.
    bool due(std::uint64_t now) const;
    RoomCounts counts() const;
    // The server shuts down or the room closes: every machine is told why.
    void close(net::StopReason why);

private:
    // Starting: the checker seats the owner's next game; Playing: until the checker has
    // played it to its end; Ending: the machines play it out.
    enum class Phase { Lobby, Starting, Playing, Ending };
    struct Watcher {
        int peer = 0;
        std::uint32_t sentUpTo = 0;  // ticks of the game already sent
        bool started = false;        // has the game's start
        bool waitsForNext = false;   // came when the game was played out: sees the next one
        int badPackets = 0;
    };

    void onWatcherPacket(Watcher& w, const std::vector<std::uint8_t>& bytes);
    bool ownerAsks(int peer, const std::vector<std::uint8_t>& bytes);
    int ownerPeer() const;
    void post(std::function<void(RoomCheck&)> job);
    void askChecker(net::Start choices);
    void beginGame(const net::Start& start);
    void handOverReleased();
    void hear();
    void endGame();
    void feedWatchers(bool all);
    void sendRoomState();
    std::vector<std::string> playerNames() const;

    std::string m_code;
    RoomHost& m_host;
    RoomTransport* m_net;  // owned by the session
    std::unique_ptr<net::HostSession> m_session;
    std::shared_ptr<RoomCheck> m_check;  // the checker's: it may outlive the room a moment
    std::vector<Watcher> m_watchers;
    Phase m_phase = Phase::Lobby;
    net::Start m_choices;                 // the owner's, while Starting
    std::vector<std::string> m_seated;    // the players the checker was asked to seat
    std::uint64_t m_endingSinceUs = 0;
    std::uint64_t m_lastWatcherPingUs = 0;
    int m_steersDropped = 0;
    std::string m_stateSent;  // the room state last told, to tell only changes
    bool m_due = false;
    std::uint64_t m_lastStepUs = 0;
    std::uint32_t m_handedUpTo = 0;        // the last tick handed to the checker
    std::vector<net::FrameEntry> m_frames;  // every tick released so far, for the spectators
};

}  // namespace slyders::server
