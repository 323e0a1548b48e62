#pragma once

#include <array>
#include <cstdint>

#include "game/gra.h"

namespace slyders {

// Everything that decides how a game starts. A game is this value plus the input of each of
// its ticks: the window, the simulator, replays and network games all start games from it.
struct GameStart {
    bool demo = false;       // the computer steers every slot; a DEMO game draws its own humans
    int computers = 1;       // 0 .. 2; a DEMO game always has both
    int humans = 1;          // seated human players, 0 .. 4 (not used in a DEMO game)
    int skill = 2;           // 1 Poor, 2 Medium, 3 Good, 4 Expert
    int speed = 1;           // 0 Slow, 1 Medium, 2 Fast
    std::uint64_t seed = 1;  // the random generator's state as the game starts
    std::array<HumanSeat, kHumanSeats> seats{};
    // The round so far: a game of a round starts from the points of the games before it.
    std::array<std::int32_t, kSlotCount> roundPoints{};
    std::array<std::int32_t, kSlotCount> roundsWon{};
    Rules rules = kCurrentRules;  // only a replay of an older game starts under older rules

    friend bool operator==(const GameStart&, const GameStart&) = default;
};

// The start of the next game as the game object stands now: its menu choices, seats and
// round, and the generator where it is. A DEMO start keeps the seats and drops the round.
GameStart nextGameStart(const Gra& gra, bool demo, int computers);

// Starts a game: the generator, the slots of the game, the background drawn into the back
// buffer, the arena reset and the slyders placed. The game is ready for its first tick; the
// caller sets it running.
void StartGame(Gra& gra, const GameStart& start, PixelBuffer& backBuffer);

}  // namespace slyders
