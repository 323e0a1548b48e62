#pragma once

#include <cstdint>
#include <optional>

#include "game/tick_input.h"

namespace slyders {

class Gra;

// Where the input of each tick comes from. At one keyboard it is what this machine's players
// hold; a replay gives what was recorded, a network game what every machine sent. The game
// loop asks for tick t's input once per pass until it is known, dispatching messages between.
class TickSource {
public:
    virtual ~TickSource() = default;
    // local: what the players at this machine hold now, by seat.
    virtual std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) = 0;
    // The seats whose slyders died before the tick last given, because their machine left.
    virtual std::uint8_t leavesOfTick() const { return 0; }
    // The tick was played; over: it ended the game.
    virtual void played(const Gra&, bool /*over*/) {}
};

// One keyboard: the tick plays what is held.
class LocalTickSource final : public TickSource {
public:
    std::optional<TickInput> inputFor(std::int32_t, const TickInput& local) override {
        return local;
    }
};

}  // namespace slyders
