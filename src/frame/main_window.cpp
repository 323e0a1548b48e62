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
#include <cmath>

#include "frame/game_view.h"
#include "frame/languages.h"
#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/rounds.h"
#include "play/headless_game.h"
#include "history/qt/history_window.h"
#include "play/qt/server_game.h"
#include "play/watch_replay.h"
#include "present/arena_text.h"
#include "present/high_scores.h"
#include "present/qt/qt_image_loader.h"
#include "present/qt/view_preferences.h"
#include "present/window_picture.h"

namespace slyders {

namespace {
constexpr int kInactiveSleepUs = 5000;  // the frozen loop naps instead of spinning
constexpr std::uint64_t kMaxWaitSliceUs = 2000;
constexpr int kWaitForInputUs = 500;
// A wait for another machine longer than this (a silent guest, a lost connection) restarts
// the pace: the ticks after it come at their period instead of racing to make up the wait.
constexpr std::uint64_t kLongWaitUs = 100000;
constexpr double kArenaShare = 0.9;  // of the client height, as the arena takes it
// The scoreboard needs the client area at least this much wider than high.
constexpr int kMinAspectWidth = 5, kMinAspectHeight = 4;
constexpr double kHeadNameGapUnits = 22;  // a name starts this far from its head's centre
constexpr int kHeadNamePixels = 15;        // the names' height, as on a 1080-line screen
static_assert(int(GameView::Pointer::Press) == int(PlayMode::Pointer::Press) &&
              int(GameView::Pointer::Drag) == int(PlayMode::Pointer::Drag) &&
              int(GameView::Pointer::Release) == int(PlayMode::Pointer::Release));
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
    m_uiScale = InterfaceScale(clientHeight, devicePixelRatio);
    m_gra.InitArena(clientHeight, &m_window);
    m_gra.setPointerMover(this);
    m_scoreboard.emplace(clientWidth, clientHeight, m_gra.arena.side(), m_gra.arena.offset(),
                         m_text, m_uiScale);
    m_view = new GameView(m_window, m_dpr, this);
    setCentralWidget(m_view);
    m_view->onResized([this](int width, int height) { clientResized(width, height); });
    applySlotPalette();
    m_view->onPointer([this](GameView::Pointer what, int x, int y) {
        activeMode().pointer(static_cast<PlayMode::Pointer>(what), x, y);
    });
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
    m_recording.setCatalogue(&m_history);
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

// The arena's trails are recoloured on their way to the screen; the scoreboard draws its
// names, whose edges blend into the panel, in the palette's colours itself.
void TMainWnd::applySlotPalette() {
    const SlotPalette palette = savedSlotPalette();
    m_view->setRecolour(SlotRecolour(m_gra.slots, palette));
    m_scoreboard->setSlotColours(palette == SlotPalette::ColourBlindSafe
                                     ? std::optional(colourBlindSafeColours())
                                     : std::nullopt);
}

void TMainWnd::buildMenu() {
    MenuItems& m = m_menu;
    QMenuBar* bar = menuBar();
    QMenu* game = bar->addMenu(tr("&Game"));
    game->setObjectName("Game");
    m.GameNew =
        addItem(game, "GameNew", tr("&New"), QKeySequence(Qt::Key_F2), &TMainWnd::GameNewClick);
    m.GameDemo = addItem(game, "GameDemo", tr("DEMO game"), QKeySequence(Qt::Key_F9),
                         &TMainWnd::GameDemoClick);
    m.GameWatchlast =
        addItem(game, "GameWatchlast", tr("&Watch last game"), {}, &TMainWnd::GameWatchlastClick);
    m.GameOpenreplay =
        addItem(game, "GameOpenreplay", tr("&Open replay..."), {}, &TMainWnd::GameOpenreplayClick);
    m.GameExportvideo = addItem(game, "GameExportvideo", tr("E&xport video..."), {},
                                &TMainWnd::GameExportvideoClick);
    m.GameExportvideo->setVisible(false);  // only while a replay is watched
    m.GameHistory =
        addItem(game, "GameHistory", tr("Game histor&y..."), {}, &TMainWnd::GameHistoryClick);
    game->addSeparator();
    m.GameHost =
        addItem(game, "GameHost", tr("&Host network game..."), {}, &TMainWnd::GameHostClick);
    m.GameJoin =
        addItem(game, "GameJoin", tr("&Join network game..."), {}, &TMainWnd::GameJoinClick);
    m.GameServer =
        addItem(game, "GameServer", tr("Play on a &server..."), {}, &TMainWnd::GameServerClick);
    game->addSeparator();
    m.GameCleartotals = addItem(game, "GameCleartotals", tr("&Clear current results..."), {},
                                &TMainWnd::GameCleartotalsClick);
    game->addSeparator();
    m.GameExit = addItem(game, "GameExit", tr("&Exit\tAlt-F4"), {}, &TMainWnd::GameExitClick);

    QMenu* players = bar->addMenu(tr("&Players"));
    players->setObjectName("Players");
    m.SetupPlayers = addItem(players, "SetupPlayers", tr("Set up human players..."),
                             QKeySequence(Qt::CTRL | Qt::Key_P), &TMainWnd::SetupPlayersClick);
    m.DisplayHighscores =
        addItem(players, "DisplayHighscores", tr("Display high scores"),
                QKeySequence(Qt::CTRL | Qt::Key_H), &TMainWnd::DisplayHighscoresClick);
    players->addSeparator();
    m.PlayersNocomputerplayers =
        addItem(players, "PlayersNocomputerplayers", tr("&No computer players"), {},
                &TMainWnd::PlayersNocomputerplayersClick);
    m.PlayersOnecomputerplayer =
        addItem(players, "PlayersOnecomputerplayer", tr("&One computer player"), {},
                &TMainWnd::PlayersOnecomputerplayerClick);
    m.PlayersTwocomputerplayers =
        addItem(players, "PlayersTwocomputerplayers", tr("&Two computer players"), {},
                &TMainWnd::PlayersTwocomputerplayersClick);
    radioGroup(
        {m.PlayersNocomputerplayers, m.PlayersOnecomputerplayer, m.PlayersTwocomputerplayers});

    QMenu* computer = bar->addMenu(tr("&Computer"));
    computer->setObjectName("Computer");
    m.ComputerPoor =
        addItem(computer, "ComputerPoor", tr("&Poor"), {}, &TMainWnd::ComputerPoorClick);
    m.ComputerMedium =
        addItem(computer, "ComputerMedium", tr("&Medium"), {}, &TMainWnd::ComputerMediumClick);
    m.ComputerGood =
        addItem(computer, "ComputerGood", tr("&Good"), {}, &TMainWnd::ComputerGoodClick);
    m.ComputerExpert =
        addItem(computer, "ComputerExpert", tr("&Expert"), {}, &TMainWnd::ComputerExpertClick);
    radioGroup({m.ComputerPoor, m.ComputerMedium, m.ComputerGood, m.ComputerExpert});

    QMenu* speed = bar->addMenu(tr("S&peed"));
    speed->setObjectName("Speed");
    m.SpeedSlow = addItem(speed, "SpeedSlow", tr("&Slow"), {}, &TMainWnd::SpeedSlowClick);
    m.SpeedMedium = addItem(speed, "SpeedMedium", tr("&Medium"), {}, &TMainWnd::SpeedMediumClick);
    m.SpeedFast = addItem(speed, "SpeedFast", tr("&Fast"), {}, &TMainWnd::SpeedFastClick);
    radioGroup({m.SpeedSlow, m.SpeedMedium, m.SpeedFast});

    m.Settings = bar->addAction(tr("&Settings"));
    m.Settings->setObjectName("Settings");
    m.Settings->setAutoRepeat(false);
    connect(m.Settings, &QAction::triggered, this, [this] { SettingsClick(); });

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName("Help");
    m.HelpHowtoplay = addItem(help, "HelpHowtoplay", tr("&How to play"), QKeySequence(Qt::Key_F1),
                              &TMainWnd::HelpHowtoplayClick);
    help->addSeparator();
    m.HelpAbout = addItem(help, "HelpAbout", tr("&About"), {}, &TMainWnd::HelpAboutClick);
    addItem(help, "HelpLanguage", tr("&Language..."), {}, &TMainWnd::HelpLanguageClick);
}

// The groups show check marks, not radio bullets; checkOnly keeps one mark per group.
// F11 is the desktop's key for full screen; the game's menus stay as they were.
void TMainWnd::addFullScreenKey() {
    auto* toggle = new QAction(tr("Full screen"), this);
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
    for (QAction* item :
         {m_menu.GameOpenreplay, m_menu.GameHistory, m_menu.GameHost, m_menu.GameJoin,
          m_menu.GameServer}) {
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
    if (sessionRunning()) {
        activeMode().key(Qt::Key_F9);  // a DEMO game watched starts again from its beginning
        return;
    }
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

// The history window is left to watch a game: the game is played here, not under it.
void TMainWnd::GameHistoryClick() {
    if (m_gra.running || sessionRunning()) return;
    std::vector<std::string> roster;
    for (const PlrScore& e : m_gra.scores().entries()) roster.push_back(e.name);
    HistoryWindow window(m_history, m_boxes, std::move(roster), this);
    if (m_hooks.exportVideo) {
        window.setExportVideo(
            [this](const std::filesystem::path& file) { m_hooks.exportVideo(*this, file); });
    }
    window.tellNotice();
    window.exec();
    updateReplayItems();
    if (window.toWatch()) openReplay(*window.toWatch());
}

// F3 after a game: its last seconds again, slowly, and back to where the player was.
void TMainWnd::replayLastMoments() {
    if (m_gra.running || sessionRunning() || !m_recording.lastGame()) return;
    WatchReplay::lastMoments(*this, *m_recording.lastGame());
}

void TMainWnd::openReplay(const std::filesystem::path& file) {
    showExportVideo(file);
    WatchReplay::open(*this, file);
    showExportVideo({});
}

void TMainWnd::watchReplay(Replay replay, const std::filesystem::path& file) {
    if (m_gra.running || sessionRunning()) return;
    showExportVideo(file);
    WatchReplay(*this, std::move(replay), file).run();
    showExportVideo({});
}

void TMainWnd::showExportVideo(const std::filesystem::path& watched) {
    m_watchedReplay = watched;
    m_menu.GameExportvideo->setVisible(!watched.empty() && m_hooks.exportVideo);
}

// The watched game waits while its video is made; it goes on at its pace afterwards.
void TMainWnd::GameExportvideoClick() {
    if (m_watchedReplay.empty() || !m_hooks.exportVideo) return;
    m_hooks.exportVideo(*this, m_watchedReplay);
    restartTickPace();
}

// E while watching: the same as the menu's "Export video..." (a replay read from a file only).
bool TMainWnd::canExportVideo() const {
    return m_hooks.exportVideo && !m_watchedReplay.empty();
}

void TMainWnd::exportVideo(const Replay& /*replay*/, const std::filesystem::path& file,
                           std::int32_t /*tick*/) {
    if (file.empty() || file != m_watchedReplay) return;
    GameExportvideoClick();
}

std::string TMainWnd::arenaSideError(int side) const {
    return slyders::arenaSideError(side, kMaxArenaSide);
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
    RoomGame::openServerWindow(*this, this, m_hooks.network);
}

void TMainWnd::playOnServer(const std::string& address, net::RoomAction action,
                            const std::string& code) {
    if (m_gra.running || sessionRunning()) return;
    RoomGame::run(*this, this, m_hooks.network, address, action, code);
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
    hushSounds(false);  // whatever comes next is heard until it says otherwise
    // Once the command that played has finished, the window takes the size it was given.
    if (!mode) QTimer::singleShot(0, this, [this] { adoptClientSize(); });
    return outer;
}

// The titles the ways of playing give the window, said in the player's language.
[[maybe_unused]] constexpr const char* kModeTitles[] = {
    QT_TRANSLATE_NOOP("slyders::TMainWnd", "Slyders (replay)"),
    QT_TRANSLATE_NOOP("slyders::TMainWnd", "Slyders (replay, paused)"),
    QT_TRANSLATE_NOOP("slyders::TMainWnd", "Slyders (network game)"),
};

void TMainWnd::setTitle(const std::string& title) {
    setWindowTitle(tr(title.c_str()));
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
    StartGame(m_gra, start, backBuffer());
    m_recording.begin(m_gra, start);
    LayoutScoreBands();
    refreshPicture();
}

void TMainWnd::GameCleartotalsClick() {
    if (m_boxes.ask(
            tr("Clear current results? (high scores will not be affected)").toStdString())) {
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

// Remembered with the player's preferences; the menus are built in it at the next start.
void TMainWnd::HelpLanguageClick() {
    if (const auto language = chooseLanguage(this, savedLanguage())) saveLanguage(*language);
}

void TMainWnd::HelpAboutClick() {
    if (m_hooks.aboutDialog) m_hooks.aboutDialog(*this);
}

void TMainWnd::AskFinishGame() {
    if (!m_gra.running) return;
    if (m_boxes.ask(tr("Finish game?").toStdString())) m_gra.fastFinish = true;
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
    const Rect square = arenaSquare();
    ComposeWindowPicture(m_backBuffer, square.x, square.w, m_text, m_gra.rng(), sources);
    m_window.blit(m_backBuffer, 0, 0, 0, 0, m_window.width(), m_window.height());
    if (m_scaled) {
        const int side = m_scaled->scaler.sourceSide();
        m_scaled->window.dirty.take();
        m_scaled->scaler.scale(m_scaled->window, 0, 0, {0, 0, side, side}, m_window, square.x,
                               square.y);
    }
    InvalidateScoreboard();
}

void TMainWnd::ShowTitleScreen() {
    m_gra.ResetRound();
    InvalidateScoreboard();
    m_gra.demo = false;
    drawTitleHints();
}

void TMainWnd::drawTitleHints() {
    ResetArena(m_gra.arena, m_text, backBuffer(), false);
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
        if (!m_waitingSinceUs) m_waitingSinceUs = tickStart;
        m_clock.sleepMicros(kWaitForInputUs);  // another machine's input is on its way
        return;
    }
    if (m_waitingSinceUs) {
        if (tickStart - *m_waitingSinceUs > kLongWaitUs) restartTickPace();
        m_waitingSinceUs.reset();
    }
    hushSounds(!activeMode().heard());
    const TickResult result =
        playSourcedTick(m_gra, source, *input, backBuffer(), m_label, m_recording.recorder());
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

void TMainWnd::hushSounds(bool on) {
    if (on == m_hushed) return;
    m_hushed = on;
    if (m_hooks.hushSounds) m_hooks.hushSounds(on);
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
    showScaledArena();
    updateHeadNames();
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
    if (m_scaled) {  // the game's own pictures have the arena at their top left
        const Rect square = arenaSquare();
        clientX = square.x + static_cast<int>(m_scaled->scaler.toTarget(clientX));
        clientY = square.y + static_cast<int>(m_scaled->scaler.toTarget(clientY));
    }
    const QPoint logical(static_cast<int>(clientX / m_dpr), static_cast<int>(clientY / m_dpr));
    QCursor::setPos(m_view->mapToGlobal(m_view->origin() + logical));  // the picture may be centred
}

bool TMainWnd::useArenaSide(int side) {
    if (!fitsArenaSide(side)) return false;
    if (side == m_gra.arena.side()) return true;
    playOnSide(side);
    return true;
}

Rect TMainWnd::arenaSquare() const {
    const int side = static_cast<int>(kArenaShare * m_window.height());
    const int m = (m_window.height() - side) / 2;
    return {m, m, side, side};
}

// The window's own side plays in the window picture itself, sharp and at no cost; any other
// side plays in pictures of its own and is shown scaled into the window's arena square.
void TMainWnd::playOnSide(int side) {
    const int own = arenaSquare().w;
    if (side == own) {
        m_scaled.reset();
        m_gra.InitArena(m_window.height(), &m_window, side);
    } else {
        m_scaled.emplace(side, own);
        m_gra.InitArena(side, &m_scaled->window, side);
    }
    placeScoreboard();
}

// The game's changes since the last look, scaled into the window's arena square.
void TMainWnd::showScaledArena() {
    if (!m_scaled) return;
    m_gra.arena.window();  // brings the game's picture up to date with its scrolls
    const Rect square = arenaSquare();
    for (const Rect& r : m_scaled->window.dirty.take()) {
        m_scaled->scaler.scale(m_scaled->window, 0, 0, r, m_window, square.x, square.y);
    }
}

// During the intro every slyder's name stands beside its head, over the picture shown: the
// arena's pixels and map stay the game's alone.
void TMainWnd::updateHeadNames() {
    std::vector<OverlayText> names;
    const bool intro = m_gra.running && m_headNames && m_gra.IntroLeft() <= 0;
    for (int s = m_gra.firstSlot; intro && s <= m_gra.lastActive(); ++s) {
        const Slyder& sl = m_gra.slot(s);
        const Rect square = arenaSquare();
        const double scale = double(square.w) / m_gra.arena.side();
        OverlayText t;
        t.text = QString::fromStdString(m_gra.DisplayName(s));
        t.anchor = QPoint(square.x + static_cast<int>(sl.x * scale),
                          square.y + static_cast<int>(sl.y * scale));
        // The intro writes the name into the arena just behind the slyder, some 20 units
        // around, and marks the way ahead: this one stands beside the head, past both, on
        // the upper side.
        QPointF side(sinDeg(sl.heading), -cosDeg(sl.heading));
        t.direction = side.y() <= 0 ? side : -side;
        t.gap = static_cast<int>(kHeadNameGapUnits * m_gra.arena.unit() * scale);
        t.bounds = QRect(square.x, square.y, square.w, square.h);
        t.colour = QColor(sl.light.r, sl.light.g, sl.light.b);
        t.pixelHeight = static_cast<int>(std::lround(kHeadNamePixels * m_uiScale));
        names.push_back(t);
    }
    m_view->setOverlay(std::move(names));
}

void TMainWnd::placeScoreboard() {
    const Rect square = arenaSquare();
    m_scoreboard.emplace(m_window.width(), m_window.height(), square.w, square.x, m_text,
                         m_uiScale);
    LayoutScoreBands();
    composeWindowPicture();
    m_window.dirty.addAll(m_window.width(), m_window.height());
}

// Any side a game may have is shown, scaled to the window's arena square.
bool TMainWnd::fitsArenaSide(int side) const {
    return side >= kMinArenaSide && side <= kMaxArenaSide;
}

// A game keeps the arena its rules were set up for: the window's picture follows the window
// at once, the arena's side only between games.
void TMainWnd::clientResized(int width, int height) {
    m_pendingClient = QSize(width, height);
    adoptClientSize();
}

void TMainWnd::adoptClientSize() {
    if (!m_pendingClient) return;
    const QSize size = *m_pendingClient;
    const int side = static_cast<int>(kArenaShare * size.height());
    const bool fits =
        side >= kMinArenaSide && size.width() * kMinAspectHeight >= size.height() * kMinAspectWidth;
    if (fits && (m_gra.running || m_mode)) {
        resizeAroundGame(size);
        return;  // still pending: the arena follows once the game has ended
    }
    const bool same = size.width() == m_window.width() && size.height() == m_window.height() &&
                      side == m_gra.arena.side() && !m_scaled;
    m_pendingClient.reset();
    if (!fits || same) return;  // too small: the picture stays as it is
    m_window = PixelBuffer(size.width(), size.height());
    m_backBuffer = PixelBuffer(size.width(), size.height());
    m_scaled.reset();
    m_uiScale = InterfaceScale(size.height(), m_dpr);
    m_gra.InitArena(size.height(), &m_window);
    placeScoreboard();
    drawTitleHints();
    m_view->pictureResized();
}

// The window takes its new size at once while a game goes on; the game keeps its arena,
// now in pictures of its own, shown scaled into the window's new arena square.
void TMainWnd::resizeAroundGame(QSize size) {
    if (size.width() == m_window.width() && size.height() == m_window.height()) return;
    const int side = m_gra.arena.side();
    const int shown = static_cast<int>(kArenaShare * size.height());
    if (!m_scaled) {
        const Rect square = arenaSquare();
        m_scaled.emplace(side, shown);
        m_gra.arena.window();  // up to date with its scrolls before it is copied
        m_scaled->window.blit(m_window, square.x, square.y, 0, 0, side, side);
        m_scaled->back.blit(m_backBuffer, square.x, square.y, 0, 0, side, side);
        m_gra.arena.moveWindow(&m_scaled->window, 0);
    } else {
        m_scaled->scaler = SquareScaler(side, shown);
    }
    m_window = PixelBuffer(size.width(), size.height());
    m_backBuffer = PixelBuffer(size.width(), size.height());
    m_uiScale = InterfaceScale(size.height(), m_dpr);
    // The noise background draws from the game's generator: the game must not notice.
    const auto state = m_gra.rng().state();
    placeScoreboard();
    m_gra.rng().setState(state);
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
    if (m_gra.running) setWindowTitle(tr("Slyders (paused)"));
}

void TMainWnd::AppEvOnActivate() {
    if (m_minimising || !isActiveWindow()) return;
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);  // back as it was
    if (windowFlags() & Qt::FramelessWindowHint) move(0, 0);
    showRestingTitle();
}

// ---------------------------------------------------------------- window events

bool TMainWnd::EvOnCloseQuery() {
    if (m_gra.running && !m_boxes.ask(tr("Exit Slyders?").toStdString())) return false;
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
        if (type == QEvent::KeyPress && free && key->key() == Qt::Key_F3) {
            if (!key->isAutoRepeat()) replayLastMoments();
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
