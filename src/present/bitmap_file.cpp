#include "present/bitmap_file.h"

#include <array>
#include <bit>
#include <fstream>
#include <iterator>
#include <limits>

namespace slyders {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old OS/2 header: 16-bit sizes, 3-byte palette
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& b) : m_b(b) {}
    bool has(std::size_t at, std::size_t n) const {
        return at <= m_b.size() && n <= m_b.size() - at;
    }
    std::uint32_t u8(std::size_t at) const { return m_b[at]; }
    std::uint32_t u16(std::size_t at) const { return u8(at) | (u8(at + 1) << 8); }
    std::uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }
    const std::uint8_t* data(std::size_t at) const { return m_b.data() + at; }

private:
    const std::vector<std::uint8_t>& m_b;
};

// One channel out of a bit-field pixel, widened to 8 bits.
std::uint8_t field(std::uint32_t v, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const std::uint32_t raw = (v & mask) >> shift;
    const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    return static_cast<std::uint8_t>(raw * 255 / max);
}

struct Layout {
    int width = 0, height = 0;
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
    std::vector<Rgb> palette;
};

std::optional<Layout> readLayout(const Reader& r) {
    if (!r.has(0, kFileHeader + 4) || r.u16(0) != 0x4D42) return std::nullopt;  // "BM"
    const std::uint32_t headerSize = r.u32(kFileHeader);
    const std::size_t h = kFileHeader;
    Layout l;
    std::size_t paletteAt = h + headerSize;
    std::size_t entrySize = 4;
    if (headerSize == kCoreHeader) {
        if (!r.has(h, kCoreHeader)) return std::nullopt;
        l.width = int(r.u16(h + 4));
        l.height = int(r.u16(h + 6));
        l.bpp = int(r.u16(h + 10));
        entrySize = 3;
    } else if (headerSize >= kInfoHeader && r.has(h, headerSize)) {
        l.width = static_cast<std::int32_t>(r.u32(h + 4));
        const auto height = static_cast<std::int32_t>(r.u32(h + 8));
        if (height == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
        l.topDown = height < 0;
        l.height = height < 0 ? -height : height;
        l.bpp = int(r.u16(h + 14));
        l.compression = r.u32(h + 16);
        if (l.compression == kBitFields || l.compression == kAlphaBitFields) {
            // The masks follow a plain info header, or stand inside a longer one.
            const std::size_t at = h + kInfoHeader;
            if (!r.has(at, 12)) return std::nullopt;
            l.masks = {r.u32(at), r.u32(at + 4), r.u32(at + 8)};
            if (headerSize == kInfoHeader) paletteAt += l.compression == kBitFields ? 12 : 16;
        } else if (l.compression != kRgb) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (l.width <= 0 || l.height <= 0 || std::int64_t(l.width) * l.height > kMaxPixels)
        return std::nullopt;
    if (l.compression == kRgb && l.bpp == 16) l.masks = {0x7C00, 0x03E0, 0x001F};
    if (l.compression == kRgb && l.bpp == 32) l.masks = {0xFF0000, 0xFF00, 0xFF};
    if (l.bpp <= 8) {
        const std::uint32_t used = headerSize >= kInfoHeader ? r.u32(h + 32) : 0;
        const std::uint32_t count = used != 0 && used <= (1u << l.bpp) ? used : (1u << l.bpp);
        if (!r.has(paletteAt, count * entrySize)) return std::nullopt;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = paletteAt + i * entrySize;
            l.palette.push_back(
                {std::uint8_t(r.u8(at + 2)), std::uint8_t(r.u8(at + 1)), std::uint8_t(r.u8(at))});
        }
    }
    return l;
}

Rgb pixelAt(const Layout& l, const std::uint8_t* row, int x) {
    switch (l.bpp) {
        case 1:
        case 4:
        case 8: {
            const int bit = x * l.bpp;
            const int shift = 8 - l.bpp - bit % 8;
            const std::size_t index = (row[bit / 8] >> shift) & ((1u << l.bpp) - 1);
            return index < l.palette.size() ? l.palette[index] : kBlack;
        }
        case 16: {
            const std::uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
            return {field(v, l.masks[0]), field(v, l.masks[1]), field(v, l.masks[2])};
        }
        case 24:
            return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
        default: {
            const std::uint8_t* p = row + 4 * x;
            const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
            return {field(v, l.masks[0]), field(v, l.masks[1]), field(v, l.masks[2])};
        }
    }
}

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace

std::optional<PixelBuffer> DecodeBitmap(const std::vector<std::uint8_t>& bytes) {
    const Reader r(bytes);
    const std::optional<Layout> l = readLayout(r);
    if (!l) return std::nullopt;
    if (l->bpp != 1 && l->bpp != 4 && l->bpp != 8 && l->bpp != 16 && l->bpp != 24 && l->bpp != 32) {
        return std::nullopt;
    }
    const std::size_t stride = (std::size_t(l->bpp) * l->width + 31) / 32 * 4;
    const std::size_t pixelsAt = r.u32(10);
    if (!r.has(pixelsAt, stride * l->height)) return std::nullopt;
    PixelBuffer picture(l->width, l->height);
    for (int y = 0; y < l->height; ++y) {
        const int fileRow = l->topDown ? y : l->height - 1 - y;
        const std::uint8_t* row = r.data(pixelsAt + stride * std::size_t(fileRow));
        for (int x = 0; x < l->width; ++x) picture.set(x, y, pixelAt(*l, row, x));
    }
    return picture;
}

std::optional<PixelBuffer> LoadBitmapFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return DecodeBitmap(bytes);
}

std::vector<std::uint8_t> EncodeBitmap(const PixelBuffer& picture) {
    const std::uint32_t stride = (3 * std::uint32_t(picture.width()) + 3) / 4 * 4;
    const std::uint32_t imageSize = stride * std::uint32_t(picture.height());
    std::vector<std::uint8_t> b;
    b.reserve(kFileHeader + kInfoHeader + imageSize);
    put16(b, 0x4D42);
    put32(b, std::uint32_t(kFileHeader + kInfoHeader) + imageSize);
    put32(b, 0);
    put32(b, std::uint32_t(kFileHeader + kInfoHeader));
    put32(b, kInfoHeader);
    put32(b, std::uint32_t(picture.width()));
    put32(b, std::uint32_t(picture.height()));
    put16(b, 1);   // planes
    put16(b, 24);  // bits per pixel
    put32(b, kRgb);
    put32(b, imageSize);
    constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 per inch
    put32(b, kPixelsPerMetre);
    put32(b, kPixelsPerMetre);
    put32(b, 0);
    put32(b, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb c = picture.colour(x, y);
            b.insert(b.end(), {c.b, c.g, c.r});
        }
        b.resize(b.size() + (stride - 3 * std::uint32_t(picture.width())), 0);
    }
    return b;
}

}  // namespace slyders
