#include "sound/wave_file.h"

#include <cstring>
#include <fstream>

namespace slyders {

namespace {

constexpr std::size_t kFormatSizeAt = 16;  // the size field of the format chunk
constexpr std::size_t kFormatAt = 20;      // where the format block begins
constexpr std::size_t kChunkHeader = 8;    // id and size
constexpr std::uint64_t kPcmBlockSize = 16;

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(u16(b, at)) | static_cast<std::uint32_t>(u16(b, at + 2))
                                                        << 16;
}

bool idIs(std::span<const std::uint8_t> b, std::size_t at, const char* id) {
    return std::memcmp(b.data() + at, id, 4) == 0;
}

WaveFormat formatAt(std::span<const std::uint8_t> b, std::size_t at) {
    WaveFormat f;
    f.formatTag = u16(b, at);
    f.channels = u16(b, at + 2);
    f.samplesPerSec = u32(b, at + 4);
    f.avgBytesPerSec = u32(b, at + 8);
    f.blockAlign = u16(b, at + 12);
    f.bitsPerSample = u16(b, at + 14);
    return f;
}

}  // namespace

// The sizes in the file are trusted only as far as the file reaches: every one is checked
// against its end before anything behind it is read.
SoundError parseWave(std::span<const std::uint8_t> file, WaveData& out) {
    const std::uint64_t size = file.size();
    if (size < kFormatAt || !idIs(file, 0, "RIFF") || !idIs(file, 8, "WAVE")) {
        return SoundError::Format;
    }
    const std::uint64_t formatSize = u32(file, kFormatSizeAt);
    if (formatSize < kPcmBlockSize || kFormatAt + formatSize > size) return SoundError::Format;
    const WaveFormat format = formatAt(file, kFormatAt);
    if (format.formatTag != kWaveFormatPcm) return SoundError::NotSupported;

    std::uint64_t pos = kFormatAt + formatSize;
    for (;;) {
        if (pos + kChunkHeader > size) return SoundError::Format;
        const std::uint64_t length = u32(file, std::size_t(pos) + 4);
        if (idIs(file, std::size_t(pos), "fact")) {
            pos += length + kChunkHeader;
            continue;
        }
        if (pos + kChunkHeader + length > size) return SoundError::Format;
        const auto begin = file.begin() + std::ptrdiff_t(pos + kChunkHeader);
        out.format = format;
        out.samples.assign(begin, begin + std::ptrdiff_t(length));
        return SoundError::None;
    }
}

SoundError readWaveFile(const std::filesystem::path& path, WaveData& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return SoundError::Open;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return SoundError::Open;
    in.seekg(0);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(file.data()), size)) return SoundError::Open;
    return parseWave(file, out);
}

}  // namespace slyders
