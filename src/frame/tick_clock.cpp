#include "frame/tick_clock.h"

#include <array>
#include <chrono>
#include <thread>

namespace slyders {

namespace {
std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

SteadyClock::SteadyClock() : m_startNs(steadyNs()) {}

std::uint64_t SteadyClock::nowMicros() {
    return std::uint64_t(steadyNs() - m_startNs) / 1000u;
}

void SteadyClock::sleepMicros(std::uint64_t us) {
    std::this_thread::sleep_for(std::chrono::microseconds(us));
}

int TickScheduler::periodMs(int speedLevel, bool fastFinish) {
    constexpr std::array<int, 3> kPeriods{16, 13, 10};
    constexpr int kFastFinishDivisor = 5;
    const int p = kPeriods[std::size_t(speedLevel < 0 ? 0 : speedLevel > 2 ? 2 : speedLevel)];
    return fastFinish ? p / kFastFinishDivisor : p;
}

}  // namespace slyders
