#pragma once

#include <array>

#include "game/pixel_buffer.h"
#include "game/tick_input.h"

namespace slyders {

class Gra;
struct EventLabel;

enum class TickResult { Played, GameOver };

// Moves every slyder and handles deaths; while a slyder lives the timers run and the game
// goes on. When none is left the game is over: the running and fast-finish flags drop.
bool EndOfGameCheck(Gra& gra);

// One tick of a running game, after the window's messages have been dispatched: the tick
// counter, the end of the intro, the steering (human keys, then the computers), the move,
// the game step with its events and the event label's fade. Returns GameOver when the last
// slyder died in this tick; the game step is then skipped and the caller announces the end.
TickResult playTick(Gra& gra, const TickInput& input, const PixelBuffer& backBuffer,
                    EventLabel& label);

// The end of a game as far as the game itself goes: the event label empties and the
// round points' unique leader is returned (-1 for none).
int finishGame(Gra& gra, EventLabel& label);

}  // namespace slyders
