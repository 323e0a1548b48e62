// The drawing of the game's bitmaps, shared by the tools that make them: colours, a picture
// that saves itself as a 24-bit BMP, trails stamped as the game draws them, and the logo.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bitmaps {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r = 0, g = 0, b = 0;
};

inline Colour mix(Colour a, Colour b, double t) {
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

inline void drawTrail(Picture& p, const Trail& t, double until = 1.0) {
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

// The logo: a yellow and a red trail crossing on dark blue, the yellow one with a gray gap,
// lit a little from the top left. Drawn on a 128-pixel grid and scaled to any side.
constexpr int kLogoGrid = 128;
constexpr Colour kLogoDeep{12, 20, 78}, kLogoLight{36, 56, 150};
constexpr double kLogoGlowX = 30, kLogoGlowY = 26, kLogoGlowReach = 110, kLogoGlowShare = 0.8;

struct LogoTrail {
    Trail trail;
    double until;  // where along its path the head is
};

// In the order they are drawn: the yellow one crosses over the red one.
inline std::vector<LogoTrail> logoTrails() {
    return {{Trail{[](double t, double& x, double& y) {
                       x = 10 + 108 * t;
                       y = 104 - 84 * t + 14 * std::sin(t * 2 * kPi);
                   },
                   Colour{225, 0, 0}, Colour{255, 150, 150}, 6.0},
             0.93},
            {Trail{[](double t, double& x, double& y) {
                       x = 14 + 100 * t + 10 * std::sin(t * kPi);
                       y = 12 + 104 * t;
                   },
                   Colour{225, 225, 0}, Colour{255, 255, 150}, 6.0, 0.30, 0.42},
             0.9}};
}

inline Picture drawLogo(int side) {
    const double k = double(side) / kLogoGrid;
    Picture p(side, side, kLogoDeep);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double d = std::hypot(x / k - kLogoGlowX, y / k - kLogoGlowY);
            const double glow = std::max(0.0, 1.0 - d / kLogoGlowReach);
            p.at(x, y) = mix(kLogoLight, p.at(x, y), kLogoGlowShare * glow);
        }
    }
    for (const LogoTrail& t : logoTrails()) {
        Trail scaled = t.trail;
        scaled.path = [k, path = t.trail.path](double s, double& x, double& y) {
            path(s, x, y);
            x *= k;
            y *= k;
        };
        scaled.radius *= k;
        drawTrail(p, scaled, t.until);
    }
    return p;
}

}  // namespace bitmaps
