#pragma once

#include <cstdint>
#include <vector>

#include "game/pixel_buffer.h"

namespace slyders {

// Shows a square picture of one side in a square of another, smoothly: each shown pixel
// mixes the picture's pixels under it (a tent as wide as a source pixel when enlarging, as
// wide as a shown pixel when shrinking, so that thin trails never vanish between samples).
// Only the parts that changed are scaled again, so a tick costs about what it draws.
class SquareScaler {
public:
    SquareScaler(int sourceSide, int targetSide);

    int sourceSide() const { return m_sourceSide; }
    int targetSide() const { return m_targetSide; }

    // Scales what the source square's rectangle `changed` (source pixels, the square's top
    // left at sx, sy of source) affects into target, whose square starts at tx, ty; returns
    // the target rectangle written (empty when nothing was).
    Rect scale(const PixelBuffer& source, int sx, int sy, Rect changed, PixelBuffer& target, int tx,
               int ty);

    // Where a source position lands in the target square, and back.
    double toTarget(double sourcePos) const { return sourcePos * m_targetSide / m_sourceSide; }

private:
    // One shown pixel along a line: source pixels first .. first + count - 1 with weights
    // weights[offset ..] summing to kOne.
    struct Tap {
        int first = 0, count = 0, offset = 0;
    };
    static constexpr int kOne = 256;

    // The shown positions [lo, hi) that the source span [from, to) reaches.
    void shownSpan(int from, int to, int& lo, int& hi) const;

    int m_sourceSide;
    int m_targetSide;
    std::vector<Tap> m_taps;
    std::vector<std::uint16_t> m_weights;
    std::vector<std::uint32_t> m_rows;  // the first pass's rows, kept between calls
};

// How much the scoreboard, the event label and the dialogs are enlarged on a large screen:
// one on ordinary screens; on a screen with more than one device pixel per logical pixel,
// or a client area more than 1,400 pixels high, as much as makes them look as they do on a
// screen of 1,080 lines. Never below one.
double InterfaceScale(int clientHeight, double devicePixelRatio);

}  // namespace slyders
