#pragma once

#include <cstdint>

namespace slyders {

class Gra;

// Before a tick of a network game: the slyders of the seats (bit i = human seat i) whose
// machine left die at once, on every machine alike, and everybody is told who left. A
// replay of the game does the same at the same tick.
void applyLeaves(Gra& gra, std::uint8_t killSeats);

}  // namespace slyders
