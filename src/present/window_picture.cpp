#include "present/window_picture.h"

#include "game/arena.h"
#include "game/colour.h"
#include "present/arena_text.h"

namespace slyders {

void ComposeWindowPicture(PixelBuffer& back, const Arena& arena, TextRenderer& text, Random&) {
    back.fill(toPixel(Rgb{36, 52, 124}));
    const int m = arena.offset(), S = arena.side();
    for (int y = m - 3; y <= m + S + 2; ++y) {
        for (int x = m - 3; x <= m + S + 2; ++x) {
            if (!back.contains(x, y)) continue;
            const bool inside = x >= m && y >= m && x < m + S && y < m + S;
            back.set(x, y, inside ? kBlack : BlendColor(back.colour(x, y), kWhite, 0.5));
        }
    }
    const int top = static_cast<int>(0.9 * back.height());
    const int left = m + S, width = back.width() - left, height = back.height() - top;
    FontSpec font{"Impact", 12, false, true};
    font.height = FitFontHeight(text, font, "Slyders", width, height);
    const int x = left + width - text.extent(font, "Slydersu").width;
    text.draw(back, x, top, font, kWhite, "Slyders");
    back.dirty.addAll(back.width(), back.height());
}

}  // namespace slyders
