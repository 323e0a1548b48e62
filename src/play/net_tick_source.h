#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "play/tick_source.h"
#include "game/text_renderer.h"
#include "net/net_session.h"
#include "present/event_label.h"

namespace slyders {

// The ticks of a network game: this machine's seats go to the others, a tick plays when the
// host has released every machine's input for it. While a machine is late the event label
// says whom the game waits for; the game's own message (part of the game) is left alone.
class NetTickSource final : public TickSource {
public:
    NetTickSource(net::Session& session, Gra& gra, EventLabel& label, TextRenderer& text,
                  std::uint8_t ownSeats)
        : m_session(session), m_gra(gra), m_label(label), m_text(text), m_ownSeats(ownSeats) {}
    ~NetTickSource() override { showWaiting({}); }

    std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) override;
    std::uint8_t leavesOfTick() const override { return m_leaves; }
    void played(const Gra& gra, bool over) override;

    // Why the session stopped the game, once it has.
    const std::optional<std::string>& stopped() const { return m_session.stopped(); }
    const std::string& waitingShown() const { return m_waiting; }

private:
    void showWaiting(const std::string& who);

    net::Session& m_session;
    Gra& m_gra;
    EventLabel& m_label;
    TextRenderer& m_text;
    std::uint8_t m_ownSeats;
    std::uint8_t m_leaves = 0;
    std::string m_waiting;   // whom the label names now; empty: the label is the game's
    EventLabel m_gameLabel;  // what the label showed before it named them
};

}  // namespace slyders
