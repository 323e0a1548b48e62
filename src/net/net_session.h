#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/discovery.h"
#include "net/enet_transport.h"
#include "net/lockstep.h"
#include "net/protocol.h"

namespace slyders::net {

constexpr int kSilentTimeoutMs = 10000;  // a machine without word this long has left
constexpr int kWaitNoticeMs = 400;       // a late input is told about after this long
constexpr int kHelloTimeoutMs = 2000;   // a connection that has not said who it is by then goes
constexpr int kBadPacketLimit = 100;
// The listener's places: more than the seats, so that guests turned away, and strangers
// waiting to be dropped, never keep a player out.
constexpr int kPeerSlots = 64;

std::uint64_t nowMicros();

// What this machine brings to a network game.
struct SessionConfig {
    std::string password;
    std::string machine;             // shown in the host's lobby
    std::vector<std::string> names;  // the players at this machine, one per seat
    // At the host: names no guest plays under, as they are the computer players' roster
    // entries; a guest who brings one gets a number after it.
    std::vector<std::string> reserved{};
    // This machine's: a guest whose print differs from the host's is refused at join.
    Fingerprint fingerprint{};
    int silentTimeoutMs = kSilentTimeoutMs;
    int noticeMs = kWaitNoticeMs;
    int helloTimeoutMs = kHelloTimeoutMs;
    // Microseconds on a steady clock; unset: the machine's. The fuzzer's clock is simulated.
    std::function<std::uint64_t()> clock{};
    // A guest at a server: what it asks of the server, the room's code, a secret per name.
    RoomAction action = RoomAction::None;
    std::string room{};
    std::vector<std::string> secrets{};
    // A host that is a server's room: it has no players of its own, machines join between
    // games too, and a machine whose game is not the host's leaves it while the others play on.
    bool serverRoom = false;
};

// One machine of the game as the host sees it; machine 0 is the host.
struct MachineInfo {
    int peer = 0;
    std::string machine;
    std::vector<std::string> names;
    double pingMs = 0;
    bool gone = false;
    bool done = false;
    std::uint8_t seatMask = 0;
    int badPackets = 0;
    std::uint64_t lastHeardUs = 0;
    std::uint32_t framesAcked = 0;
    std::uint64_t lastFramesSentUs = 0;
    bool heardSinceFrames = false;  // keys came since frames last went
    std::uint32_t lastHashTick = 0;
    // Packets that bring no new input spend these; one that finds none left is a flood.
    double floodTokens = 0;
    std::uint64_t floodCountedUs = 0;
    std::string label() const;  // the names of its players, for "Waiting for ..."
};

// Who sits at each human seat, in join order: the host's players first.
struct SeatOwner {
    int machine = 0;
    std::string name;
};

// The parts both ends share: the transport, the clock, the game's state and the reasons
// a game stops.
class Session {
public:
    virtual ~Session() = default;
    // Collects and answers what came, waiting at most timeoutMs.
    virtual void service(int timeoutMs) = 0;
    // The released input of a tick, or nothing yet. The first call for tick t gives this
    // machine's own steering for tick t + delay.
    virtual std::optional<FrameEntry> frameFor(std::uint32_t tick, std::uint8_t ownPacked) = 0;
    virtual void reportHash(std::uint32_t tick, std::uint64_t hash) = 0;
    virtual void gameOver(std::uint32_t tick, std::uint64_t hash) = 0;
    // The players a late input waits for, once it has been late long enough to say so.
    virtual std::string waitingFor() const = 0;
    // Every human slyder is dead (the game's fast finish): from `tick` on nobody's keys steer
    // anything, so every machine plays the rest at once with no keys held, nobody waiting for
    // anybody. Each machine says so at the same tick, as the game is the same everywhere.
    void playAloneFrom(std::uint32_t tick) {
        if (m_aloneFrom == 0) m_aloneFrom = tick;
    }
    bool alone(std::uint32_t tick) const { return m_aloneFrom != 0 && tick >= m_aloneFrom; }
    const std::optional<std::string>& stopped() const { return m_stopped; }
    std::uint64_t now() const { return m_clock ? m_clock() : nowMicros(); }
    std::uint64_t bytesSent() const { return m_net ? m_net->bytesSent() : 0; }
    std::uint64_t bytesReceived() const { return m_net ? m_net->bytesReceived() : 0; }
    int badPackets() const { return m_badPackets; }
    const Start& current() const { return m_start; }

protected:
    void stop(const std::string& why) {
        if (!m_stopped) m_stopped = why;
    }
    std::function<std::uint64_t()> m_clock;
    std::unique_ptr<Transport> m_net;
    std::vector<NetEvent> m_events;
    Start m_start;
    std::optional<std::string> m_stopped;
    int m_badPackets = 0;
    std::uint32_t m_aloneFrom = 0;  // 0: every tick waits for every machine's keys
};

class HostSession final : public Session {
public:
    explicit HostSession(SessionConfig config);

    bool open(const std::string& address, std::uint16_t port, std::string& error);
    // Opens the port, or the first free one after it when it is busy: port() tells which.
    bool openNear(const std::string& address, std::uint16_t port, std::string& error);
    // Over another network than ENet's (the fuzzer's).
    void open(std::unique_ptr<Transport> transport) { m_net = std::move(transport); }
    // The lobby's port field: moves to another port while nobody has joined.
    bool reopenNear(std::uint16_t port, std::string& error);
    std::uint16_t port() const { return m_net ? m_net->port() : 0; }
    std::uint16_t requestedPort() const { return m_requestedPort; }
    // The lobby's password field: asked of every machine that joins from now on.
    void setPassword(std::string password) { m_config.password = std::move(password); }
    // Answers the join windows on the local network while the lobby is open: "" listens at
    // every address, as their broadcasts need.
    bool advertise(const std::string& address, std::uint16_t port, std::string& error);
    // The game as the join windows list it.
    GameAd ad() const;
    void service(int timeoutMs) override;

    const std::vector<MachineInfo>& machines() const { return m_machines; }
    int freeSeats() const;
    int guestsPresent() const;
    // The seats in join order, for the caller to seat the players in its roster.
    std::vector<SeatOwner> seatOwners() const;
    int chooseDelay(int speedLevel) const;
    // Sends the game to every guest, each told its own seats; no more joins from here on.
    // The delay is chosen from the pings. Returns the host's own start.
    const Start& begin(Start start);
    // Between games: true once every guest still there has played the game to its end.
    bool guestsDone() const;
    // A server's room between games: machines may join again.
    void openLobby() { m_inGame = false; }
    bool inGame() const { return m_inGame; }

    std::optional<FrameEntry> frameFor(std::uint32_t tick, std::uint8_t ownPacked) override;
    void reportHash(std::uint32_t tick, std::uint64_t hash) override;
    void gameOver(std::uint32_t tick, std::uint64_t hash) override;
    std::string waitingFor() const override;
    int hashesCompared() const { return m_hashes.compared(); }
    // What is kept for the machines and the strangers, in entries: whatever they send, it
    // stays within a bound.
    std::size_t held() const;
    // Ends the game on every machine and closes the connections.
    void close();

private:
    enum class Gone { Left, Silent, BadPackets };
    struct Stranger {
        int peer = 0;
        int badPackets = 0;
        std::uint64_t sinceUs = 0;
    };
    void onEvent(const NetEvent& e);
    void onConnected(int peer);
    void onPacket(int machine, int peer, const Packet& p);
    void onHello(int peer, const Hello& hello);
    // `wanted`, or with a number after it if a player of the game (or of `joining`) has it.
    std::string freeName(const std::string& wanted, const std::vector<std::string>& joining) const;
    void onGone(int machine, Gone why);
    bool flooded(MachineInfo& info);
    void bad(int peer, int machine);
    void forgiveOwnPause();
    void dropStrangers();
    void dropSilent();
    int machineOfPeer(int peer) const;
    void sendFrames(bool force);
    void checkLate();
    void sendPings();
    void sendAll(const Packet& p, bool reliable);
    void disagree();
    void removeDisagreeing();

    SessionConfig m_config;
    std::unique_ptr<DiscoveryResponder> m_responder;
    std::vector<MachineInfo> m_machines;
    std::vector<Stranger> m_strangers;  // peers not yet joined, oldest first
    std::uint16_t m_requestedPort = 0;
    std::string m_address;
    bool m_started = false;
    bool m_inGame = false;  // from a game's start until the lobby opens again
    std::optional<HostLockstep> m_lock;
    HashBook m_hashes;
    std::uint32_t m_ownUpTo = 0;
    std::uint64_t m_lateSinceUs = 0;
    int m_lateMachine = -1;
    bool m_noticeSent = false;
    // The same machine late for the same tick since then: it has stopped steering.
    int m_stuckMachine = -1;
    std::uint32_t m_stuckTick = 0;
    std::uint64_t m_stuckSinceUs = 0;
    std::uint64_t m_lastPingUs = 0;
    std::uint64_t m_lastServiceUs = 0;
};

class GuestSession final : public Session {
public:
    explicit GuestSession(SessionConfig config);

    // Connects and asks to join, waiting at most timeoutMs; the error says why not.
    bool join(const std::string& address, std::uint16_t port, int timeoutMs, std::string& error);
    // Already welcomed by the host at peer 1 of the transport (the fuzzer's).
    void attach(std::unique_ptr<Transport> transport);
    void service(int timeoutMs) override;
    // The next game the host started, once.
    std::optional<Start> takeStart();

    std::optional<FrameEntry> frameFor(std::uint32_t tick, std::uint8_t ownPacked) override;
    void reportHash(std::uint32_t tick, std::uint64_t hash) override;
    void gameOver(std::uint32_t tick, std::uint64_t hash) override;
    std::string waitingFor() const override;
    void leave();
    std::size_t held() const;
    // At a server: the room's code once welcomed, who is in the room, and (the owner only) a
    // request for the next game with this machine's choices.
    const std::string& roomCode() const { return m_roomCode; }
    const std::optional<RoomState>& roomState() const { return m_roomState; }
    void requestStart(const Start& choices);
    bool watching() const { return m_config.action == RoomAction::Watch; }
    // The ticks of the game whose input is known here, from its first on.
    std::uint32_t framesKnown() const { return m_lock ? m_lock->framesKnown() : 0; }
    // The server's best players, once asked for and told.
    void askLadder() { send(LadderAsk{}, true); }
    const std::vector<LadderRow>& ladder() const { return m_ladder; }

private:
    void onPacket(const Packet& p);
    // The room closed or the server went: a spectator still behind plays the ticks it has.
    void closedByHost(const std::string& why);
    void sendInput();
    void send(const Packet& p, bool reliable);

    SessionConfig m_config;
    int m_hostPeer = 0;
    bool m_welcomed = false;
    std::optional<std::string> m_refused;
    std::optional<Start> m_pendingStart;
    std::optional<GuestLockstep> m_lock;
    std::uint32_t m_ownUpTo = 0;
    std::uint32_t m_playedUpTo = 0;  // the last tick whose frame was handed out
    std::optional<std::string> m_stopAfterKnown;  // the stop a spectator hears once caught up
    std::uint32_t m_waitTick = 0;
    std::uint64_t m_waitSinceUs = 0;
    std::uint64_t m_lastHeardUs = 0;
    std::uint64_t m_lastInputSentUs = 0;
    std::uint64_t m_lastServiceUs = 0;
    std::string m_hostWaitingFor;
    std::string m_roomCode;
    std::optional<RoomState> m_roomState;
    std::string m_refusedText;
    std::vector<Frame> m_earlyFrames;  // of the pending start's game
    std::vector<LadderRow> m_ladder;  // a server's refusal, told with the room's code
};

}  // namespace slyders::net
