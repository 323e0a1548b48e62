#pragma once

#include <array>
#include <optional>

#include "game/gra.h"

namespace slyders {

// The eight steering keys; key pair k turns left with key 2k and right with key 2k + 1.
enum class SteerKey { Left, Right, Q, W, N, M, Insert, Delete };
constexpr int kSteerKeyCount = 8;

// Which steering keys are held down, kept from key press and release events.
class KeyState {
public:
    void press(SteerKey k) { m_down[std::size_t(k)] = true; }
    void release(SteerKey k) { m_down[std::size_t(k)] = false; }
    void clear() { m_down.fill(false); }
    bool isDown(SteerKey k) const { return m_down[std::size_t(k)]; }
    const std::array<bool, kSteerKeyCount>& down() const { return m_down; }

private:
    std::array<bool, kSteerKeyCount> m_down{};
};

// The steering key a Qt key code stands for. On the keypad 0 and the decimal point count as
// Insert and Delete, 4 and 6 as Left and Right, whatever the NumLock state.
std::optional<SteerKey> steerKeyFor(int qtKey, bool keypad);

// What each seat holds down: seat i steers with its key pair k, keys 2k (left) and 2k + 1.
TickInput seatInput(const KeyState& keys, const std::array<HumanSeat, kHumanSeats>& seats);

}  // namespace slyders
