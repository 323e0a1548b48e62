#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "game/sound_requests.h"
#include "params/app_settings.h"
#include "play/replay_source.h"
#include "players/scores.h"
#include "present/event_label.h"
#include "replay/replay.h"
#include "replay/replay_recorder.h"

namespace slyders {

// What of a game changes as it plays, besides its arena: the slyders, the event objects,
// the generator and the settings in force.
struct GameFacts {
    explicit GameFacts(Gra& gra);
    void putInto(Gra& gra) const;

    std::array<Slyder, kSlotCount> slots;
    std::int32_t tick;
    int speedLevel;
    bool fastFinish;
    DisasterFlags disasters;
    Rgb gapColour;
    EventMessage message;
    std::vector<Ops> ops;
    std::string deathOrder;
    std::uint64_t rng;
    std::array<std::int32_t, kReplaySettingCount> settings;
};

// Everything of a game after one of its ticks that decides how it goes on and how it looks:
// the arena with its pictures, the facts above, the event label and where the recording's
// playback stands.
struct GameMoment {
    GameMoment(Gra& gra, const ReplayCursor& cursor, const EventLabel& label)
        : arena(gra.arena), facts(gra), cursor(cursor.position()), label(label) {}
    // Puts the moment into a game played on an arena of the same side; the arena's window
    // shows it, and the event label keeps its own box.
    void putInto(Gra& gra, ReplayCursor& cursor, EventLabel& label) const;

    Arena arena;
    GameFacts facts;
    ReplayCursor::Position cursor;
    EventLabel label;
};

// A moment worth marking on a replay's timeline.
struct TimelineMark {
    enum class Kind : std::uint8_t { Death, Disaster };
    std::int32_t tick = 0;  // the tick it happened in
    Kind kind = Kind::Death;
    int which = 0;  // Death: the slot; Disaster: the disaster's index

    friend bool operator==(const TimelineMark&, const TimelineMark&) = default;
};

// Jumps to any moment of a replay. It plays the recording through once on a game of its
// own, silent and unseen, noting every death and disaster and keeping a moment of the game
// every so many ticks; a jump starts from the nearest kept moment at or before the target
// and plays the few ticks after it, so it costs the same anywhere in a long game.
class ReplaySeeker {
public:
    // A moment is kept every this many ticks unless the game is so long that fewer must do.
    static constexpr std::int32_t kMomentSpacing = 400;
    static constexpr std::size_t kMostMoments = 32;

    // clientWidth x clientHeight: the window picture the replay is watched in (the arena's
    // side is the replay's); label: the event label's box there.
    ReplaySeeker(const Replay& replay, TextRenderer& text, int clientWidth, int clientHeight,
                 const EventLabel& label, std::int32_t spacing = 0);

    const std::vector<TimelineMark>& marks() const { return m_marks; }
    std::int32_t length() const { return m_length; }
    std::int32_t spacing() const { return m_spacing; }
    std::size_t momentCount() const { return m_moments.size(); }

    // Puts the game as it stood after tick `tick` (0: as it started; clamped to the
    // recording) into gra, the cursor and the label. gra plays the same replay on an arena
    // of the same side and client height.
    void seek(std::int32_t tick, Gra& gra, ReplayCursor& cursor, EventLabel& label);

private:
    void scan();
    // The seeker's game as it stands now, into the watched one.
    void handOver(Gra& gra, ReplayCursor& cursor, EventLabel& label);
    void noteTick(const Gra& gra, const DisasterFlags& before);

    const Replay& m_replay;
    Random m_rng;
    TInterface m_settings;
    Scores m_scores{nullptr};
    NoSound m_silence;
    PixelBuffer m_window, m_back;
    Gra m_gra;
    EventLabel m_label;
    ReplayCursor m_cursor;
    ReplaySource m_source;
    std::int32_t m_spacing;
    std::int32_t m_length = 0;
    std::vector<GameMoment> m_moments;  // after ticks 0, spacing, 2 x spacing, ...
    std::vector<TimelineMark> m_marks;
};

}  // namespace slyders
