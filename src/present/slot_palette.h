#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "game/colour.h"
#include "game/gra.h"

namespace slyders {

// How the window shows the six slots. The game always draws with its own colours; a
// palette only recolours the picture on its way to the screen, so replays and network
// games play the same whatever each machine shows.
enum class SlotPalette { Standard, ColourBlindSafe };

struct SlotColours {
    Rgb dark;   // the trail
    Rgb light;  // the head and the name
};

// Trail and head colours that players with any of the three kinds of colour blindness
// still tell apart from each other and from the dark background patterns.
const std::array<SlotColours, kSlotCount>& colourBlindSafeColours();

// Swaps each slot's colours in a picture for the palette's: a pixel in exactly one of the
// game's slot colours becomes the same slot's colour of the palette.
class SlotRecolour {
public:
    SlotRecolour() = default;  // changes nothing
    SlotRecolour(const std::array<Slyder, kSlotCount>& slots, SlotPalette palette);

    bool changesAnything() const { return m_count > 0; }
    void apply(std::uint32_t* pixels, int count) const;
    std::uint32_t map(std::uint32_t pixel) const;

private:
    static constexpr std::size_t kFilterBits = 4096;
    static std::size_t filterIndex(std::uint32_t pixel) {
        return (pixel ^ (pixel >> 12) ^ (pixel >> 20)) % kFilterBits;
    }

    std::array<std::uint32_t, 2 * kSlotCount> m_from{}, m_to{};
    std::size_t m_count = 0;
    // Most pixels are no slot colour: one bit tells them apart before any search.
    std::bitset<kFilterBits> m_maybe;
};

}  // namespace slyders
