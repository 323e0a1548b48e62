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
#include "net/lockstep.h"
#include "net/net_session.h"
#include "net/port_mapping.h"
#include "play/tick_source.h"
#include "params/app_settings.h"
#include "players/scores.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "sim/sim_game.h"

namespace slyders {

// A headless machine of a network game: its seats steered by the look-ahead bot.
struct NetPeerOptions {
    bool host = false;
    // The host's: where it listens ("" every address: then it also answers the local
    // network's join windows and asks the router for its port); the guest's: where it joins.
    std::string address = "127.0.0.1";
    std::uint16_t port = net::kDefaultPort;
    int games = 1;
    int seats = 1;      // human seats of this machine, steered by the bot
    int computers = 1;  // chosen by the host
    int skill = 2;
    int speed = 1;
    std::uint64_t seed = 1;
    int arenaSide = 972;
    int joiners = 1;  // the host waits for this many guests
    int waitSeconds = 60;
    bool paced = true;  // ticks at the one-keyboard pace, or as fast as all machines can
    std::string password;
    std::string machine = "headless";
    int silentTimeoutMs = net::kSilentTimeoutMs;
    std::int32_t tickCap = 200'000;
    std::int32_t silentFromTick = 0;  // for tests: from this tick on the machine says nothing
    int gameSeconds = 600;            // no game runs longer than this on the wall clock
    std::string recordDir;            // each game's replay is written there, when set
    int roundTarget = 0;              // for tests: points that win a round, 10 .. 80 (0: settings')
    // At a server: create a room, join or watch one by its code. The creator starts the
    // room's games once `joiners` more players are in it; ownership may pass to another.
    net::RoomAction action = net::RoomAction::None;
    std::string room;
    std::vector<std::string> names;   // the players' names (default: numbered bots)
    std::string secret = "slyders-sim";  // proves at the server that the names are ours
    std::int32_t wrongInputAt = 0;    // for tests: this tick plays one wrong input here alone
};

std::optional<std::string> parseNetPeerOptions(const std::vector<std::string>& args,
                                               NetPeerOptions& out, bool& isNetwork);

// How one network game went on this machine.
struct NetGameResult {
    GameRecord record;
    net::Start start;
    std::vector<net::PlayedTick> ticks;
    std::uint64_t finalHash = 0;
    std::optional<std::string> stopped;
    std::vector<std::string> notices;  // "Waiting for ..." and "... left the game." as shown
    double wallSeconds = 0;
    double paceSeconds = 0;  // what the same ticks take at one keyboard, with no waits for others
    int stalls = 0;  // waits for the network longer than one tick period
    Replay replay;   // the game as this machine recorded it
    std::string replayFile;  // where it was written, with the record folder
};

std::string toJson(const NetGameResult& result, bool host);

// The peer is its own source of ticks: it sends its seats' steering and waits for every
// machine's, as a window does, but blocking, for the headless loop.
class NetPeer : private TickSource {
public:
    NetPeer(const NetPeerOptions& options, TextRenderer& text);

    // Host: opens the port and waits for the guests; guest: joins. False with a reason.
    bool connect(std::string& error);
    // Plays the next game to its end; nothing when no game came or the session stopped.
    std::optional<NetGameResult> playNext();
    net::Session& session();
    void close();
    // At a server: the room's code once in it.
    std::string roomCode() const { return m_guest ? m_guest->roomCode() : std::string(); }

private:
    void openToTheWorld();
    void reportMapping(net::Mapping& shown);
    net::Start hostStart();
    net::Start roomChoices();
    std::optional<net::Start> awaitStart();
    void prepare(const net::Start& start);
    void playTicks(NetGameResult& result);
    std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) override;
    std::uint8_t leavesOfTick() const override { return m_leaves; }
    void played(const Gra& gra, bool over) override;
    void waitForRelease(std::int32_t tick);
    void finish(NetGameResult& result, bool over);
    void keepReplay(NetGameResult& result, ReplayEnd end, const std::string& resultText);

    NetPeerOptions m_options;
    TextRenderer& m_text;
    Random m_rng;
    TInterface m_settings;
    Scores m_scores{nullptr};
    NoSound m_noSound;
    std::unique_ptr<PixelBuffer> m_window, m_back;
    Gra m_gra;
    EventLabel m_label;
    ReplayRecorder m_recorder;
    std::unique_ptr<net::HostSession> m_host;
    std::unique_ptr<net::PortMapper> m_mapper;
    std::unique_ptr<net::GuestSession> m_guest;
    int m_played = 0;
    // The game being played: its result so far, its wall-clock deadline, what was shown.
    NetGameResult* m_result = nullptr;
    std::uint64_t m_deadlineUs = 0;
    std::string m_shownWaiting;
    std::uint8_t m_leaves = 0;
    std::uint64_t m_anchorUs = 0;
    // The same release rule on a clock that only the rule moves: one keyboard's pace.
    std::uint64_t m_paceAnchorUs = 0, m_paceNowUs = 0;
};

}  // namespace slyders
