// Computer players: look along 19 rays fanned out ahead, score each direction by what the
// rays see, and turn toward the best one by a few degrees per tick.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "game/gra.h"

namespace slyders {

namespace {
constexpr int kRays = 19;
constexpr int kMiddle = 9;  // straight ahead
constexpr int kRayLength = 80;
constexpr double kObstaclePenalty = 2.0;
constexpr double kEdgePenalty = 1.5;
constexpr double kGapBonus = 1.0;
constexpr double kBase = 0.001;
constexpr double kStraightWeight = 1.09;
constexpr double kMirrorShare = 0.5;
constexpr int kPoor = 1, kGood = 3;
}  // namespace

int Gra::ChooseHeading(int s) {
    const Slyder& sl = slots[std::size_t(s)];
    const double x = sl.x, y = sl.y, u = arena.unit();
    const int h = sl.heading;
    const int k = skillLevel;
    std::array<double, kRays> score{};

    for (int j = 0; j < kRays; ++j) {
        const double theta = h - 90 + 10 * j;
        const double c = cosDeg(theta), sn = sinDeg(theta);
        for (int d = 1; d < kRayLength; d += d / 10 + (2 - k) + 2) {
            const int px = static_cast<int>(x + d * u * c);
            const int py = static_cast<int>(y + d * u * sn);
            if (!arena.inside(px, py)) {
                score[std::size_t(j)] -= kEdgePenalty / d;
                break;
            }
            const std::int32_t cell = arena.cell(px, py);
            // A Good player values a gap far to the side only if it can still reach it.
            if (cell == kCellGap && !sl.inGap && !(k == kGood && d <= 3 * std::abs(kMiddle - j))) {
                score[std::size_t(j)] += kGapBonus / d;
            }
            if (cell != kCellGap && cell != kCellFree && cell != kHeadBase + s) {
                score[std::size_t(j)] -= kObstaclePenalty / d;
                break;
            }
        }
    }
    for (double& v : score) v += kBase;
    for (int j = 0; j < kMiddle; ++j) {
        score[std::size_t(j)] *= 1 + 0.01 * j;
        score[std::size_t(18 - j)] *= 1 + 0.01 * j;
    }
    score[kMiddle] *= kStraightWeight;

    // A danger on one side raises the mirrored direction; a Poor player thinks of it rarely.
    if (k >= 2 || (k == kPoor && m_rng.mod(10) == 0)) {
        for (int j = 0; j < kMiddle; ++j) {
            const double a = score[std::size_t(j)];
            if (score[std::size_t(18 - j)] < 0)
                score[std::size_t(j)] -= kMirrorShare * score[std::size_t(18 - j)];
            if (a < 0) score[std::size_t(18 - j)] -= kMirrorShare * a;
        }
    }
    const int best = static_cast<int>(std::max_element(score.begin(), score.end()) - score.begin());

    if (k == kGood && score[std::size_t(best)] > 0) {
        // Aim at the middle of the open sector, weighted by the scores.
        int lo = best, hi = best;
        while (hi + 1 < kRays && score[std::size_t(hi + 1)] >= 0) ++hi;
        while (lo - 1 >= 0 && score[std::size_t(lo - 1)] >= 0) --lo;
        double sum = 0, weighted = 0;
        for (int j = lo; j <= hi; ++j) {
            sum += score[std::size_t(j)];
            weighted += j * score[std::size_t(j)];
        }
        return (static_cast<int>(10 * (weighted / sum)) + h + 270) % 360;
    }
    return (h + 10 * best + 270) % 360;
}

void Gra::SteerComputers() {
    const int lastDriven = demo ? humans + 1 : 1;
    for (int s = firstSlot; s <= lastDriven; ++s) {
        Slyder& sl = slots[std::size_t(s)];
        if (!sl.alive) {
            // A dead slyder's heading no longer matters, but a Poor player's draw still counts.
            if (skillLevel == kPoor) m_rng.mod(10);
            continue;
        }
        const int target = ChooseHeading(s);
        const int diff = std::abs(sl.heading - target);
        const int dir = diff > 180 ? 1 : -1;
        int step = 0;
        if (demo) {
            step = (humans + s) % 2 + 2;
        } else {
            // A computer far behind the best human turns faster.
            int best = -1;
            for (int t = 2; t <= humans + 1; ++t) {
                const Slyder& human = slots[std::size_t(t)];
                best = std::max(best, human.roundPoints + human.gamePoints);
            }
            const int m = sl.roundPoints + sl.gamePoints - best;
            step = m <= -20 ? 5 : m <= -10 ? 4 : m <= 0 ? 3 : 2;
        }
        const int turn = std::min(step, diff);
        if (sl.heading < target) {
            sl.heading -= turn * dir;
        } else {
            sl.heading += turn * dir;
        }
    }
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slots[std::size_t(s)];
        sl.heading = (sl.heading + 360) % 360;
    }
}

}  // namespace slyders
