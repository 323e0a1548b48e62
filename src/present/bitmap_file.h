#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/pixel_buffer.h"

namespace slyders {

// Windows bitmap files without a window toolkit. Reads uncompressed bitmaps of 1, 4, 8, 16,
// 24 and 32 bits per pixel (bit fields included, bottom-up or top-down); compressed ones
// give nothing.
std::optional<PixelBuffer> DecodeBitmap(const std::vector<std::uint8_t>& bytes);
std::optional<PixelBuffer> LoadBitmapFile(const std::string& path);

// A 24-bit bottom-up bitmap of the picture.
std::vector<std::uint8_t> EncodeBitmap(const PixelBuffer& picture);

}  // namespace slyders
