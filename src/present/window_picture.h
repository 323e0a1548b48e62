#pragma once

#include <functional>
#include <optional>
#include <string>

#include "game/pixel_buffer.h"
#include "game/text_renderer.h"

namespace slyders {

class Arena;
class Random;

// Reads a picture file; nothing when it cannot be read.
using ImageLoader = std::function<std::optional<PixelBuffer>(const std::string& path)>;

// Where the window picture takes its parts from.
struct WindowPictureSources {
    Rect panel;                                    // the scoreboard panel, darkened
    std::string backgroundFile = "slydersbg.bmp";  // the user's own, in the working folder
    std::string logoFile = "logo_sq.bmp";          // ours, beside the executable
    ImageLoader load;                              // empty: our own bitmap reader
};

// Builds the window picture in the back buffer: the background image (or blurred noise)
// stretched over it, the darkened scoreboard panel, the frame around the black arena, the
// title "Slyders" and the logo.
void ComposeWindowPicture(PixelBuffer& back, const Arena& arena, TextRenderer& text, Random& rng,
                          const WindowPictureSources& sources = {});
// The same around an arena square of side S at offset m, whatever side the game plays on.
void ComposeWindowPicture(PixelBuffer& back, int m, int S, TextRenderer& text, Random& rng,
                          const WindowPictureSources& sources = {});

// Softens a rectangle of a picture in place (x1, y1 exclusive): each pixel becomes the mean
// of its left and right neighbours, then of its upper and lower ones. Pixels outside the
// picture are left out.
void Blur(PixelBuffer& picture, int x0, int y0, int x1, int y1);

// Draws an image scaled bilinearly to w x h at (x, y), blended over the picture with weight
// f (1.0 covers it). Returns false when the file does not load.
bool DrawScaledImage(PixelBuffer& picture, const std::string& file, int x, int y, int w, int h,
                     double f, const ImageLoader& load = {});
void DrawScaledImage(PixelBuffer& picture, const PixelBuffer& image, int x, int y, int w, int h,
                     double f);

// Copies an image stretched over a rectangle, each pixel from its nearest source pixel.
void StretchImage(PixelBuffer& target, const PixelBuffer& image, Rect r);

}  // namespace slyders
