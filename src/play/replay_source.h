#pragma once

#include "play/tick_source.h"
#include "replay/replay_recorder.h"

namespace slyders {

// The recorded input, tick by tick, until the recording ends; nothing while paused but a
// single step. The recorded game stops where the recording stops, also when it was left
// before its end.
class ReplaySource final : public TickSource {
public:
    ReplaySource(ReplayCursor& cursor, Gra& gra) : m_cursor(cursor), m_gra(gra) {}

    std::optional<TickInput> inputFor(std::int32_t, const TickInput&) override;
    void played(const Gra& gra, bool) override { m_cursor.afterTick(gra); }

    void setPaused(bool paused) {
        m_paused = paused;
        m_steps = 0;
    }
    bool paused() const { return m_paused; }
    // While paused: the next tick is given all the same, once.
    void step() { m_steps = m_paused ? 1 : 0; }

private:
    ReplayCursor& m_cursor;
    Gra& m_gra;
    bool m_paused = false;
    int m_steps = 0;
};

}  // namespace slyders
