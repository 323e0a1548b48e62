#pragma once

#include <array>
#include <cstdint>

namespace slyders {

constexpr int kHumanSeats = 4;  // human seats, players 1 .. 4

// What a human seat holds down in one tick. Keyboard, gamepad, replay and network all give
// the game this and nothing else, read at the same moment of the tick.
enum SteerBits : std::uint8_t {
    kSteerNone = 0,
    kSteerLeft = 1,
    kSteerRight = 2,
};

// The held steering of every human seat in one tick; seat i plays slot i + 2.
struct TickInput {
    std::array<std::uint8_t, kHumanSeats> seat{};

    friend bool operator==(const TickInput&, const TickInput&) = default;
};

}  // namespace slyders
