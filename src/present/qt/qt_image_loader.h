#pragma once

#include <optional>
#include <string>

#include "game/pixel_buffer.h"

namespace slyders {

// Reads any picture file Qt knows (every kind of bitmap included); nothing when it cannot.
std::optional<PixelBuffer> LoadImageWithQt(const std::string& path);

}  // namespace slyders
