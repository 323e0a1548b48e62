#pragma once

#include <cstdint>

namespace slyders {

// Monotonic time in microseconds since the program started, and a way to wait.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t nowMicros() = 0;
    virtual void sleepMicros(std::uint64_t us) = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::uint64_t nowMicros() override;
    void sleepMicros(std::uint64_t us) override;

private:
    std::int64_t m_startNs;
};

// When each tick is released. The ticks of a group of 20 come at anchor + k x p for
// k = tick mod 20, and the anchor moves to the moment of tick 19, so 20 ticks take 19
// periods and lost time is made up only within the current group.
class TickScheduler {
public:
    static constexpr int kGroup = 20;

    // Tick period in milliseconds by speed level (Slow, Medium, Fast); a fifth in the fast finish.
    static int periodMs(int speedLevel, bool fastFinish);

    void start(std::uint64_t nowUs) { m_anchor = nowUs; }
    std::uint64_t anchor() const { return m_anchor; }
    std::uint64_t releaseTime(std::int32_t tick, int periodMs) const {
        return releaseTimeUs(tick, std::uint64_t(periodMs) * 1000u);
    }
    bool due(std::int32_t tick, int periodMs, std::uint64_t nowUs) const {
        return dueUs(tick, std::uint64_t(periodMs) * 1000u, nowUs);
    }
    // The same with the period in microseconds (a replay watched faster than it was played).
    std::uint64_t releaseTimeUs(std::int32_t tick, std::uint64_t periodUs) const {
        return m_anchor + std::uint64_t(tick % kGroup) * periodUs;
    }
    bool dueUs(std::int32_t tick, std::uint64_t periodUs, std::uint64_t nowUs) const {
        return nowUs - m_anchor >= std::uint64_t(tick % kGroup) * periodUs;
    }
    // After the wait of a tick: tick 19 of a group renews the anchor.
    void released(std::int32_t tick, std::uint64_t nowUs) {
        if (tick % kGroup == kGroup - 1) m_anchor = nowUs;
    }

private:
    std::uint64_t m_anchor = 0;
};

}  // namespace slyders
