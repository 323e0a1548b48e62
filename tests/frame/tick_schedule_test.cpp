#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "frame_fixture.h"

namespace slyders {
namespace {

TEST(TickSchedule, PeriodsBySpeedAndInTheFastFinish) {
    EXPECT_EQ(TickScheduler::periodMs(0, false), 16);
    EXPECT_EQ(TickScheduler::periodMs(1, false), 13);
    EXPECT_EQ(TickScheduler::periodMs(2, false), 10);
    EXPECT_EQ(TickScheduler::periodMs(0, true), 3);
    EXPECT_EQ(TickScheduler::periodMs(1, true), 2);
    EXPECT_EQ(TickScheduler::periodMs(2, true), 2);
}

// A whole DEMO game on a clock that moves only while the loop waits: every tick of a group
// of 20 is released at anchor + k x p, and tick 19 of each group moves the anchor.
TEST(TickSchedule, TheLoopReleasesTicksByTheRule) {
    test::WindowTest t;
    std::FILE* log = std::tmpfile();
    t.window->setTickLog(log);
    t.window->GameDemoClick();
    ASSERT_EQ(t.boxes.informed.size(), 1u);  // the DEMO result

    std::rewind(log);
    std::map<int, unsigned long long> release;
    int tick = 0;
    unsigned long long at = 0, work = 0;
    while (std::fscanf(log, "%d %llu %llu", &tick, &at, &work) == 3) release[tick] = at;
    std::fclose(log);
    ASSERT_GT(release.size(), 200u);
    constexpr unsigned long long p = 13000;
    for (const auto& [n, time] : release) {
        if (n < 20 || !release.count(n - n % 20 - 1)) continue;
        const unsigned long long anchor = release[n - n % 20 - 1];
        ASSERT_EQ(time, anchor + (n % 20) * p) << "tick " << n;
    }
    EXPECT_EQ(release[40], release[39]);  // a new group starts at once
}

}  // namespace
}  // namespace slyders
