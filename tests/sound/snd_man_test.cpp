// The sound manager, the game's sounds and the wave files they play, through OpenAL Soft's
// wave writer.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "game/sound_requests.h"
#include "sound/game_sounds.h"
#include "sound/wave_file.h"
#include "sound_test_support.h"

namespace slyders::test {
namespace {

// Every sound device this test program opens records into a temporary wave file.
[[maybe_unused]] const bool kWaveWriter = useSoundConfigForAllTests("wave");

constexpr std::int16_t kLevel = 6000;
constexpr int kRate = 44100;
constexpr int kShort = 1323;  // 30 ms

class SndManTest : public testing::Test {
protected:
    std::filesystem::path folder() const {
        return soundTempDir() / testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void put(const char* file, const Bytes& bytes) const { writeBytes(folder() / file, bytes); }
    Recording playOnce(int number, int volume, int pan) const {
        return record(folder(), [&](SndMan& m) { m.Play(number, volume, pan); });
    }
    TInterface settings;
};

TEST_F(SndManTest, PanPutsTheSoundOnOneSideOrTheMiddleAndVolumeLowersIt) {
    put("ping.wav", levelWave(kShort, kLevel));

    const Recording left = playOnce(kSndPing, 0, -10000);
    EXPECT_EQ(level(left.left), kLevel);
    EXPECT_EQ(heard(left.right).length(), 0u) << "not a sample on the right";
    EXPECT_NEAR(double(heard(left.left).length()), kShort, 2);

    const Recording right = playOnce(kSndPing, 0, 10000);
    EXPECT_EQ(heard(right.left).length(), 0u);
    EXPECT_EQ(level(right.right), kLevel);

    const Recording centre = playOnce(kSndPing, 0, 0);
    EXPECT_TRUE(level(centre.left) == kLevel && level(centre.right) == kLevel);
    EXPECT_EQ(heard(centre.left).begin, heard(centre.right).begin) << "both sides start together";

    // Volume and pan are hundredths of a decibel: the request's attenuation is halved, the pan
    // is taken as it stands.
    const Recording r = playOnce(kSndPing, -2000, 2000);
    EXPECT_NEAR(decibels(level(r.right) / kLevel), -10.0, 0.1);
    EXPECT_NEAR(decibels(level(r.left) / level(r.right)), -20.0, 0.1);
}

TEST_F(SndManTest, StereoFilesKeepTheirChannelsAndFilesPlayAtTheirOwnRate) {
    Bytes frames;
    for (int i = 0; i < kShort; ++i) frames.insert(frames.end(), {0x00, 0x10, 0x00, 0x20});
    put("wow.wav", riffWave({chunk("fmt ", formatBody(1, 2, kRate, 16)), chunk("data", frames)}));
    const Recording r = playOnce(kSndWow, 0, 0);
    EXPECT_EQ(std::pair(level(r.left), level(r.right)), std::pair(4096.0, 8192.0));

    // A fact chunk is skipped and the file plays at its own rate.
    constexpr std::uint32_t kHalfRate = 22050;
    put("begin.wav", riffWave({chunk("fmt ", formatBody(1, 1, kHalfRate, 16)),
                               chunk("fact", {0x10, 0x00, 0x00, 0x00}),
                               chunk("data", level16(kShort, kLevel))}));
    const Recording half = playOnce(kSndBegin, 0, 0);
    EXPECT_EQ(level(half.left), kLevel);
    EXPECT_NEAR(double(heard(half.left).length()), 2.0 * kShort, 4.0);
}

TEST_F(SndManTest, AFourthRequestCutsOffAndRestartsOneOfThree) {
    constexpr int kLong = 6615;  // 150 ms
    constexpr auto kLater = std::chrono::milliseconds(60);
    put("death.wav", levelWave(kLong, kLevel));
    const Recording r = record(folder(), [&](SndMan& m) {
        for (int i = 0; i < 3; ++i) m.Play(kSndDeath, 0, 0);
        std::this_thread::sleep_for(kLater);
        m.Play(kSndDeath, 0, 0);
        const CDXSoundBuffer* s = m.sound(kSndDeath);
        for (int b = 0; b < kDeviceBuffers; ++b) EXPECT_TRUE(s->playing(b)) << b;
    });
    // Counted in layers of the sound: three at most, and one restarted layer plays on alone
    // after the other two have ended.
    const Heard h = heard(r.left);
    int most = 0;
    std::size_t lastThick = h.begin, silentGaps = 0;
    for (std::size_t i = h.begin; i < h.end; ++i) {
        const int layers = int(std::lround(double(r.left[i]) / kLevel));
        most = std::max(most, layers);
        if (layers >= 2) lastThick = i;
        if (layers == 0) ++silentGaps;
    }
    EXPECT_EQ(std::pair(most, silentGaps), std::pair(3, std::size_t(0)));
    const double aloneMs = 1000.0 * double(h.end - lastThick) / r.rate;
    EXPECT_TRUE(aloneMs > 20.0 && aloneMs < 150.0) << aloneMs;
}

// A missing file and a compressed one both leave their entries empty; an empty entry beeps
// at 1000 Hz plus a hundred per number (mod 1000), for 20 ms.
TEST_F(SndManTest, EmptyEntriesBeepAtTheirOwnPitch) {
    put("ping.wav", riffWave({chunk("fmt ", formatBody(2, 1, kRate, 4)),
                              chunk("data", level16(kShort, kLevel))}));
    for (const int number : {int(kSndGameOver), int(kSndPing)}) {
        const Recording r = playOnce(number, 0, 0);
        EXPECT_NEAR(pitch(r.left, r.rate), beepFrequency(number), 10.0) << number;
        EXPECT_NEAR(1000.0 * double(heard(r.left).length()) / r.rate, 20.0, 2.0) << number;
    }
    EXPECT_EQ(beepFrequency(kSndGameOver), 1300);
    EXPECT_EQ(beepFrequency(kSndApplause), 1100);
}

TEST_F(SndManTest, LoadsTheListInOrderAndIgnoresNumbersBeyondIt) {
    put("gap.wav", levelWave(kShort, kLevel));
    put("applause.wav", levelWave(kShort, kLevel));
    std::int32_t sounds = 1;
    const auto manager = InitSound(sounds, folder());
    ASSERT_TRUE(manager);
    EXPECT_EQ(manager->count(), 22);
    for (int n = 0; n < manager->count(); ++n)
        EXPECT_EQ(manager->sound(n) != nullptr, n == kSndGap || n == kSndApplause) << n;
    EXPECT_EQ(manager->sound(kSndGap)->bufferCount(), kDeviceBuffers);
    manager->Play(22, 0, 0);
    manager->Play(-1, 0, 0);
    EXPECT_FALSE(manager->playing());
}

TEST(SoundLevels, FollowTheDecibelRules) {
    EXPECT_EQ(deviceVolume(-10000, systemWaveOutVolume()), -4999);
    EXPECT_EQ(deviceVolume(0, {0, 0}), 0);
    EXPECT_EQ(deviceVolume(-4000, {0xFFFF, 0}), -999);
    EXPECT_FLOAT_EQ(panGains(0, 0).left, 1.0f);
    EXPECT_FLOAT_EQ(panGains(-10000, 0).right, 0.0f);
    EXPECT_FLOAT_EQ(panGains(0, 10000).left, 0.0f);
    EXPECT_NEAR(panGains(-1000, -2000).right, std::pow(10.0, -1.5), 1e-6);
    EXPECT_FLOAT_EQ(panGains(-1000, -2000).left, panGains(-1000, 0).left);
}

const Bytes kFormat = chunk("fmt ", formatBody(1, 2, 22050, 16));
const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

// "fact" chunks are passed over; any other chunk is the data, whatever it is called.
// The format itself is checked by playing files of other rates and channels.
TEST(WaveFile, TakesTheChunkAfterFactsAsDataAndRefusesOthersCompressedOrCut) {
    WaveData w;
    const Bytes fact = chunk("fact", {9, 9, 9, 9});
    ASSERT_EQ(parseWave(riffWave({kFormat, fact, fact, chunk("data", kSamples)}), w),
              SoundError::None);
    EXPECT_EQ(std::tuple(w.samples, w.format.blockAlign), std::tuple(kSamples, 4));

    const Bytes list = {'I', 'N', 'F', 'O'};
    ASSERT_EQ(parseWave(riffWave({kFormat, chunk("LIST", list), chunk("data", kSamples)}), w),
              SoundError::None);
    EXPECT_EQ(w.samples, list);

    // Other files and compressed sound are refused.
    Bytes notRiff = riffWave({kFormat, chunk("data", kSamples)});
    notRiff[0] = 'X';
    EXPECT_EQ(parseWave(notRiff, w), SoundError::Format);
    Bytes notWave = riffWave({kFormat, chunk("data", kSamples)});
    notWave[8] = 'X';
    EXPECT_EQ(parseWave(notWave, w), SoundError::Format);
    const Bytes adpcm =
        riffWave({chunk("fmt ", formatBody(2, 1, 22050, 4)), chunk("data", kSamples)});
    EXPECT_EQ(parseWave(adpcm, w), SoundError::NotSupported);
    EXPECT_EQ(readWaveFile(soundTempDir() / "no such file.wav", w), SoundError::Open);

    // Every size in the file is checked against its end; each buffer here is exactly as long
    // as the file, so a read past it shows under the address sanitizer.
    const Bytes good = riffWave({kFormat, chunk("fact", {0, 0, 0, 0}), chunk("data", kSamples)});
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_EQ(parseWave(Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)), w),
                  SoundError::Format)
            << "cut to " << n << " bytes";
    const auto lying = [&](std::size_t sizeAt, std::uint32_t size) {
        Bytes b = good;
        for (int i = 0; i < 4; ++i) b[sizeAt + std::size_t(i)] = std::uint8_t(size >> (8 * i));
        return parseWave(b, w);
    };
    const std::size_t factSizeAt = 12 + kFormat.size() + 4;
    const std::size_t dataSizeAt = factSizeAt + 4 + 8;  // past the fact body and the data id
    EXPECT_EQ(lying(16, 0xFFFFFFF0u), SoundError::Format) << "format block";
    EXPECT_EQ(lying(factSizeAt, 0xFFFFFFF8u), SoundError::Format) << "fact chunk";
    EXPECT_EQ(lying(dataSizeAt, std::uint32_t(kSamples.size() + 1)), SoundError::Format) << "data";
    EXPECT_EQ(lying(dataSizeAt, 0xFFFFFFFFu), SoundError::Format) << "data";
    EXPECT_EQ(lying(16, 8), SoundError::Format) << "format block too short for its fields";
}

constexpr int kBye = 4410;  // frames of every game sound here, the farewell's 100 ms

TEST_F(SndManTest, GameSoundsOpenTheDeviceOnlyWhileSoundsAreOnAndStaySilentWhenTheyGoOff) {
    for (const char* f : {"begin.wav", "alone.wav", "bye.wav"}) put(f, levelWave(kBye, kLevel));
    GameSounds sounds(settings, folder());
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

TEST_F(SndManTest, ClosingGameSoundsEndsTheManagerAndPlaysTheFarewellToItsEnd) {
    for (const char* f : {"begin.wav", "alone.wav", "bye.wav"}) put(f, levelWave(kBye, kLevel));
    GameSounds sounds(settings, folder());
    sounds.request(kSndBegin, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    sounds.closeDown();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(sounds.manager(), nullptr);
    EXPECT_GE(took, std::chrono::milliseconds(95));

    const Recording r = readRecording();
    EXPECT_EQ(level(r.left), kLevel);
    EXPECT_NEAR(double(heard(r.left).length()), kBye, 4.0);

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
        EXPECT_TRUE(peak <= kMinusOneDbfs && peak > kEdge) << f << " peaks at " << peak;
        EXPECT_LE(std::max(std::abs(int(s[0])), std::abs(int(s[n - 1]))), kEdge) << f;
    }
}

}  // namespace
}  // namespace slyders::test
