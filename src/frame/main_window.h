#pragma once

#include <QMainWindow>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "boxes/message_boxes.h"
#include "frame/key_state.h"
#include "frame/tick_clock.h"
#include "frame/tick_source.h"
#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "present/event_label.h"
#include "present/scoreboard.h"
#include "replay/replay_recorder.h"
#include "replay/replay_store.h"

class QAction;
class QActionGroup;

namespace slyders {

namespace net {
struct Start;
}
class GameView;
class TMainWnd;
struct GameStart;

// What the main window asks of the parts that are built around it: sounds at show and
// close, the settings file, the dialogs its commands open, and the window picture's files.
struct FrameHooks {
    std::function<void()> windowShown;    // the welcome sound
    std::function<void()> windowClosing;  // ends the sound device, plays the farewell
    std::function<void()> loadSettings;   // reads "Default.par"
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
    // Network play: the address the host listens at ("" every address of the machine), how
    // long a join waits for the host, how long a silent machine is waited for, and a lobby
    // that starts by itself once this many guests are in (0: the Start button only).
    struct NetworkPlay {
        std::string listenAddress;
        int joinTimeoutMs = 5000;
        int silentTimeoutMs = 10000;
        int startWhenJoined = 0;
    } network;
};

// The one window of the game: the arena on the left, the scoreboard on the right, the menu,
// and the game loop, which runs inside the command that starts a game.
class TMainWnd final : public QMainWindow, public PointerMover {
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

    // --- replays ---
    // Plays a replay in the window as the game was played, then puts back what it borrowed:
    // the arena side, the settings, the round and the pictures. It records nothing and
    // changes no roster, rating or high score. The replay's arena side must fit.
    void watchReplay(Replay replay, const std::filesystem::path& file);
    // Reads a replay file and watches it; a file that cannot be used gets a message box.
    void openReplay(const std::filesystem::path& file);
    bool fitsArenaSide(int side) const;
    std::string arenaSideError(int side) const;
    bool watching() const { return m_watch != nullptr; }
    int playbackFactor() const;
    bool watchPaused() const;
    ReplayStore& replays() { return m_replays; }

    // --- network play (main_window_network.cpp) ---
    void GameHostClick();
    void GameJoinClick();
    // Opens the port and the lobby; the games are played when the lobby starts them.
    void hostNetworkGame(std::uint16_t port);
    // The join window, with the address filled in.
    void openJoinWindow(const std::string& address);
    // Joins with one player of this machine's roster and plays the host's games.
    void joinNetworkGame(const std::string& address, int rosterIndex, const std::string& password);
    // The command line's --player: seat 1 gets this roster player, added when new.
    bool seatPlayerNamed(const std::string& name);
    bool networked() const { return m_net != nullptr; }
    void setNetworkPlay(const FrameHooks::NetworkPlay& play) { m_hooks.network = play; }
    // "Waiting for NAME..." while the label says so, otherwise empty.
    std::string networkWaiting() const;

    // --- the game loop ---
    void RunGameLoop();
    void GameTick();
    void AskFinishGame();
    void ShowTitleScreen();
    void InvalidateScoreboard();
    void LayoutScoreBands();
    void AppEvOnDeactivate();
    void AppEvOnActivate();

    // One pass of message dispatch, after bringing the screen up to date.
    void dispatch();
    // Brings the screen up to date with the window picture.
    void refreshPicture();

    Gra& gra() { return m_gra; }
    KeyState& keys() { return m_keys; }
    PixelBuffer& windowPicture() { return m_window; }
    PixelBuffer& backBuffer() { return m_backBuffer; }
    EventLabel& eventLabel() { return m_label; }
    // A menu item by its name (GameNew, SpeedFast, ...), for tests and hooks.
    QAction* menuItem(const std::string& name) const;
    int chosenFirstSlot() const { return m_chosenFirstSlot; }
    int savedHumans() const { return m_savedHumans; }
    bool stillActive() const;  // the main window has the focus
    void setAssumeActive(bool on) { m_assumeActive = on; }
    void setTickLog(std::FILE* log) { m_tickLog = log; }
    MessageBoxes& boxes() { return m_boxes; }
    // The input of the ticks comes from here; null gives back the keyboard.
    void setTickSource(TickSource* source) { m_source = source; }
    TickSource& tickSource() { return m_source ? *m_source : m_localSource; }
    void movePointer(int clientX, int clientY) override;
    // Plays on an arena of this side inside the client area (a replay or a network game is
    // played on the side it was made on): the arena is made anew, the scoreboard placed
    // beside it and the window picture composed again. False when it does not fit.
    bool useArenaSide(int side);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool EvOnCloseQuery();
    void EvOnKeyPress(int key);
    void buildMenu();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, void (TMainWnd::*handler)());
    void radioGroup(std::initializer_list<QAction*> items);
    void choosePlayers(int firstSlot, QAction* item);
    void chooseSkill(int level, QAction* item);
    void chooseSpeed(int level, QAction* item);
    void setGameItemsEnabled(bool demoGame, bool enabled);
    void startGame(const GameStart& start);
    PadStates readPads() const { return m_hooks.readPads ? m_hooks.readPads() : PadStates{}; }
    void composeWindowPicture();
    void waitForRelease(std::uint64_t tickStart);
    void announceEndOfGame();
    void showHighScores();

    // Recording and watching (main_window_replays.cpp).
    struct Watch;
    struct WatchEnd {
        void operator()(Watch* watch) const;
    };
    void beginRecording(const GameStart& start);
    void stopRecording();
    void endRecording(const std::string& resultText);
    void saveReplay(const Replay& replay);
    void beforePlayedTick(const TickInput& input);
    void afterPlayedTick();
    void updateReplayItems();
    void announceWatchedEnd(int winner);
    void endOfWatching();
    void askStopWatching();
    void leaveWatching();  // the window closes: no questions at the end
    bool watchKey(int key);
    void reanchorTicks();
    std::uint64_t tickPeriodUs() const;
    void setWatchItemsEnabled(bool enabled);
    const char* restingTitle() const;

    // Network play (main_window_network.cpp).
    struct Network;
    struct NetworkEnd {
        void operator()(Network* network) const;
    };
    void beginNetwork(Network* network);
    bool playNetworkGame(const net::Start& start);
    net::Start hostStart();
    bool networkStopped();
    bool hostAnotherGame();
    void endNetwork();
    void leaveNetwork(bool closing);
    void askLeaveNetwork();
    void setNetworkItemsEnabled(bool enabled);

    Gra& m_gra;
    TextRenderer& m_text;
    MessageBoxes& m_boxes;
    Clock& m_clock;
    FrameHooks m_hooks;
    ReplayStore m_replays;
    ReplayRecorder m_recorder;
    std::unique_ptr<Watch, WatchEnd> m_watch;
    std::unique_ptr<Network, NetworkEnd> m_net;
    std::optional<std::filesystem::path> m_lastSavedReplay;
    bool m_replaySaveFailed = false;
    double m_dpr;

    PixelBuffer m_window;      // the window picture: stands for the screen
    PixelBuffer m_backBuffer;  // the composed background of the window
    GameView* m_view = nullptr;
    EventLabel m_label;
    std::optional<Scoreboard> m_scoreboard;  // built once the arena is placed
    KeyState m_keys;
    LocalTickSource m_localSource;
    TickSource* m_source = nullptr;
    TickScheduler m_scheduler;
    // The menu's items, named as in the menu's layout.
    struct MenuItems {
        QAction *GameNew = nullptr, *GameDemo = nullptr, *GameWatchlast = nullptr,
                *GameOpenreplay = nullptr, *GameHost = nullptr, *GameJoin = nullptr,
                *GameCleartotals = nullptr, *GameExit = nullptr;
        QAction *SetupPlayers = nullptr, *DisplayHighscores = nullptr;
        QAction *PlayersNocomputerplayers = nullptr, *PlayersOnecomputerplayer = nullptr,
                *PlayersTwocomputerplayers = nullptr;
        QAction *ComputerPoor = nullptr, *ComputerMedium = nullptr, *ComputerGood = nullptr,
                *ComputerExpert = nullptr;
        QAction *SpeedSlow = nullptr, *SpeedMedium = nullptr, *SpeedFast = nullptr;
        QAction* Settings = nullptr;
        QAction *HelpHowtoplay = nullptr, *HelpAbout = nullptr;
    } m_menu;

    int m_chosenFirstSlot = 1;
    int m_savedHumans = 1;
    bool m_scoreboardInvalid = true;
    bool m_refreshQueued = false;
    bool m_assumeActive = false;
    bool m_minimising = false;
    bool m_welcomed = false;
    std::FILE* m_tickLog = nullptr;
};

}  // namespace slyders
