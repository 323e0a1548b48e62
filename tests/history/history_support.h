#pragma once

#include <array>
#include <string>

#include "replay/replay.h"

namespace slyders::test {

constexpr std::int64_t kDay = 1'800'000'000;  // when the tests' games were played

// A finished game's replay: slot s plays when names[s] is set; points and deaths as given.
inline Replay finishedGame(std::int64_t startedAt, std::array<std::string, kSlotCount> names,
                           std::array<std::int32_t, kSlotCount> points, std::string deathOrder,
                           std::string resultText = {}) {
    Replay r;
    r.programVersion = "test";
    r.startedAt = startedAt;
    r.arenaSide = 360;
    r.endTick = 400;
    r.hashes.assign(20, 7);
    r.end = ReplayEnd::Over;
    r.names = std::move(names);
    r.points = points;
    r.deathOrder = std::move(deathOrder);
    r.resultText = std::move(resultText);
    return r;
}

}  // namespace slyders::test
