#pragma once

#include <cstdint>

namespace slyders {

// The game's 23 settings, read by the game as plain integers when it needs them
// (nonzero = on for the switches). The field order is the order of the settings table.
class TInterface {
public:
    std::int32_t int_snd = 1;         // Sounds
    std::int32_t int_soe = 1;         // Save on exit
    std::int32_t int_rndpts = 40;     // Points in each round, 10 .. 80
    std::int32_t int_showbars = 0;    // Progress bars
    std::int32_t int_showevents = 1;  // Event names
    std::int32_t int_fastfinish = 1;  // Finish speed-up for computers
    std::int32_t int_background = 7;  // Background, 0 .. 16 ("Jeans")
    std::int32_t xtr_void = 1;
    std::int32_t xtr_tunnel = 1;
    std::int32_t xtr_wall = 1;
    std::int32_t xtr_food = 1;
    std::int32_t xtr_biggaps = 1;
    std::int32_t xtr_cruelptr = 1;
    std::int32_t xtr_teleport = 1;  // not yet used by the game
    std::int32_t xtr_scroll = 1;
    std::int32_t xtr_attract = 1;
    std::int32_t xtr_invis = 1;
    std::int32_t xtr_letters = 1;  // not yet used by the game
    std::int32_t xtr_missile = 1;  // not yet used by the game
    std::int32_t dis_void = 1;
    std::int32_t dis_tunnel = 1;
    std::int32_t dis_wall = 1;
    std::int32_t dis_attract = 1;
};

}  // namespace slyders
