#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/key_pairs.h"

namespace slyders {

// One key of a key pair: the pair's index and its side (CustomKeys::kLeft or kRight).
struct PairKey {
    int pair = 0;
    int side = CustomKeys::kLeft;
    friend bool operator==(const PairKey&, const PairKey&) = default;
};

// The Qt key codes of the four fixed pairs, left then right.
extern const std::array<std::array<int, 2>, kFixedKeyPairs> kFixedPairCodes;

// The fixed pair's key a Qt key code stands for. On the keypad 0 and the decimal point
// count as Insert and Delete, 4 and 6 as Left and Right, whatever the NumLock state.
std::optional<PairKey> fixedPairKey(int qtKey, bool keypad);

// The custom pair's key a Qt key code stands for.
std::optional<PairKey> customPairKey(int qtKey, const CustomKeys& custom);

// What a player sees for a key: "Left", "Z", "Shift"; "none" for no key.
std::string keyName(int qtKey);

// keyPairLabel() in the player's language: "Left / Right", "Custom keys 1", "Gamepad 1 (...)".
std::string keyPairText(int k, const PadStates& pads);

// The custom keys a player starts with: Z / X and K / L.
CustomKeys defaultCustomKeys();

// Whether a stored code can steer at all: a real key, and none of the menu commands' keys.
bool usableCustomKey(int qtKey);

// Why qtKey cannot become a custom key, or nothing when it can. custom holds the keys chosen
// so far (the pair being chosen cleared); seatedPairs are the key pairs of the seats in play.
std::optional<std::string> customKeyRefusal(int qtKey, const CustomKeys& custom,
                                            const std::vector<int>& seatedPairs);

// The keys entry k steers with, as Qt key codes (none for a gamepad).
std::vector<int> pairCodes(int k, const CustomKeys& custom);

}  // namespace slyders
