#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "net/net_session.h"
#include "params/app_settings.h"
#include "play/tick_source.h"
#include "players/scores.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "server/ladder.h"
#include "server/room_transport.h"

namespace slyders::server {

// What a room needs of the server around it.
class RoomHost {
public:
    virtual void log(const std::string& line) = 0;
    // The server's roster, which every room's games rate their players in.
    virtual Scores& roster() = 0;
    // A checked game and the roster it changed, to keep.
    virtual void record(const CheckedGame& game) = 0;
    virtual std::vector<net::LadderRow> top() = 0;
    // The server's machine print, drawn once: every room refuses machines that differ from it.
    virtual const net::Fingerprint& fingerprint() const = 0;

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
// first machine in it owns it and starts its games; the server plays every tick as soon as
// it is released, checks every machine's state hash against its own and counts its own
// result. Spectators get the game's start and every tick's input so far, then the rest live.
class Room : private TickSource {
public:
    Room(std::string code, net::Transport& port, TextRenderer& text, RoomHost& host,
         int silentTimeoutMs);
    ~Room() override;

    const std::string& code() const { return m_code; }
    // A machine asked to play here: its connection and its Hello go to the room's session.
    void admit(int peer, const std::vector<std::uint8_t>& hello);
    void watch(int peer);
    void onEvent(const net::NetEvent& e);
    // Collects what came, plays what was released, tells the spectators and the lobby.
    void step();
    // No player is left: the room closes.
    bool deserted() const;
    bool has(int peer) const { return m_net->has(peer); }
    RoomCounts counts() const;
    int gamesChecked() const { return m_gamesChecked; }
    // The server shuts down or the room closes: every machine is told why.
    void close(net::StopReason why);

private:
    enum class Phase { Lobby, Playing, Ending };
    struct Watcher {
        int peer = 0;
        std::uint32_t sentUpTo = 0;  // ticks of the game already sent
        bool started = false;        // has the game's start
        int badPackets = 0;
    };

    void onWatcherPacket(Watcher& w, const std::vector<std::uint8_t>& bytes);
    bool ownerAsks(int peer, const std::vector<std::uint8_t>& bytes);
    int ownerPeer() const;
    void beginGame(const net::Start& choices);
    void prepare(const net::Start& start);
    void playReleased();
    void finishGame();
    void feedWatchers(bool all);
    void sendRoomState();
    std::vector<std::string> playerNames() const;
    std::optional<TickInput> inputFor(std::int32_t, const TickInput&) override { return {}; }
    std::uint8_t leavesOfTick() const override { return m_leaves; }
    void played(const Gra& gra, bool over) override;

    std::string m_code;
    net::Transport& m_port;
    RoomHost& m_host;
    RoomTransport* m_net;  // owned by the session
    std::unique_ptr<net::HostSession> m_session;
    std::vector<Watcher> m_watchers;
    Phase m_phase = Phase::Lobby;
    std::uint64_t m_endingSinceUs = 0;
    std::uint64_t m_lastWatcherPingUs = 0;
    int m_gamesChecked = 0;
    int m_steersDropped = 0;
    std::string m_stateSent;  // the room state last told, to tell only changes
    std::vector<int> m_statePeers;

    // The server's own game of the room.
    Random m_rng;
    TInterface m_settings;
    NoSound m_noSound;
    std::unique_ptr<PixelBuffer> m_window, m_back;
    Gra m_gra;
    EventLabel m_label;
    ReplayRecorder m_recorder;
    std::vector<net::FrameEntry> m_frames;  // every tick played so far, for the spectators
    std::uint8_t m_leaves = 0;
    bool m_over = false;
};

}  // namespace slyders::server
