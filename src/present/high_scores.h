#pragma once

#include <cstdint>
#include <functional>

namespace slyders {

class Gra;

// Draws the roster's high-score table over the arena: one row per player ordered by total,
// with rating and rounds, on bands of slowly drifting colour. Its texts and the separator
// line are solid in the arena map. The table is not kept: the next arena reset removes it.
// nowMs is a millisecond clock; when the rows are slow to blend, blending is given up.
void ShowHighScores(Gra& gra, const std::function<std::uint64_t()>& nowMs);

}  // namespace slyders
