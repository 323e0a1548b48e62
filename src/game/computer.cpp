// Computer players: look along 19 rays fanned out ahead, score each direction by what the
// rays see, and turn toward the best one by a few degrees per tick.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "game/expert.h"
#include "game/gra.h"

namespace slyders {

namespace {

constexpr int kRays = 19;
constexpr int kMiddle = 9;           // straight ahead
constexpr int kRayAngleStep = 10;    // degrees between neighbouring rays
constexpr int kFirstRayAngle = -90;  // the leftmost ray, relative to the heading
constexpr int kRayLength = 80;       // units
constexpr double kObstaclePenalty = 2.0;
constexpr double kEdgePenalty = 1.5;
constexpr double kGapBonus = 1.0;
constexpr double kBase = 0.001;
constexpr double kWeightStep = 0.01;  // per ray nearer the middle
constexpr double kStraightWeight = 1.09;
constexpr double kMirrorShare = 0.5;
constexpr int kReachPerRay = 3;  // a Good player's reach: units per ray away from the middle
constexpr int kPoorMirrorChance = 10;
constexpr int kHumanTurnStep = 2;  // degrees per tick, as the keys turn
constexpr int kPoor = kSkillPoor, kGood = kSkillGood;

using Scores19 = std::array<double, kRays>;

double& at(Scores19& score, int j) {
    return score[std::size_t(j)];
}

// The heading of ray position c (a ray index, or a weighted middle between rays).
int aimOf(double c, int heading) {
    return (static_cast<int>(kRayAngleStep * c) + heading + kFirstRayAngle + 360) % 360;
}

// The turn step of a computer by how far it trails the best human (-1 with no humans).
int turnStep(int points, int bestHuman) {
    const int m = points - bestHuman;
    return m <= -20 ? 5 : m <= -10 ? 4 : m <= 0 ? 3 : 2;
}

}  // namespace

// Walks one ray: gaps on the way draw the slyder, an obstacle or the edge pushes it away.
double Gra::scoreRay(int s, int j) const {
    const Slyder& sl = slot(s);
    const double u = arena.unit();
    // The rays are the three ray skills' own; an Expert (or a bot under it) looks as a Good one.
    const int k = std::min(skillOf(s), kGood);
    const int theta = sl.heading + kFirstRayAngle + kRayAngleStep * j;
    const double c = cosDeg(theta), sn = sinDeg(theta);
    double score = 0;
    for (int d = 1; d < kRayLength; d += d / 10 + (2 - k) + 2) {
        const int px = static_cast<int>(sl.x + d * u * c);
        const int py = static_cast<int>(sl.y + d * u * sn);
        if (!arena.inside(px, py)) return score - kEdgePenalty / d;
        const std::int32_t cell = arena.cell(px, py);
        // A Good player values a gap far to the side only if it can still reach it.
        const bool outOfReach = k == kGood && d <= kReachPerRay * std::abs(kMiddle - j);
        if (cell == kCellGap && !sl.inGap && !outOfReach) score += kGapBonus / d;
        if (cell != kCellGap && cell != kCellFree && cell != kHeadBase + s) {
            return score - kObstaclePenalty / d;
        }
    }
    return score;
}

int Gra::ChooseHeading(int s) {
    const int h = slot(s).heading;
    const int k = std::min(skillOf(s), kGood);
    Scores19 score{};
    for (int j = 0; j < kRays; ++j) at(score, j) = scoreRay(s, j) + kBase;
    for (int j = 0; j < kMiddle; ++j) {
        at(score, j) *= 1 + kWeightStep * j;
        at(score, kRays - 1 - j) *= 1 + kWeightStep * j;
    }
    at(score, kMiddle) *= kStraightWeight;

    // A danger on one side raises the mirrored direction; a Poor player thinks of it rarely.
    if (k >= 2 || (k == kPoor && m_rng.mod(kPoorMirrorChance) == 0)) {
        for (int j = 0; j < kMiddle; ++j) {
            const double a = at(score, j);
            double& mirrored = at(score, kRays - 1 - j);
            if (mirrored < 0) at(score, j) -= kMirrorShare * mirrored;
            if (a < 0) mirrored -= kMirrorShare * a;
        }
    }
    const int best = static_cast<int>(std::max_element(score.begin(), score.end()) - score.begin());
    if (k != kGood || at(score, best) <= 0) return aimOf(best, h);

    // A Good player aims at the middle of the open sector, weighted by the scores.
    int lo = best, hi = best;
    while (hi + 1 < kRays && at(score, hi + 1) >= 0) ++hi;
    while (lo - 1 >= 0 && at(score, lo - 1) >= 0) --lo;
    double sum = 0, weighted = 0;
    for (int j = lo; j <= hi; ++j) {
        sum += at(score, j);
        weighted += j * at(score, j);
    }
    return aimOf(weighted / sum, h);
}

int Gra::skillOf(int s) const {
    const int own = slotSkill[std::size_t(s)];
    return own != 0 ? own : skillLevel;
}

int Gra::turnStepOf(int s) const {
    if (!computerDriven(s)) return kHumanTurnStep;
    // A computer far behind the best human turns faster; in DEMO games by slot.
    if (demo) return (humans + s) % 2 + 2;
    int bestHuman = -1;
    for (int t = 2; t <= humans + 1; ++t) {
        const Slyder& human = slot(t);
        bestHuman = std::max(bestHuman, human.roundPoints + human.gamePoints);
    }
    const Slyder& sl = slot(s);
    return turnStep(sl.roundPoints + sl.gamePoints, bestHuman);
}

void Gra::SteerComputers() {
    const int lastDriven = demo ? humans + 1 : 1;
    for (int s = firstSlot; s <= lastDriven; ++s) {
        Slyder& sl = slot(s);
        const int skill = skillOf(s);
        if (!sl.alive) {
            // A dead slyder's heading no longer matters, but a Poor player's draw still counts.
            if (skill == kPoor) m_rng.mod(kPoorMirrorChance);
            continue;
        }
        const int step = turnStepOf(s);
        if (skill == kSkillExpert) {
            sl.heading += step * expertSteer(*this, s, step);
            continue;
        }
        const int target = ChooseHeading(s);
        const int diff = std::abs(sl.heading - target);
        const int dir = diff > 180 ? 1 : -1;
        const int turn = std::min(step, diff);
        if (sl.heading < target) {
            sl.heading -= turn * dir;
        } else {
            sl.heading += turn * dir;
        }
    }
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        sl.heading = (sl.heading + 360) % 360;
    }
}

}  // namespace slyders
