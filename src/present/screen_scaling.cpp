#include "present/screen_scaling.h"

#include <algorithm>
#include <cmath>

namespace slyders {

namespace {

constexpr int kTallClient = 1400;         // above this a client area counts as large
constexpr double kReferenceLines = 1080;  // large screens look as a screen of this many lines

// The two halves of a pixel 0xFFRRGGBB that can be multiplied by an 8-bit weight at once.
constexpr std::uint32_t kRedBlue = 0x00FF00FFu;
constexpr std::uint32_t kGreen = 0x0000FF00u;

// Sums weighted pixels a channel pair at a time; the weights sum to 256, so each sum fits
// its 16 bits.
inline std::uint32_t mix(const std::uint32_t* pixels, std::ptrdiff_t step,
                         const std::uint16_t* weights, int count) {
    std::uint32_t rb = 0, g = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i * step];
        rb += (p & kRedBlue) * weights[i];
        g += (p & kGreen) * weights[i];
    }
    return 0xFF000000u | ((rb >> 8) & kRedBlue) | ((g >> 8) & kGreen);
}

}  // namespace

SquareScaler::SquareScaler(int sourceSide, int targetSide)
    : m_sourceSide(std::max(1, sourceSide)),
      m_targetSide(std::max(1, targetSide)),
      m_taps(std::size_t(m_targetSide)) {
    const double scale = double(m_targetSide) / m_sourceSide;
    const double width = scale < 1.0 ? 1.0 / scale : 1.0;  // in source pixels
    std::vector<double> w;
    for (int u = 0; u < m_targetSide; ++u) {
        // Pixel centres meet pixel centres: the squares' edges coincide.
        const double centre = (u + 0.5) / scale - 0.5;
        int first = std::max(0, int(std::ceil(centre - width)));
        const int last = std::min(m_sourceSide - 1, int(std::floor(centre + width)));
        w.clear();
        double sum = 0;
        for (int i = first; i <= last; ++i) {
            w.push_back(std::max(0.0, 1.0 - std::abs(centre - i) / width));
            sum += w.back();
        }
        if (sum <= 0) {  // a shown pixel right on a source pixel's far edge
            first = std::clamp(int(std::lround(centre)), 0, m_sourceSide - 1);
            w.assign(1, 1.0);
            sum = 1.0;
        }
        Tap& tap = m_taps[std::size_t(u)];
        tap.first = first;
        tap.count = int(w.size());
        tap.offset = int(m_weights.size());
        int given = 0;
        for (double x : w) {
            m_weights.push_back(std::uint16_t(std::lround(x / sum * kOne)));
            given += m_weights.back();
        }
        // Rounding leaves the sum a little off: the heaviest weight takes the difference.
        auto heaviest = std::max_element(m_weights.begin() + tap.offset, m_weights.end());
        *heaviest = std::uint16_t(*heaviest + (kOne - given));
    }
}

void SquareScaler::shownSpan(int from, int to, int& lo, int& hi) const {
    // The taps' first and last source pixels grow with the shown position.
    const auto reachesFrom = std::partition_point(
        m_taps.begin(), m_taps.end(), [&](const Tap& t) { return t.first + t.count <= from; });
    const auto pastTo =
        std::partition_point(reachesFrom, m_taps.end(), [&](const Tap& t) { return t.first < to; });
    lo = int(reachesFrom - m_taps.begin());
    hi = int(pastTo - m_taps.begin());
}

Rect SquareScaler::scale(const PixelBuffer& source, int sx, int sy, Rect changed,
                         PixelBuffer& target, int tx, int ty) {
    changed = intersect(changed, {0, 0, m_sourceSide, m_sourceSide});
    if (changed.empty()) return {};
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    shownSpan(changed.x, changed.right(), x0, x1);
    shownSpan(changed.y, changed.bottom(), y0, y1);
    const Rect shown =
        intersect({tx + x0, ty + y0, x1 - x0, y1 - y0}, {0, 0, target.width(), target.height()});
    if (shown.empty()) return {};
    x0 = shown.x - tx, x1 = shown.right() - tx, y0 = shown.y - ty, y1 = shown.bottom() - ty;

    // Across first, for every source row the shown rows need.
    const int top = m_taps[std::size_t(y0)].first;
    const Tap& lastRow = m_taps[std::size_t(y1 - 1)];
    const int rows = lastRow.first + lastRow.count - top;
    const int width = x1 - x0;
    m_rows.resize(std::size_t(rows) * std::size_t(width));
    for (int r = 0; r < rows; ++r) {
        const std::uint32_t* src = source.row(sy + top + r) + sx;
        std::uint32_t* out = m_rows.data() + std::size_t(r) * std::size_t(width);
        for (int u = x0; u < x1; ++u) {
            const Tap& t = m_taps[std::size_t(u)];
            out[u - x0] = mix(src + t.first, 1, m_weights.data() + t.offset, t.count);
        }
    }
    // Then down each column.
    for (int v = y0; v < y1; ++v) {
        const Tap& t = m_taps[std::size_t(v)];
        const std::uint32_t* in = m_rows.data() + std::size_t(t.first - top) * std::size_t(width);
        std::uint32_t* out = target.row(ty + v) + tx + x0;
        for (int u = 0; u < width; ++u) {
            out[u] = mix(in + u, width, m_weights.data() + t.offset, t.count);
        }
    }
    target.dirty.add(shown);
    return shown;
}

double InterfaceScale(int clientHeight, double devicePixelRatio) {
    if (devicePixelRatio <= 1.0 && clientHeight <= kTallClient) return 1.0;
    return std::max(1.0, clientHeight / kReferenceLines);
}

}  // namespace slyders
