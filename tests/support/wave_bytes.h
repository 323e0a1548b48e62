#pragma once

#include <cstdint>
#include <vector>

namespace slyders::test {

// RIFF wave files made byte by byte, little-endian, for the readers and players of sounds.
using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, std::uint16_t v) {
    b.push_back(std::uint8_t(v & 0xFF));
    b.push_back(std::uint8_t(v >> 8));
}

inline void put32(Bytes& b, std::uint32_t v) {
    put16(b, std::uint16_t(v & 0xFFFF));
    put16(b, std::uint16_t(v >> 16));
}

inline Bytes chunk(const char* id, const Bytes& body) {
    Bytes b(id, id + 4);
    put32(b, std::uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline Bytes formatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits) {
    Bytes b;
    const auto block = std::uint16_t(channels * bits / 8);
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * block);
    put16(b, block);
    put16(b, bits);
    return b;
}

inline Bytes riffWave(const std::vector<Bytes>& chunks) {
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b = {'R', 'I', 'F', 'F'};
    put32(b, std::uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

// Frames of one constant level: easy to measure exactly in a mix.
inline Bytes level16(int frames, std::int16_t level, int channels = 1) {
    Bytes b;
    for (int i = 0; i < frames * channels; ++i) put16(b, std::uint16_t(level));
    return b;
}

// A plain 16-bit mono PCM file of a constant level.
inline Bytes levelWave(int frames, std::int16_t level, std::uint32_t rate = 44100) {
    return riffWave(
        {chunk("fmt ", formatBody(1, 1, rate, 16)), chunk("data", level16(frames, level))});
}

}  // namespace slyders::test
