#include "net/fingerprint.h"

#include <array>
#include <cstring>
#include <string_view>

#include "game/arena.h"
#include "game/gra.h"
#include "game/rules.h"
#include "game/state_hash.h"
#include "net/protocol.h"

namespace slyders::net {

namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;
constexpr int kProbeMargin = 4;  // glyphs may reach a little past their extent

// The faces the arena is written in, at heights from a small name to a large DEMO line.
constexpr std::array<const char*, 3> kProbeFamilies{"Comic Sans MS", "Impact", "Arial"};
constexpr std::array<int, 5> kProbeHeights{7, 12, 19, 31, 52};
constexpr std::array<std::string_view, 4> kProbeTexts{
    "New game starts!", "DEMO mode <F9 to restart>", "Wij@%&0123 Player",
    "\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F\xC3\xA9"};  // ÄÖÜßé: names in the roster may use them

class Hasher {
public:
    void bytes(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i) m_h = (m_h ^ p[i]) * kFnvPrime;
    }
    template <typename T>
    void value(T v) {
        bytes(&v, sizeof v);
    }
    std::uint64_t get() const { return m_h; }

private:
    std::uint64_t m_h = kFnvOffset;
};

std::uint64_t textsPrint(TextRenderer& text) {
    Hasher h;
    for (const char* family : kProbeFamilies) {
        for (int height : kProbeHeights) {
            for (std::string_view s : kProbeTexts) {
                const FontSpec font{family, height, false, false};
                const TextSize e = text.extent(font, s);
                h.value(e.width);
                h.value(e.height);
                PixelBuffer picture(e.width + 2 * kProbeMargin, e.height + 2 * kProbeMargin);
                text.draw(picture, kProbeMargin, kProbeMargin, font, kWhite, s);
                for (int y = 0; y < picture.height(); ++y) {
                    h.bytes(&picture.at(0, y), std::size_t(picture.width()) * sizeof(std::uint32_t));
                }
            }
        }
    }
    return h.get();
}

std::uint64_t anglesPrint() {
    Hasher h;
    h.bytes(kDegrees.cos.data(), sizeof kDegrees.cos);
    h.bytes(kDegrees.sin.data(), sizeof kDegrees.sin);
    // Angles between whole degrees go through the library each time.
    for (int k = 0; k < 360; ++k) {
        h.value(cosDeg(k + 0.5));
        h.value(sinDeg(k + 0.25));
    }
    return h.get();
}

std::uint64_t settingsPrint() {
    Hasher h;
    h.value(kSettingCount);
    h.value(settingValues(TInterface{}));
    h.value(kMinArenaSide);
    h.value(kMaxArenaSide);
    return h.get();
}

std::uint64_t rulesPrint() {
    Hasher h;
    h.value(kCurrentRules);
    h.value(kHashInterval);
    return h.get();
}

}  // namespace

Fingerprint machineFingerprint(TextRenderer& text) {
    return Fingerprint{textsPrint(text), anglesPrint(), settingsPrint(), rulesPrint()};
}

std::uint8_t differingParts(const Fingerprint& a, const Fingerprint& b) {
    std::uint8_t parts = 0;
    if (a.texts != b.texts) parts |= kPartTexts;
    if (a.angles != b.angles) parts |= kPartAngles;
    if (a.settings != b.settings) parts |= kPartSettings;
    if (a.rules != b.rules) parts |= kPartRules;
    return parts;
}

std::string differenceText(std::uint8_t parts) {
    std::string what;
    auto add = [&what](const char* part) {
        what += what.empty() ? "" : "; ";
        what += part;
    };
    if (parts & kPartTexts) {
        add("This machine draws the arena's texts differently from the host's (its fonts or "
            "font library differ)");
    }
    if (parts & kPartAngles) {
        add("This machine's maths library computes the game's angles differently from the "
            "host's");
    }
    if (parts & kPartSettings) add("This machine reads the game's settings differently");
    if (parts & kPartRules) add("This machine plays under other rules than the host's");
    if (what.empty()) return {};
    return what + ". Install the same Slyders package, with its fonts, on both machines.";
}

}  // namespace slyders::net
