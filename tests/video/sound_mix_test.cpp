#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/sound_requests.h"
#include "video/sound_mix.h"

namespace slyders {
namespace {

constexpr int kRate = SoundMix::kRate;

// One second of a constant level, mono, 16 bits at the track's rate.
WaveData steadySound(std::int16_t level, int rate = kRate) {
    WaveData w;
    w.format = {kWaveFormatPcm, 1, std::uint32_t(rate), std::uint32_t(rate * 2), 2, 16};
    for (int i = 0; i < rate; ++i) {
        w.samples.push_back(std::uint8_t(level & 0xFF));
        w.samples.push_back(std::uint8_t((level >> 8) & 0xFF));
    }
    return w;
}

// Left and right of the track at a moment.
std::pair<float, float> at(SoundMix& mix, double seconds) {
    std::vector<float> out;
    mix.mix(std::llround(seconds * kRate), 1, out);
    return {out[0], out[1]};
}

TEST(SoundMix, ASoundOverlapsItselfThreeTimesAndTheFourthCutsTheOldest) {
    SoundMix mix;
    ASSERT_TRUE(mix.setSound(kSndGap, steadySound(6554)));  // 0.2
    for (double t : {0.0, 0.1, 0.2}) mix.request(t, kSndGap, 0, 0);
    EXPECT_NEAR(at(mix, 0.05).first, 0.2f, 1e-3);
    EXPECT_NEAR(at(mix, 0.25).first, 0.6f, 1e-3);
    mix.request(0.3, kSndGap, 0, 0);  // all three still play: the one started first stops
    EXPECT_NEAR(at(mix, 0.35).first, 0.6f, 1e-3);
    EXPECT_NEAR(at(mix, 1.15).second, 0.4f, 1e-3);  // the second has ended, two are left
}

TEST(SoundMix, VolumeIsHalvedAndPanLowersTheFarSide) {
    SoundMix mix;
    ASSERT_TRUE(mix.setSound(kSndPing, steadySound(16384, 22050)));  // 0.5 at another rate
    mix.request(0.0, kSndPing, -2000, 0);     // -10 dB asked: -5 dB played
    mix.request(2.0, kSndPing, 0, kPanRight);  // right only
    const auto [l, r] = at(mix, 0.5);
    EXPECT_NEAR(l, 0.5f * std::pow(10.0f, -0.5f), 1e-3);
    EXPECT_NEAR(r, l, 1e-6);
    const auto [l2, r2] = at(mix, 2.5);
    EXPECT_EQ(l2, 0.0f);
    EXPECT_NEAR(r2, 0.5f, 1e-3);
    EXPECT_EQ(at(mix, 3.5).second, 0.0f);  // over after its one second
}

TEST(SoundMix, AMissingSoundIsAShortToneAndEightBitSamplesAreUnsigned) {
    SoundMix mix;
    mix.request(1.0, kSndWall, 0, 0);
    float loudest = 0.0f;
    std::vector<float> out;
    mix.mix(kRate, kRate / 50, out);  // the 20 ms of the tone
    for (float s : out) loudest = std::max(loudest, std::abs(s));
    EXPECT_NEAR(loudest, 0.3f, 0.01f);
    EXPECT_EQ(at(mix, 1.03).first, 0.0f);

    const std::uint8_t quiet = 128, top = 255;
    EXPECT_EQ(waveSample(&quiet, 1), 0.0f);
    EXPECT_NEAR(waveSample(&top, 1), 1.0f, 0.01f);
}

}  // namespace
}  // namespace slyders
