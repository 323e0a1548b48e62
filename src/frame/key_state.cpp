#include "frame/key_state.h"

#include "input/qt/qt_keys.h"

namespace slyders {

std::optional<SteerKey> steerKeyFor(int qtKey, bool keypad) {
    const auto key = fixedPairKey(qtKey, keypad);
    if (!key) return std::nullopt;
    return SteerKey(2 * key->pair + key->side);
}

bool KeyState::isCustomKey(int qtKey) const {
    return customPairKey(qtKey, m_custom).has_value();
}

void KeyState::setCustom(int qtKey, bool down) {
    // A key may stand in both custom pairs only if a store said so; both follow it.
    for (int c = 0; c < kCustomKeyPairs; ++c) {
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight}) {
            if (m_custom.code[std::size_t(c)][std::size_t(side)] == qtKey)
                m_customDown[std::size_t(c)][std::size_t(side)] = down;
        }
    }
}

Held KeyState::customHeld(int customPair) const {
    const auto& down = m_customDown[std::size_t(customPair)];
    return Held{down[CustomKeys::kLeft], down[CustomKeys::kRight]};
}

TickInput seatInput(const KeyState& keys, const std::array<HumanSeat, kHumanSeats>& seats,
                    const PadStates& pads) {
    PairsHeld held;
    const auto& down = keys.down();
    for (int k = 0; k < kFixedKeyPairs; ++k)
        held[std::size_t(k)] = Held{down[std::size_t(2 * k)], down[std::size_t(2 * k + 1)]};
    for (int c = 0; c < kCustomKeyPairs; ++c)
        held[std::size_t(kFirstCustomPair + c)] = keys.customHeld(c);
    for (int p = 0; p < kGamepads; ++p) {
        const PadState& pad = pads[std::size_t(p)];
        if (pad.connected) held[std::size_t(kFirstGamepadPair + p)] = pad.held;
    }
    return seatSteering(held, seats);
}

}  // namespace slyders
