#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sound/snd_man.h"
#include "wave_bytes.h"

namespace slyders::test {

// A private OpenAL configuration for the test program: every device it opens is OpenAL
// Soft's wave writer into a temporary file, or (with drivers naming nothing that exists) no
// device at all. Set before the first AL call, since OpenAL reads its configuration once.
void useSoundConfig(const std::string& drivers);
// Registers a test environment that does so before the first test and removes the
// temporary files after the last; true, so that a namespace-scope constant can hold it.
bool useSoundConfigForAllTests(const std::string& drivers);
std::filesystem::path soundTempDir();
std::filesystem::path recordingPath();

void writeBytes(const std::filesystem::path& path, const Bytes& bytes);

// ---- what the wave writer recorded ----
struct Recording {
    std::vector<std::int16_t> left, right;
    int rate = 0;
};
Recording readRecording();

struct Heard {
    std::size_t begin = 0, end = 0;  // first and one past the last sample not silent
    std::size_t length() const { return end - begin; }
};
Heard heard(const std::vector<std::int16_t>& channel);
// The typical size of the samples heard (their median magnitude); 0 for silence.
double level(const std::vector<std::int16_t>& channel);
double decibels(double ratio);
// The pitch of a tone from its rising zero crossings.
double pitch(const std::vector<std::int16_t>& channel, int rate);

void waitUntilQuiet(const SndMan& manager);
// Opens a manager over the folder, lets `play` use it, waits until all is quiet, closes the
// device and returns what it recorded.
Recording record(const std::filesystem::path& folder, const std::function<void(SndMan&)>& play);

}  // namespace slyders::test
