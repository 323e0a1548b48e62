#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/colour.h"

namespace slyders {

class Random;
class PixelBuffer;

constexpr int kBackgroundTypes = 17;

// The arena's background pattern: computed per pixel, so erasing anything restores exactly
// the pattern that was there, and scrolling moves the pattern with the content.
class Background {
public:
    void setSide(int side);

    // The colour of arena pixel (x, y).
    Rgb BackgroundColor(int x, int y) const;

    // Picks the type (a random one of 3 .. 15 in DEMO games) and the channel weights,
    // resets the scroll offsets and paints the arena square of the back buffer at (m, m).
    void DrawBackground(PixelBuffer& backBuffer, int m, bool demo, int settingType, Random& rng);

    // Paints the arena square of a picture at (m, m) with the current pattern and offsets.
    void paint(PixelBuffer& target, int m) const;

    void scrollBy(int dx, int dy) {
        m_sx += dx;
        m_sy += dy;
    }
    int scrollX() const { return m_sx; }
    int scrollY() const { return m_sy; }

    int type = 0;
    std::array<int, 3> weights{0, 0, 0};  // wR, wG, wB, 0 .. 5

private:
    // The size of one pattern cell in pixels: a tenth of trunc(10 x S / 460).
    double patternUnit() const;
    Rgb cellColour(int X, int Y) const;
    // Where the pattern of cell (X, Y) is kept (packed as 0x01BBGGRR), or null.
    std::uint32_t* knownCell(int X, int Y) const;
    // The pattern cell of unscrolled pixel coordinate p, along either axis.
    int cellOf(int p) const;

    int m_side = 460;
    double m_unit = 1.0;  // patternUnit() of the side, kept
    int m_sx = 0, m_sy = 0;

    // The pattern of each type over the cells of the arena and a margin around them for
    // scrolling, filled in on first use (0 = not yet): every game paints the whole arena
    // again, and erasing asks for the same cells again and again, many of them a sine each.
    mutable std::array<std::vector<std::uint32_t>, kBackgroundTypes> m_known;
    int m_knownFirst = 0;  // the cell index of the first row and column kept
    int m_knownSpan = 0;   // rows and columns kept

    // cellOf() of the pixels -kKnownMargin .. side + kKnownMargin, as the division gives it.
    std::vector<int> m_cellOfPixel;};

}  // namespace slyders
