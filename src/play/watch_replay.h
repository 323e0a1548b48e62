#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "play/play_mode.h"
#include "play/replay_seeker.h"
#include "play/replay_source.h"
#include "play/timeline.h"
#include "replay/replay.h"

namespace slyders {

// Why a replay made on an arena of this side cannot be watched: the game shows arenas of up
// to `room` pixels.
std::string arenaSideError(int side, int room);

// Watching a replay: the recorded game plays in the window as it was played, at 1/4, 1/2,
// 1, 2, 4, 8 or 16 times its pace (keys Q, W, 1 .. 5), Space pausing it and "." stepping one
// tick while paused. A timeline under the arena shows the deaths and disasters; a click or a
// drag there, Left and Right (5 seconds), Home and End, N and P (the next and previous
// death) jump about the game. The window gives back afterwards what it lent: the arena
// side, the settings, the round and the pictures. Nothing is recorded and no roster, rating
// or high score changes.
class WatchReplay final : public PlayMode {
public:
    WatchReplay(PlayTable& table, Replay replay, std::filesystem::path file);

    // Reads a replay file and watches it; a file that cannot be used gets a message box.
    static void open(PlayTable& table, const std::filesystem::path& file);
    // The last seconds of a game just played, again at half its pace, told by nothing but
    // the game itself: no boxes at the end, no question to keep the replay.
    static void lastMoments(PlayTable& table, Replay replay);

    // The replay's arena side must fit the window.
    void run();

    TickSource& ticks() override { return m_ticks; }
    void escape() override;
    bool key(int qtKey) override;
    void pointer(Pointer what, int x, int y) override;
    void gameOver(int winner) override;
    bool isSession() const override { return true; }
    std::string restingTitle() const override;
    std::uint64_t tickPeriodUs(std::uint64_t gamePeriodUs) const override {
        return gamePeriodUs * kPaceOne / std::uint64_t(m_pace);
    }
    void windowClosing() override { m_stopped = true; }

    // The playback's pace in quarters of the game's own: 1 is a quarter, 4 as played.
    static constexpr int kPaceOne = 4;
    int pace() const { return m_pace; }
    bool paused() const { return m_source.paused(); }
    // Jumps to the moment after this tick (the watched game's end is left to be played).
    void seekTo(std::int32_t tick);
    const Timeline* timeline() const { return m_timeline ? &*m_timeline : nullptr; }

private:
    // The recorded ticks, with the timeline following every one of them.
    class Ticks final : public TickSource {
    public:
        explicit Ticks(WatchReplay& owner) : m_owner(owner) {}
        std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) override;
        void played(const Gra& gra, bool over) override;

    private:
        WatchReplay& m_owner;
    };

    void startSeeking();
    bool seekKey(int qtKey);
    std::int32_t ticksOfSeconds(int seconds) const;
    void showTimeline();
    void endOfWatching();

    PlayTable& m_table;
    Replay m_replay;
    std::filesystem::path m_file;
    ReplayCursor m_cursor;
    ReplaySource m_source;
    Ticks m_ticks{*this};
    std::optional<ReplaySeeker> m_seeker;
    std::optional<Timeline> m_timeline;
    int m_pace = kPaceOne;
    bool m_stopped = false;  // by the player, or the window closes
    bool m_dragging = false;
    bool m_quiet = false;               // the last moments of a game: the game alone tells
    std::optional<std::int32_t> m_from;  // where the watching starts
};

}  // namespace slyders
