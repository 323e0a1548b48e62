// Draws the game's own bitmaps: "logo_sq.bmp" (a yellow and a red trail crossing on dark
// blue, the yellow one with a gray gap) and "help.bmp" (two slyders with trails, a gap and a
// crash, for the how-to-play window). Deterministic: the same files on every build.
//
// usage: make_bitmaps <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r * t + b.r * (1 - t), a.g * t + b.g * (1 - t), a.b * t + b.b * (1 - t)};
}

class Picture {
public:
    Picture(int w, int h, Colour fill) : m_w(w), m_h(h), m_px(std::size_t(w) * h, fill) {}

    int width() const { return m_w; }
    int height() const { return m_h; }
    Colour& at(int x, int y) { return m_px[std::size_t(y) * m_w + x]; }

    // A disc with a soft one-pixel rim.
    void disc(double cx, double cy, double r, Colour c) {
        for (int y = std::max(0, int(cy - r - 2)); y < std::min(m_h, int(cy + r + 2)); ++y) {
            for (int x = std::max(0, int(cx - r - 2)); x < std::min(m_w, int(cx + r + 2)); ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                const double cover = std::clamp(r + 0.5 - d, 0.0, 1.0);
                if (cover > 0) at(x, y) = mix(c, at(x, y), cover);
            }
        }
    }

    // A rectangle blended over the picture.
    void shade(int x0, int y0, int x1, int y1, Colour c, double t) {
        for (int y = std::max(0, y0); y < std::min(m_h, y1); ++y) {
            for (int x = std::max(0, x0); x < std::min(m_w, x1); ++x)
                at(x, y) = mix(c, at(x, y), t);
        }
    }

    bool save(const std::string& path) const {
        const std::uint32_t stride = (3 * std::uint32_t(m_w) + 3) / 4 * 4;
        const std::uint32_t size = stride * std::uint32_t(m_h);
        std::vector<std::uint8_t> b;
        auto put = [&b](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
        };
        put(0x4D42, 2);
        put(54 + size, 4);
        put(0, 4);
        put(54, 4);
        put(40, 4);
        put(std::uint32_t(m_w), 4);
        put(std::uint32_t(m_h), 4);
        put(1, 2);
        put(24, 2);
        put(0, 4);
        put(size, 4);
        put(3780, 4);
        put(3780, 4);
        put(0, 4);
        put(0, 4);
        auto byte = [](double v) { return std::uint8_t(std::clamp(v, 0.0, 255.0)); };
        for (int y = m_h - 1; y >= 0; --y) {
            for (int x = 0; x < m_w; ++x) {
                const Colour& c = m_px[std::size_t(y) * m_w + x];
                b.push_back(byte(c.b));
                b.push_back(byte(c.g));
                b.push_back(byte(c.r));
            }
            b.resize(b.size() + (stride - 3 * std::uint32_t(m_w)), 0);
        }
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return bool(out);
    }

private:
    int m_w, m_h;
    std::vector<Colour> m_px;
};

using Path = std::function<void(double t, double& x, double& y)>;

// A trail as the game draws it: discs stamped along a path, gray where a gap is open, and
// a lighter head at the end.
struct Trail {
    Path path;
    Colour dark, light;
    double radius;
    double gapFrom = 2, gapTo = 2;  // the part of the path (0 .. 1) left as a gap
};

const Colour kGap{128, 128, 128};

void drawTrail(Picture& p, const Trail& t, double until = 1.0) {
    constexpr int kStamps = 600;
    for (int i = 0; i <= kStamps; ++i) {
        const double s = until * i / kStamps;
        double x = 0, y = 0;
        t.path(s, x, y);
        p.disc(x, y, t.radius, s >= t.gapFrom && s <= t.gapTo ? kGap : t.dark);
    }
    double x = 0, y = 0;
    t.path(until, x, y);
    p.disc(x, y, t.radius * 1.3, t.light);
}

void logo(const std::string& folder) {
    constexpr int kSize = 128;
    Picture p(kSize, kSize, Colour{12, 20, 78});
    // A little light from the top left.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double glow = std::max(0.0, 1.0 - std::hypot(x - 30.0, y - 26.0) / 110.0);
            p.at(x, y) = mix(Colour{36, 56, 150}, p.at(x, y), 0.8 * glow);
        }
    }
    const Trail red{[](double t, double& x, double& y) {
                        x = 10 + 108 * t;
                        y = 104 - 84 * t + 14 * std::sin(t * 2 * kPi);
                    },
                    Colour{225, 0, 0}, Colour{255, 150, 150}, 6.0};
    const Trail yellow{[](double t, double& x, double& y) {
                           x = 14 + 100 * t + 10 * std::sin(t * kPi);
                           y = 12 + 104 * t;
                       },
                       Colour{225, 225, 0},
                       Colour{255, 255, 150},
                       6.0,
                       0.30,
                       0.42};
    drawTrail(p, red, 0.93);
    drawTrail(p, yellow, 0.9);
    p.save(folder + "/logo_sq.bmp");
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
