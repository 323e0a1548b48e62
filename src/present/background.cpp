#include "present/background.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "game/pixel_buffer.h"
#include "game/random.h"

namespace slyders {

namespace {

constexpr std::uint32_t kKnownCell = 0x01000000u;
// Cells kept beyond each side of the arena; scrolling moves the arena over them.
constexpr int kKnownMargin = 64;
// The widest arena whose pattern is kept (about 1.4 MB per type at the default side).
constexpr int kMaxKnownSpan = 1024;
// The cell index of arena pixel 0, unscrolled.
constexpr int kCellOrigin = 1000;

constexpr std::array<int, 10> kTiles{5, 4, 3, 3, 3, 3, 3, 2, 1, 0};

// The table index of a pattern cell; far scrolling can push cells below zero.
int tile(int v) {
    return kTiles[std::size_t(((v % 10) + 10) % 10)];
}

struct Channels {
    int r = 0, g = 0, b = 0;
};

int blueWave(double v) {
    return static_cast<int>(60 * std::max(0.5, std::abs(v)));
}

Channels patternAt(int type, int X, int Y) {
    const long long XY = static_cast<long long>(X) * Y;
    switch (type) {
        case 0:
            return {0, 0, 0};
        case 1:
            return {0, 0, 30};
        case 2:
            return {0, 0, 60};
        case 3:
            return {(8 * X % 13) * 3, (7 * X % 11) * 4, (13 * X % 17) * 6};
        case 4:
            return {(5 * X % 13) * 10, (7 * X % 11) * 10, 0};
        case 5:
            return {static_cast<int>(((2 * X) % 20) * 1.5), (3 * Y) % 30,
                    (X % 77 + Y % 33) % 40 + 30};
        case 6:
            return {(8 * X % 13) * 4, (7 * X % 11) * 5, (13 * Y % 17) * 7};
        case 7:
            return {((3 * X + 8 * Y) % 13) * 4, ((7 * X + 4 * Y) % 11) * 5,
                    ((13 * Y + 2 * X) % 17) * 7};
        case 8:
            return {static_cast<int>(20 * std::sin(4 * (0.7 * X + 0.3 * Y)) + 20),
                    static_cast<int>(20 * std::sin(3 * (0.4 * X + 0.6 * Y)) + 40),
                    static_cast<int>(20 * std::sin(2 * (0.2 * X + 0.8 * Y)) + 40)};
        case 9:
            return {0, 0, 20 * tile(X - Y + 1000)};
        case 10:
            return {0, 0, blueWave(std::sin(static_cast<double>(XY)))};
        case 11:
            return {0, 0, blueWave(std::sin(static_cast<double>(XY / 3)))};  // integer division
        case 12:
            return {0, 0, blueWave(std::sin(0.2 * static_cast<double>(XY)))};
        case 13:
            return {0, 0, blueWave(std::sin(0.002 * static_cast<double>(XY)))};
        case 14:
            return {0, 0, blueWave(std::cos(X) * std::sin(Y))};
        case 15:
            return {0, 0, 5 * (tile(X % 10) + tile(Y % 10))};
        case 16:
            return {0, 0, 5 * tile((X % 20) / 2) + 5 * tile((Y % 20) / 2)};
        default:
            return {0, 0, 0};
    }
}

}  // namespace

double Background::patternUnit() const {
    // S / 460 is kept as a 32-bit real; the tenfold product is taken at full precision.
    const float perUnit = static_cast<float>(m_side) / 460.0f;
    const int k = std::max(1, static_cast<int>(10.0 * static_cast<double>(perUnit)));
    return 0.1 * k;
}

void Background::setSide(int side) {
    m_side = side;
    m_unit = patternUnit();
    m_cellOfPixel.resize(std::size_t(m_side + 2 * kKnownMargin + 1));
    for (int p = -kKnownMargin; p <= m_side + kKnownMargin; ++p) {
        m_cellOfPixel[std::size_t(p + kKnownMargin)] = static_cast<int>(p / m_unit + kCellOrigin);
    }
    const int cells = static_cast<int>(m_side / m_unit) + 2;
    m_knownFirst = kCellOrigin - kKnownMargin;
    m_knownSpan = cells + 2 * kKnownMargin;
    if (m_knownSpan > kMaxKnownSpan) m_knownSpan = 0;
    for (auto& known : m_known) known.clear();
}

std::uint32_t* Background::knownCell(int X, int Y) const {
    const auto i = static_cast<unsigned>(X - m_knownFirst);
    const auto j = static_cast<unsigned>(Y - m_knownFirst);
    const auto span = static_cast<unsigned>(m_knownSpan);
    if (type < 0 || type >= kBackgroundTypes || i >= span || j >= span) return nullptr;
    std::vector<std::uint32_t>& known = m_known[std::size_t(type)];
    if (known.empty()) known.assign(std::size_t(span) * span, 0);
    return &known[std::size_t(j) * span + i];
}

int Background::cellOf(int p) const {
    const auto i = static_cast<std::size_t>(p + kKnownMargin);
    if (i < m_cellOfPixel.size()) return m_cellOfPixel[i];
    return static_cast<int>(p / m_unit + kCellOrigin);
}

namespace {

constexpr int kWeights = 6;

std::uint8_t pull(int v, int w, int M) {
    return std::uint8_t(static_cast<int>((1 - 0.1 * w) * v + 0.1 * (M * w)) & 0xFF);
}

// pull() of every byte pair (M, v) at [w][M << 8 | v], computed once at start: every pixel a
// game paints or erases pulls its three channels.
struct PullTables {
    PullTables() {
        for (int w = 0; w < kWeights; ++w) {
            for (int M = 0; M <= 0xFF; ++M) {
                for (int v = 0; v <= 0xFF; ++v)
                    at[std::size_t(w)][std::size_t(M << 8 | v)] = pull(v, w, M);
            }
        }
    }
    std::array<std::array<std::uint8_t, 0x100 * 0x100>, kWeights> at;
};
// No static object paints a background while this is built.
const PullTables kPull;

bool isWeight(int w) {
    return w >= 0 && w < kWeights;
}

}  // namespace

Rgb Background::cellColour(int X, int Y) const {
    std::uint32_t* known = knownCell(X, Y);
    Channels c;
    if (known && *known != 0) {
        c = {int(*known & 0xFF), int(*known >> 8 & 0xFF), int(*known >> 16 & 0xFF)};
    } else {
        c = patternAt(type, X, Y);
        auto byte = [](int v) { return v >= 0 && v <= 0xFF; };
        if (known && byte(c.r) && byte(c.g) && byte(c.b)) {
            *known = kKnownCell | std::uint32_t(c.r) | std::uint32_t(c.g) << 8 |
                     std::uint32_t(c.b) << 16;
        }
    }
    const int M = std::max({c.r, c.g, c.b});
    const auto [wr, wg, wb] = weights;
    if (known && *known != 0 && isWeight(wr) && isWeight(wg) && isWeight(wb)) {
        const auto row = std::size_t(M << 8);
        return {kPull.at[std::size_t(wr)][row | std::size_t(c.r)],
                kPull.at[std::size_t(wg)][row | std::size_t(c.g)],
                kPull.at[std::size_t(wb)][row | std::size_t(c.b)]};
    }
    return {pull(c.r, weights[0], M), pull(c.g, weights[1], M), pull(c.b, weights[2], M)};
}

Rgb Background::BackgroundColor(int x, int y) const {
    return cellColour(cellOf(x - m_sx), cellOf(y - m_sy));
}

void Background::DrawBackground(PixelBuffer& backBuffer, int m, bool demo, int settingType,
                                Random& rng) {
    constexpr int kDemoTypes = 13, kFirstDemoType = 3, kWeightChoices = 6;
    type = demo ? rng.mod(kDemoTypes) + kFirstDemoType
                : std::clamp(settingType, 0, kBackgroundTypes - 1);
    for (int& w : weights) w = rng.mod(kWeightChoices);
    m_sx = m_sy = 0;
    paint(backBuffer, m);
}

// A pattern cell spans a unit of pixels: neighbouring pixels of one cell share its colour,
// and a row whose cells equal the row above is a copy of it.
void Background::paint(PixelBuffer& target, int m) const {
    const Rect area = intersect({m, m, m_side, m_side}, {0, 0, target.width(), target.height()});
    if (area.empty()) return;
    std::vector<int> cellX(std::size_t(area.w));
    for (int i = 0; i < area.w; ++i) cellX[std::size_t(i)] = cellOf(area.x - m - m_sx + i);
    int lastY = 0;
    for (int py = area.y; py < area.bottom(); ++py) {
        const int Y = cellOf(py - m - m_sy);
        std::uint32_t* row = target.row(py) + area.x;
        if (py > area.y && Y == lastY) {
            std::copy_n(target.row(py - 1) + area.x, area.w, row);
            continue;
        }
        lastY = Y;
        int lastX = 0;
        std::uint32_t pixel = 0;
        for (int i = 0; i < area.w; ++i) {
            const int X = cellX[std::size_t(i)];
            if (i == 0 || X != lastX) pixel = toPixel(cellColour(X, Y)), lastX = X;
            row[i] = pixel;
        }
    }
    target.dirty.add(area);
}

}  // namespace slyders
