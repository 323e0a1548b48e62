#include "game/grid.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace slyders {
namespace {

// A plain copy of the cells, moved the slow way.
std::vector<int> shifted(const std::vector<int>& cells, int w, int h, int dx, int dy) {
    std::vector<int> out(cells.size(), -1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int fx = x - dx, fy = y - dy;
            if (fx >= 0 && fy >= 0 && fx < w && fy < h) out[y * w + x] = cells[fy * w + fx];
        }
    }
    return out;
}

// After every scroll, the edge left behind is refilled as the arena does it.
TEST(Grid, ScrollingMatchesMovingEveryCellAcrossTheMarginAndBack) {
    constexpr int w = 7, h = 5;
    for (const int margin : {0, 1, 3}) {
        Grid<int> grid(w, h, 0, margin);
        std::vector<int> plain(w * h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) grid.at(x, y) = plain[y * w + x] = 100 * y + x;
        }
        constexpr std::array<std::array<int, 2>, 4> kMoves{{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}};
        int stamp = 1000;
        for (int step = 0; step < 40; ++step) {
            // Runs of one direction long enough to pass the margin, then turns.
            const auto [dx, dy] = kMoves[std::size_t(step / 5 % 4 + step / 20) % 4];
            grid.scroll(dx, dy);
            plain = shifted(plain, w, h, dx, dy);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    if (plain[y * w + x] == -1) grid.at(x, y) = plain[y * w + x] = stamp++;
                }
            }
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    ASSERT_EQ(grid.at(x, y), plain[y * w + x])
                        << "margin " << margin << " step " << step << " at " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace slyders
