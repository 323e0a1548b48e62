#include "game/arena.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace slyders {

namespace {

// Scrolls the map and the off-screen copy can make in one direction before they are copied
// back to the middle of their stores.
constexpr int kScrollMargin = 64;

}  // namespace

void Arena::InitArena(int clientHeight, PixelBuffer* window) {
    InitArena(clientHeight, window, static_cast<int>(0.9 * clientHeight));
}

void Arena::InitArena(int clientHeight, PixelBuffer* window, int side) {
    m_side = side;
    m_offset = (clientHeight - m_side) / 2;
    m_unit = m_side / 460.0;
    m_map = Grid<Cell>(m_side, m_side, kCellFree, kScrollMargin);
    m_offscreen = PixelBuffer(m_side, m_side, 0xFF000000u, kScrollMargin);
    m_window = window;
    m_windowBehind = false;
    m_background.setSide(m_side);
}

void Arena::takeGameFrom(const Arena& other) {
    PixelBuffer* const window = m_window;
    const bool shown = m_windowShown;
    *this = other;
    m_window = window;
    m_windowShown = shown;
    m_windowBehind = true;
    followScrolls();
    touch(0, 0, m_side, m_side);
}

void Arena::shift(int dx, int dy) {
    m_map.scroll(dx, dy);
    m_offscreen.scroll(dx, dy);
    touch(0, 0, m_side, m_side);
    if (!m_windowShown) {
        m_windowBehind = true;
        return;
    }
    // The window's arena square is part of a bigger picture: it moves cell by cell.
    const int sx = std::max(0, -dx), sy = std::max(0, -dy);
    moveBlock(m_window->row(m_offset) + m_offset, m_window->stride(), m_side - std::abs(dx),
              m_side - std::abs(dy), sx, sy, sx + dx, sy + dy);
}

void Arena::followScrolls() {
    if (!m_windowBehind) return;
    m_windowBehind = false;
    for (int y = 0; y < m_side; ++y) {
        std::memcpy(m_window->row(y + m_offset) + m_offset, m_offscreen.row(y),
                    std::size_t(m_side) * sizeof(std::uint32_t));
    }
}

void Arena::fillEdge(int dx, int dy) {
    const bool row = dy != 0;
    const int at = (dy > 0 || dx > 0) ? 0 : m_side - 1;
    for (int i = 0; i < m_side; ++i) {
        const int x = row ? i : at, y = row ? at : i;
        setPixel(x, y, backgroundAt(x, y));
        cell(x, y) = kCellFree;
    }
}

// Visits every arena pixel of the disc of radius r around (cx, cy): px from trunc(cx - r)
// while px <= cx + r (likewise py) and within the radius.
template <typename Fn>
void Arena::forDisc(double cx, double cy, double r, Fn&& fn) {
    const int x0 = static_cast<int>(cx - r), y0 = static_cast<int>(cy - r);
    const double r2 = r * r;
    // The pixels px <= cx + r and py <= cy + r, inside the arena.
    const int xa = std::max(x0, 0), xb = std::min(static_cast<int>(std::floor(cx + r)), m_side - 1);
    const int ya = std::max(y0, 0), yb = std::min(static_cast<int>(std::floor(cy + r)), m_side - 1);
    int minX = m_side, minY = m_side, maxX = -1, maxY = -1;
    for (int py = ya; py <= yb; ++py) {
        auto d2 = [&](int px) { return (cx - px) * (cx - px) + (cy - py) * (cy - py); };
        // Along a row the distance falls, then rises: the pixels of the disc are one run.
        int lo = xa, hi = xb;
        while (lo <= hi && d2(lo) > r2) ++lo;
        if (lo > hi) continue;
        while (d2(hi) > r2) --hi;
        for (int px = lo; px <= hi; ++px) fn(px, py, d2(px));
        minX = std::min(minX, lo), maxX = std::max(maxX, hi);
        minY = std::min(minY, py), maxY = py;
    }
    if (maxX >= 0) touch(minX, minY, maxX - minX + 1, maxY - minY + 1);
}

void Arena::fillDisc(double cx, double cy, double r, std::int32_t value, const Rgb* colour) {
    forDisc(cx, cy, r, [&](int px, int py, double) {
        setPixel(px, py, colour ? *colour : backgroundAt(px, py));
        cell(px, py) = value;
    });
}

void Arena::PutDisc(double cx, double cy, std::int32_t value, Rgb colour) {
    fillDisc(cx, cy, m_unit, value, &colour);
}

void Arena::EraseDisc(double cx, double cy) {
    fillDisc(cx, cy, m_unit, kCellFree, nullptr);
}

void Arena::PutDiscR(double cx, double cy, int k, std::int32_t value, Rgb colour) {
    fillDisc(cx, cy, k * m_unit, value, &colour);
}

void Arena::EraseDiscR(double cx, double cy, int k) {
    fillDisc(cx, cy, k * m_unit, kCellFree, nullptr);
}

// A smooth trail disc: the rim is blended into the background except on the side away from
// the newer point, where the next disc will not cover it.
void Arena::PutTrailDisc(double cx, double cy, double nx, double ny, std::int32_t value,
                         Rgb colour) {
    const double u2 = m_unit * m_unit;
    const double bx = 2 * cx - nx, by = 2 * cy - ny;
    forDisc(cx, cy, m_unit, [&](int px, int py, double d2) {
        const double e = d2 - u2;
        Rgb c = colour;
        if (e > -1) {
            const double back2 = (bx - px) * (bx - px) + (by - py) * (by - py);
            if (back2 > u2) c = BlendColor(colour, backgroundAt(px, py), -0.7 * e + 0.3);
        }
        setPixel(px, py, c);
        cell(px, py) = value;
    });
}

void Arena::DrawThickLine(int x1, int y1, int x2, int y2, double width, std::int32_t value,
                          Rgb colour) {
    constexpr double kFilterRadius = 0.7;
    if (inside(x1, y1)) {
        setPixel(x1, y1, colour);
        cell(x1, y1) = value;
    }
    const int dx = x2 - x1, dy = y2 - y1;
    const bool alongX = std::abs(dx) > std::abs(dy);
    const int steps = alongX ? std::abs(dx) : std::abs(dy);
    if (steps == 0) {
        touch(x1, y1, 1, 1);
        return;
    }
    const double slope = alongX ? double(dy) / dx : double(dx) / dy;
    const double norm = 1.0 / std::sqrt(1.0 + slope * slope);
    const int across = static_cast<int>(width / 2) + 1;
    const int dir = (alongX ? dx : dy) > 0 ? 1 : -1;
    for (int t = 0; t <= steps; ++t) {
        const int major = (alongX ? x1 : y1) + dir * t;
        const double centre = (alongX ? y1 : x1) + slope * dir * t;
        const int base = static_cast<int>(std::floor(centre + 0.5));
        for (int k = -across; k <= across; ++k) {
            const int minor = base + k;
            const double dist = std::abs(minor - centre) * norm;
            const double coverage =
                std::clamp((width / 2 + kFilterRadius - dist) / (2 * kFilterRadius), 0.0, 1.0);
            if (coverage <= 0) continue;
            const int px = alongX ? major : minor, py = alongX ? minor : major;
            if (!inside(px, py)) continue;
            setPixel(px, py, BlendColor(colour, backgroundAt(px, py), 0.7 * coverage + 0.3));
            cell(px, py) = value;
        }
    }
    const int lx = std::min(x1, x2) - across, ly = std::min(y1, y2) - across;
    touch(lx, ly, std::abs(dx) + 2 * across + 1, std::abs(dy) + 2 * across + 1);
}

}  // namespace slyders
