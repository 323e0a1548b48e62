#pragma once

#include <cstdint>
#include <vector>

#include "game/colour.h"

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

// A 32-bit picture in memory (0xFFRRGGBB per pixel, row after row).
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, std::uint32_t fill = 0xFF000000u)
        : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, fill) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    std::uint32_t& at(int x, int y) { return m_pixels[std::size_t(y) * m_width + x]; }
    std::uint32_t at(int x, int y) const { return m_pixels[std::size_t(y) * m_width + x]; }
    Rgb colour(int x, int y) const { return fromPixel(at(x, y)); }
    void set(int x, int y, Rgb c) { at(x, y) = toPixel(c); }

    std::uint32_t* data() { return m_pixels.data(); }
    const std::uint32_t* data() const { return m_pixels.data(); }
    std::uint32_t* row(int y) { return m_pixels.data() + std::size_t(y) * m_width; }
    const std::uint32_t* row(int y) const { return m_pixels.data() + std::size_t(y) * m_width; }

    void fill(std::uint32_t p) { m_pixels.assign(m_pixels.size(), p); }

    // Copies a w x h block from src at (sx, sy) to this picture at (dx, dy), clipped to both.
    void blit(const PixelBuffer& src, int sx, int sy, int dx, int dy, int w, int h);

    // What the screen has not seen yet; only the window picture uses it.
    DirtyRegion dirty;

private:
    int m_width = 0, m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

}  // namespace slyders
