#include "present/background.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/pixel_buffer.h"
#include "game/random.h"

namespace slyders {

namespace {

constexpr std::array<int, 10> kTiles{5, 4, 3, 3, 3, 3, 3, 2, 1, 0};

// The table index of a pattern cell; far scrolling can push cells below zero.
int tile(int v) { return kTiles[std::size_t(((v % 10) + 10) % 10)]; }

struct Channels {
    int r = 0, g = 0, b = 0;
};

int blueWave(double v) { return static_cast<int>(60 * std::max(0.5, std::abs(v))); }

Channels patternAt(int type, int X, int Y) {
    const long long XY = static_cast<long long>(X) * Y;
    switch (type) {
        case 0: return {0, 0, 0};
        case 1: return {0, 0, 30};
        case 2: return {0, 0, 60};
        case 3: return {(8 * X % 13) * 3, (7 * X % 11) * 4, (13 * X % 17) * 6};
        case 4: return {(5 * X % 13) * 10, (7 * X % 11) * 10, 0};
        case 5:
            return {static_cast<int>(((2 * X) % 20) * 1.5), (3 * Y) % 30,
                    (X % 77 + Y % 33) % 40 + 30};
        case 6: return {(8 * X % 13) * 4, (7 * X % 11) * 5, (13 * Y % 17) * 7};
        case 7:
            return {((3 * X + 8 * Y) % 13) * 4, ((7 * X + 4 * Y) % 11) * 5,
                    ((13 * Y + 2 * X) % 17) * 7};
        case 8:
            return {static_cast<int>(20 * std::sin(4 * (0.7 * X + 0.3 * Y)) + 20),
                    static_cast<int>(20 * std::sin(3 * (0.4 * X + 0.6 * Y)) + 40),
                    static_cast<int>(20 * std::sin(2 * (0.2 * X + 0.8 * Y)) + 40)};
        case 9: return {0, 0, 20 * tile(X - Y + 1000)};
        case 10: return {0, 0, blueWave(std::sin(static_cast<double>(XY)))};
        case 11: return {0, 0, blueWave(std::sin(static_cast<double>(XY / 3)))};
        case 12: return {0, 0, blueWave(std::sin(0.2 * static_cast<double>(XY)))};
        case 13: return {0, 0, blueWave(std::sin(0.002 * static_cast<double>(XY)))};
        case 14: return {0, 0, blueWave(std::cos(X) * std::sin(Y))};
        case 15: return {0, 0, 5 * (tile(X % 10) + tile(Y % 10))};
        case 16:
            return {0, 0,
                    5 * tile((X % 20) / 2) + 5 * tile((Y % 20) / 2)};
        default: return {0, 0, 0};
    }
}

}  // namespace

Rgb Background::BackgroundColor(int x, int y) const {
    const int k = static_cast<int>(10 * static_cast<float>(m_side / 460.0f));
    const double unit = 0.1 * k;
    const int X = static_cast<int>((x - m_sx) / unit + 1000);
    const int Y = static_cast<int>((y - m_sy) / unit + 1000);
    const Channels c = patternAt(type, X, Y);
    const int M = std::max({c.r, c.g, c.b});
    auto pull = [M](int v, int w) {
        return std::uint8_t(static_cast<int>((1 - 0.1 * w) * v + 0.1 * (M * w)) & 0xFF);
    };
    return {pull(c.r, weights[0]), pull(c.g, weights[1]), pull(c.b, weights[2])};
}

void Background::DrawBackground(PixelBuffer& backBuffer, int m, bool demo, int settingType,
                                Random& rng) {
    type = demo ? rng.mod(13) + 3 : std::clamp(settingType, 0, kBackgroundTypes - 1);
    for (int& w : weights) w = rng.mod(6);
    m_sx = m_sy = 0;
    for (int y = 0; y < m_side; ++y) {
        for (int x = 0; x < m_side; ++x) {
            if (backBuffer.contains(m + x, m + y)) backBuffer.set(m + x, m + y, BackgroundColor(x, y));
        }
    }
    backBuffer.dirty.add({m, m, m_side, m_side});
}

}  // namespace slyders
