#pragma once

#include <array>
#include <optional>

#include "game/gra.h"
#include "input/key_pairs.h"

namespace slyders {

// The eight steering keys; key pair k turns left with key 2k and right with key 2k + 1.
enum class SteerKey { Left, Right, Q, W, N, M, Insert, Delete };
constexpr int kSteerKeyCount = 8;

// Which steering keys are held down, kept from key press and release events.
class KeyState {
public:
    void press(SteerKey k) { m_down[std::size_t(k)] = true; }
    void release(SteerKey k) { m_down[std::size_t(k)] = false; }
    void clear() {
        m_down.fill(false);
        m_customDown = {};
    }
    bool isDown(SteerKey k) const { return m_down[std::size_t(k)]; }
    const std::array<bool, kSteerKeyCount>& down() const { return m_down; }

    // The custom pairs are followed by Qt key code; choosing new keys lets go of the old.
    void setCustomKeys(const CustomKeys& keys) {
        m_custom = keys;
        m_customDown = {};
    }
    const CustomKeys& customKeys() const { return m_custom; }
    bool isCustomKey(int qtKey) const;
    void pressCustom(int qtKey) { setCustom(qtKey, true); }
    void releaseCustom(int qtKey) { setCustom(qtKey, false); }
    Held customHeld(int customPair) const;

private:
    void setCustom(int qtKey, bool down);

    std::array<bool, kSteerKeyCount> m_down{};
    CustomKeys m_custom;
    std::array<std::array<bool, 2>, kCustomKeyPairs> m_customDown{};
};

// The steering key a Qt key code stands for. On the keypad 0 and the decimal point count as
// Insert and Delete, 4 and 6 as Left and Right, whatever the NumLock state.
std::optional<SteerKey> steerKeyFor(int qtKey, bool keypad);

// What each seat holds down: seat i steers with entry k of its key-pair list, a fixed pair
// (keys 2k and 2k + 1), a custom pair or a gamepad (a pad not plugged in holds nothing).
TickInput seatInput(const KeyState& keys, const std::array<HumanSeat, kHumanSeats>& seats,
                    const PadStates& pads = {});

}  // namespace slyders
