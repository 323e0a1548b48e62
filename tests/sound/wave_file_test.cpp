#include "sound/wave_file.h"

#include <gtest/gtest.h>

#include "sound_test_support.h"

namespace slyders::test {
namespace {

const Bytes kFormat = chunk("fmt ", formatBody(1, 2, 22050, 16));
const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

// "fact" chunks are passed over; any other chunk is the data, whatever it is called.
// The format itself is checked by playing files of other rates and channels.
TEST(WaveFile, SkipsFactChunksAndTakesTheNextChunkAsTheData) {
    WaveData w;
    const Bytes fact = chunk("fact", {9, 9, 9, 9});
    ASSERT_EQ(parseWave(riffWave({kFormat, fact, fact, chunk("data", kSamples)}), w),
              SoundError::None);
    EXPECT_EQ(w.samples, kSamples);
    EXPECT_EQ(w.format.blockAlign, 4);

    const Bytes list = {'I', 'N', 'F', 'O'};
    ASSERT_EQ(parseWave(riffWave({kFormat, chunk("LIST", list), chunk("data", kSamples)}), w),
              SoundError::None);
    EXPECT_EQ(w.samples, list);
}

TEST(WaveFile, RefusesOtherFilesAndCompressedSound) {
    WaveData w;
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
}

// Every size in the file is checked against its end; each buffer here is exactly as long as
// the file, so a read past it shows under the address sanitizer.
TEST(WaveFile, RefusesSizesThatPointPastTheEnd) {
    WaveData w;
    const Bytes good = riffWave({kFormat, chunk("fact", {0, 0, 0, 0}), chunk("data", kSamples)});
    for (std::size_t n = 0; n < good.size(); ++n) {
        EXPECT_EQ(parseWave(Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)), w),
                  SoundError::Format)
            << "cut to " << n << " bytes";
    }
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

}  // namespace
}  // namespace slyders::test
