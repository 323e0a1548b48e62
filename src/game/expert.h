#pragma once

namespace slyders {

class Gra;

// The Expert's steering for one tick: -1 to turn left, 1 to turn right, 0 to keep straight,
// by the turn step the slot has this tick. It plays a few dozen steering plans for about a
// second ahead on a model of the arena and takes the first move of the plan that lives
// longest and leaves the most room. It reads only what the game shows at this tick (the
// map, the slyders' places, headings and speeds) and never the random generator, so the
// same state always gives the same choice.
int expertSteer(const Gra& gra, int slot, int turnStep);

}  // namespace slyders
