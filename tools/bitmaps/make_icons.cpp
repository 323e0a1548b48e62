// Draws the game's desktop icons from its logo: PNGs at the sizes of the hicolor theme and a
// scalable SVG of the same picture. Deterministic: the same files on every build.
//
// usage: make_icons <output folder> <icon name>
//   writes <folder>/hicolor/<N>x<N>/apps/<name>.png and <folder>/hicolor/scalable/apps/<name>.svg

#include <QImage>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "drawing.h"

using namespace bitmaps;

namespace {

constexpr std::array kIconSides{16, 22, 24, 32, 48, 64, 128, 256};
// Small icons are drawn this many pixels across at least and averaged down, so thin trails
// stay smooth instead of breaking into stairs.
constexpr int kDrawnSide = 512;

QImage iconImage(int side) {
    const int factor = (kDrawnSide + side - 1) / side;
    Picture big = drawLogo(side * factor);
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Colour sum;
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    const Colour& c = big.at(x * factor + i, y * factor + j);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            const double n = double(factor) * factor;
            auto byte = [n](double v) { return std::clamp(int(v / n + 0.5), 0, 255); };
            image.setPixel(x, y, qRgb(byte(sum.r), byte(sum.g), byte(sum.b)));
        }
    }
    return image;
}

std::string hex(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", int(c.r), int(c.g), int(c.b));
    return text;
}

// A piece of a trail's path, from..to, as an SVG polyline.
std::string polyline(const Trail& t, double from, double to, Colour c) {
    constexpr int kPoints = 48;
    std::string points;
    for (int i = 0; i <= kPoints; ++i) {
        double x = 0, y = 0;
        t.path(from + (to - from) * i / kPoints, x, y);
        char pair[32];
        std::snprintf(pair, sizeof pair, "%s%.2f,%.2f", i ? " " : "", x, y);
        points += pair;
    }
    char width[16];
    std::snprintf(width, sizeof width, "%.1f", 2 * t.radius);
    return "  <polyline points=\"" + points + "\" stroke=\"" + hex(c) + "\" stroke-width=\"" +
           width + "\"/>\n";
}

// The logo as vectors: the same glow, trails, gap and heads as the bitmap.
std::string logoSvg() {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kLogoGrid) +
           "\" height=\"" + std::to_string(kLogoGrid) + "\" viewBox=\"0 0 " +
           std::to_string(kLogoGrid) + " " + std::to_string(kLogoGrid) + "\">\n";
    svg += "  <defs>\n    <radialGradient id=\"glow\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
           std::to_string(int(kLogoGlowX)) + "\" cy=\"" + std::to_string(int(kLogoGlowY)) +
           "\" r=\"" + std::to_string(int(kLogoGlowReach)) + "\">\n";
    svg += "      <stop offset=\"0\" stop-color=\"" + hex(kLogoLight) + "\" stop-opacity=\"" +
           std::to_string(kLogoGlowShare).substr(0, 3) + "\"/>\n";
    svg += "      <stop offset=\"1\" stop-color=\"" + hex(kLogoLight) +
           "\" stop-opacity=\"0\"/>\n    </radialGradient>\n  </defs>\n";
    svg += "  <rect width=\"100%\" height=\"100%\" fill=\"" + hex(kLogoDeep) + "\"/>\n";
    svg += "  <rect width=\"100%\" height=\"100%\" fill=\"url(#glow)\"/>\n";
    svg += "  <g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const LogoTrail& lt : logoTrails()) {
        const Trail& t = lt.trail;
        if (t.gapFrom < lt.until) {
            svg += polyline(t, 0, t.gapFrom, t.dark);
            svg += polyline(t, t.gapFrom, std::min(t.gapTo, lt.until), kGap);
            if (t.gapTo < lt.until) svg += polyline(t, t.gapTo, lt.until, t.dark);
        } else {
            svg += polyline(t, 0, lt.until, t.dark);
        }
        double x = 0, y = 0;
        t.path(lt.until, x, y);
        char head[128];
        std::snprintf(
            head, sizeof head,
            "  <circle cx=\"%.2f\" cy=\"%.2f\" r=\"%.2f\" fill=\"%s\" stroke=\"none\"/>\n", x, y,
            1.3 * t.radius, hex(t.light).c_str());
        svg += head;
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <output folder> <icon name>\n");
        return 2;
    }
    const std::filesystem::path theme = std::filesystem::path(argv[1]) / "hicolor";
    const std::string name = argv[2];
    for (int side : kIconSides) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        const std::filesystem::path folder = theme / size / "apps";
        std::filesystem::create_directories(folder);
        if (!iconImage(side).save(QString::fromStdString((folder / (name + ".png")).string()),
                                  "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write the %s icon\n", size.c_str());
            return 1;
        }
    }
    const std::filesystem::path scalable = theme / "scalable" / "apps";
    std::filesystem::create_directories(scalable);
    std::ofstream(scalable / (name + ".svg")) << logoSvg();
    return 0;
}
