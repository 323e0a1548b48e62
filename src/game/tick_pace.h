#pragma once

#include <algorithm>
#include <array>

namespace slyders {

// The game's pace, as the window plays it: a tick's period in milliseconds by speed level
// (Slow, Medium, Fast), a fifth of it in the fast finish, and 20 ticks in 19 periods. The
// window's clock, replays watched or made into videos, the history's game lengths and the
// network's input delay all count time by it.
inline constexpr std::array<int, 3> kTickPeriodsMs{16, 13, 10};
inline constexpr int kFastFinishDivisor = 5;
inline constexpr int kTicksPerGroup = 20;
inline constexpr int kPeriodsPerGroup = 19;

constexpr int tickPeriodMs(int speedLevel, bool fastFinish = false) {
    const int p = kTickPeriodsMs[std::size_t(std::clamp(speedLevel, 0, 2))];
    return fastFinish ? p / kFastFinishDivisor : p;
}

}  // namespace slyders
