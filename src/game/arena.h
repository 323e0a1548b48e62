#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/grid.h"

#include "game/colour.h"
#include "game/pixel_buffer.h"
#include "present/background.h"

namespace slyders {

// Values of the arena map.
constexpr std::int32_t kCellFree = -1;
constexpr std::int32_t kCellGap = -2;    // gap or food
constexpr std::int32_t kCellSolid = -3;  // walls, spirals, symbols, text
constexpr std::int32_t kHeadBase = 10;   // 10 + slot: the head of that slot

// The sides an arena may have. The largest is what the tallest screen the game supports
// gives (4320 lines, trunc(0.9 x 4320)): no window records a larger arena, so a replay or a
// network game that asks for one is refused before anything is allocated for it.
constexpr int kMinArenaSide = 100;
constexpr int kTallestScreenLines = 4320;
constexpr int kMaxArenaSide = kTallestScreenLines * 9 / 10;

// The smallest client height whose own arena (0.9 of it, truncated) is at least this side:
// the window a game of that side was played in, for drawing it without one.
inline int clientHeightForSide(int side) {
    constexpr double kArenaShare = 0.9;
    int height = std::max(1, static_cast<int>(side / kArenaShare) - 2);
    while (static_cast<int>(kArenaShare * height) < side) ++height;
    return height;
}

// One map cell. Every value (the ones above, a slot, a head) fits a byte, and a byte map stays
// in the processor's cache while the computers look along their rays.
using Cell = std::int8_t;
static_assert(kCellSolid >= INT8_MIN && kHeadBase + 5 <= INT8_MAX);

// The square arena: its map (what occupies each pixel) and its two pictures, the window
// picture (the arena at offset m) and the off-screen copy used to restore it. Every painting
// operation writes the same colour to both pictures and its value to the map, and skips
// pixels outside the arena.
class Arena {
public:
    // Side S = trunc(0.9 x client height), offset m = (height - S) div 2, unit u = S / 460.
    void InitArena(int clientHeight, PixelBuffer* window);
    // The same with a side of the caller's choice (a replay or a network game plays on the
    // side it was started on): the offset still centres it in the client height.
    void InitArena(int clientHeight, PixelBuffer* window, int side);

    int side() const { return m_side; }
    int offset() const { return m_offset; }
    double unit() const { return m_unit; }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_side && y < m_side; }
    Cell& cell(int x, int y) { return m_map.at(x, y); }
    std::int32_t cell(int x, int y) const { return m_map.at(x, y); }
    void clearMap() { m_map.fill(kCellFree); }
    const Grid<Cell>& map() const { return m_map; }

    // Either picture handed out brings the window's arena square up to date first, so that
    // changing one alone (text on the off-screen copy) shows as a difference.
    PixelBuffer& offscreen() {
        followScrolls();
        return m_offscreen;
    }
    PixelBuffer& window() {
        followScrolls();
        return *m_window;
    }
    // A window nobody looks at (the simulator's) may skip the scrolls of its arena square
    // until something reads it: every painting writes both pictures alike, so between ticks
    // the square is always the off-screen copy, and it is copied from there when read.
    void setWindowShown(bool shown) {
        followScrolls();
        m_windowShown = shown;
    }
    // Shows the arena square at another place from now on (the window took another size
    // while a game goes on); the caller has copied the square's pixels there.
    void moveWindow(PixelBuffer* window, int offset) {
        followScrolls();
        m_window = window;
        m_offset = offset;
    }
    // Takes over the game of another arena of the same side (its map, pictures and
    // background): a replay jumps to a moment played elsewhere. This arena's window keeps
    // showing it, its arena square copied over at once.
    void takeGameFrom(const Arena& other);

    Background& background() { return m_background; }
    const Background& background() const { return m_background; }

    Rgb backgroundAt(int x, int y) const { return m_background.BackgroundColor(x, y); }

    // Sets one arena pixel on both pictures (the map is left alone).
    void setPixel(int x, int y, Rgb c) {
        const std::uint32_t p = toPixel(c);
        m_offscreen.at(x, y) = p;
        // A square left behind by scrolls is copied whole from the off-screen copy when read.
        if (!m_windowBehind) m_window->at(x + m_offset, y + m_offset) = p;
    }
    Rgb windowPixel(int x, int y) const {
        return m_windowBehind ? m_offscreen.colour(x, y)
                              : m_window->colour(x + m_offset, y + m_offset);
    }

    // Marks arena rectangle (arena coordinates) as changed on the window picture.
    void touch(int x, int y, int w, int h) {
        m_window->dirty.add({x + m_offset, y + m_offset, w, h});
    }

    // Moves the whole arena (map and both pictures) by one pixel; what crosses the far edge
    // is lost. fillEdge then clears the row or column the content moved away from. The map
    // and the off-screen copy keep a margin, so most moves only change where they start.
    void shift(int dx, int dy);
    void fillEdge(int dx, int dy);

    void PutDisc(double cx, double cy, std::int32_t value, Rgb colour);
    void EraseDisc(double cx, double cy);
    void PutDiscR(double cx, double cy, int k, std::int32_t value, Rgb colour);
    void EraseDiscR(double cx, double cy, int k);
    void PutTrailDisc(double cx, double cy, double nx, double ny, std::int32_t value, Rgb colour);
    void DrawThickLine(int x1, int y1, int x2, int y2, double width, std::int32_t value,
                       Rgb colour);

private:
    // Copies the off-screen copy to the window's arena square if scrolls left it behind.
    void followScrolls();
    template <typename Fn>
    void forDisc(double cx, double cy, double r, Fn&& fn);
    void fillDisc(double cx, double cy, double r, std::int32_t value, const Rgb* colour);

    int m_side = 0;
    int m_offset = 0;
    double m_unit = 1.0;
    Grid<Cell> m_map;
    PixelBuffer m_offscreen;
    PixelBuffer* m_window = nullptr;
    bool m_windowShown = true;
    bool m_windowBehind = false;  // the window's arena square has not followed the scrolls
    Background m_background;
};

}  // namespace slyders
