#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/gra.h"

namespace slyders {

// A seat's key-pair list: the four fixed pairs, then two pairs of the players' own keys,
// then four gamepads. The index is what the seat stores.
constexpr int kFixedKeyPairs = 4;
constexpr int kCustomKeyPairs = 2;
constexpr int kGamepads = 4;
constexpr int kFirstCustomPair = kFixedKeyPairs;
constexpr int kFirstGamepadPair = kFirstCustomPair + kCustomKeyPairs;
constexpr int kKeyPairCount = kFirstGamepadPair + kGamepads;

constexpr bool isFixedPair(int k) {
    return k >= 0 && k < kFixedKeyPairs;
}
constexpr bool isCustomPair(int k) {
    return k >= kFirstCustomPair && k < kFirstGamepadPair;
}
constexpr bool isGamepadPair(int k) {
    return k >= kFirstGamepadPair && k < kKeyPairCount;
}

// What one steering device holds down now.
struct Held {
    bool left = false;
    bool right = false;
    friend bool operator==(const Held&, const Held&) = default;
};

// One of the four pad places as the game sees it; a pad keeps its place while plugged in.
struct PadState {
    bool connected = false;
    Held held;
    std::string name;
};
using PadStates = std::array<PadState, kGamepads>;

// The keys of the two custom pairs as the window toolkit's key codes; 0 is no key.
struct CustomKeys {
    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;
    std::array<std::array<int, 2>, kCustomKeyPairs> code{};
    friend bool operator==(const CustomKeys&, const CustomKeys&) = default;
};

// What every entry of the key-pair list holds now, by its index.
using PairsHeld = std::array<Held, kKeyPairCount>;

// Each seat steers with what its entry holds; an entry out of the list holds nothing.
TickInput seatSteering(const PairsHeld& held, const std::array<HumanSeat, kHumanSeats>& seats);

// The text of entry k: "Left / Right" ... "Custom keys 1" ... "Gamepad 1 (its name)" or
// "Gamepad 1 (not connected)".
std::string keyPairLabel(int k, const PadStates& pads);

// The refusal for the first of the first `humans` seats whose pad is not plugged in.
std::optional<std::string> missingGamepad(const std::array<HumanSeat, kHumanSeats>& seats,
                                          int humans, const PadStates& pads);

}  // namespace slyders
