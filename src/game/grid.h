#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <vector>

namespace slyders {

// Copies a w x h block of cells within one store of row stride `stride`, from (sx, sy) to
// (dx, dy); source and destination may overlap.
template <typename T>
void moveBlock(T* base, int stride, int w, int h, int sx, int sy, int dx, int dy) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (w <= 0 || h <= 0) return;
    const std::size_t bytes = std::size_t(w) * sizeof(T);
    auto line = [&](int j) {
        std::memmove(base + std::ptrdiff_t(dy + j) * stride + dx,
                     base + std::ptrdiff_t(sy + j) * stride + sx, bytes);
    };
    if (dy > sy) {
        for (int j = h - 1; j >= 0; --j) line(j);
    } else {
        for (int j = 0; j < h; ++j) line(j);
    }
}

// A rectangle of cells kept inside a larger store with a margin on every side. Moving all
// of it by one cell only moves where it starts in the store; when that would leave the
// margin, the cells are copied back to the middle once.
template <typename T>
class Grid {
public:
    Grid() = default;
    Grid(int width, int height, T fill, int margin = 0)
        : m_width(width),
          m_height(height),
          m_margin(margin),
          m_stride(width + 2 * margin),
          // A picture's last row is handed out as a whole stride, wherever the start is.
          m_cells(std::size_t(m_stride) * std::size_t(height + 2 * margin) + 2 * margin, fill) {
        place(margin, margin);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_stride; }
    std::size_t size() const { return std::size_t(m_width) * std::size_t(m_height); }

    T* row(int y) { return m_cells.data() + m_origin + std::ptrdiff_t(y) * m_stride; }
    const T* row(int y) const { return m_cells.data() + m_origin + std::ptrdiff_t(y) * m_stride; }
    T& at(int x, int y) { return row(y)[x]; }
    const T& at(int x, int y) const { return row(y)[x]; }

    // Sets every cell, the margins too.
    void fill(T v) { std::fill(m_cells.begin(), m_cells.end(), v); }

    // Moves every cell by (dx, dy), each -1, 0 or 1; what crosses the far edge is lost. The
    // row or column the cells moved away from holds stale values: the caller fills it.
    void scroll(int dx, int dy) {
        const int x = m_x - dx, y = m_y - dy, far = 2 * m_margin;
        if (x >= 0 && y >= 0 && x <= far && y <= far) {
            place(x, y);
            return;
        }
        // Cell (i, j) goes to (i + dx, j + dy) with the start back in the middle.
        const int sx = std::max(0, -dx), sy = std::max(0, -dy);
        moveBlock(m_cells.data(), m_stride, m_width - std::abs(dx), m_height - std::abs(dy),
                  m_x + sx, m_y + sy, m_margin + sx + dx, m_margin + sy + dy);
        place(m_margin, m_margin);
    }

private:
    void place(int x, int y) {
        m_x = x, m_y = y;
        m_origin = std::size_t(y) * std::size_t(m_stride) + std::size_t(x);
    }

    int m_width = 0, m_height = 0, m_margin = 0, m_stride = 0;
    int m_x = 0, m_y = 0;  // where cell (0, 0) is in the store
    std::size_t m_origin = 0;
    std::vector<T> m_cells;
};

}  // namespace slyders
