#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "play/tick_source.h"

namespace slyders {

class Gra;
class GameRecording;
class MessageBoxes;
class PixelBuffer;
class ReplayStore;
class TextRenderer;
struct EventLabel;
struct GameStart;
struct Replay;

// The menu items a way of playing may switch off while it lasts, named as in the menu.
enum class MenuItem {
    GameNew,
    GameDemo,
    GameCleartotals,
    SetupPlayers,
    DisplayHighscores,
    PlayersNocomputerplayers,
    PlayersOnecomputerplayer,
    PlayersTwocomputerplayers,
    ComputerPoor,
    ComputerMedium,
    ComputerGood,
    ComputerExpert,
    SpeedSlow,
    SpeedMedium,
    SpeedFast,
    Settings,
};
constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::Settings) + 1;

class PlayMode;

// What a way of playing may ask of the window it plays in: the game, the pictures, the
// boxes, the menu and the game loop. The window is the only one; tests drive it as a player.
class PlayTable {
public:
    virtual Gra& gra() = 0;
    virtual TextRenderer& text() = 0;
    virtual MessageBoxes& boxes() = 0;
    virtual EventLabel& eventLabel() = 0;
    virtual PixelBuffer& windowPicture() = 0;
    virtual PixelBuffer& backBuffer() = 0;
    virtual ReplayStore& replays() = 0;
    virtual GameRecording& recording() = 0;

    // The mode that plays from now on; the one before it is given back.
    virtual PlayMode* enterMode(PlayMode* mode) = 0;

    virtual void setTitle(const std::string& title) = 0;
    // The title the window shows while nothing else is said.
    virtual void showRestingTitle() = 0;
    virtual void setItemsEnabled(std::initializer_list<MenuItem> items, bool enabled) = 0;
    // Watch last game, Open replay, Host and Join: only while nothing is played.
    virtual void updateReplayItems() = 0;

    // The players dialog; false when there is none (no way to seat anybody).
    virtual bool setupPlayers() = 0;
    // What to tell when a seated player's gamepad is not there.
    virtual std::optional<std::string> missingGamepad() = 0;
    virtual int chosenFirstSlot() const = 0;
    virtual int savedHumans() const = 0;
    virtual void setSavedHumans(int humans) = 0;

    // Starts a game from start, recorded, with the window brought up to date.
    virtual void startGame(const GameStart& start) = 0;
    // Plays the running game tick by tick until it stops.
    virtual void runGameLoop() = 0;
    // The tick last played counts as released now (after a pause or a change of pace).
    virtual void restartTickPace() = 0;
    virtual void askFinishGame() = 0;
    virtual bool fitsArenaSide(int side) const = 0;
    virtual bool useArenaSide(int side) = 0;
    virtual void showTitleScreen() = 0;
    virtual void showHighScores() = 0;
    virtual void layoutScoreBands() = 0;
    virtual void invalidateScoreboard() = 0;
    virtual void refreshPicture() = 0;
    virtual void dispatch() = 0;
    // "Export video..." while a replay is watched (E, paused first): the replay, its file
    // (empty for a game not read from one) and the tick shown, as a start for the export.
    // The window offers it once it can write videos; until then E is no key of the replay.
    virtual bool canExportVideo() const { return false; }
    virtual void exportVideo(const Replay& /*replay*/, const std::filesystem::path& /*file*/,
                             std::int32_t /*tick*/) {}

protected:
    ~PlayTable() = default;
};

// A way of playing in the window: at one keyboard, the DEMO game, a replay watched, a
// network game hosted or joined. The window's menu commands choose one and run it; while it
// runs the window's loop asks it for the ticks' input and hands it the keys and the end of
// each game.
class PlayMode {
public:
    virtual ~PlayMode() = default;

    // Where the input of each tick comes from.
    virtual TickSource& ticks() = 0;
    // Esc while it runs.
    virtual void escape() = 0;
    // Any other key pressed in the window; true when it was the mode's.
    virtual bool key(int /*qtKey*/) { return false; }
    // The mouse in the window picture (device pixels): a left button pressed, moved while
    // held, or let go.
    enum class Pointer { Press, Drag, Release };
    virtual void pointer(Pointer /*what*/, int /*x*/, int /*y*/) {}
    // The game ended (winner: the round points' unique leader or -1): the boxes, the round.
    virtual void gameOver(int winner) = 0;
    // A session (a replay, a network game) keeps the game menu's commands out while it lasts.
    virtual bool isSession() const { return false; }
    // A network game goes on for the others whichever window has the focus.
    virtual bool playsInBackground() const { return false; }
    virtual std::string restingTitle() const { return "Slyders"; }
    // Whether the ticks it plays now are heard; a spectator catching up races by in silence.
    virtual bool heard() const { return true; }
    // The tick period, given that of the game's speed.
    virtual std::uint64_t tickPeriodUs(std::uint64_t gamePeriodUs) const { return gamePeriodUs; }
    // The window closes: no questions from here on.
    virtual void windowClosing() {}
};

// While it lives, the mode is the window's way of playing; the one before comes back after.
class ModeScope {
public:
    ModeScope(PlayTable& table, PlayMode& mode) : m_table(table), m_outer(table.enterMode(&mode)) {}
    ~ModeScope() { m_table.enterMode(m_outer); }
    ModeScope(const ModeScope&) = delete;
    ModeScope& operator=(const ModeScope&) = delete;

private:
    PlayTable& m_table;
    PlayMode* m_outer;
};

}  // namespace slyders
