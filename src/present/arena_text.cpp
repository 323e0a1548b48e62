#include "present/arena_text.h"

#include <cmath>
#include <cstdlib>

#include "game/arena.h"

namespace slyders {

int FitFontHeight(TextRenderer& text, FontSpec font, std::string_view s, int maxWidth,
                  int maxHeight) {
    constexpr int kNoLimit = 99999;
    constexpr int kTries = 10;
    if (maxWidth < 1) maxWidth = kNoLimit;
    if (maxHeight < 1) maxHeight = kNoLimit;
    auto fits = [&](int height) {
        font.height = height;
        const TextSize e = text.extent(font, s);
        return e.width <= maxWidth && e.height <= maxHeight;
    };
    int height = 400;
    for (int i = 0; i < kTries && !fits(height); ++i) height /= 2;
    height *= 2;
    for (int i = 0; i < kTries && !fits(height); ++i) height = static_cast<int>(height * 0.9);
    return height;
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

    // Whatever the text changed is solid; the window then shows the same pixels.
    const int m = arena.offset();
    const int xs = std::max(0, static_cast<int>(x1)), ys = std::max(0, static_cast<int>(y1));
    const int xe = std::min(arena.side(), static_cast<int>(std::ceil(x2)));
    const int ye = std::min(arena.side(), static_cast<int>(std::ceil(y2)));
    PixelBuffer& window = arena.window();
    PixelBuffer& off = arena.offscreen();
    for (int y = ys; y < ye; ++y) {
        for (int x = xs; x < xe; ++x) {
            if (x >= x2 || y >= y2) continue;
            if (window.at(x + m, y + m) != off.at(x, y)) {
                arena.cell(x, y) = kCellSolid;
                window.at(x + m, y + m) = off.at(x, y);
            }
        }
    }
    arena.touch(xs, ys, xe - xs, ye - ys);
}

void ResetArena(Arena& arena, TextRenderer& text, const PixelBuffer& backBuffer, bool demo) {
    const int S = arena.side(), m = arena.offset();
    arena.offscreen().blit(backBuffer, m, m, 0, 0, S, S);
    arena.offscreen().dirty.take();
    arena.window().blit(arena.offscreen(), 0, 0, m, m, S, S);
    arena.clearMap();
    if (demo) {
        DrawArenaText(arena, text, 0.2 * S, 0.02 * S, 0.8 * S, 0.1 * S,
                      "DEMO mode <F9 to restart>", "Impact", kYellow, false);
        DrawArenaText(arena, text, 0.25 * S, 0.1 * S, 0.75 * S, 0.15 * S,
                      "Press F2 to start game...", "Impact", kWhite, false);
    }
}

}  // namespace slyders
