#include "game/pixel_buffer.h"

#include <algorithm>
#include <cstring>

namespace slyders {

Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.right(), b.right()) - x, std::max(a.bottom(), b.bottom()) - y};
}

Rect intersect(const Rect& a, const Rect& b) {
    const int x = std::max(a.x, b.x), y = std::max(a.y, b.y);
    const int r = std::min(a.right(), b.right()), btm = std::min(a.bottom(), b.bottom());
    if (r <= x || btm <= y) return {};
    return {x, y, r - x, btm - y};
}

void DirtyRegion::add(const Rect& r) {
    if (r.empty()) return;
    // Neighbouring paints of one slyder overlap; merge them with a recent rectangle.
    for (auto it = m_rects.rbegin(); it != m_rects.rend() && it - m_rects.rbegin() < 8; ++it) {
        const Rect grown{it->x - 2, it->y - 2, it->w + 4, it->h + 4};
        if (!intersect(grown, r).empty()) {
            *it = unite(*it, r);
            return;
        }
    }
    m_rects.push_back(r);
    if (m_rects.size() > kMaxRects) {
        Rect all;
        for (const Rect& q : m_rects) all = unite(all, q);
        m_rects.assign(1, all);
    }
}

std::vector<Rect> DirtyRegion::take() {
    std::vector<Rect> out;
    out.swap(m_rects);
    return out;
}

void PixelBuffer::blit(const PixelBuffer& src, int sx, int sy, int dx, int dy, int w, int h) {
    // Clip against the source, then the destination.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min({w, src.width() - sx, width() - dx});
    h = std::min({h, src.height() - sy, height() - dy});
    if (w <= 0 || h <= 0) return;
    for (int j = 0; j < h; ++j) {
        std::memmove(row(dy + j) + dx, src.row(sy + j) + sx, std::size_t(w) * 4);
    }
    dirty.add({dx, dy, w, h});
}

}  // namespace slyders
