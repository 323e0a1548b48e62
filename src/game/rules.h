#pragma once

#include <cstdint>

namespace slyders {

// The rules a game is played under. A replay keeps the rules it was recorded under, so a game
// recorded before a rule changed still plays back exactly as it was played; new games, local
// or over the network, always play under the current rules.
enum class Rules : std::uint8_t {
    // Each edge test read the heading as the test before it left it, 540 - h or 720 - h
    // included: at the bottom-left and top-right corners a slyder could bounce the wrong way
    // or even leave the arena. Its state hash read the map cell by cell.
    FirstCorners = 0,
    // The heading is brought back into 0 .. 359 before each edge test, so every corner
    // reflects like a mirror. The state hash reads the map eight cells at a time.
    MirrorCorners = 1,
};
constexpr Rules kCurrentRules = Rules::MirrorCorners;

}  // namespace slyders
