#pragma once

#include "game/pixel_buffer.h"
#include "game/text_renderer.h"

namespace slyders {

class Arena;
class Random;

// Builds the window picture in the back buffer: the background, the arena frame and the title.
void ComposeWindowPicture(PixelBuffer& back, const Arena& arena, TextRenderer& text, Random& rng);

}  // namespace slyders
