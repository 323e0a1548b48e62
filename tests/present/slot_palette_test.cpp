#include "present/slot_palette.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <unordered_map>
#include <vector>

#include "present/background.h"
#include "present/event_label.h"

namespace slyders {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
struct Lab {
    double L, a, b;
};

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
const std::map<std::string, Matrix> kDichromacies{
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.308950}}}},
};

double linear(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// CIELAB (D65) of a colour as a dichromat sees it.
Lab seenAs(Rgb c, const Matrix& m) {
    const std::array<double, 3> in{linear(c.r), linear(c.g), linear(c.b)};
    std::array<double, 3> rgb{};
    for (std::size_t i = 0; i < 3; ++i) {
        rgb[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    }
    const double X = 0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2];
    const double Y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double Z = 0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2];
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const double fx = f(X / 0.95047), fy = f(Y), fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double degrees(double r) {
    return r * 180 / std::numbers::pi;
}
double radians(double d) {
    return d * std::numbers::pi / 180;
}

// CIEDE2000 (Sharma, Wu and Dalal 2005), kL = kC = kH = 1.
double deltaE2000(Lab p, Lab q) {
    const double cBar = (std::hypot(p.a, p.b) + std::hypot(q.a, q.b)) / 2;
    const double c7 = std::pow(cBar, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const double c1 = std::hypot(a1, p.b), c2 = std::hypot(a2, q.b);
    auto hue = [](double b, double a) {
        return (a == 0 && b == 0) ? 0.0 : std::fmod(degrees(std::atan2(b, a)) + 360, 360);
    };
    const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
    double dh = 0;
    if (c1 * c2 != 0)
        dh = h2 - h1 > 180 ? h2 - h1 - 360 : (h2 - h1 < -180 ? h2 - h1 + 360 : h2 - h1);
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
    const double lBar = (p.L + q.L) / 2, cpBar = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0) {
        hBar = std::abs(h1 - h2) <= 180
                   ? (h1 + h2) / 2
                   : (h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2);
    }
    const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                     0.32 * std::cos(radians(3 * hBar + 6)) -
                     0.20 * std::cos(radians(4 * hBar - 63));
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cp7 = std::pow(cpBar, 7);
    const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double sL = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sC = 1 + 0.045 * cpBar, sH = 1 + 0.015 * cpBar * t;
    const double rT = -std::sin(radians(2 * dTheta)) * rC;
    const double l = (q.L - p.L) / sL, c = (c2 - c1) / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

const Matrix kTrichromat{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

// The darkest and the lightest colour any background pattern shows, with any weights.
std::pair<Rgb, Rgb> backgroundExtremes() {
    constexpr int kSide = 460;
    Background b;
    b.setSide(kSide);
    std::pair<Rgb, Rgb> extremes{kWhite, kBlack};
    // Lightness grows with luminance alone, which a table of the channels gives quickly.
    std::array<double, 256> lin{};
    for (int v = 0; v < 256; ++v) lin[std::size_t(v)] = linear(std::uint8_t(v));
    auto lightness = [&lin](Rgb c) {
        return 0.2126729 * lin[c.r] + 0.7151522 * lin[c.g] + 0.0721750 * lin[c.b];
    };
    for (b.type = 0; b.type < kBackgroundTypes; ++b.type) {
        // One spot of each raw pattern colour: the weights only pull it toward its brightest.
        b.weights = {0, 0, 0};
        std::unordered_map<std::uint32_t, std::pair<int, int>> spots;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                spots.emplace(toPixel(b.BackgroundColor(x, y)), std::pair{x, y});
        for (int w = 0; w < 6 * 6 * 6; ++w) {
            b.weights = {w / 36, w / 6 % 6, w % 6};
            for (const auto& [raw, at] : spots) {
                const Rgb c = b.BackgroundColor(at.first, at.second);
                if (lightness(c) < lightness(extremes.first)) extremes.first = c;
                if (lightness(c) > lightness(extremes.second)) extremes.second = c;
            }
        }
    }
    return extremes;
}

// The smallest colour difference a dichromat sees among the slots (a slot's own trail and
// head may look alike) and between any slot colour and the backgrounds.
struct Closest {
    double slots = 1e9, background = 1e9;
};
Closest closest(const std::array<SlotColours, kSlotCount>& palette, const Matrix& m,
                std::pair<Rgb, Rgb> backgrounds) {
    Closest worst;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (const Rgb own : {palette[i].dark, palette[i].light}) {
            // The scoreboard writes the names on its panel as well.
            for (const Rgb back : {backgrounds.first, backgrounds.second, kPanelColour})
                worst.background =
                    std::min(worst.background, deltaE2000(seenAs(own, m), seenAs(back, m)));
            for (std::size_t j = i + 1; j < palette.size(); ++j) {
                for (const Rgb other : {palette[j].dark, palette[j].light})
                    worst.slots =
                        std::min(worst.slots, deltaE2000(seenAs(own, m), seenAs(other, m)));
            }
        }
    }
    return worst;
}

TEST(SlotPalette, DeltaE2000MatchesPublishedPairs) {
    EXPECT_NEAR(deltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
    EXPECT_NEAR(deltaE2000({2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}), 0.9082, 1e-4);
}

TEST(SlotPalette, SafeColoursStayApartForEveryDichromacy) {
    const auto backgrounds = backgroundExtremes();
    EXPECT_EQ(backgrounds.first, kBlack);
    EXPECT_EQ(backgrounds.second, (Rgb{120, 110, 60}));
    for (const auto& [name, m] : kDichromacies) {
        const Closest safe = closest(colourBlindSafeColours(), m, backgrounds);
        EXPECT_GE(safe.slots, 20) << name;
        EXPECT_GE(safe.background, 15) << name;
    }
}

TEST(SlotPalette, RecolourSwapsOnlyTheSlotColours) {
    std::array<Slyder, kSlotCount> slots{};
    for (std::size_t s = 0; s < slots.size(); ++s) {
        slots[s].dark = Rgb{std::uint8_t(10 + s), 0, 0};
        slots[s].light = Rgb{0, std::uint8_t(10 + s), 0};
    }
    const std::uint32_t other = toPixel(Rgb{10, 10, 0});
    std::vector<std::uint32_t> pixels{toPixel(slots[0].dark), toPixel(slots[5].light), other};
    auto shown = pixels;
    SlotRecolour().apply(shown.data(), int(shown.size()));
    EXPECT_EQ(shown, pixels);
    SlotRecolour(slots, SlotPalette::Standard).apply(shown.data(), int(shown.size()));
    EXPECT_EQ(shown, pixels);
    SlotRecolour(slots, SlotPalette::ColourBlindSafe).apply(shown.data(), int(shown.size()));
    const auto& safe = colourBlindSafeColours();
    EXPECT_EQ(shown, (std::vector{toPixel(safe[0].dark), toPixel(safe[5].light), other}));
}

}  // namespace
}  // namespace slyders
