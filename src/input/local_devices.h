#pragma once

#include <functional>
#include <string>
#include <vector>

#include "input/key_pairs.h"

namespace slyders {

// The steering devices of this machine beside the fixed pairs, as the dialogs see them: the
// custom keys (kept with the roster) and the pads, polled on demand.
struct LocalDevices {
    CustomKeys custom;
    std::function<PadStates()> readPads;  // polls the pads now; unset: no pads
    std::vector<std::string> problems;    // why stored keys were not taken, shown in Keys...

    PadStates pads() const { return readPads ? readPads() : PadStates{}; }
};

}  // namespace slyders
