#include "server/room_check.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <utility>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/leaves.h"
#include "game/rounds.h"
#include "game/state_hash.h"
#include "play/headless_game.h"
#include "play/network_seating.h"
#include "replay/replay.h"
#include "sim/sim_game.h"

namespace slyders::server {

namespace {
// When the network wants the processor too, the frames go first: the checker never takes
// the processor from the network's thread, and gets a smaller share of it. Its work waits a
// moment, but it never starves: a game it has not played to its end keeps its room waiting.
constexpr int kCheckerNice = 5;
constexpr std::int32_t kTickCap = 200'000;
}  // namespace

Checker::Checker() : m_thread([this] { run(); }) {}

Checker::~Checker() {
    stop();
}

void Checker::post(std::function<void()> job) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) return;
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void Checker::stop() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
}

void Checker::run() {
    const sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kCheckerNice);
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping) return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}

RoomCheck::RoomCheck(std::string code, TextRenderer& text, CheckHost& host)
    : m_code(std::move(code)),
      m_host(host),
      m_gra(m_rng, m_settings, host.roster(), text, m_noSound) {
    m_settings.int_snd = 0;
    m_settings.int_soe = 0;
}

RoomCheck::~RoomCheck() = default;

void RoomCheck::ready(net::Start choices, const std::vector<net::SeatOwner>& owners) {
    Scores& scores = m_host.roster();
    net::Start s;
    GameStart& g = s.start;
    const int computers = std::clamp(choices.start.computers, 0, 2);
    g = nextGameStart(m_gra, false, computers);
    g.computers = computers;
    g.skill = std::clamp(choices.start.skill, kLowestSkill, kHighestSkill);
    g.speed = std::clamp(choices.start.speed, 0, 2);
    g.seed = choices.start.seed != 0 ? choices.start.seed : std::random_device{}();
    seatPlayersInJoinOrder(m_gra, scores, owners, s);  // the server's roster knows them all
    s.settings = choices.settings;
    s.arenaSide = choices.arenaSide;
    s.roster = scores.entries();
    tell({CheckNews::Kind::Ready, std::move(s)});
}

void RoomCheck::prepare(const net::Start& start) {
    net::applySettingValues(m_settings, start.settings);
    m_settings.int_snd = 0;
    if (!m_window || m_gra.arena.side() != start.arenaSide) {
        // The server has no window: its two pictures hold the arena square alone, with no
        // margin around it. The game reads them nowhere else (a text is solid where it changed
        // the window's square), so it plays exactly as on a player's screen in less than
        // half the memory of a window's two pictures.
        const int side = start.arenaSide;
        m_window = std::make_unique<PixelBuffer>(side, side);
        m_back = std::make_unique<PixelBuffer>(side, side);
        m_gra.InitArena(side, m_window.get(), side);
        // The event label keeps the box a window of the arena's height gives it.
        const int height = clientHeightForSide(side), margin = (height - side) / 2;
        m_label.width = std::max(1, height * 16 / 9 - (side + 2 * margin));
        m_label.height = std::max(1, height / 12);
    }
    m_gra.network.names = start.names;
    StartGame(m_gra, start.start, *m_back);
    m_recorder.begin(m_gra, start.start, std::time(nullptr), "slyders-server");
    m_recorder.setNetwork(start.ratings);
    m_gra.running = true;
    m_game = start.game;
    m_playing = true;
    m_over = m_alone = false;
}

// The ticks are played as soon as they are released. Once every human slyder is dead (the
// game's fast finish), the rest needs nobody's keys: it is played at once, to the end, and
// the room hears from which tick on, as every machine works it out for itself.
void RoomCheck::play(const std::vector<net::FrameEntry>& frames) {
    std::size_t next = 0;
    while (m_playing) {
        if (m_gra.tick >= kTickCap) {
            m_gra.running = false;
            m_playing = false;
            tell({CheckNews::Kind::Capped});
            return;
        }
        if (!m_alone && m_gra.fastFinish) {
            m_alone = true;
            tell({CheckNews::Kind::Alone, {}, std::uint32_t(m_gra.tick + 1)});
        }
        net::FrameEntry entry{};
        if (!m_alone) {
            if (next >= frames.size()) return;
            entry = frames[next++];
        }
        playOne(entry);
    }
}

void RoomCheck::playOne(const net::FrameEntry& frame) {
    m_leaves = frame.killSeats;
    applyLeaves(m_gra, m_leaves);
    playSourcedTick(m_gra, *this, net::unpackInput(frame.packed), *m_back, m_label, &m_recorder);
    m_gra.panelChanged = false;
    m_window->dirty.take();
    if (m_over) finish();
}

void RoomCheck::played(const Gra& gra, bool over) {
    const std::uint32_t t = std::uint32_t(gra.tick);
    if (t % kHashInterval == 0) tell({CheckNews::Kind::Hash, {}, t, stateHash(gra)});
    if (over) m_over = true;
}

void RoomCheck::finish() {
    Gra& g = m_gra;
    m_playing = false;
    const int winner = slyders::finishGame(g, m_label);
    const std::uint64_t hash = stateHash(g);
    CheckedGame game;
    game.room = m_code;
    game.date = std::time(nullptr);
    game.deathOrder = g.deathOrder;
    for (int s = g.firstSlot; s <= g.lastActive(); ++s) {
        game.players.push_back(g.network.names[std::size_t(s)]);
        game.points.push_back(g.slot(s).gamePoints);
    }
    Replay replay;
    if (decideRoundEnd(g, winner) == RoundEnd::Won) {
        game.result = creditRoundWin(g, winner);
        replay = m_recorder.finish(g, ReplayEnd::Over, game.result);
        clearRoundPoints(g);
    } else {
        replay = m_recorder.finish(g, ReplayEnd::Over, {});
    }
    game.replay = encodeReplay(replay);
    std::string points;
    for (std::size_t i = 0; i < game.players.size(); ++i) {
        points += (i ? ", " : "") + game.players[i] + " " + std::to_string(game.points[i]);
    }
    std::string line = "room " + m_code + ": game " + std::to_string(m_game) + " checked after " +
                       std::to_string(g.tick) + " ticks: " + points +
                       (game.result.empty() ? "" : " (" + game.result + ")");
    std::string error;
    if (!m_host.record(game, error)) line += "; the ladder was not written: " + error;
    tell({CheckNews::Kind::Over, {}, std::uint32_t(g.tick), hash, std::move(line)});
}

void RoomCheck::tell(CheckNews news) {
    const std::lock_guard<std::mutex> lock(m_newsMutex);
    m_news.push_back(std::move(news));
    m_hasNews.store(true, std::memory_order_release);
}

std::vector<CheckNews> RoomCheck::take() {
    const std::lock_guard<std::mutex> lock(m_newsMutex);
    m_hasNews.store(false, std::memory_order_relaxed);
    return std::exchange(m_news, {});
}

}  // namespace slyders::server
