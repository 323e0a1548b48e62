#include "game/leaves.h"

#include "game/gra.h"

namespace slyders {

namespace {
constexpr Rgb kLeftColour{255, 0, 0};
}  // namespace

void applyLeaves(Gra& gra, std::uint8_t killSeats) {
    for (int seat = 0; seat < kHumanSeats; ++seat) {
        const int s = seat + 2;
        if (!(killSeats & (1u << seat)) || !gra.isActive(s) || !gra.slot(s).alive) continue;
        gra.slot(s).alive = false;
        gra.deathOrder += char('0' + s);
        gra.ShowEvent(gra.DisplayName(s) + " left the game.", kLeftColour);
        gra.panelChanged = true;
    }
}

}  // namespace slyders
