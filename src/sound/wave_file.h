#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace slyders {

// What can go wrong between a wave file and a playing sound.
enum class SoundError {
    None,
    NoDevice,      // no sound device, or it has gone
    Open,          // the file does not open
    Format,        // not a RIFF/WAVE file, or its sizes point past its end
    NotSupported,  // a wave file, but not one the device plays (compressed, odd layout)
    NoBuffer,      // no device buffer free for the sound
    Device,        // the device refused the sound data
};

// The format block of a wave file: the part of it that the device needs.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

constexpr std::uint16_t kWaveFormatPcm = 1;

struct WaveData {
    WaveFormat format;
    std::vector<std::uint8_t> samples;  // the bytes of the data chunk, as they stand
};

// Reads a RIFF/WAVE file of PCM samples. "fact" chunks after the format block are skipped
// and the first other chunk is taken as the samples, whatever its id.
SoundError parseWave(std::span<const std::uint8_t> file, WaveData& out);
SoundError readWaveFile(const std::filesystem::path& path, WaveData& out);

}  // namespace slyders
