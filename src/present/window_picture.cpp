#include "present/window_picture.h"

#include <algorithm>
#include <array>
#include <vector>

#include "game/arena.h"
#include "game/colour.h"
#include "game/random.h"
#include "present/arena_text.h"
#include "present/bitmap_file.h"
#include "present/scaler.h"

namespace slyders {

namespace {

constexpr int kNoiseWidth = 400, kNoiseHeight = 300;
constexpr std::array<Rgb, 16> kNoisePalette{
    Rgb{28, 28, 116},  Rgb{65, 96, 124},   Rgb{44, 64, 124},  Rgb{89, 130, 124},
    Rgb{57, 84, 125},  Rgb{80, 115, 121},  Rgb{36, 52, 124},  Rgb{36, 68, 142},
    Rgb{46, 84, 143},  Rgb{101, 144, 120}, Rgb{57, 99, 141},  Rgb{29, 55, 140},
    Rgb{73, 115, 133}, Rgb{30, 40, 120},   Rgb{70, 104, 125}, Rgb{49, 72, 125}};
constexpr double kPanelDarkening = 0.7;
constexpr double kFrameLightening = 0.5;
constexpr int kFrameWidth = 3;
constexpr double kTitleTop = 0.9;  // of the client height
constexpr int kTitleBlurMargin = 4;
constexpr int kLogoMargin = 4;  // the logo stands this far left of and above the title
constexpr int kLogoShare = 10;  // the logo is at most a tenth of the client height

PixelBuffer noiseBackground(Random& rng) {
    PixelBuffer noise(kNoiseWidth, kNoiseHeight);
    for (int y = 0; y < kNoiseHeight; ++y) {
        for (int x = 0; x < kNoiseWidth; ++x)
            noise.set(x, y, kNoisePalette[std::size_t(rng.mod(16))]);
    }
    Blur(noise, 0, 0, kNoiseWidth, kNoiseHeight);
    return noise;
}

void darken(PixelBuffer& back, Rect r) {
    r = intersect(r, {0, 0, back.width(), back.height()});
    for (int y = r.y; y < r.bottom(); ++y) {
        for (int x = r.x; x < r.right(); ++x)
            back.set(x, y, BlendColor(back.colour(x, y), kBlack, kPanelDarkening));
    }
}

// The arena square turns black; the three pixels around it are lightened.
void arenaFrame(PixelBuffer& back, int m, int S) {
    for (int y = m - kFrameWidth; y <= m + S + kFrameWidth - 1; ++y) {
        for (int x = m - kFrameWidth; x <= m + S + kFrameWidth - 1; ++x) {
            if (!back.contains(x, y)) continue;
            const bool inside = x >= m && y >= m && x < m + S && y < m + S;
            back.set(x, y,
                     inside ? kBlack : BlendColor(back.colour(x, y), kWhite, kFrameLightening));
        }
    }
}

// Writes the title into the box right of the arena's margin below the scoreboard and
// returns its left edge; one letter's width stays free at the right.
int title(PixelBuffer& back, int m, int S, TextRenderer& text) {
    const int top = static_cast<int>(kTitleTop * back.height());
    const int left = m + S, width = back.width() - left, height = back.height() - top;
    FontSpec font{"Impact", 12, false, true};
    font.height = FitFontHeight(text, font, "Slyders", width, height);
    const int x = left + width - text.extent(font, "Slydersu").width;
    text.draw(back, x, top, font, kWhite, "Slyders");
    Blur(back, x - kTitleBlurMargin, top - kTitleBlurMargin, back.width() + kTitleBlurMargin,
         back.height() + kTitleBlurMargin);
    return x;
}

std::optional<PixelBuffer> load(const ImageLoader& loader, const std::string& file) {
    return loader ? loader(file) : LoadBitmapFile(file);
}

// Our scaler works on colour values with red in the low byte.
std::vector<std::uint32_t> toColourValues(const PixelBuffer& image) {
    std::vector<std::uint32_t> v(std::size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.colour(x, y);
            v[std::size_t(y) * image.width() + x] =
                c.r | (std::uint32_t(c.g) << 8) | (std::uint32_t(c.b) << 16);
        }
    }
    return v;
}

}  // namespace

void Blur(PixelBuffer& picture, int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    x1 = std::min(x1, picture.width()), y1 = std::min(y1, picture.height());
    // Across: the left neighbour has already been softened when it is read.
    for (int x = x0 + 1; x < x1 - 1; ++x) {
        for (int y = y0; y < y1; ++y) {
            picture.set(x, y, BlendColor(picture.colour(x - 1, y), picture.colour(x + 1, y), 0.5));
        }
    }
    for (int x = x0; x < x1; ++x) {
        for (int y = y0 + 1; y < y1 - 1; ++y) {
            picture.set(x, y, BlendColor(picture.colour(x, y - 1), picture.colour(x, y + 1), 0.5));
        }
    }
}

void StretchImage(PixelBuffer& target, const PixelBuffer& image, Rect r) {
    if (r.empty() || image.width() <= 0 || image.height() <= 0) return;
    const Rect c = intersect(r, {0, 0, target.width(), target.height()});
    if (c.empty()) return;
    std::vector<int> column(std::size_t(c.w));
    for (int i = 0; i < c.w; ++i) {
        column[std::size_t(i)] = int(std::int64_t(c.x + i - r.x) * image.width() / r.w);
    }
    for (int y = c.y; y < c.bottom(); ++y) {
        const std::uint32_t* src = image.row(int(std::int64_t(y - r.y) * image.height() / r.h));
        std::uint32_t* dst = target.row(y) + c.x;
        for (int i = 0; i < c.w; ++i) dst[i] = src[column[std::size_t(i)]];
    }
    target.dirty.add(c);
}

void DrawScaledImage(PixelBuffer& picture, const PixelBuffer& image, int x, int y, int w, int h,
                     double f) {
    const auto scaled =
        C2PassScale().Scale(toColourValues(image), image.width(), image.height(), w, h);
    if (!scaled) {
        StretchImage(picture, image, {x, y, w, h});
        return;
    }
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!picture.contains(x + i, y + j)) continue;
            const std::uint32_t v = (*scaled)[std::size_t(j) * w + i];
            const Rgb c{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16)};
            picture.set(x + i, y + j,
                        f == 1.0 ? c : BlendColor(c, picture.colour(x + i, y + j), f));
        }
    }
    picture.dirty.add({x, y, w, h});
}

bool DrawScaledImage(PixelBuffer& picture, const std::string& file, int x, int y, int w, int h,
                     double f, const ImageLoader& loader) {
    const std::optional<PixelBuffer> image = load(loader, file);
    if (!image || image->width() <= 0 || image->height() <= 0) return false;
    DrawScaledImage(picture, *image, x, y, w, h, f);
    return true;
}

void ComposeWindowPicture(PixelBuffer& back, const Arena& arena, TextRenderer& text, Random& rng,
                          const WindowPictureSources& sources) {
    ComposeWindowPicture(back, arena.offset(), arena.side(), text, rng, sources);
}

void ComposeWindowPicture(PixelBuffer& back, int m, int S, TextRenderer& text, Random& rng,
                          const WindowPictureSources& sources) {
    std::optional<PixelBuffer> image = load(sources.load, sources.backgroundFile);
    if (!image || image->width() <= 0 || image->height() <= 0) image = noiseBackground(rng);
    StretchImage(back, *image, {0, 0, back.width(), back.height()});
    darken(back, sources.panel);
    arenaFrame(back, m, S);
    const int x = title(back, m, S, text);
    const int top = static_cast<int>(kTitleTop * back.height());

    const int space = static_cast<int>((x - kLogoMargin) - (1.5 * m + S));
    const int size = std::min(space, back.height() / kLogoShare);
    if (size > 0) {
        DrawScaledImage(back, sources.logoFile, static_cast<int>(1.5 * m + S + (space - size) / 2),
                        top - kLogoMargin, size, size, 1.0, sources.load);
    }
    back.dirty.addAll(back.width(), back.height());
}

}  // namespace slyders
