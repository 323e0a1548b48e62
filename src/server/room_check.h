#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "net/net_session.h"
#include "net/protocol.h"
#include "params/app_settings.h"
#include "play/tick_source.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "server/ladder.h"

namespace slyders::server {

// The server's own play of the rooms' games runs on a thread of its own, behind the network:
// a game's start (a whole arena to paint) or its end (a replay to pack and a result to write)
// never holds up the frames of the other rooms. The thread yields to the network whenever
// both want the processor.
class Checker {
public:
    Checker();
    ~Checker();
    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    void post(std::function<void()> job);
    // Jobs not yet begun are forgotten and the thread ends once its job is done.
    void stop();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};

// What a room's game needs of the server, on the checker's thread.
class CheckHost {
public:
    // The server's roster: only the checker's thread reads or changes it while it runs.
    virtual Scores& roster() = 0;
    // Keeps a checked game and the roster it changed; false with a reason when it could not.
    virtual bool record(const CheckedGame& game, std::string& error) = 0;

protected:
    ~CheckHost() = default;
};

// What the server's play of a room's game tells the room, in order.
struct CheckNews {
    enum class Kind { Ready, Hash, Alone, Over, Capped };
    Kind kind = Kind::Hash;
    net::Start start{};       // Ready: the next game, as the room's choices make it
    std::uint32_t tick = 0;   // Hash, Alone, Over: the tick
    std::uint64_t hash = 0;   // Hash, Over
    std::string line{};       // Over: what the log says of the result
};

// The server's own game of one room. Every method but take() runs on the checker's thread.
class RoomCheck final : private TickSource {
public:
    RoomCheck(std::string code, TextRenderer& text, CheckHost& host);
    ~RoomCheck() override;

    // The next game from the owner's choices, with the players seated in join order.
    void ready(net::Start choices, const std::vector<net::SeatOwner>& owners);
    // The game the room began.
    void prepare(const net::Start& start);
    // Released ticks, in order from the next one the game plays.
    void play(const std::vector<net::FrameEntry>& frames);
    // The news since last asked, for the room on the network's thread.
    std::vector<CheckNews> take();
    bool hasNews() const { return m_hasNews.load(std::memory_order_acquire); }
    // Jobs handed to the checker and not yet done; a room closes only once there are none and
    // it has heard all they found, so that a game played to its end is always told.
    void posted() { m_jobs.fetch_add(1, std::memory_order_relaxed); }
    void done() { m_jobs.fetch_sub(1, std::memory_order_release); }
    bool idle() const { return m_jobs.load(std::memory_order_acquire) == 0 && !hasNews(); }

private:
    void playOne(const net::FrameEntry& frame);
    void finish();
    void tell(CheckNews news);
    std::optional<TickInput> inputFor(std::int32_t, const TickInput&) override { return {}; }
    std::uint8_t leavesOfTick() const override { return m_leaves; }
    void played(const Gra& gra, bool over) override;

    std::string m_code;
    CheckHost& m_host;
    Random m_rng;
    TInterface m_settings;
    NoSound m_noSound;
    std::unique_ptr<PixelBuffer> m_window, m_back;
    Gra m_gra;
    EventLabel m_label;
    ReplayRecorder m_recorder;
    std::uint16_t m_game = 0;
    std::uint8_t m_leaves = 0;
    bool m_playing = false;  // from a game's start until its end or the tick cap
    bool m_over = false;
    bool m_alone = false;
    std::mutex m_newsMutex;
    std::vector<CheckNews> m_news;
    std::atomic<bool> m_hasNews{false};
    std::atomic<int> m_jobs{0};
};

}  // namespace slyders::server
