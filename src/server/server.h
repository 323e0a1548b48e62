#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "game/text_renderer.h"
#include "net/enet_transport.h"
#include "players/scores.h"
#include "server/ladder.h"
#include "server/room.h"

namespace slyders::server {

constexpr int kDefaultMaxRooms = 250;
// An address that tries more wrong codes than this in a minute is refused for a while.
constexpr int kWrongCodesPerMinute = 10;
constexpr int kWrongCodesBanSeconds = 300;
// The most places ENet's port has: players, spectators and strangers together.
constexpr int kMaxConnections = 4095;
// The port's places for a number of rooms: four players a room, a fair share of spectators
// (a room has at most 32, few rooms have any) and strangers saying hello. ENet walks every
// place on each service, so a port sized for its rooms costs far less than the most it may.
constexpr int kWatcherPlacesPerRoom = 2;
constexpr int kStrangerPlaces = 64;
constexpr int peerPlacesFor(int maxRooms) {
    const int places = maxRooms * (4 + kWatcherPlacesPerRoom) + kStrangerPlaces;
    return places < kMaxConnections ? places : kMaxConnections;
}

struct ServerOptions {
    std::string address;  // "" for every address of the machine
    std::uint16_t port = net::kDefaultPort;
    std::string db = "slyders-server.db";
    int maxRooms = kDefaultMaxRooms;
    std::string name = "Slyders server";
    int silentTimeoutMs = net::kSilentTimeoutMs;
    int helloTimeoutMs = net::kHelloTimeoutMs;
};

std::optional<std::string> parseServerOptions(const std::vector<std::string>& args,
                                              ServerOptions& out, bool& ladder, bool& help);
extern const char* const kServerUsage;

// What the minute's summary line tells.
struct ServerCounts {
    int rooms = 0;
    int players = 0;
    int watchers = 0;
    int strangers = 0;
    std::uint64_t bytesIn = 0;
    std::uint64_t bytesOut = 0;
    int gamesChecked = 0;
    int steersDropped = 0;
    int refusals = 0;
};

// The dedicated server: one UDP port, many rooms, each a checked lockstep game.
class Server final : public RoomHost, private CheckHost {
public:
    Server(ServerOptions options, TextRenderer& text, std::function<void(const std::string&)> log);
    ~Server();

    bool open(std::string& error);
    std::uint16_t port() const { return m_net ? m_net->port() : 0; }
    // One pass: waits at most timeoutMs for the network, then every room takes its turn.
    void step(int timeoutMs);
    ServerCounts counts() const;
    std::string summary() const;
    // Ends every room with a word to its machines and lets the words go out.
    void shutdown();
    // Once the server has shut down (the checker's thread changes it while rooms play).
    const std::vector<PlrScore>& rosterEntries() const { return m_scores.entries(); }

private:
    struct Stranger {
        std::uint64_t sinceUs = 0;
        int badPackets = 0;
    };
    struct Tries {
        std::vector<std::uint64_t> wrongUs;  // the wrong codes of the last minute
        std::uint64_t bannedUntilUs = 0;
    };

    void onEvent(const net::NetEvent& e);
    void onStranger(int peer, const std::vector<std::uint8_t>& bytes);
    void onHello(int peer, const net::Hello& hello, const std::vector<std::uint8_t>& bytes);
    bool wrongCode(int peer);
    void refuse(int peer, net::RefuseReason why, const std::string& logged);
    std::string newCode();
    void dropStrangers();
    // Steps the room; a deserted one closes.
    void stepRoom(Room& room);
    std::string who(int peer) const;

    void log(const std::string& line) override { m_log(line); }
    std::uint64_t passMicros() const override { return m_passUs; }
    void checked() override { ++m_gamesChecked; }
    std::vector<net::LadderRow> top() override;
    const net::Fingerprint& fingerprint() const override { return m_fingerprint; }
    const std::vector<std::string>& reservedNames() const override { return m_reserved; }
    Checker& checker() override { return *m_checker; }
    CheckHost& checkHost() override { return *this; }
    // On the checker's thread:
    Scores& roster() override { return m_scores; }
    bool record(const CheckedGame& game, std::string& error) override;

    ServerOptions m_options;
    TextRenderer& m_text;
    std::function<void(const std::string&)> m_log;
    net::Fingerprint m_fingerprint;
    std::unique_ptr<net::EnetTransport> m_net;
    LadderDb m_ladder;
    Scores m_scores{nullptr};
    std::map<std::string, std::unique_ptr<Room>> m_rooms;
    std::map<int, Room*> m_roomOfPeer;
    std::map<int, Stranger> m_strangers;
    std::map<int, std::string> m_addresses;  // of every connection, for the log
    std::map<std::uint32_t, Tries> m_tries;  // by address
    std::vector<net::NetEvent> m_events;
    std::uint64_t m_passUs = 0;
    int m_gamesChecked = 0;
    int m_refusals = 0;
    int m_steersDroppedGone = 0;  // by rooms that have closed
    std::vector<std::string> m_reserved;
    std::mutex m_ladderMutex;  // the ladder's file, written by the checker, asked at the door
    std::mutex m_topMutex;
    std::vector<net::LadderRow> m_top;  // the best players, as last written
    // Last, so that it stops first: its jobs use the rooms' games, the roster and the ladder.
    std::unique_ptr<Checker> m_checker;
};

}  // namespace slyders::server
