#include "sound/game_sounds.h"

#include <gtest/gtest.h>

#include <chrono>

#include "sound_test_support.h"

namespace slyders::test {
namespace {

constexpr std::int16_t kLevel = 5000;
constexpr int kByeFrames = 4410;  // 100 ms

class GameSoundsTest : public testing::Test {
protected:
    void SetUp() override {
        folder = soundTempDir() / testing::UnitTest::GetInstance()->current_test_info()->name();
        for (const char* f : {"begin.wav", "alone.wav", "bye.wav"}) {
            writeBytes(folder / f, levelWave(kByeFrames, kLevel));
        }
    }
    std::filesystem::path folder;
    TInterface settings;
};

TEST_F(GameSoundsTest, OpensTheDeviceOnlyWhileSoundsAreOnAndStaysSilentWhenTheyGoOff) {
    GameSounds sounds(settings, folder);
    settings.int_snd = 0;
    sounds.request(kSndBegin, 0, 0);
    EXPECT_EQ(sounds.manager(), nullptr);

    settings.int_snd = 1;
    sounds.request(kSndBegin, 0, 0);
    ASSERT_NE(sounds.manager(), nullptr);
    EXPECT_TRUE(sounds.manager()->sound(kSndBegin)->playing());

    settings.int_snd = 0;
    sounds.request(kSndAlone, 0, 0);
    EXPECT_FALSE(sounds.manager()->sound(kSndAlone)->playing());
}

TEST_F(GameSoundsTest, ClosingEndsTheManagerAndPlaysTheFarewellToItsEnd) {
    GameSounds sounds(settings, folder);
    sounds.request(kSndBegin, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    sounds.closeDown();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(sounds.manager(), nullptr);
    EXPECT_GE(took, std::chrono::milliseconds(95));

    const Recording r = readRecording();
    EXPECT_EQ(level(r.left), kLevel);
    EXPECT_NEAR(double(heard(r.left).length()), kByeFrames, 4.0);

    sounds.request(kSndBegin, 0, 0);
    EXPECT_EQ(sounds.manager(), nullptr) << "nothing reopens the device after the close";
}

// The generated sounds: every one of the list is there, plain 16-bit PCM, never louder than
// -1 dBFS, and silent at its very ends so that it does not click.
TEST(GeneratedSounds, AreCompleteQuietEnoughAndSoftAtTheirEnds) {
    constexpr int kMinusOneDbfs = 29204;
    constexpr int kEdge = 330;  // 1% of full scale
    std::vector<std::string> files(kSoundFiles.begin(), kSoundFiles.end());
    files.push_back("bye.wav");
    for (const std::string& f : files) {
        WaveData w;
        ASSERT_EQ(readWaveFile(std::filesystem::path(SLYDERS_SOUNDS_DIR) / f, w), SoundError::None)
            << f;
        EXPECT_EQ(w.format.bitsPerSample, 16) << f;
        const auto* s = reinterpret_cast<const std::int16_t*>(w.samples.data());
        const std::size_t n = w.samples.size() / 2;
        ASSERT_GT(n, 0u) << f;
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, std::abs(int(s[i])));
        EXPECT_LE(peak, kMinusOneDbfs) << f;
        EXPECT_GT(peak, kEdge) << f;
        EXPECT_LE(std::abs(int(s[0])), kEdge) << f;
        EXPECT_LE(std::abs(int(s[n - 1])), kEdge) << f;
    }
}

}  // namespace
}  // namespace slyders::test
