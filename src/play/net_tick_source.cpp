#include "play/net_tick_source.h"

#include "game/gra.h"
#include "game/leaves.h"
#include "game/state_hash.h"
#include "present/arena_text.h"

namespace slyders {

std::optional<TickInput> NetTickSource::inputFor(std::int32_t tick, const TickInput& local) {
    m_session.service(0);
    if (m_session.stopped()) {
        showWaiting({});
        m_gra.running = false;  // the game ends here on every machine
        return std::nullopt;
    }
    if (m_gra.fastFinish) m_session.playAloneFrom(std::uint32_t(tick));
    TickInput own;
    for (int seat = 0; seat < kHumanSeats; ++seat) {
        if (m_ownSeats & (1u << seat)) own.seat[std::size_t(seat)] = local.seat[std::size_t(seat)];
    }
    const std::optional<net::FrameEntry> frame =
        m_session.frameFor(std::uint32_t(tick), net::packInput(own));
    if (!frame) {
        showWaiting(m_session.waitingFor());
        return std::nullopt;
    }
    showWaiting({});
    m_leaves = frame->killSeats;
    applyLeaves(m_gra, m_leaves);
    return net::unpackInput(frame->packed);
}

void NetTickSource::played(const Gra& gra, bool over) {
    const std::uint32_t tick = std::uint32_t(gra.tick);
    if (tick % kHashInterval == 0) m_session.reportHash(tick, stateHash(gra));
    if (over) m_session.gameOver(tick, stateHash(gra));
}

void NetTickSource::showWaiting(const std::string& who) {
    if (who == m_waiting) return;
    if (m_waiting.empty()) m_gameLabel = m_label;
    m_waiting = who;
    if (who.empty()) {
        m_label.text = m_gameLabel.text;
        m_label.colour = m_gameLabel.colour;
        m_label.fontHeight = m_gameLabel.fontHeight;
    } else {
        m_label.text = "Waiting for " + who + "...";
        m_label.colour = kWhite;
        m_label.fontHeight = FitFontHeight(m_text, FontSpec{kEventLabelFont, 12}, m_label.text,
                                           m_label.width, m_label.height);
    }
    m_label.changed = true;
}

}  // namespace slyders
