#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game_start.h"
#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "game/random.h"
#include "game/sound_requests.h"
#include "game/text_renderer.h"
#include "params/app_settings.h"
#include "players/scores.h"
#include "present/event_label.h"
#include "replay/replay.h"
#include "replay/replay_recorder.h"

namespace slyders {

// What the simulator plays: DEMO games, or games of computer players only under the normal
// rules.
struct SimOptions {
    std::uint64_t seed = 1;
    int games = 1;
    int arenaSide = 972;  // the side on a 1080-line screen
    bool demo = false;
    int computers = 2;                 // 1 or 2; not used in DEMO games
    int skill = 2;                     // 1 Poor, 2 Medium, 3 Good, 4 Expert
    std::array<int, 2> skills{};       // skills of slots 0 and 1 pitted against each other
    std::int32_t tickCap = 1'000'000;  // a game still running then ends as a draw
    bool help = false;
    std::string replay{};  // a replay file to check instead of playing new games
    std::string record{};  // the replay of the one game played is written here
    // The replay made into a video: the file (its extension gives the format), the part
    // (seconds of the game; a negative end: to the end) and the size.
    std::string video{};
    double videoFrom = 0.0;
    double videoTo = -1.0;
    int videoWidth = 1280, videoHeight = 720;
    int seeks = 0;         // with replay: time this many jumps to random moments of it
};

// The command line (without the program name); an error text when it is not understood.
std::optional<std::string> parseSimOptions(const std::vector<std::string>& args, SimOptions& out);

extern const char* const kSimUsage;

// The client height whose arena side trunc(0.9 x height) is the given side.

// How one game went.
struct GameRecord {
    int game = 0;  // 1, 2, ... in the run
    std::uint64_t seed = 0;
    bool demo = false;
    int skill = 0;
    std::array<int, 2> skills{};  // per slot, when the run pits skills against each other
    int humans = 0;     // DEMO humans, steered by the computer as well
    int firstSlot = 0;  // the active slots run from here to humans + 1
    std::int32_t ticks = 0;
    std::string deathOrder;   // slot digits in the order the slyders died
    std::vector<std::int32_t> deathTicks;  // the tick of each death, in that order
    std::vector<int> points;  // game points of the active slots, in slot order
    int winner = -1;          // the unique leader of the points, -1 for a draw
    bool capped = false;      // stopped by the tick cap, counted as a draw
};

// One JSON object on one line, the same bytes for the same game.
std::string toJson(const GameRecord& record);

// How a replay played back: it agrees when every stored hash matched and the game ended
// at the recorded tick with the recorded points and deaths.
struct ReplayCheck {
    std::int32_t ticks = 0;
    std::vector<int> points;  // game points of the active slots, in slot order
    std::string deathOrder;
    bool agrees = false;
    std::int32_t disagreesAt = -1;  // the first tick found to differ
};
std::string toJson(const ReplayCheck& check);

// The whole game core with no window: a window picture and a back buffer in memory, the
// default settings, a roster held in memory only, and no sound. Game i of a run (from 0) is
// played from the seed options.seed + i, so every game can be replayed on its own.
class SimGame {
public:
    SimGame(const SimOptions& options, TextRenderer& text, SoundRequests* sound = nullptr);

    // Given a replay, the game is recorded into it as the window records its games.
    GameRecord play(int index, Replay* recorded = nullptr);
    // Plays a replay back as fast as it goes (the simulator's arena side must be the
    // replay's) and compares it with what was recorded.
    ReplayCheck playReplay(const Replay& replay);

    const Gra& gra() const { return m_gra; }

    // The start of game index (from 0) of the run.
    GameStart startOf(int index) const;

private:
    SimOptions m_options;
    Random m_rng;
    TInterface m_settings;
    Scores m_scores{nullptr};
    NoSound m_noSound;
    PixelBuffer m_window;
    PixelBuffer m_back;
    Gra m_gra;
    EventLabel m_label;
};

}  // namespace slyders
