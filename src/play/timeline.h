#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/colour.h"
#include "game/gra.h"
#include "game/pixel_buffer.h"
#include "play/replay_seeker.h"

namespace slyders {

// The bar under the arena while a replay is watched: the game's length from left to right,
// the part played so far, a tick at every death in the slot's colour and at every disaster,
// and the moment shown. It is drawn into the window picture below the arena square, where
// only the window's background is, so the arena and its map are never touched.
class Timeline {
public:
    // Where the bar goes for an arena placed in a window picture of this height; empty when
    // the margin under the arena is too thin for one.
    static Rect placeUnder(const Arena& arena, int clientHeight);

    Timeline(Rect place, std::int32_t length, std::vector<TimelineMark> marks,
             std::array<Rgb, kSlotCount> slotColours);

    const Rect& place() const { return m_place; }
    // Draws the bar as it stands at this tick; only a changed picture is drawn again.
    void draw(PixelBuffer& window, std::int32_t tick);
    // Gives the window back its background under the bar.
    void erase(PixelBuffer& window, const PixelBuffer& background) const;

    bool hits(int x, int y) const;
    // The tick at a window x, held within the bar (a drag may leave it sideways).
    std::int32_t tickAt(int x) const;
    int xOf(std::int32_t tick) const;

    // The first death after tick and the last one before it, if any.
    std::optional<std::int32_t> nextDeath(std::int32_t tick) const;
    std::optional<std::int32_t> previousDeath(std::int32_t tick) const;

private:
    void fillColumn(PixelBuffer& window, int x, int top, int bottom, Rgb colour) const;

    Rect m_place;
    std::int32_t m_length;
    std::vector<TimelineMark> m_marks;
    std::array<Rgb, kSlotCount> m_slotColours;
    int m_drawnX = -1;
};

}  // namespace slyders
