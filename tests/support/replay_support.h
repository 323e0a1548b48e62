#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "replay/replay_store.h"
#include "sim/sim_game.h"

namespace slyders::test {

// The replay in a file; an empty one, and the reader's message as a failure, when it is none.
inline Replay readReplay(const std::filesystem::path& file) {
    std::string error;
    const std::optional<Replay> replay = loadReplayFile(file, error);
    EXPECT_TRUE(replay) << file << ": " << error;
    return replay.value_or(Replay{});
}

// The replay played back alone on its own arena, as slyders-sim --replay plays it.
inline ReplayCheck playedBack(const Replay& replay, TextRenderer& text) {
    SimOptions options;
    options.arenaSide = replay.arenaSide;
    return SimGame(options, text).playReplay(replay);
}

}  // namespace slyders::test
