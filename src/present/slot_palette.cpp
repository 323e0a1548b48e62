#include "present/slot_palette.h"

namespace slyders {

// One colour per slot: under every kind of colour blindness twelve colours cannot stay far
// enough apart over these backgrounds, six can; the white spine still marks the head. The
// first computer stays white, which the window uses for much else that must not change.
const std::array<SlotColours, kSlotCount>& colourBlindSafeColours() {
    static constexpr std::array<SlotColours, kSlotCount> kSafe{{
        {kWhite, kWhite},
        {Rgb{47, 160, 149}, Rgb{47, 160, 149}},
        {Rgb{181, 255, 158}, Rgb{181, 255, 158}},
        {Rgb{199, 161, 255}, Rgb{199, 161, 255}},
        {Rgb{149, 44, 251}, Rgb{149, 44, 251}},
        {Rgb{191, 149, 0}, Rgb{191, 149, 0}},
    }};
    return kSafe;
}

SlotRecolour::SlotRecolour(const std::array<Slyder, kSlotCount>& slots, SlotPalette palette) {
    if (palette == SlotPalette::Standard) return;
    const auto& safe = colourBlindSafeColours();
    auto add = [this](Rgb from, Rgb to) {
        const std::uint32_t p = toPixel(from);
        if (from == to) return;
        for (std::size_t i = 0; i < m_count; ++i) {
            if (m_from[i] == p) return;  // two slots alike: the first keeps it
        }
        m_from[m_count] = p;
        m_to[m_count] = toPixel(to);
        m_maybe.set(filterIndex(p));
        ++m_count;
    };
    for (std::size_t s = 0; s < slots.size(); ++s) {
        add(slots[s].dark, safe[s].dark);
        add(slots[s].light, safe[s].light);
    }
}

std::uint32_t SlotRecolour::map(std::uint32_t pixel) const {
    if (!m_maybe.test(filterIndex(pixel))) return pixel;
    for (std::size_t i = 0; i < m_count; ++i) {
        if (m_from[i] == pixel) return m_to[i];
    }
    return pixel;
}

void SlotRecolour::apply(std::uint32_t* pixels, int count) const {
    if (m_count == 0) return;
    for (int i = 0; i < count; ++i) pixels[i] = map(pixels[i]);
}

}  // namespace slyders
