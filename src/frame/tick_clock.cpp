#include "frame/tick_clock.h"

#include <array>
#include <chrono>
#include <thread>

#include "game/tick_pace.h"

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
    return tickPeriodMs(speedLevel, fastFinish);
}

}  // namespace slyders
