#include "play/watch_replay.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "boxes/message_boxes.h"
#include "game/gra.h"
#include "game/rounds.h"
#include "play/local_game.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "replay/replay_store.h"
#include "game/tick_pace.h"

namespace slyders {

namespace fs = std::filesystem;

namespace {

// The paces of keys 1 .. 5 (x1 .. x16) and of Q and W (x1/4, x1/2), in quarters.
constexpr std::array<int, 5> kPaces{4, 8, 16, 32, 64};
constexpr int kQuarterPace = 1, kHalfPace = 2;
// The keys as the window reports them (Qt's codes: those of the characters, capitals for
// letters, and Qt's own for the keys that type nothing).
constexpr int kKeySpace = ' ';
constexpr int kKeyOne = '1';
constexpr int kKeyQuarter = 'Q';
constexpr int kKeyHalf = 'W';
constexpr int kKeyStep = '.';
constexpr int kKeyNextDeath = 'N';
constexpr int kKeyPreviousDeath = 'P';
constexpr int kKeyExport = 'E';
constexpr int kKeyHome = 0x01000010;
constexpr int kKeyEnd = 0x01000011;
constexpr int kKeyLeft = 0x01000012;
constexpr int kKeyRight = 0x01000014;
constexpr int kKeyF9 = 0x01000038;
constexpr int kJumpSeconds = 5;         // Left and Right
constexpr int kDeathLeadSeconds = 1;    // N and P land this long before the death
constexpr int kLastMomentsSeconds = 10;
constexpr int kMsPerSecond = 1000;
constexpr const char* kTitle = "Slyders";
constexpr const char* kReplayTitle = "Slyders (replay)";
constexpr const char* kPausedTitle = "Slyders (replay, paused)";

// While nothing of the game may change: the commands that would change it.
constexpr std::initializer_list<MenuItem> kLockedItems{
    MenuItem::GameNew,      MenuItem::GameDemo,          MenuItem::GameCleartotals,
    MenuItem::SetupPlayers, MenuItem::DisplayHighscores, MenuItem::SpeedSlow,
    MenuItem::SpeedMedium,  MenuItem::SpeedFast,         MenuItem::Settings};

// What a watched game borrows from the game object, given back as it was: the round, the
// flags and choices, the generator and the names shown.
struct GraState {
    explicit GraState(const Gra& g)
        : slots(g.slots),
          seats(g.seats),
          tick(g.tick),
          speedLevel(g.speedLevel),
          skillLevel(g.skillLevel),
          humans(g.humans),
          firstSlot(g.firstSlot),
          demo(g.demo),
          disasters(g.disasters),
          gapColour(g.gapColour),
          message(g.message),
          ops(g.ops),
          deathOrder(g.deathOrder),
          rng(g.rng().state()),
          recordedNames(g.recordedNames),
          arena(g.arena) {}
    void restore(Gra& g) const {
        g.slots = slots;
        g.seats = seats;
        g.tick = tick;
        g.speedLevel = speedLevel;
        g.skillLevel = skillLevel;
        g.humans = humans;
        g.firstSlot = firstSlot;
        g.demo = demo;
        g.running = false;
        g.fastFinish = false;
        g.disasters = disasters;
        g.gapColour = gapColour;
        g.message = message;
        g.ops = ops;
        g.deathOrder = deathOrder;
        g.rng().setState(rng);
        g.recordedNames = recordedNames;
        g.arena = arena;
    }

    std::array<Slyder, kSlotCount> slots;
    std::array<HumanSeat, kHumanSeats> seats;
    std::int32_t tick;
    int speedLevel, skillLevel, humans, firstSlot;
    bool demo;
    DisasterFlags disasters;
    Rgb gapColour;
    EventMessage message;
    std::vector<Ops> ops;
    std::string deathOrder;
    std::uint64_t rng;
    std::optional<std::array<std::string, kSlotCount>> recordedNames;
    Arena arena;
};

// What the window lends a watched game besides the game object.
struct WindowState {
    explicit WindowState(PlayTable& t)
        : settings(settingsValues(t.gra().settings())),
          label(t.eventLabel()),
          window(t.windowPicture()),
          back(t.backBuffer()) {}
    void restore(PlayTable& t) const {
        t.eventLabel() = label;
        t.eventLabel().changed = true;
        PixelBuffer& w = t.windowPicture();
        w = window;
        t.backBuffer() = back;
        w.dirty.addAll(w.width(), w.height());
    }

    std::array<std::int32_t, kReplaySettingCount> settings;
    EventLabel label;
    PixelBuffer window, back;
};

}  // namespace

std::string arenaSideError(int side, int room) {
    return "This replay was played on an arena of " + std::to_string(side) +
           " pixels; the game shows arenas of up to " + std::to_string(room) + ".";
}

WatchReplay::WatchReplay(PlayTable& table, Replay replay, fs::path file)
    : m_table(table),
      m_replay(std::move(replay)),
      m_file(std::move(file)),
      m_cursor(m_replay),
      m_source(m_cursor, table.gra()) {}

void WatchReplay::open(PlayTable& table, const fs::path& file) {
    std::string error;
    std::optional<Replay> replay = loadReplayFile(file, error);
    if (replay && !table.fitsArenaSide(replay->arenaSide)) {
        error = arenaSideError(replay->arenaSide, kMaxArenaSide);
    }
    if (!error.empty()) {
        table.boxes().error("Open replay", error);
        return;
    }
    WatchReplay(table, std::move(*replay), file).run();
}

void WatchReplay::lastMoments(PlayTable& table, Replay replay) {
    if (!table.fitsArenaSide(replay.arenaSide)) return;
    WatchReplay watch(table, std::move(replay), {});
    watch.m_quiet = true;
    watch.m_pace = kHalfPace;
    watch.m_from = std::max(0, watch.m_replay.endTick - watch.ticksOfSeconds(kLastMomentsSeconds));
    watch.run();
}

void WatchReplay::run() {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    if (g.running || !t.fitsArenaSide(m_replay.arenaSide)) return;
    const GraState before(g);
    const WindowState lent(t);
    std::optional<ModeScope> scope(std::in_place, t, *this);
    const int ownSide = g.arena.side();
    t.useArenaSide(m_replay.arenaSide);
    applySettings(g.settings(), m_replay.settings);
    t.setTitle(kReplayTitle);
    t.setItemsEnabled(kLockedItems, false);
    t.updateReplayItems();

    m_cursor.start(g, t.backBuffer());
    t.layoutScoreBands();
    startSeeking();
    t.refreshPicture();
    t.runGameLoop();

    if (!m_stopped && !m_quiet) endOfWatching();
    restoreSettings(g.settings(), lent.settings);
    t.useArenaSide(ownSide);  // before the generator is put back: composing draws from it
    before.restore(g);
    lent.restore(t);
    scope.reset();
    t.setTitle(kTitle);
    t.setItemsEnabled(kLockedItems, true);
    t.updateReplayItems();
    t.layoutScoreBands();
    t.invalidateScoreboard();
}

// The end of the watched game is told as the game told it, from the recording: the game
// itself credits nothing to anybody.
void WatchReplay::gameOver(int w) {
    if (m_quiet) return;
    Gra& g = m_table.gra();
    MessageBoxes& boxes = m_table.boxes();
    if (!tellUnwonRound(boxes, g, decideRoundEnd(g, w), w)) return;
    g.slot(w).roundsWon += 1;
    ShowEventNow(g, m_table.eventLabel(), m_table.text(),
                 "This round won by " + winnerName(g, w) + "!", kWhite);
    g.playSound(kSndApplause, 0, 0);
    m_table.invalidateScoreboard();
    m_table.refreshPicture();
    boxes.inform("Round finished!\n" + m_replay.resultText);
}

void WatchReplay::endOfWatching() {
    MessageBoxes& boxes = m_table.boxes();
    if (m_replay.end == ReplayEnd::Stopped) {
        boxes.inform("The recorded game was left here, before its end.");
    }
    if (const auto at = m_cursor.disagreement()) {
        boxes.inform("This replay did not play as it was recorded, from tick " +
                     std::to_string(*at) + " on.");
    }
    if (ReplayStore::isKept(m_file) || !boxes.ask("Keep this replay?")) return;
    std::string error;
    if (!m_table.replays().keep(m_file, error)) boxes.error("Keep this replay", error);
}

void WatchReplay::escape() {
    if (m_table.gra().running && m_table.boxes().ask("Stop watching?")) {
        m_stopped = true;
        m_table.gra().running = false;
    }
}

// The whole game is played through once, unseen, for the timeline's marks and the jumps.
void WatchReplay::startSeeking() {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    const PixelBuffer& w = t.windowPicture();
    m_seeker.emplace(m_replay, t.text(), w.width(), w.height(), t.eventLabel());
    std::array<Rgb, kSlotCount> colours{};
    for (int s = 0; s < kSlotCount; ++s) colours[std::size_t(s)] = g.slot(s).light;
    m_timeline.emplace(Timeline::placeUnder(g.arena, w.height()), m_seeker->length(),
                       m_seeker->marks(), colours);
    if (m_from) seekTo(*m_from);
    showTimeline();
}

void WatchReplay::showTimeline() {
    if (m_timeline) m_timeline->draw(m_table.windowPicture(), m_table.gra().tick);
}

void WatchReplay::seekTo(std::int32_t tick) {
    if (!m_seeker) return;
    PlayTable& t = m_table;
    // A game that ended by itself plays its last tick in the window, to be told as ever.
    const std::int32_t last = m_seeker->length() - (m_replay.end == ReplayEnd::Over ? 1 : 0);
    m_seeker->seek(std::clamp(tick, 0, std::max(0, last)), t.gra(), m_cursor, t.eventLabel());
    t.invalidateScoreboard();
    showTimeline();
    t.restartTickPace();
    t.refreshPicture();
}

std::int32_t WatchReplay::ticksOfSeconds(int seconds) const {
    return seconds * kMsPerSecond * kTicksPerGroup /
           (kPeriodsPerGroup * tickPeriodMs(m_replay.start.speed));
}

std::optional<TickInput> WatchReplay::Ticks::inputFor(std::int32_t tick,
                                                           const TickInput& local) {
    return m_owner.m_source.inputFor(tick, local);
}

void WatchReplay::Ticks::played(const Gra& gra, bool over) {
    m_owner.m_source.played(gra, over);
    m_owner.showTimeline();
}

// Left and Right, Home and End, N and P jump about the game.
bool WatchReplay::seekKey(int qtKey) {
    if (!m_timeline) return false;
    const std::int32_t now = m_table.gra().tick;
    const std::int32_t lead = ticksOfSeconds(kDeathLeadSeconds);
    std::optional<std::int32_t> to;
    switch (qtKey) {
        case kKeyLeft: to = now - ticksOfSeconds(kJumpSeconds); break;
        case kKeyRight: to = now + ticksOfSeconds(kJumpSeconds); break;
        case kKeyHome: to = 0; break;
        // A DEMO game's arena says "F9 to restart": so it does while it is watched.
        case kKeyF9:
            if (!m_table.gra().demo) return false;
            to = 0;
            break;
        case kKeyEnd: to = m_seeker->length(); break;
        case kKeyNextDeath:
        case kKeyPreviousDeath: {
            const auto death = qtKey == kKeyNextDeath ? m_timeline->nextDeath(now + lead)
                                                      : m_timeline->previousDeath(now + lead);
            if (!death) return true;
            to = *death - lead;
            break;
        }
        default: return false;
    }
    seekTo(*to);
    return true;
}

// 1 .. 5, Q and W choose the playback speed, Space pauses and resumes, "." steps a tick
// while paused.
bool WatchReplay::key(int qtKey) {
    if (qtKey == kKeySpace) {
        m_source.setPaused(!m_source.paused());
        m_table.setTitle(m_source.paused() ? kPausedTitle : kReplayTitle);
        if (!m_source.paused()) m_table.restartTickPace();
        return true;
    }
    if (qtKey == kKeyStep) {
        m_source.step();
        return true;
    }
    if (qtKey == kKeyExport && m_table.canExportVideo()) {
        if (!m_source.paused()) key(kKeySpace);
        m_table.exportVideo(m_replay, m_file, m_table.gra().tick);
        return true;
    }
    if (seekKey(qtKey)) return true;
    if (qtKey == kKeyQuarter || qtKey == kKeyHalf) {
        m_pace = qtKey == kKeyQuarter ? kQuarterPace : kHalfPace;
    } else if (qtKey >= kKeyOne && qtKey < kKeyOne + int(kPaces.size())) {
        m_pace = kPaces[std::size_t(qtKey - kKeyOne)];
    } else {
        return false;
    }
    m_table.restartTickPace();
    return true;
}

// A click on the timeline jumps there; a drag follows the pointer.
void WatchReplay::pointer(Pointer what, int x, int y) {
    if (!m_timeline) return;
    if (what == Pointer::Press) m_dragging = m_timeline->hits(x, y);
    if (!m_dragging) return;
    if (what == Pointer::Release) m_dragging = false;
    const std::int32_t tick = m_timeline->tickAt(x);
    if (tick != m_table.gra().tick) seekTo(tick);
}

std::string WatchReplay::restingTitle() const {
    return kReplayTitle;
}

}  // namespace slyders
