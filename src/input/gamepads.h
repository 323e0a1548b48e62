#pragma once

#include <memory>
#include <string>

#include "input/key_pairs.h"

namespace slyders {

// The gamepads plugged in, through SDL's game-controller layer (not its window or sound).
// A pad takes the lowest free of the four places when it is plugged in and gives it up when
// it is pulled out. If SDL cannot start, there are simply no pads.
class Gamepads {
public:
    Gamepads();
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Why there are no pads at all, or empty when SDL's game controllers are ready.
    const std::string& failure() const { return m_failure; }

    // Takes in pads plugged in or pulled out since the last poll and reads what each holds.
    const PadStates& poll();
    const PadStates& states() const { return m_states; }

private:
    struct Sdl;
    void attach(int deviceIndex);
    void detach(int instanceId);
    void attachWaiting();
    void read();

    std::unique_ptr<Sdl> m_sdl;
    PadStates m_states;
    std::string m_failure;
};

}  // namespace slyders
