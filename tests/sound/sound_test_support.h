#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "sound/snd_man.h"
#include "wave_bytes.h"

namespace slyders::test {

inline std::filesystem::path soundTempDir() {
    static const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("slyders-sound-" + std::to_string(::getpid()));
    return dir;
}

inline std::filesystem::path recordingPath() {
    return soundTempDir() / "mix.wav";
}

// A private OpenAL configuration for the test program: every device it opens is OpenAL
// Soft's wave writer into a temporary file, or (with drivers naming nothing that exists) no
// device at all. Set before the first AL call, since OpenAL reads its configuration once.
inline void useSoundConfig(const std::string& drivers) {
    std::filesystem::create_directories(soundTempDir());
    const std::filesystem::path conf = soundTempDir() / "alsoft.conf";
    std::ofstream out(conf);
    // Plain 16-bit stereo, nothing added to the mix, fine-grained updates.
    out << "[general]\ndrivers = " << drivers << "\nchannels = stereo\nsample-type = int16\n"
        << "frequency = 44100\nperiod_size = 256\nperiods = 2\nhrtf = false\n"
        << "output-limiter = false\ndither = false\nvolume-adjust = 0\n"
        << "[wave]\nfile = " << recordingPath().string() << "\n";
    out.close();
    ::setenv("ALSOFT_CONF", conf.c_str(), 1);
    ::setenv("ALSOFT_DRIVERS", drivers.c_str(), 1);
}

// Registers a test environment that does so before the first test and removes the
// temporary files after the last; true, so that a namespace-scope constant can hold it.
inline bool useSoundConfigForAllTests(const std::string& drivers) {
    struct Config : testing::Environment {
        explicit Config(std::string d) : drivers(std::move(d)) {}
        void SetUp() override { useSoundConfig(drivers); }
        void TearDown() override { std::filesystem::remove_all(soundTempDir()); }
        std::string drivers;
    };
    testing::AddGlobalTestEnvironment(new Config(drivers));
    return true;
}

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// ---- what the wave writer recorded ----
struct Recording {
    std::vector<std::int16_t> left, right;
    int rate = 0;
};

// The writer may describe its format in the extensible form; only the layout matters here.
inline Recording readRecording() {
    std::ifstream in(recordingPath(), std::ios::binary);
    const Bytes b{std::istreambuf_iterator<char>(in), {}};
    const auto get32 = [&b](std::size_t at) {
        return std::uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
               std::uint32_t(b[at + 3]) << 24;
    };
    Recording r;
    for (std::size_t pos = 12; pos + 8 <= b.size();) {
        const std::uint32_t size = get32(pos + 4);
        if (std::memcmp(&b[pos], "fmt ", 4) == 0) {
            EXPECT_EQ(b[pos + 10], 2) << "the mix is stereo";
            EXPECT_EQ(b[pos + 22], 16) << "the mix is 16-bit";
            r.rate = int(get32(pos + 12));
        } else if (std::memcmp(&b[pos], "data", 4) == 0) {
            const std::size_t end = std::min<std::size_t>(b.size(), pos + 8 + size);
            for (std::size_t i = pos + 8; i + 4 <= end; i += 4) {
                r.left.push_back(std::int16_t(b[i] | b[i + 1] << 8));
                r.right.push_back(std::int16_t(b[i + 2] | b[i + 3] << 8));
            }
            break;
        }
        pos += 8 + size;
    }
    return r;
}

struct Heard {
    std::size_t begin = 0, end = 0;  // first and one past the last sample not silent
    std::size_t length() const { return end - begin; }
};

inline Heard heard(const std::vector<std::int16_t>& channel) {
    const auto loud = [](std::int16_t v) { return v != 0; };
    const auto first = std::find_if(channel.begin(), channel.end(), loud);
    if (first == channel.end()) return {};
    const auto last = std::find_if(channel.rbegin(), channel.rend(), loud);
    return {std::size_t(first - channel.begin()), std::size_t(channel.rend() - last)};
}

// The typical size of the samples heard (their median magnitude); 0 for silence.
inline double level(const std::vector<std::int16_t>& channel) {
    const Heard h = heard(channel);
    if (h.length() == 0) return 0.0;
    std::vector<int> magnitudes;
    for (std::size_t i = h.begin; i < h.end; ++i) magnitudes.push_back(std::abs(channel[i]));
    std::nth_element(magnitudes.begin(), magnitudes.begin() + std::ptrdiff_t(magnitudes.size() / 2),
                     magnitudes.end());
    return magnitudes[magnitudes.size() / 2];
}

inline double decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

// The pitch of a tone from its rising zero crossings.
inline double pitch(const std::vector<std::int16_t>& channel, int rate) {
    std::vector<std::size_t> rising;
    for (std::size_t i = 1; i < channel.size(); ++i)
        if (channel[i - 1] < 0 && channel[i] >= 0) rising.push_back(i);
    if (rising.size() < 2) return 0.0;
    return double(rising.size() - 1) * rate / double(rising.back() - rising.front());
}

// Opens a manager over the folder, lets `play` use it, waits (five seconds at the most) until
// all is quiet, closes the device and returns what it recorded.
inline Recording record(const std::filesystem::path& folder,
                        const std::function<void(SndMan&)>& play) {
    {
        std::int32_t sounds = 1;
        const std::unique_ptr<SndMan> manager = InitSound(sounds, folder);
        EXPECT_TRUE(manager) << "the wave writer opens as a sound device";
        if (!manager) return {};
        play(*manager);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (manager->playing() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return readRecording();
}

}  // namespace slyders::test
