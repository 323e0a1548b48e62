#include "present/scaler.h"

#include <algorithm>
#include <cmath>

namespace slyders {

namespace {

constexpr int kPassShare = 50;  // each pass is half of the progress

// One output pixel: every channel is the sum of the truncated weighted source channels.
std::uint32_t combine(const Contribution& c, const std::uint32_t* source, std::size_t stride) {
    int r = 0, g = 0, b = 0;
    for (int i = c.left; i <= c.right; ++i) {
        const double w = c.weights[std::size_t(i - c.left)];
        const std::uint32_t p = source[std::size_t(i) * stride];
        r += static_cast<int>(w * (p & 0xFF));
        g += static_cast<int>(w * ((p >> 8) & 0xFF));
        b += static_cast<int>(w * ((p >> 16) & 0xFF));
    }
    return std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) |
           (std::uint32_t(b & 0xFF) << 16);
}

}  // namespace

double CBilinearFilter::Filter(double t) const {
    t = std::abs(t);
    return t < m_width ? m_width - t : 0.0;
}

std::vector<Contribution> C2PassScale::Contributions(int lineSize, int sourceSize,
                                                     double scale) const {
    double width = m_filter.GetWidth();
    double fs = 1.0;
    if (scale < 1.0) {
        // Shrinking widens the filter so that every source pixel counts.
        width = width / scale;
        fs = scale;
    }
    const int window = 2 * static_cast<int>(std::ceil(width)) + 1;
    std::vector<Contribution> table(std::size_t(std::max(lineSize, 0)));
    for (int u = 0; u < lineSize; ++u) {
        Contribution& c = table[std::size_t(u)];
        const double centre = u / scale;
        c.left = std::max(0, static_cast<int>(std::floor(centre - width)));
        c.right = std::min(static_cast<int>(std::ceil(centre + width)), sourceSize - 1);
        if (c.right - c.left + 1 > window) c.left += 1;
        double sum = 0;
        for (int i = c.left; i <= c.right; ++i) {
            c.weights.push_back(fs * m_filter.Filter(fs * (centre - i)));
            sum += c.weights.back();
        }
        if (sum > 0) {
            for (double& w : c.weights) w /= sum;
        }
    }
    return table;
}

std::optional<std::vector<std::uint32_t>> C2PassScale::Scale(
    const std::vector<std::uint32_t>& source, int w, int h, int newW, int newH) const {
    if (w <= 0 || h <= 0 || newW <= 0 || newH <= 0 || source.size() < std::size_t(w) * h) {
        return std::nullopt;
    }
    // Rows first: W x H becomes newW x H.
    const std::vector<Contribution> across = Contributions(newW, w, double(newW) / w);
    std::vector<std::uint32_t> temp(std::size_t(newW) * h);
    for (int y = 0; y < h; ++y) {
        if (!report(kPassShare * y / h)) return std::nullopt;
        const std::uint32_t* row = source.data() + std::size_t(y) * w;
        for (int x = 0; x < newW; ++x)
            temp[std::size_t(y) * newW + x] = combine(across[std::size_t(x)], row, 1);
    }
    // Then columns: newW x H becomes newW x newH.
    const std::vector<Contribution> down = Contributions(newH, h, double(newH) / h);
    std::vector<std::uint32_t> out(std::size_t(newW) * newH);
    for (int x = 0; x < newW; ++x) {
        if (!report(kPassShare + kPassShare * x / newW)) return std::nullopt;
        for (int y = 0; y < newH; ++y) {
            out[std::size_t(y) * newW + x] =
                combine(down[std::size_t(y)], temp.data() + x, std::size_t(newW));
        }
    }
    return out;
}

}  // namespace slyders
