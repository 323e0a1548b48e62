#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "play/play_mode.h"
#include "play/replay_source.h"
#include "replay/replay.h"

namespace slyders {

// Why a replay made on an arena of this side cannot be watched: the game shows arenas of up
// to `room` pixels.
std::string arenaSideError(int side, int room);

// Watching a replay: the recorded game plays in the window as it was played, at 1, 2, 4, 8
// or 16 times its pace (keys 1 .. 5), Space pausing it. The window gives back afterwards
// what it lent: the arena side, the settings, the round and the pictures. Nothing is recorded
// and no roster, rating or high score changes.
class WatchReplay final : public PlayMode {
public:
    WatchReplay(PlayTable& table, Replay replay, std::filesystem::path file);

    // Reads a replay file and watches it; a file that cannot be used gets a message box.
    static void open(PlayTable& table, const std::filesystem::path& file);

    // The replay's arena side must fit the window.
    void run();

    TickSource& ticks() override { return m_source; }
    void escape() override;
    bool key(int qtKey) override;
    void gameOver(int winner) override;
    bool isSession() const override { return true; }
    std::string restingTitle() const override;
    std::uint64_t tickPeriodUs(std::uint64_t gamePeriodUs) const override {
        return gamePeriodUs / std::uint64_t(m_factor);
    }
    void windowClosing() override { m_stopped = true; }

    int playbackFactor() const { return m_factor; }
    bool paused() const { return m_source.paused(); }

private:
    void endOfWatching();

    PlayTable& m_table;
    Replay m_replay;
    std::filesystem::path m_file;
    ReplayCursor m_cursor;
    ReplaySource m_source;
    int m_factor = 1;
    bool m_stopped = false;  // by the player, or the window closes
};

}  // namespace slyders
