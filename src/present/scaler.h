#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace slyders {

// The tent filter of the bilinear scaler: F(t) = width - |t| inside the width, else 0.
class CBilinearFilter {
public:
    explicit CBilinearFilter(double width = 1.0) : m_width(width) {}
    double GetWidth() const { return m_width; }
    double Filter(double t) const;

private:
    double m_width;
};

// For one output position of a line: the source indices left .. right (inclusive) that
// contribute, with one weight each (weights[i - left]).
struct Contribution {
    int left = 0, right = -1;
    std::vector<double> weights;
};

// Scales pictures in two passes, rows then columns, with a bilinear filter. Pixels are
// colour values with red in the low byte, green in the next and blue in the third.
class C2PassScale {
public:
    // Told 0 .. 100 as the work goes on (0 .. 50 for the rows); returning false cancels.
    using Progress = std::function<bool(int percent)>;

    explicit C2PassScale(Progress progress = {}, CBilinearFilter filter = CBilinearFilter())
        : m_progress(std::move(progress)), m_filter(filter) {}

    // The picture scaled from w x h to newW x newH, or nothing when cancelled.
    std::optional<std::vector<std::uint32_t>> Scale(const std::vector<std::uint32_t>& source, int w,
                                                    int h, int newW, int newH) const;

    // The contributions for every output position of a line of lineSize pixels made from
    // sourceSize pixels at the given scale.
    std::vector<Contribution> Contributions(int lineSize, int sourceSize, double scale) const;

private:
    bool report(int percent) const { return !m_progress || m_progress(percent); }

    Progress m_progress;
    CBilinearFilter m_filter;
};

}  // namespace slyders
