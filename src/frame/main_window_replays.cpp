// The main window's replays: every game it plays is recorded and kept in the replay folder,
// and a replay is watched in the window as the game was played.
#include <QAction>
#include <QCoreApplication>
#include <cstdio>
#include <ctime>

#include "frame/main_window.h"
#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/rounds.h"
#include "present/arena_text.h"

#ifndef SLYDERS_VERSION
#define SLYDERS_VERSION "unknown"
#endif

namespace slyders {

namespace fs = std::filesystem;

namespace {

constexpr std::array<int, 5> kPlaybackFactors{1, 2, 4, 8, 16};  // keys 1 .. 5
constexpr const char* kTitle = "Slyders";
constexpr const char* kReplayTitle = "Slyders (replay)";

// The recorded input, tick by tick, until the recording ends; nothing while paused.
class WatchSource final : public TickSource {
public:
    WatchSource(ReplayCursor& cursor, Gra& gra, const bool& paused)
        : m_cursor(cursor), m_gra(gra), m_paused(paused) {}
    std::optional<TickInput> inputFor(std::int32_t, const TickInput&) override {
        if (m_cursor.atEnd(m_gra)) {
            m_gra.running = false;  // a game left before its end stops where it was left
            return std::nullopt;
        }
        if (m_paused) return std::nullopt;
        return m_cursor.beforeTick(m_gra);
    }

private:
    ReplayCursor& m_cursor;
    Gra& m_gra;
    const bool& m_paused;
};

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

}  // namespace

// The replay being watched, and everything the window puts back when it ends.
struct TMainWnd::Watch {
    Watch(Replay r, fs::path f, TMainWnd& w)
        : replay(std::move(r)),
          file(std::move(f)),
          cursor(replay),
          source(cursor, w.m_gra, paused),
          before(w.m_gra),
          settings(settingsValues(w.m_gra.settings())),
          label(w.m_label),
          window(w.m_window),
          back(w.m_backBuffer),
          previousSource(w.m_source) {}

    Replay replay;
    fs::path file;
    ReplayCursor cursor;
    bool paused = false;
    bool stopped = false;  // by the player, or the window closes
    int factor = 1;
    WatchSource source;

    GraState before;
    std::array<std::int32_t, kReplaySettingCount> settings;
    EventLabel label;
    PixelBuffer window, back;
    TickSource* previousSource;
};

void TMainWnd::WatchEnd::operator()(Watch* watch) const {
    delete watch;
}

// ---------------------------------------------------------------- recording

void TMainWnd::beginRecording(const GameStart& start) {
    if (m_recorder.active()) stopRecording();  // a new game started inside the old one
    m_recorder.begin(m_gra, start, std::time(nullptr), SLYDERS_VERSION);
}

void TMainWnd::stopRecording() {
    if (m_recorder.active()) saveReplay(m_recorder.finish(m_gra, ReplayEnd::Stopped));
}

void TMainWnd::endRecording(const std::string& resultText) {
    if (m_recorder.active()) saveReplay(m_recorder.finish(m_gra, ReplayEnd::Over, resultText));
}

void TMainWnd::saveReplay(const Replay& replay) {
    if (replay.endTick <= 0) return;  // nothing was played
    std::string error;
    if (const auto file = m_replays.save(replay, error)) {
        m_lastSavedReplay = *file;
        updateReplayItems();
        return;
    }
    std::fprintf(stderr, "slyders: %s\n", error.c_str());
    // Said once in a box; every later game that cannot be kept is named on stderr.
    if (!m_replaySaveFailed) {
        m_replaySaveFailed = true;
        m_boxes.error("Replay not saved", error + "\nThe game itself is not affected.");
    }
}

void TMainWnd::beforePlayedTick(const TickInput& input) {
    if (m_recorder.active()) m_recorder.beforeTick(m_gra, input, tickSource().leavesOfTick());
}

void TMainWnd::afterPlayedTick() {
    if (m_recorder.active()) m_recorder.afterTick(m_gra);
    if (m_watch) m_watch->cursor.afterTick(m_gra);
}

void TMainWnd::updateReplayItems() {
    const bool idle = !m_gra.running && !m_watch && !m_net;
    m_menu.GameWatchlast->setEnabled(idle && m_replays.newest().has_value());
    for (QAction* item : {m_menu.GameOpenreplay, m_menu.GameHost, m_menu.GameJoin}) {
        item->setEnabled(idle);
    }
}

// ---------------------------------------------------------------- watching

void TMainWnd::GameWatchlastClick() {
    if (m_gra.running || m_watch) return;
    const std::optional<fs::path> last = m_replays.newest();
    if (last) openReplay(*last);
}

void TMainWnd::GameOpenreplayClick() {
    if (m_gra.running || m_watch || !m_hooks.chooseReplay) return;
    const std::optional<fs::path> file = m_hooks.chooseReplay(*this, m_replays.folder());
    if (file) openReplay(*file);
}

void TMainWnd::openReplay(const fs::path& file) {
    std::string error;
    std::optional<Replay> replay = loadReplayFile(file, error);
    if (replay && !fitsArenaSide(replay->arenaSide)) error = arenaSideError(replay->arenaSide);
    if (!error.empty()) {
        m_boxes.error("Open replay", error);
        return;
    }
    watchReplay(std::move(*replay), file);
}

std::string TMainWnd::arenaSideError(int side) const {
    return "This replay was played on an arena of " + std::to_string(side) +
           " pixels; this window has room for " + std::to_string(m_window.height()) + ".";
}

void TMainWnd::watchReplay(Replay replay, const fs::path& file) {
    if (m_gra.running || m_watch || !fitsArenaSide(replay.arenaSide)) return;
    m_watch.reset(new Watch(std::move(replay), file, *this));
    Watch& w = *m_watch;
    const int ownSide = m_gra.arena.side();
    useArenaSide(w.replay.arenaSide);
    applySettings(m_gra.settings(), w.replay.settings);
    m_source = &w.source;
    setWindowTitle(kReplayTitle);
    setWatchItemsEnabled(false);
    updateReplayItems();

    w.cursor.start(m_gra, m_backBuffer);
    LayoutScoreBands();
    refreshPicture();
    RunGameLoop();

    if (!w.stopped) endOfWatching();
    m_source = w.previousSource;
    applySettings(m_gra.settings(), w.settings);
    useArenaSide(ownSide);  // before the generator is put back: composing draws from it
    w.before.restore(m_gra);
    m_label = w.label;
    m_label.changed = true;
    m_window = w.window;
    m_backBuffer = w.back;
    m_window.dirty.addAll(m_window.width(), m_window.height());
    m_watch.reset();
    setWindowTitle(kTitle);
    setWatchItemsEnabled(true);
    updateReplayItems();
    LayoutScoreBands();
    InvalidateScoreboard();
}

// The end of the watched game is told as the game told it, from the recording: the game
// itself credits nothing to anybody.
void TMainWnd::announceWatchedEnd(int w) {
    switch (decideRoundEnd(m_gra, w)) {
        case RoundEnd::Demo:
            m_boxes.inform(demoResultText(m_gra, w));
            return;
        case RoundEnd::Continues:
            return;
        case RoundEnd::Draw:
            m_boxes.inform("Draw. No winner yet!");
            return;
        case RoundEnd::Won:
            break;
    }
    m_gra.slot(w).roundsWon += 1;
    ShowEventNow(m_gra, m_label, m_text, "This round won by " + winnerName(m_gra, w) + "!", kWhite);
    m_gra.playSound(kSndApplause, 0, 0);
    InvalidateScoreboard();
    refreshPicture();
    m_boxes.inform("Round finished!\n" + m_watch->replay.resultText);
}

void TMainWnd::endOfWatching() {
    Watch& w = *m_watch;
    if (w.replay.end == ReplayEnd::Stopped) {
        m_boxes.inform("The recorded game was left here, before its end.");
    }
    if (const auto at = w.cursor.disagreement()) {
        m_boxes.inform("This replay did not play as it was recorded, from tick " +
                       std::to_string(*at) + " on.");
    }
    if (ReplayStore::isKept(w.file) || !m_boxes.ask("Keep this replay?")) return;
    std::string error;
    if (!m_replays.keep(w.file, error)) m_boxes.error("Keep this replay", error);
}

void TMainWnd::askStopWatching() {
    if (m_watch && m_gra.running && m_boxes.ask("Stop watching?")) {
        m_watch->stopped = true;
        m_gra.running = false;
    }
}

void TMainWnd::leaveWatching() {
    if (m_watch) m_watch->stopped = true;
}

// 1 .. 5 choose the playback speed, Space pauses and resumes.
bool TMainWnd::watchKey(int key) {
    if (!m_watch) return false;
    Watch& w = *m_watch;
    if (key == Qt::Key_Space) {
        w.paused = !w.paused;
        setWindowTitle(w.paused ? "Slyders (replay, paused)" : kReplayTitle);
        if (!w.paused) reanchorTicks();
        return true;
    }
    if (key < Qt::Key_1 || key >= Qt::Key_1 + int(kPlaybackFactors.size())) return false;
    w.factor = kPlaybackFactors[std::size_t(key - Qt::Key_1)];
    reanchorTicks();
    return true;
}

// The tick last played counts as released now: after a pause or a change of speed the
// ticks go on at their pace instead of catching up.
void TMainWnd::reanchorTicks() {
    const std::int32_t k = m_gra.tick % TickScheduler::kGroup;
    const std::uint64_t now = m_clock.nowMicros();
    const std::uint64_t back =
        k == TickScheduler::kGroup - 1 ? 0 : std::uint64_t(k) * tickPeriodUs();
    m_scheduler.start(now >= back ? now - back : 0);
}

std::uint64_t TMainWnd::tickPeriodUs() const {
    const std::uint64_t p =
        std::uint64_t(TickScheduler::periodMs(m_gra.speedLevel, m_gra.fastFinish)) * 1000u;
    return m_watch ? p / std::uint64_t(m_watch->factor) : p;
}

int TMainWnd::playbackFactor() const {
    return m_watch ? m_watch->factor : 1;
}

bool TMainWnd::watchPaused() const {
    return m_watch && m_watch->paused;
}

void TMainWnd::setWatchItemsEnabled(bool enabled) {
    for (QAction* item : {m_menu.GameNew, m_menu.GameDemo, m_menu.GameCleartotals,
                          m_menu.SetupPlayers, m_menu.DisplayHighscores, m_menu.SpeedSlow,
                          m_menu.SpeedMedium, m_menu.SpeedFast, m_menu.Settings}) {
        item->setEnabled(enabled);
    }
}

const char* TMainWnd::restingTitle() const {
    if (m_net) return "Slyders (network game)";
    return m_watch ? kReplayTitle : kTitle;
}

}  // namespace slyders
