#pragma once

#include <cstdint>

#include "game/game_tick.h"
#include "game/pixel_buffer.h"
#include "play/tick_source.h"

namespace slyders {

class Gra;
class ReplayRecorder;
struct EventLabel;

// One tick of input from a source: recorded (when a recorder is given and recording), played,
// and told back to the source. The window's loop and the headless one both play through here,
// so a game plays alike whoever runs it.
TickResult playSourcedTick(Gra& gra, TickSource& source, const TickInput& input,
                           const PixelBuffer& backBuffer, EventLabel& label,
                           ReplayRecorder* recorder);

// What a game played without a window draws on and tells.
struct HeadlessTable {
    Gra& gra;
    PixelBuffer& window;            // nobody looks at it: what changed there is forgotten
    const PixelBuffer& backBuffer;  // the started game's background
    EventLabel& label;
};

// How a headless game stopped.
enum class HeadlessEnd {
    Over,     // every slyder died
    Capped,   // the tick cap came first
    NoInput,  // the source gave no more input (a replay's end, a network session that stopped)
};

// Plays a started game from its first tick to its end without a window, as fast as the
// source gives input. A headless source waits by itself until it knows a tick's input; no
// input means none will come. A game that did not end by itself is left stopped (not
// running, no fast finish); the caller announces the end of one that did.
HeadlessEnd playHeadless(const HeadlessTable& table, TickSource& source, std::int32_t tickCap,
                         ReplayRecorder* recorder = nullptr);

}  // namespace slyders
