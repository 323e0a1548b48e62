#pragma once

#include <cstdint>

namespace slyders {

class Gra;

// Replays and network peers check every this many ticks that they still play the same game.
constexpr int kHashInterval = 20;

// A fingerprint of everything that decides how the game goes on: the arena map, every
// slyder, the running event objects, the disasters, the tick and the random generator.
// Two games that agree on it play on alike; pictures and sounds are not part of it. It is
// computed as the game's rules say (a replay of an older game checks with the older hash).
std::uint64_t stateHash(const Gra& gra);

}  // namespace slyders
