#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/gra.h"
#include "replay/replay.h"

namespace slyders {

// The settings as the replay keeps them, in the order of the settings table.
std::array<std::int32_t, kReplaySettingCount> settingsValues(TInterface& settings);
// Puts recorded settings in place, each within its range. The player's own "Sounds" and
// "Save on exit" are left as they are: they do not change the game.
void applySettings(TInterface& settings, const std::array<std::int32_t, kReplaySettingCount>& v);
// Puts every setting back as it was, the player's own ones too: sounds switched off while a
// replay played (a machine without a sound device) come back on.
void restoreSettings(TInterface& settings, const std::array<std::int32_t, kReplaySettingCount>& v);
void applySetting(TInterface& settings, int index, std::int32_t value);

// Keeps the replay of the game being played. The game loop tells it every tick; what it
// stores is small (changes only), and the file is written when the game has ended.
class ReplayRecorder {
public:
    // The game was just started from start (names and ratings as the scoreboard shows them).
    void begin(Gra& gra, const GameStart& start, std::int64_t now, const std::string& version);
    bool active() const { return m_active; }

    // A network game: the ratings shown are the host's, whatever this machine's roster says.
    void setNetwork(const std::array<std::int32_t, kSlotCount>& ratings);
    // Tick gra.tick + 1 is about to be played with this input; killSeats are the seats whose
    // machine left just before it (a network game).
    void beforeTick(Gra& gra, const TickInput& input, std::uint8_t killSeats = 0);
    // The tick was played.
    void afterTick(const Gra& gra);
    // The game is over, or was left before its end. The replay is handed over, whole.
    Replay finish(const Gra& gra, ReplayEnd end, const std::string& resultText = {});

    const Replay& current() const { return m_replay; }

private:
    Replay m_replay;
    bool m_active = false;
    TickInput m_input;
    int m_speed = 1;
    bool m_fastFinish = false;
    std::array<std::int32_t, kReplaySettingCount> m_settings{};
};

// Plays a replay back: before each tick it puts in place what the recording changed there
// and gives the recorded input; after it, it compares the game with the stored hashes.
class ReplayCursor {
public:
    explicit ReplayCursor(const Replay& replay) : m_replay(replay) {}

    // Starts the recorded game on gra (its settings must already be applied), with the names
    // it was played with; the caller drops them (gra.recordedNames) when the playback ends.
    void start(Gra& gra, PixelBuffer& backBuffer) const;
    // The input of tick gra.tick + 1, after the recorded changes up to it are applied.
    TickInput beforeTick(Gra& gra);
    void afterTick(const Gra& gra);

    // Where the playback stands: the next recorded change and the input in effect. A replay
    // that jumps to a moment puts the cursor where it stood then.
    struct Position {
        std::size_t next = 0;
        TickInput input;
    };
    Position position() const { return {m_next, m_input}; }
    void moveTo(const Position& at) {
        m_next = at.next;
        m_input = at.input;
    }

    // The first tick whose hash differs, if any.
    std::optional<std::int32_t> disagreement() const { return m_disagreement; }
    bool atEnd(const Gra& gra) const { return gra.tick >= m_replay.endTick; }
    const Replay& replay() const { return m_replay; }

private:
    const Replay& m_replay;
    std::size_t m_next = 0;
    TickInput m_input;
    std::optional<std::int32_t> m_disagreement;
};

}  // namespace slyders
