#pragma once

#include <QMainWindow>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "boxes/message_boxes.h"
#include "frame/key_state.h"
#include "frame/tick_clock.h"
#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "history/game_catalogue.h"
#include "present/event_label.h"
#include "present/scoreboard.h"
#include "present/screen_scaling.h"
#include "play/game_recording.h"
#include "play/local_game.h"
#include "play/qt/network_game.h"
#include "replay/replay_store.h"

class QAction;
class QTimer;

namespace slyders {

class GameView;
class TMainWnd;
struct GameStart;

// What the main window asks of the parts that are built around it: sounds at show and
// close, the settings file, the dialogs its commands open, and the window picture's files.
struct FrameHooks {
    std::function<void()> windowShown;    // the welcome sound
    std::function<void()> windowClosing;  // ends the sound device, plays the farewell
    std::function<void()> loadSettings;   // reads "Default.par"
    // true: the game's sounds are held back (ticks racing by unheard); false: heard again.
    std::function<void(bool)> hushSounds;
    std::function<void(TMainWnd&)> playersDialog;
    std::function<void(TMainWnd&)> settingsDialog;
    std::function<void(TMainWnd&)> helpDialog;
    std::function<void(TMainWnd&)> aboutDialog;
    // The window picture's files; an empty logo path means the one beside the executable.
    std::string logoFile;
    std::string backgroundFile = "slydersbg.bmp";
    std::function<PadStates()> readPads;  // polls the gamepads now; unset: no pads
    // Where the replays of the games are kept; empty: ReplayStore::defaultFolder().
    std::filesystem::path replayFolder;
    // "Open replay...": the file the player chose, starting in the replay folder.
    std::function<std::optional<std::filesystem::path>(TMainWnd&, const std::filesystem::path&)>
        chooseReplay;
    // "Export video...": the replay being watched, or chosen in the game history, made into a
    // video file.
    std::function<void(TMainWnd&, const std::filesystem::path&)> exportVideo;
    NetworkPlay network;
};

// The one window of the game: the arena on the left, the scoreboard on the right, the menu,
// and the game loop, which runs inside the command that starts a game. What a game is (at
// one keyboard, DEMO, a replay watched, a network game) is the business of the way of
// playing the command chose; the window plays it and asks it.
class TMainWnd final : public QMainWindow, public PointerMover, public PlayTable {
    Q_OBJECT

public:
    // clientWidth x clientHeight is the client area in device pixels.
    TMainWnd(Gra& gra, TextRenderer& text, MessageBoxes& boxes, Clock& clock, int clientWidth,
             int clientHeight, double devicePixelRatio, FrameHooks hooks, bool fullScreen);
    ~TMainWnd() override;

    // --- menu commands ---
    void GameNewClick();
    void GameDemoClick();
    void GameWatchlastClick();
    void GameOpenreplayClick();
    void GameExportvideoClick();
    void GameHistoryClick();
    void GameCleartotalsClick();
    void GameExitClick();
    void SetupPlayersClick();
    void DisplayHighscoresClick();
    void PlayersNocomputerplayersClick() { choosePlayers(2, m_menu.PlayersNocomputerplayers); }
    void PlayersOnecomputerplayerClick() { choosePlayers(1, m_menu.PlayersOnecomputerplayer); }
    void PlayersTwocomputerplayersClick() { choosePlayers(0, m_menu.PlayersTwocomputerplayers); }
    void ComputerPoorClick() { chooseSkill(1, m_menu.ComputerPoor); }
    void ComputerMediumClick() { chooseSkill(2, m_menu.ComputerMedium); }
    void ComputerGoodClick() { chooseSkill(3, m_menu.ComputerGood); }
    void ComputerExpertClick() { chooseSkill(kSkillExpert, m_menu.ComputerExpert); }
    void SpeedSlowClick() { chooseSpeed(0, m_menu.SpeedSlow); }
    void SpeedMediumClick() { chooseSpeed(1, m_menu.SpeedMedium); }
    void SpeedFastClick() { chooseSpeed(2, m_menu.SpeedFast); }
    void SettingsClick();
    void HelpHowtoplayClick();
    void HelpAboutClick();
    void HelpLanguageClick();

    // --- replays and network play: the way of playing is chosen here ---
    // Watches a replay in the window (its arena side must fit); nothing while a game runs.
    void watchReplay(Replay replay, const std::filesystem::path& file);
    // The last seconds of the game last played again, at half its pace (F3 between games).
    void replayLastMoments();
    // Reads a replay file and watches it; a file that cannot be used gets a message box.
    void openReplay(const std::filesystem::path& file);
    std::string arenaSideError(int side) const;
    ReplayStore& replays() override { return m_replays; }
    GameCatalogue& history() { return m_history; }
    void GameHostClick();
    void GameJoinClick();
    void GameServerClick();
    // Plays on a dedicated server: creates a room, or joins or watches the code's.
    void playOnServer(const std::string& address, net::RoomAction action, const std::string& code);
    // Opens the port and the lobby; the games are played when the lobby starts them.
    void hostNetworkGame(std::uint16_t port);
    // The join window, with the address filled in.
    void openJoinWindow(const std::string& address);
    // Joins with one player of this machine's roster and plays the host's games.
    void joinNetworkGame(const std::string& address, int rosterIndex, const std::string& password);
    // The command line's --player: seat 1 gets this roster player, added when new.
    bool seatPlayerNamed(const std::string& name);
    void setNetworkPlay(const NetworkPlay& play) { m_hooks.network = play; }
    // The way of playing now: the one a command chose, or the keyboard's while none plays.
    PlayMode& activeMode() { return m_mode ? *m_mode : m_atKeyboard; }

    // --- the game loop ---
    void RunGameLoop();
    void GameTick();
    void AskFinishGame();
    void ShowTitleScreen();
    void InvalidateScoreboard();
    void LayoutScoreBands();
    // Shows the slots in the palette the player chose (the game keeps its own colours).
    void applySlotPalette();
    void AppEvOnDeactivate();
    void AppEvOnActivate();

    // One pass of message dispatch, after bringing the screen up to date.
    void dispatch() override;
    // Brings the screen up to date with the window picture.
    void refreshPicture() override;

    Gra& gra() override { return m_gra; }
    KeyState& keys() { return m_keys; }
    // The pictures the game draws into and reads: the window's own while the game plays on
    // the window's arena side, else the game's, shown scaled.
    PixelBuffer& windowPicture() override { return m_scaled ? m_scaled->window : m_window; }
    PixelBuffer& backBuffer() override { return m_scaled ? m_scaled->back : m_backBuffer; }
    // What the window shows: arena square, scoreboard, event label, frame and title.
    const PixelBuffer& screenPicture() const { return m_window; }
    // The window's own arena square in the screen picture, whatever side the game plays on.
    Rect arenaSquare() const;
    const Scoreboard& scoreboard() const { return *m_scoreboard; }
    GameView* view() const { return m_view; }
    double interfaceScale() const { return m_uiScale; }
    // The slyders' names beside their heads during the intro (on unless a test says not).
    void setHeadNames(bool on) { m_headNames = on; }
    EventLabel& eventLabel() override { return m_label; }
    // A menu item by its name (GameNew, SpeedFast, ...), for tests and hooks.
    QAction* menuItem(const std::string& name) const;
    int chosenFirstSlot() const override { return m_chosenFirstSlot; }
    int savedHumans() const override { return m_savedHumans; }
    bool stillActive() const;  // the main window has the focus
    void setAssumeActive(bool on) { m_assumeActive = on; }
    void setTickLog(std::FILE* log) { m_tickLog = log; }
    MessageBoxes& boxes() override { return m_boxes; }
    void movePointer(int clientX, int clientY) override;
    // Plays on an arena of this side inside the client area (a replay or a network game is
    // played on the side it was made on): the arena is made anew, the scoreboard placed
    // beside it and the window picture composed again. False when it does not fit.
    bool useArenaSide(int side) override;
    bool fitsArenaSide(int side) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool EvOnCloseQuery();
    void EvOnKeyPress(int key);
    void buildMenu();
    void addFullScreenKey();
    void toggleFullScreen();
    void clientResized(int width, int height);
    void adoptClientSize();
    void resizeAroundGame(QSize size);
    void placeScoreboard();
    void playOnSide(int side);
    void showScaledArena();
    void updateHeadNames();
    void drawTitleHints();
    void watchProgramSwitches();
    void showExportVideo(const std::filesystem::path& watched);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, void (TMainWnd::*handler)());
    void radioGroup(std::initializer_list<QAction*> items);
    void checkOnly(QAction* item);
    void choosePlayers(int firstSlot, QAction* item);
    void chooseSkill(int level, QAction* item);
    void chooseSpeed(int level, QAction* item);
    PadStates readPads() const { return m_hooks.readPads ? m_hooks.readPads() : PadStates{}; }
    void composeWindowPicture();
    void waitForRelease(std::uint64_t tickStart);
    void hushSounds(bool on);
    void announceEndOfGame();
    std::uint64_t tickPeriodUs();
    // A replay watched or a network session: the game menu's commands wait for its end.
    bool sessionRunning() const { return m_mode && m_mode->isSession(); }

    // What the ways of playing ask of the window.
    TextRenderer& text() override { return m_text; }
    GameRecording& recording() override { return m_recording; }
    PlayMode* enterMode(PlayMode* mode) override;
    void setTitle(const std::string& title) override;
    void showRestingTitle() override;
    void setItemsEnabled(std::initializer_list<MenuItem> items, bool enabled) override;
    void updateReplayItems() override;
    bool setupPlayers() override;
    std::optional<std::string> missingGamepad() override;
    void setSavedHumans(int humans) override { m_savedHumans = humans; }
    void startGame(const GameStart& start) override;
    void runGameLoop() override { RunGameLoop(); }
    void restartTickPace() override;
    bool canExportVideo() const override;
    void exportVideo(const Replay& replay, const std::filesystem::path& file,
                     std::int32_t tick) override;
    void askFinishGame() override { AskFinishGame(); }
    void showTitleScreen() override { ShowTitleScreen(); }
    void showHighScores() override;
    void layoutScoreBands() override { LayoutScoreBands(); }
    void invalidateScoreboard() override { InvalidateScoreboard(); }

    Gra& m_gra;
    TextRenderer& m_text;
    MessageBoxes& m_boxes;
    Clock& m_clock;
    FrameHooks m_hooks;
    ReplayStore m_replays;
    GameCatalogue m_history{m_replays};
    GameRecording m_recording;
    LocalGame m_atKeyboard{*this};
    PlayMode* m_mode = nullptr;
    double m_dpr;

    PixelBuffer m_window;      // the window picture: stands for the screen
    PixelBuffer m_backBuffer;  // the composed background of the window
    // A game on an arena of another side than the window's own plays in pictures of its
    // own, shown scaled into the window's arena square.
    struct ScaledGame {
        ScaledGame(int side, int shownSide)
            : window(side, side), back(side, side), scaler(side, shownSide) {}
        PixelBuffer window, back;
        SquareScaler scaler;
    };
    std::optional<ScaledGame> m_scaled;
    double m_uiScale = 1.0;  // the scoreboard's, on large screens
    bool m_headNames = true;
    GameView* m_view = nullptr;
    EventLabel m_label;
    std::optional<Scoreboard> m_scoreboard;  // built once the arena is placed
    KeyState m_keys;
    TickScheduler m_scheduler;
    std::optional<std::uint64_t> m_waitingSinceUs;  // since when the loop waits for a machine
    bool m_hushed = false;  // the game's sounds held back while its ticks race by
    // The menu's items, named as in the menu's layout.
    struct MenuItems {
        QAction *GameNew = nullptr, *GameDemo = nullptr, *GameWatchlast = nullptr,
                *GameOpenreplay = nullptr, *GameHistory = nullptr, *GameHost = nullptr,
                *GameJoin = nullptr, *GameServer = nullptr,
                *GameCleartotals = nullptr, *GameExit = nullptr;
        QAction* GameExportvideo = nullptr;
        QAction *SetupPlayers = nullptr, *DisplayHighscores = nullptr;
        QAction *PlayersNocomputerplayers = nullptr, *PlayersOnecomputerplayer = nullptr,
                *PlayersTwocomputerplayers = nullptr;
        QAction *ComputerPoor = nullptr, *ComputerMedium = nullptr, *ComputerGood = nullptr,
                *ComputerExpert = nullptr;
        QAction *SpeedSlow = nullptr, *SpeedMedium = nullptr, *SpeedFast = nullptr;
        QAction* Settings = nullptr;
        QAction *HelpHowtoplay = nullptr, *HelpAbout = nullptr;
    } m_menu;
    std::vector<std::vector<QAction*>> m_checkGroups;  // Players, Computer, Speed

    int m_chosenFirstSlot = 1;
    int m_savedHumans = 1;
    bool m_scoreboardInvalid = true;
    bool m_refreshQueued = false;
    bool m_assumeActive = false;
    bool m_minimising = false;
    bool m_startedFullScreen = false;
    std::optional<QSize> m_pendingClient;  // the client area's size, until a game has ended
    QTimer* m_switchCheck = nullptr;       // confirms a switch to another program
    Qt::ApplicationState m_appState = Qt::ApplicationActive;
    bool m_welcomed = false;
    std::FILE* m_tickLog = nullptr;
    std::filesystem::path m_watchedReplay;  // the replay file watched now, if any
};

}  // namespace slyders
