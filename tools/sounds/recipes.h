#pragma once

#include <vector>

#include "synth.h"

namespace slyders::synth {

struct Recipe {
    const char* file;
    Signal (*make)();
    double peakDb;  // how loud its loudest moment is; never above -1 dBFS
};

// Every sound of the game, the welcome and farewell included.
const std::vector<Recipe>& recipes();

}  // namespace slyders::synth
