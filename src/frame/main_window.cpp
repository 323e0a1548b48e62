#include "frame/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include "frame/game_view.h"
#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/rounds.h"
#include "play/headless_game.h"
#include "play/qt/server_game.h"
#include "play/watch_replay.h"
#include "present/arena_text.h"
#include "present/high_scores.h"
#include "present/qt/qt_image_loader.h"
#include "present/window_picture.h"

namespace slyders {

namespace {
constexpr int kInactiveSleepUs = 5000;  // the frozen loop naps instead of spinning
constexpr std::uint64_t kMaxWaitSliceUs = 2000;
constexpr int kWaitForInputUs = 500;
constexpr double kArenaShare = 0.9;  // of the client height, as the arena takes it
// The scoreboard needs the client area at least this much wider than high.
constexpr int kMinAspectWidth = 5, kMinAspectHeight = 4;
}  // namespace

TMainWnd::TMainWnd(Gra& gra, TextRenderer& text, MessageBoxes& boxes, Clock& clock, int clientWidth,
                   int clientHeight, double devicePixelRatio, FrameHooks hooks, bool fullScreen)
    : m_gra(gra),
      m_text(text),
      m_boxes(boxes),
      m_clock(clock),
      m_hooks(std::move(hooks)),
      m_replays(m_hooks.replayFolder.empty() ? ReplayStore::defaultFolder() : m_hooks.replayFolder),
      m_recording(m_replays, m_boxes, [this] { updateReplayItems(); }),
      m_dpr(devicePixelRatio),
      m_window(clientWidth, clientHeight),
      m_backBuffer(clientWidth, clientHeight) {
    setWindowTitle("Slyders");
    buildMenu();

    m_gra.deathOrder.clear();
    if (fullScreen) {
        setWindowFlag(Qt::FramelessWindowHint);
        move(0, 0);
    }
    m_gra.InitArena(clientHeight, &m_window);
    m_gra.setPointerMover(this);
    m_scoreboard.emplace(clientWidth, clientHeight, m_gra.arena.side(), m_gra.arena.offset(),
                         m_text);
    m_view = new GameView(m_window, m_dpr, this);
    setCentralWidget(m_view);
    m_view->onResized([this](int width, int height) { clientResized(width, height); });
    m_startedFullScreen = fullScreen;
    addFullScreenKey();
    // The client area asked for, not the toolkit's first guess for a window that can be resized.
    if (!fullScreen) resize(sizeHint());
    LayoutScoreBands();
    composeWindowPicture();
    m_gra.running = false;
    if (m_hooks.loadSettings) m_hooks.loadSettings();

    SpeedMediumClick();
    ComputerMediumClick();
    m_gra.humans = 1;
    PlayersOnecomputerplayerClick();
    ShowTitleScreen();
    m_replays.removeLeftovers();  // a game killed while saving its replay
    updateReplayItems();

    qApp->installEventFilter(this);
    watchProgramSwitches();
}

// The application state flickers to inactive while the focus moves back from a message box
// or a dialog of ours; only a state that stays inactive, with none of our windows active, is
// a switch to another program, which pauses and minimises the game.
void TMainWnd::watchProgramSwitches() {
    constexpr int kSwitchGraceMs = 150;
    m_switchCheck = new QTimer(this);
    m_switchCheck->setSingleShot(true);
    m_switchCheck->setInterval(kSwitchGraceMs);
    connect(m_switchCheck, &QTimer::timeout, this, [this] {
        if (m_appState != Qt::ApplicationActive && !QApplication::activeWindow()) {
            AppEvOnDeactivate();
        }
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                m_appState = state;
                if (state == Qt::ApplicationActive) {
                    m_switchCheck->stop();
                    AppEvOnActivate();
                } else {
                    m_switchCheck->start();
                }
            });
}

TMainWnd::~TMainWnd() {
    m_recording.stop(m_gra);
    m_gra.setPointerMover(nullptr);
    qApp->removeEventFilter(this);
    m_gra.running = false;
}

// ---------------------------------------------------------------- menu

QAction* TMainWnd::addItem(QMenu* menu, const char* name, const QString& caption,
                           const QKeySequence& shortcut, void (TMainWnd::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    // A held F2 or F9 starts one game, not a game and at once "Finish game?".
    action->setAutoRepeat(false);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void TMainWnd::buildMenu() {
    MenuItems& m = m_menu;
    QMenuBar* bar = menuBar();
    QMenu* game = bar->addMenu("&Game");
    game->setObjectName("Game");
    m.GameNew = addItem(game, "GameNew", "&New", QKeySequence(Qt::Key_F2), &TMainWnd::GameNewClick);
    m.GameDemo =
        addItem(game, "GameDemo", "DEMO game", QKeySequence(Qt::Key_F9), &TMainWnd::GameDemoClick);
    m.GameWatchlast =
        addItem(game, "GameWatchlast", "&Watch last game", {}, &TMainWnd::GameWatchlastClick);
    m.GameOpenreplay =
        addItem(game, "GameOpenreplay", "&Open replay...", {}, &TMainWnd::GameOpenreplayClick);
    game->addSeparator();
    m.GameHost = addItem(game, "GameHost", "&Host network game...", {}, &TMainWnd::GameHostClick);
    m.GameJoin = addItem(game, "GameJoin", "&Join network game...", {}, &TMainWnd::GameJoinClick);
    addItem(game, "GameServer", tr("Play on a &server..."), {}, &TMainWnd::GameServerClick);
    game->addSeparator();
    m.GameCleartotals = addItem(game, "GameCleartotals", "&Clear current results...", {},
                                &TMainWnd::GameCleartotalsClick);
    game->addSeparator();
    m.GameExit = addItem(game, "GameExit", "&Exit\tAlt-F4", {}, &TMainWnd::GameExitClick);

    QMenu* players = bar->addMenu("&Players");
    players->setObjectName("Players");
    m.SetupPlayers = addItem(players, "SetupPlayers", "Set up human players...",
                             QKeySequence(Qt::CTRL | Qt::Key_P), &TMainWnd::SetupPlayersClick);
    m.DisplayHighscores =
        addItem(players, "DisplayHighscores", "Display high scores",
                QKeySequence(Qt::CTRL | Qt::Key_H), &TMainWnd::DisplayHighscoresClick);
    players->addSeparator();
    m.PlayersNocomputerplayers =
        addItem(players, "PlayersNocomputerplayers", "&No computer players", {},
                &TMainWnd::PlayersNocomputerplayersClick);
    m.PlayersOnecomputerplayer =
        addItem(players, "PlayersOnecomputerplayer", "&One computer player", {},
                &TMainWnd::PlayersOnecomputerplayerClick);
    m.PlayersTwocomputerplayers =
        addItem(players, "PlayersTwocomputerplayers", "&Two computer players", {},
                &TMainWnd::PlayersTwocomputerplayersClick);
    radioGroup(
        {m.PlayersNocomputerplayers, m.PlayersOnecomputerplayer, m.PlayersTwocomputerplayers});

    QMenu* computer = bar->addMenu("&Computer");
    computer->setObjectName("Computer");
    m.ComputerPoor = addItem(computer, "ComputerPoor", "&Poor", {}, &TMainWnd::ComputerPoorClick);
    m.ComputerMedium =
        addItem(computer, "ComputerMedium", "&Medium", {}, &TMainWnd::ComputerMediumClick);
    m.ComputerGood = addItem(computer, "ComputerGood", "&Good", {}, &TMainWnd::ComputerGoodClick);
    m.ComputerExpert =
        addItem(computer, "ComputerExpert", "&Expert", {}, &TMainWnd::ComputerExpertClick);
    radioGroup({m.ComputerPoor, m.ComputerMedium, m.ComputerGood, m.ComputerExpert});

    QMenu* speed = bar->addMenu("S&peed");
    speed->setObjectName("Speed");
    m.SpeedSlow = addItem(speed, "SpeedSlow", "&Slow", {}, &TMainWnd::SpeedSlowClick);
    m.SpeedMedium = addItem(speed, "SpeedMedium", "&Medium", {}, &TMainWnd::SpeedMediumClick);
    m.SpeedFast = addItem(speed, "SpeedFast", "&Fast", {}, &TMainWnd::SpeedFastClick);
    radioGroup({m.SpeedSlow, m.SpeedMedium, m.SpeedFast});

    m.Settings = bar->addAction("&Settings");
    m.Settings->setObjectName("Settings");
    m.Settings->setAutoRepeat(false);
    connect(m.Settings, &QAction::triggered, this, [this] { SettingsClick(); });

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help");
    m.HelpHowtoplay = addItem(help, "HelpHowtoplay", "&How to play", QKeySequence(Qt::Key_F1),
                              &TMainWnd::HelpHowtoplayClick);
    help->addSeparator();
    m.HelpAbout = addItem(help, "HelpAbout", "&About", {}, &TMainWnd::HelpAboutClick);
}

// The groups show check marks, not radio bullets; checkOnly keeps one mark per group.
// F11 is the desktop's key for full screen; the game's menus stay as they were.
void TMainWnd::addFullScreenKey() {
    auto* toggle = new QAction("Full screen", this);
    toggle->setObjectName("ToggleFullScreen");
    toggle->setShortcut(QKeySequence(Qt::Key_F11));
    toggle->setShortcutContext(Qt::ApplicationShortcut);
    toggle->setAutoRepeat(false);
    connect(toggle, &QAction::triggered, this, [this] { toggleFullScreen(); });
    addAction(toggle);
}

void TMainWnd::toggleFullScreen() {
    if (!isFullScreen()) {
        showFullScreen();
    } else if (m_startedFullScreen) {
        setWindowFlag(Qt::FramelessWindowHint, false);  // a window the desktop can move
        showMaximized();
    } else {
        showNormal();
    }
}

void TMainWnd::radioGroup(std::initializer_list<QAction*> items) {
    for (QAction* a : items) a->setCheckable(true);
    m_checkGroups.emplace_back(items);
}

void TMainWnd::checkOnly(QAction* item) {
    for (const std::vector<QAction*>& group : m_checkGroups) {
        if (std::find(group.begin(), group.end(), item) == group.end()) continue;
        for (QAction* a : group) a->setChecked(a == item);
    }
}

QAction* TMainWnd::menuItem(const std::string& name) const {
    return findChild<QAction*>(QString::fromStdString(name));
}

void TMainWnd::setItemsEnabled(std::initializer_list<MenuItem> items, bool enabled) {
    const MenuItems& m = m_menu;
    // In the order of MenuItem.
    const std::array<QAction*, kMenuItemCount> byItem{
        m.GameNew, m.GameDemo, m.GameCleartotals, m.SetupPlayers, m.DisplayHighscores,
        m.PlayersNocomputerplayers, m.PlayersOnecomputerplayer, m.PlayersTwocomputerplayers,
        m.ComputerPoor, m.ComputerMedium, m.ComputerGood, m.ComputerExpert,
        m.SpeedSlow, m.SpeedMedium, m.SpeedFast, m.Settings};
    for (const MenuItem item : items) byItem.at(static_cast<std::size_t>(item))->setEnabled(enabled);
}

// Watching, opening, hosting and joining start only while nothing is played.
void TMainWnd::updateReplayItems() {
    const bool idle = !m_gra.running && !sessionRunning();
    m_menu.GameWatchlast->setEnabled(idle && m_replays.newest().has_value());
    for (QAction* item : {m_menu.GameOpenreplay, m_menu.GameHost, m_menu.GameJoin}) {
        item->setEnabled(idle);
    }
}

void TMainWnd::choosePlayers(int firstSlot, QAction* item) {
    m_chosenFirstSlot = firstSlot;
    if (!m_gra.running) m_gra.firstSlot = firstSlot;
    checkOnly(item);
    LayoutScoreBands();
    InvalidateScoreboard();
}

void TMainWnd::chooseSkill(int level, QAction* item) {
    m_gra.skillLevel = level;
    checkOnly(item);
}

void TMainWnd::chooseSpeed(int level, QAction* item) {
    m_gra.speedLevel = level;
    checkOnly(item);
}

// ---------------------------------------------------------------- commands

void TMainWnd::GameNewClick() {
    if (m_gra.fastFinish || sessionRunning()) return;
    if (m_gra.running && !m_gra.demo) {
        AskFinishGame();
        return;
    }
    LocalGame(*this).run();
}

void TMainWnd::GameDemoClick() {
    if (sessionRunning()) return;
    DemoGame(*this).run();
}

void TMainWnd::GameWatchlastClick() {
    if (m_gra.running || sessionRunning()) return;
    if (const std::optional<std::filesystem::path> last = m_replays.newest()) openReplay(*last);
}

void TMainWnd::GameOpenreplayClick() {
    if (m_gra.running || sessionRunning() || !m_hooks.chooseReplay) return;
    const auto file = m_hooks.chooseReplay(*this, m_replays.folder());
    if (file) openReplay(*file);
}

void TMainWnd::openReplay(const std::filesystem::path& file) {
    WatchReplay::open(*this, file);
}

void TMainWnd::watchReplay(Replay replay, const std::filesystem::path& file) {
    if (m_gra.running || sessionRunning()) return;
    WatchReplay(*this, std::move(replay), file).run();
}

std::string TMainWnd::arenaSideError(int side) const {
    return slyders::arenaSideError(side, m_window.height());
}

void TMainWnd::GameHostClick() {
    hostNetworkGame(net::kDefaultPort);
}

void TMainWnd::hostNetworkGame(std::uint16_t port) {
    if (m_gra.running || sessionRunning()) return;
    HostGame(*this, this, m_hooks.network).run(port);
}

void TMainWnd::GameJoinClick() {
    openJoinWindow({});
}

void TMainWnd::GameServerClick() {
    if (m_gra.running || sessionRunning()) return;
    ServerGame::openServerWindow(*this, this, m_hooks.network);
}

void TMainWnd::playOnServer(const std::string& address, net::RoomAction action,
                            const std::string& code) {
    if (m_gra.running || sessionRunning()) return;
    ServerGame(*this, this, m_hooks.network).run(address, action, code);
}

void TMainWnd::openJoinWindow(const std::string& address) {
    if (m_gra.running || sessionRunning()) return;
    GuestGame::openJoinWindow(*this, this, m_hooks.network, address);
}

void TMainWnd::joinNetworkGame(const std::string& address, int rosterIndex,
                               const std::string& password) {
    if (m_gra.running || sessionRunning()) return;
    GuestGame(*this, this, m_hooks.network).run(address, rosterIndex, password);
}

bool TMainWnd::seatPlayerNamed(const std::string& name) {
    Scores& roster = m_gra.scores();
    // Added as the players dialog adds a name: kept in the roster at once.
    if (roster.Add(PlrScore{name, 0, {}})) roster.Save();
    for (int k = 0; k < roster.count(); ++k) {
        if (roster.entry(k).name != name) continue;
        m_gra.seats[0].rosterIndex = k;
        for (int s = 1; s < kHumanSeats; ++s) {
            if (m_gra.seats[std::size_t(s)].rosterIndex == k)
                m_gra.seats[std::size_t(s)].rosterIndex = -1;
        }
        if (!m_gra.AllHumansSeated()) m_gra.humans = 1;
        LayoutScoreBands();
        InvalidateScoreboard();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- what the ways of playing ask

PlayMode* TMainWnd::enterMode(PlayMode* mode) {
    PlayMode* outer = m_mode;
    m_mode = mode;
    // Once the command that played has finished, the window takes the size it was given.
    if (!mode) QTimer::singleShot(0, this, [this] { adoptClientSize(); });
    return outer;
}

void TMainWnd::setTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void TMainWnd::showRestingTitle() {
    setTitle(activeMode().restingTitle());
}

bool TMainWnd::setupPlayers() {
    if (!m_hooks.playersDialog) return false;
    SetupPlayersClick();
    return true;
}

std::optional<std::string> TMainWnd::missingGamepad() {
    return slyders::missingGamepad(m_gra.seats, m_gra.humans, readPads());
}

void TMainWnd::startGame(const GameStart& start) {
    StartGame(m_gra, start, m_backBuffer);
    m_recording.begin(m_gra, start);
    LayoutScoreBands();
    refreshPicture();
}

void TMainWnd::GameCleartotalsClick() {
    if (m_boxes.ask("Clear current results? (high scores will not be affected)")) {
        ShowTitleScreen();
    }
}

void TMainWnd::GameExitClick() {
    close();
}

void TMainWnd::SetupPlayersClick() {
    if (m_hooks.playersDialog) m_hooks.playersDialog(*this);
}

void TMainWnd::DisplayHighscoresClick() {
    dispatch();
    showHighScores();
}

void TMainWnd::showHighScores() {
    ShowHighScores(m_gra, [this] { return m_clock.nowMicros() / 1000; });
    refreshPicture();
}

void TMainWnd::SettingsClick() {
    if (m_hooks.settingsDialog) m_hooks.settingsDialog(*this);
    InvalidateScoreboard();
}

void TMainWnd::HelpHowtoplayClick() {
    if (m_hooks.helpDialog) m_hooks.helpDialog(*this);
}

void TMainWnd::HelpAboutClick() {
    if (m_hooks.aboutDialog) m_hooks.aboutDialog(*this);
}

void TMainWnd::AskFinishGame() {
    if (!m_gra.running) return;
    if (m_boxes.ask("Finish game?")) m_gra.fastFinish = true;
}

void TMainWnd::EvOnKeyPress(int key) {
    constexpr int kEscape = 27;
    if (key == kEscape) activeMode().escape();
}

void TMainWnd::composeWindowPicture() {
    WindowPictureSources sources;
    sources.panel = m_scoreboard->panel();
    sources.logoFile = m_hooks.logoFile.empty()
                           ? (QCoreApplication::applicationDirPath() + "/logo_sq.bmp").toStdString()
                           : m_hooks.logoFile;
    sources.backgroundFile = m_hooks.backgroundFile;
    sources.load = LoadImageWithQt;  // a user's "slydersbg.bmp" may be any kind of bitmap
    ComposeWindowPicture(m_backBuffer, m_gra.arena, m_text, m_gra.rng(), sources);
    m_window.blit(m_backBuffer, 0, 0, 0, 0, m_window.width(), m_window.height());
    InvalidateScoreboard();
}

void TMainWnd::ShowTitleScreen() {
    m_gra.ResetRound();
    InvalidateScoreboard();
    m_gra.demo = false;
    drawTitleHints();
}

void TMainWnd::drawTitleHints() {
    ResetArena(m_gra.arena, m_text, m_backBuffer, false);
    const double S = m_gra.arena.side();
    DrawArenaText(m_gra.arena, m_text, 0.25 * S, 0.44 * S, 0.75 * S, 0.5 * S, "Press F1 for HELP",
                  "Arial", kWhite, false);
    DrawArenaText(m_gra.arena, m_text, 0.25 * S, 0.5 * S, 0.75 * S, 0.56 * S,
                  "Press F9 for DEMO game", "Arial", kWhite, false);
    refreshPicture();
}

// ---------------------------------------------------------------- the game loop

void TMainWnd::RunGameLoop() {
    m_gra.running = true;
    InvalidateScoreboard();
    m_scheduler.start(m_clock.nowMicros());
    updateReplayItems();
    while (m_gra.running) GameTick();
    // A game left before its end (stopped, left, the window closed) ends here all the same;
    // a game started inside it has ended already and cleared it.
    m_gra.fastFinish = false;
    m_recording.stop(m_gra);  // left before its end: a new game, the window closed
    updateReplayItems();
}

void TMainWnd::GameTick() {
    // The tick's work counts from here: the repaint of the scoreboard and label is part of it.
    const std::uint64_t tickStart = m_clock.nowMicros();
    dispatch();
    if (!stillActive() || !m_gra.running) {
        if (m_gra.running) m_clock.sleepMicros(kInactiveSleepUs);
        return;
    }
    TickSource& source = activeMode().ticks();
    const std::optional<TickInput> input =
        source.inputFor(m_gra.tick + 1, seatInput(m_keys, m_gra.seats, readPads()));
    if (!input) {
        m_clock.sleepMicros(kWaitForInputUs);  // another machine's input is on its way
        return;
    }
    const TickResult result =
        playSourcedTick(m_gra, source, *input, m_backBuffer, m_label, m_recording.recorder());
    if (m_gra.panelChanged) {
        InvalidateScoreboard();
        m_gra.panelChanged = false;
    }
    if (result == TickResult::GameOver) {
        announceEndOfGame();
        return;
    }
    if (m_gra.running) waitForRelease(tickStart);
}

void TMainWnd::waitForRelease(std::uint64_t tickStart) {
    const std::uint64_t waitStart = m_clock.nowMicros();
    const std::int32_t tick = m_gra.tick;
    std::uint64_t p = tickPeriodUs();
    std::uint64_t now = waitStart;
    while (!m_scheduler.dueUs(tick, p, now)) {
        dispatch();
        p = tickPeriodUs();
        now = m_clock.nowMicros();
        if (m_scheduler.dueUs(tick, p, now)) break;
        // Sleep rather than spin, waking in time for the release.
        const std::uint64_t release = m_scheduler.releaseTimeUs(tick, p);
        m_clock.sleepMicros(std::min(release - now, kMaxWaitSliceUs));
        now = m_clock.nowMicros();
    }
    m_scheduler.released(tick, now);
    if (m_tickLog) {
        std::fprintf(m_tickLog, "%d %llu %llu\n", tick, static_cast<unsigned long long>(now),
                     static_cast<unsigned long long>(waitStart - tickStart));
    }
}

// The game is over: the way of playing tells its end.
void TMainWnd::announceEndOfGame() {
    const int w = finishGame(m_gra, m_label);
    InvalidateScoreboard();
    refreshPicture();
    activeMode().gameOver(w);
}

// The tick last played counts as released now: after a pause or a change of speed the
// ticks go on at their pace instead of catching up.
void TMainWnd::restartTickPace() {
    const std::int32_t k = m_gra.tick % TickScheduler::kGroup;
    const std::uint64_t now = m_clock.nowMicros();
    const std::uint64_t back =
        k == TickScheduler::kGroup - 1 ? 0 : std::uint64_t(k) * tickPeriodUs();
    m_scheduler.start(now >= back ? now - back : 0);
}

std::uint64_t TMainWnd::tickPeriodUs() {
    constexpr std::uint64_t kUsPerMs = 1000;
    const std::uint64_t p =
        std::uint64_t(TickScheduler::periodMs(m_gra.speedLevel, m_gra.fastFinish)) * kUsPerMs;
    return activeMode().tickPeriodUs(p);
}

void TMainWnd::LayoutScoreBands() {
    m_scoreboard->LayoutScoreBands(m_gra, m_label);
}

void TMainWnd::InvalidateScoreboard() {
    m_scoreboardInvalid = true;
    if (!m_refreshQueued) {
        m_refreshQueued = true;
        QTimer::singleShot(0, this, [this] { refreshPicture(); });
    }
}

void TMainWnd::refreshPicture() {
    m_refreshQueued = false;
    if (m_scoreboardInvalid) m_scoreboard->PaintScoreboard(m_window, m_backBuffer, m_gra, m_label);
    if (m_label.changed) m_scoreboard->PaintEventLabel(m_window, m_backBuffer, m_label);
    m_scoreboardInvalid = false;
    m_label.changed = false;
    m_view->flushDirty();
}

void TMainWnd::dispatch() {
    refreshPicture();
    QCoreApplication::processEvents();
}

void TMainWnd::movePointer(int clientX, int clientY) {
    const QPoint logical(static_cast<int>(clientX / m_dpr), static_cast<int>(clientY / m_dpr));
    QCursor::setPos(m_view->mapToGlobal(m_view->origin() + logical));  // the picture may be centred
}

bool TMainWnd::useArenaSide(int side) {
    if (!fitsArenaSide(side)) return false;
    if (side == m_gra.arena.side()) return true;
    m_gra.InitArena(m_window.height(), &m_window, side);
    placeScoreboard();
    return true;
}

void TMainWnd::placeScoreboard() {
    m_scoreboard.emplace(m_window.width(), m_window.height(), m_gra.arena.side(),
                         m_gra.arena.offset(), m_text);
    LayoutScoreBands();
    composeWindowPicture();
    m_window.dirty.addAll(m_window.width(), m_window.height());
}

bool TMainWnd::fitsArenaSide(int side) const {
    return side >= kMinArenaSide && side <= m_window.height();
}

// A game keeps the arena its rules were set up for; the window takes a new size only
// between games.
void TMainWnd::clientResized(int width, int height) {
    m_pendingClient = QSize(width, height);
    adoptClientSize();
}

void TMainWnd::adoptClientSize() {
    if (!m_pendingClient || m_gra.running || m_mode) return;
    const QSize size = *m_pendingClient;
    const int side = static_cast<int>(kArenaShare * size.height());
    const bool fits =
        side >= kMinArenaSide && size.width() * kMinAspectHeight >= size.height() * kMinAspectWidth;
    const bool same = size.width() == m_window.width() && size.height() == m_window.height() &&
                      side == m_gra.arena.side();
    m_pendingClient.reset();
    if (!fits || same) return;  // too small: the picture stays as it is
    m_window = PixelBuffer(size.width(), size.height());
    m_backBuffer = PixelBuffer(size.width(), size.height());
    m_gra.InitArena(size.height(), &m_window);
    placeScoreboard();
    drawTitleHints();
    m_view->pictureResized();
}

// A way of playing that others take part in (a network game) goes on whichever window has
// the focus.
bool TMainWnd::stillActive() const {
    return m_assumeActive || isActiveWindow() || (m_mode && m_mode->playsInBackground());
}

void TMainWnd::AppEvOnDeactivate() {
    const bool background = activeMode().playsInBackground();
    if (background) m_keys.clear();
    if (m_minimising || background) return;
    m_keys.clear();
    m_minimising = true;  // minimising is no activation
    showMinimized();
    m_minimising = false;
    if (m_gra.running) setWindowTitle("Slyders (paused)");
}

void TMainWnd::AppEvOnActivate() {
    if (m_minimising || !isActiveWindow()) return;
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);  // back as it was
    if (windowFlags() & Qt::FramelessWindowHint) move(0, 0);
    showRestingTitle();
}

// ---------------------------------------------------------------- window events

bool TMainWnd::EvOnCloseQuery() {
    if (m_gra.running && !m_boxes.ask("Exit Slyders?")) return false;
    m_gra.running = false;
    activeMode().windowClosing();
    if (m_hooks.windowClosing) m_hooks.windowClosing();
    return true;
}

void TMainWnd::closeEvent(QCloseEvent* event) {
    if (EvOnCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainWnd::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_welcomed && m_hooks.windowShown) {
        m_welcomed = true;  // only the first showing, not every restore
        m_hooks.windowShown();
    }
}

bool TMainWnd::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto steer = steerKeyFor(key->key(), key->modifiers() & Qt::KeypadModifier);
        // An open menu, or the menu bar walked with the keyboard, takes the arrows as on
        // every desktop; a key let go there is still let go for the slyders.
        const bool menus = QApplication::activePopupWidget() ||
                           qobject_cast<QMenuBar*>(QApplication::focusWidget());
        if (steer && !key->isAutoRepeat()) {
            if (type == QEvent::KeyRelease) {
                m_keys.release(*steer);
            } else if (!menus) {
                m_keys.press(*steer);
            }
        }
        const bool custom = m_keys.isCustomKey(key->key());
        if (custom && !key->isAutoRepeat()) {
            if (type == QEvent::KeyRelease) {
                m_keys.releaseCustom(key->key());
            } else if (!menus) {
                m_keys.pressCustom(key->key());
            }
        }
        const bool ours =
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
        const bool free =
            ours && !QApplication::activePopupWidget() && !QApplication::activeModalWidget();
        if (type == QEvent::KeyPress && free && !key->isAutoRepeat() &&
            activeMode().key(key->key())) {
            return true;
        }
        if (type == QEvent::KeyPress && key->key() == Qt::Key_Escape && ours &&
            !QApplication::activePopupWidget() && !QApplication::activeModalWidget()) {
            EvOnKeyPress(27);
            return true;
        }
        if ((steer || custom) && ours && !menus) return true;  // not for the window's own controls
    } else if (type == QEvent::WindowDeactivate && watched == this) {
        m_keys.clear();
    } else if (type == QEvent::WindowActivate && watched == this) {
        // The window may become active after the application did; resume then.
        QTimer::singleShot(0, this, [this] { AppEvOnActivate(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace slyders
