#include "present/arena_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/arena.h"

namespace slyders {

int FitFontHeight(TextRenderer& text, FontSpec font, std::string_view s, int maxWidth,
                  int maxHeight) {
    constexpr int kNoLimit = 99999;
    constexpr int kTries = 10;
    constexpr int kStartHeight = 400;
    constexpr double kShrink = 0.9;
    if (maxWidth < 1) maxWidth = kNoLimit;
    if (maxHeight < 1) maxHeight = kNoLimit;
    auto fits = [&](int height) {
        font.height = height;
        const TextSize e = text.extent(font, s);
        return e.width <= maxWidth && e.height <= maxHeight;
    };
    // Coarse: halve until it fits; fine: from twice that, shrink by a tenth.
    int height = kStartHeight;
    for (int i = 0; i < kTries; ++i) {
        if (fits(height)) break;
        height /= 2;
    }
    height *= 2;
    int tried = height;
    for (int i = 0; i < kTries; ++i) {
        tried = height;
        if (fits(height)) break;
        height = static_cast<int>(height * kShrink);
    }
    return tried;
}

void DrawArenaLine(Arena& arena, int x1, int y1, int x2, int y2, std::int32_t value, Rgb colour) {
    auto plot = [&](int x, int y) {
        if (!arena.inside(x, y)) return;
        arena.setPixel(x, y, colour);
        arena.cell(x, y) = value;
    };
    plot(x1, y1);
    const int dx = x2 - x1, dy = y2 - y1;
    const bool alongY = std::abs(dy) >= std::abs(dx);
    const int steps = alongY ? std::abs(dy) : std::abs(dx);
    if (steps > 0) {
        const int dir = (alongY ? dy : dx) > 0 ? 1 : -1;
        const double slope = alongY ? double(dx) / std::abs(dy) : double(dy) / std::abs(dx);
        double other = (alongY ? x1 : y1) + 0.5;
        for (int t = 1; t <= steps; ++t) {
            other += slope;
            const int major = (alongY ? y1 : x1) + dir * t;
            const int minor = static_cast<int>(other);
            alongY ? plot(minor, major) : plot(major, minor);
        }
    }
    arena.touch(std::min(x1, x2), std::min(y1, y2), std::abs(dx) + 1, std::abs(dy) + 1);
}

namespace {

// Brings the window up to date with the off-screen copy inside an arena rectangle.
void copyChangedPixels(Arena& arena, int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    x1 = std::min(x1, arena.side()), y1 = std::min(y1, arena.side());
    if (x0 >= x1 || y0 >= y1) return;
    const int m = arena.offset();
    PixelBuffer& window = arena.window();
    const PixelBuffer& off = arena.offscreen();
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* w = window.row(y + m) + m;
        const std::uint32_t* o = off.row(y);
        for (int x = x0; x < x1; ++x) w[x] = o[x];
    }
    arena.touch(x0, y0, x1 - x0, y1 - y0);
}

}  // namespace

void DrawArenaText(Arena& arena, TextRenderer& text, double x1, double y1, double x2, double y2,
                   std::string_view s, const char* fontName, Rgb colour, bool outline) {
    if (outline) {
        const int l = int(x1), t = int(y1), r = int(x2), b = int(y2);
        DrawArenaLine(arena, l, t, r, t, kCellSolid, colour);
        DrawArenaLine(arena, r, t, r, b, kCellSolid, colour);
        DrawArenaLine(arena, r, b, l, b, kCellSolid, colour);
        DrawArenaLine(arena, l, b, l, t, kCellSolid, colour);
    }
    const int boxW = static_cast<int>(std::abs(x2 - x1));
    const int boxH = static_cast<int>(std::abs(y2 - y1));
    FontSpec font{fontName, 12, false, false};
    font.height = FitFontHeight(text, font, s, boxW, boxH);
    const TextSize e = text.extent(font, s);
    const int tx = static_cast<int>(x1 + (boxW - e.width) / 2);
    const int ty = static_cast<int>(y1 + (boxH - e.height) / 2);
    text.draw(arena.offscreen(), tx, ty, font, colour, s);
    arena.offscreen().dirty.take();  // the off-screen copy is never shown by itself

    // Whatever the text changed inside the box is solid for the slyders.
    const int m = arena.offset();
    const PixelBuffer& window = arena.window();
    const PixelBuffer& off = arena.offscreen();
    for (double y = y1; y < y2; y += 1) {
        const int py = static_cast<int>(y);
        if (py < 0 || py >= arena.side()) continue;
        for (double x = x1; x < x2; x += 1) {
            const int px = static_cast<int>(x);
            if (px < 0 || px >= arena.side()) continue;
            if (window.at(px + m, py + m) != off.at(px, py)) arena.cell(px, py) = kCellSolid;
        }
    }
    // The window then shows the same text; glyphs may reach a little past their extent.
    const int slack = 2 + font.height / 4;
    copyChangedPixels(arena, std::min(tx, static_cast<int>(x1)) - slack,
                      std::min(ty, static_cast<int>(y1)) - slack,
                      std::max(tx + e.width, static_cast<int>(std::ceil(x2))) + slack,
                      std::max(ty + e.height, static_cast<int>(std::ceil(y2))) + slack);
}

void ResetArena(Arena& arena, TextRenderer& text, const PixelBuffer& backBuffer, bool demo) {
    const int S = arena.side(), m = arena.offset();
    arena.offscreen().blit(backBuffer, m, m, 0, 0, S, S);
    arena.offscreen().dirty.take();
    arena.window().blit(arena.offscreen(), 0, 0, m, m, S, S);
    arena.clearMap();
    if (demo) {
        DrawArenaText(arena, text, 0.2 * S, 0.02 * S, 0.8 * S, 0.1 * S, "DEMO mode <F9 to restart>",
                      "Impact", kYellow, false);
        DrawArenaText(arena, text, 0.25 * S, 0.1 * S, 0.75 * S, 0.15 * S,
                      "Press F2 to start game...", "Impact", kWhite, false);
    }
}

}  // namespace slyders
