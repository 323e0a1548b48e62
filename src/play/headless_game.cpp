#include "play/headless_game.h"

#include "game/gra.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"

namespace slyders {

TickResult playSourcedTick(Gra& gra, TickSource& source, const TickInput& input,
                           const PixelBuffer& backBuffer, EventLabel& label,
                           ReplayRecorder* recorder) {
    const bool recording = recorder && recorder->active();
    if (recording) recorder->beforeTick(gra, input, source.leavesOfTick());
    const TickResult result = playTick(gra, input, backBuffer, label);
    source.played(gra, result == TickResult::GameOver);
    if (recording) recorder->afterTick(gra);
    return result;
}

HeadlessEnd playHeadless(const HeadlessTable& table, TickSource& source, std::int32_t tickCap,
                         ReplayRecorder* recorder) {
    Gra& g = table.gra;
    g.running = true;
    const TickInput nobodyHere{};  // no keyboard: the source knows every seat's input
    HeadlessEnd end = HeadlessEnd::Capped;
    while (g.tick < tickCap) {
        const std::optional<TickInput> input = source.inputFor(g.tick + 1, nobodyHere);
        if (!input) {
            end = HeadlessEnd::NoInput;
            break;
        }
        const TickResult result =
            playSourcedTick(g, source, *input, table.backBuffer, table.label, recorder);
        g.panelChanged = false;
        table.window.dirty.take();
        if (result == TickResult::GameOver) return HeadlessEnd::Over;
    }
    g.running = false;
    g.fastFinish = false;
    return end;
}

}  // namespace slyders
