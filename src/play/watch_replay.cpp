#include "play/watch_replay.h"

#include <optional>
#include <vector>

#include "boxes/message_boxes.h"
#include "game/gra.h"
#include "game/rounds.h"
#include "play/local_game.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "replay/replay_store.h"

namespace slyders {

namespace fs = std::filesystem;

namespace {

constexpr std::array<int, 5> kPlaybackFactors{1, 2, 4, 8, 16};  // keys 1 .. 5
// The keys as the window reports them (Qt's codes, which are those of the characters).
constexpr int kKeySpace = ' ';
constexpr int kKeyOne = '1';
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
    t.refreshPicture();
    t.runGameLoop();

    if (!m_stopped) endOfWatching();
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

// 1 .. 5 choose the playback speed, Space pauses and resumes.
bool WatchReplay::key(int qtKey) {
    if (qtKey == kKeySpace) {
        m_source.setPaused(!m_source.paused());
        m_table.setTitle(m_source.paused() ? kPausedTitle : kReplayTitle);
        if (!m_source.paused()) m_table.restartTickPace();
        return true;
    }
    if (qtKey < kKeyOne || qtKey >= kKeyOne + int(kPlaybackFactors.size())) return false;
    m_factor = kPlaybackFactors[std::size_t(qtKey - kKeyOne)];
    m_table.restartTickPace();
    return true;
}

std::string WatchReplay::restingTitle() const {
    return kReplayTitle;
}

}  // namespace slyders
