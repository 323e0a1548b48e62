// The bitmap reader (the window background is any file the player drops in): any bytes give
// a picture or nothing, and a picture the game writes reads back as it was.
#include "fuzz_support.h"
#include "present/bitmap_file.h"

using namespace slyders;

namespace {

PixelBuffer picture(int width, int height) {
    PixelBuffer p(width, height);
    for (int i = 0; i < width * height; ++i)
        p.set(i % width, i / width,
              Rgb{std::uint8_t(i % width * 40), std::uint8_t(i / width * 50), 90});
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return fuzz::writeSeedsIfAsked({EncodeBitmap(picture(3, 2)), EncodeBitmap(picture(7, 5))});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = DecodeBitmap(fuzz::Bytes(data, data + size));
    if (!decoded) return 0;
    const auto again = DecodeBitmap(EncodeBitmap(*decoded));
    if (!again || again->width() != decoded->width() || again->height() != decoded->height())
        fuzz::fail("a decoded picture does not survive its own encoding");
    for (int y = 0; y < decoded->height(); ++y)
        for (int x = 0; x < decoded->width(); ++x)
            if (again->colour(x, y) != decoded->colour(x, y)) fuzz::fail("a pixel changed");
    return 0;
}
