#pragma once

#include <cstdint>
#include <string>

#include "game/text_renderer.h"

namespace slyders::net {

// Everything besides the players' keys that decides how a game plays on this machine. Arena
// texts are solid for the slyders pixel by pixel, so the system's font library is part of
// the game; so are the maths library's cosines and sines, the way the settings sent at a
// start are read, and the rules this build plays under. Two machines whose prints differ
// would play different games from the same start.
struct Fingerprint {
    std::uint64_t texts = 0;
    std::uint64_t angles = 0;
    std::uint64_t settings = 0;
    std::uint64_t rules = 0;
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

// Bits of the parts that differ, as a guest is refused with them.
enum FingerprintPart : std::uint8_t {
    kPartTexts = 1,
    kPartAngles = 2,
    kPartSettings = 4,
    kPartRules = 8,
    kAllParts = 15,
};

// Draws the probe texts through `text`, reads the angle tables, the settings table and the
// rules version.
Fingerprint machineFingerprint(TextRenderer& text);
std::uint8_t differingParts(const Fingerprint& a, const Fingerprint& b);
// What differs from the host's machine and what to do about it.
std::string differenceText(std::uint8_t parts);

}  // namespace slyders::net
