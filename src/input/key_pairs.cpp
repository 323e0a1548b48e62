#include "input/key_pairs.h"

namespace slyders {

namespace {

const std::array<const char*, kFixedKeyPairs> kFixedLabels{"Left / Right", "Q / W", "N / M",
                                                           "Ins / Del"};

std::string gamepadName(int pad) {
    return "Gamepad " + std::to_string(pad + 1);
}

}  // namespace

TickInput seatSteering(const PairsHeld& held, const std::array<HumanSeat, kHumanSeats>& seats) {
    TickInput input;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int k = seats[i].keyPair;
        if (k < 0 || k >= kKeyPairCount) continue;
        const Held& h = held[std::size_t(k)];
        input.seat[i] = (h.left ? kSteerLeft : kSteerNone) | (h.right ? kSteerRight : kSteerNone);
    }
    return input;
}

std::string keyPairLabel(int k, const PadStates& pads) {
    if (isFixedPair(k)) return kFixedLabels[std::size_t(k)];
    if (isCustomPair(k)) return "Custom keys " + std::to_string(k - kFirstCustomPair + 1);
    if (!isGamepadPair(k)) return {};
    const int pad = k - kFirstGamepadPair;
    const PadState& state = pads[std::size_t(pad)];
    return gamepadName(pad) + " (" + (state.connected ? state.name : "not connected") + ")";
}

std::optional<std::string> missingGamepad(const std::array<HumanSeat, kHumanSeats>& seats,
                                          int humans, const PadStates& pads) {
    for (int i = 0; i < humans && i < kHumanSeats; ++i) {
        const int k = seats[std::size_t(i)].keyPair;
        if (!isGamepadPair(k)) continue;
        const int pad = k - kFirstGamepadPair;
        if (!pads[std::size_t(pad)].connected) return gamepadName(pad) + " is not connected.";
    }
    return std::nullopt;
}

}  // namespace slyders
