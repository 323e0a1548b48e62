#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/colour.h"
#include "game/pixel_buffer.h"
#include "game/text_renderer.h"

namespace slyders {

class Arena;

// The font height at which text fits a box of maxWidth x maxHeight (a limit below 1 means
// no limit): halve from 400 until it fits, then from twice that shrink by a tenth at a time.
int FitFontHeight(TextRenderer& text, FontSpec font, std::string_view s, int maxWidth,
                  int maxHeight);

// Writes text centred into an arena box on both pictures; every pixel the text changes
// becomes solid (-3) in the arena map. With the outline flag the box is framed first.
void DrawArenaText(Arena& arena, TextRenderer& text, double x1, double y1, double x2, double y2,
                   std::string_view s, const char* fontName, Rgb colour, bool outline);

// A one-pixel line on both pictures; every pixel of it gets the map value.
void DrawArenaLine(Arena& arena, int x1, int y1, int x2, int y2, std::int32_t value, Rgb colour);

// Restores the arena picture from the back buffer and frees the whole map; in DEMO mode
// the two DEMO lines are written into the arena.
void ResetArena(Arena& arena, TextRenderer& text, const PixelBuffer& backBuffer, bool demo);

}  // namespace slyders
