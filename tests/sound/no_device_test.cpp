// Without any sound device the game runs on, silent.
#include <gtest/gtest.h>

#include "sound/game_sounds.h"
#include "sound/sound_log.h"
#include "sound_test_support.h"

namespace slyders::test {
namespace {

[[maybe_unused]] const bool kNoDevice = useSoundConfigForAllTests("no-such-driver");

TEST(NoSoundDevice, SwitchesSoundsOffAndTheGameGoesOnSilently) {
    std::vector<SoundLogEntry> log;
    setSoundLogSink([&](const SoundLogEntry& e) { log.push_back(e); });
    const std::filesystem::path folder = soundTempDir() / "sounds";
    writeBytes(folder / "begin.wav", levelWave(441, 1000));

    TInterface settings;
    GameSounds sounds(settings, folder);
    sounds.playWelcome();
    sounds.request(kSndBegin, 0, 0);
    EXPECT_TRUE(settings.int_snd == 0 && sounds.manager() == nullptr);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "DXsound could not be created");

    sounds.request(kSndBegin, 0, 0);
    EXPECT_EQ(log.size(), 1u) << "no second attempt once sounds are off";
    settings.int_snd = 1;
    sounds.closeDown();
    setSoundLogSink({});
}

}  // namespace
}  // namespace slyders::test
