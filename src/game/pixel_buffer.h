#pragma once

#include <cstdint>
#include <vector>

#include "game/colour.h"
#include "game/grid.h"

namespace slyders {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    int right() const { return x + w; }   // exclusive
    int bottom() const { return y + h; }  // exclusive
};

Rect unite(const Rect& a, const Rect& b);
Rect intersect(const Rect& a, const Rect& b);

// The parts of a picture changed since the screen was last brought up to date. A tick
// touches a few small places; they are kept apart so that the screen copy stays small.
class DirtyRegion {
public:
    void add(const Rect& r);
    void addAll(int w, int h) { add({0, 0, w, h}); }
    std::vector<Rect> take();
    bool empty() const { return m_rects.empty(); }

private:
    static constexpr std::size_t kMaxRects = 64;
    std::vector<Rect> m_rects;
};

// A 32-bit picture in memory (0xFFRRGGBB per pixel, row after row). A picture made with a
// margin keeps spare pixels around it, so that scrolling it moves only where it starts; its
// rows are then stride() pixels apart.
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, std::uint32_t fill = 0xFF000000u, int margin = 0)
        : m_grid(width, height, fill, margin) {}

    int width() const { return m_grid.width(); }
    int height() const { return m_grid.height(); }
    int stride() const { return m_grid.stride(); }
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < width() && y < height();
    }

    std::uint32_t& at(int x, int y) { return m_grid.at(x, y); }
    std::uint32_t at(int x, int y) const { return m_grid.at(x, y); }
    Rgb colour(int x, int y) const { return fromPixel(at(x, y)); }
    void set(int x, int y, Rgb c) { at(x, y) = toPixel(c); }

    // The top left pixel; row y starts stride() x y pixels further.
    std::uint32_t* data() { return m_grid.row(0); }
    const std::uint32_t* data() const { return m_grid.row(0); }
    std::uint32_t* row(int y) { return m_grid.row(y); }
    const std::uint32_t* row(int y) const { return m_grid.row(y); }

    void fill(std::uint32_t p) { m_grid.fill(p); }

    // Moves the whole picture by one pixel (see Grid::scroll).
    void scroll(int dx, int dy) { m_grid.scroll(dx, dy); }

    // Copies a w x h block from src at (sx, sy) to this picture at (dx, dy), clipped to both.
    void blit(const PixelBuffer& src, int sx, int sy, int dx, int dy, int w, int h);

    // What the screen has not seen yet; only the window picture uses it.
    DirtyRegion dirty;

private:
    Grid<std::uint32_t> m_grid;
};

}  // namespace slyders
