#pragma once

#include <string>
#include <string_view>

#include "game/colour.h"
#include "game/pixel_buffer.h"

namespace slyders {

struct FontSpec {
    std::string family;  // the game's font names: "Comic Sans MS", "Arial", "Impact", ...
    int height = 12;     // pixel height of the font
    bool bold = false;
    bool italic = false;
};

struct TextSize {
    int width = 0, height = 0;
};

// Writes text with a named font into a picture. The game core measures and draws through
// this so that it needs no window toolkit; the toolkit side supplies the real fonts.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;
    virtual TextSize extent(const FontSpec& font, std::string_view text) = 0;
    // Draws with a transparent background; (x, y) is the top left of the text's box.
    virtual void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
                      std::string_view text) = 0;
};

}  // namespace slyders
