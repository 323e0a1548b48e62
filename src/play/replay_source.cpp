#include "play/replay_source.h"

#include "game/gra.h"

namespace slyders {

std::optional<TickInput> ReplaySource::inputFor(std::int32_t, const TickInput&) {
    if (m_cursor.atEnd(m_gra)) {
        m_gra.running = false;
        return std::nullopt;
    }
    if (m_paused) {
        if (m_steps == 0) return std::nullopt;
        --m_steps;
    }
    return m_cursor.beforeTick(m_gra);
}

}  // namespace slyders
