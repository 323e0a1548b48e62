#pragma once

#include "game/text_renderer.h"

namespace slyders {

// Text through Qt's fonts, drawn straight into our pixel buffers. The game's font names are
// mapped to free look-alikes once, when the first renderer is made.
class QtTextRenderer final : public TextRenderer {
public:
    QtTextRenderer();
    TextSize extent(const FontSpec& font, std::string_view text) override;
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override;
};

}  // namespace slyders
