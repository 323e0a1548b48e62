// Draws the game's own bitmaps: "logo_sq.bmp" (a yellow and a red trail crossing on dark
// blue, the yellow one with a gray gap) and "help.bmp" (two slyders with trails, a gap and a
// crash, for the how-to-play window). Deterministic: the same files on every build.
//
// usage: make_bitmaps <output folder>

#include <cmath>
#include <cstdio>
#include <string>

#include "drawing.h"

using namespace bitmaps;

namespace {

void logo(const std::string& folder) {
    drawLogo(kLogoGrid).save(folder + "/logo_sq.bmp");
}

void help(const std::string& folder) {
    constexpr int kW = 200, kH = 240;
    Picture p(kW, kH, Colour{0, 0, 30});
    // The arena's light frame.
    p.shade(0, 0, kW, 3, Colour{200, 200, 220}, 1.0);
    p.shade(0, kH - 3, kW, kH, Colour{200, 200, 220}, 1.0);
    p.shade(0, 0, 3, kH, Colour{200, 200, 220}, 1.0);
    p.shade(kW - 3, 0, kW, kH, Colour{200, 200, 220}, 1.0);
    // Green runs a long curve with a gap in it; red turns into the green trail and crashes.
    const Trail green{[](double t, double& x, double& y) {
                          x = 30 + 140 * t;
                          y = 200 - 150 * t + 30 * std::sin(t * 1.5 * kPi);
                      },
                      Colour{0, 225, 0},
                      Colour{150, 255, 150},
                      3.5,
                      0.55,
                      0.66};
    const Trail red{[](double t, double& x, double& y) {
                        x = 30 + 106 * t;
                        y = 120 - 58 * t - 25 * std::sin(t * kPi);
                    },
                    Colour{225, 0, 0}, Colour{255, 150, 150}, 3.5};
    drawTrail(p, green);
    drawTrail(p, red);
    // The crash: a burst where red meets green.
    double cx = 0, cy = 0;
    red.path(1.0, cx, cy);
    for (int k = 0; k < 8; ++k) {
        const double a = k * kPi / 4;
        for (int j = 4; j < 12; ++j)
            p.disc(cx + j * std::cos(a), cy + j * std::sin(a), 1.0, Colour{255, 230, 120});
    }
    p.disc(cx, cy, 4, Colour{255, 255, 255});
    p.save(folder + "/help.bmp");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bitmaps <output folder>\n");
        return 2;
    }
    logo(argv[1]);
    help(argv[1]);
    return 0;
}
