// Every sound device this test program opens records into a temporary wave file.
#include <gtest/gtest.h>

#include "sound_test_support.h"

namespace {

class WaveWriter : public testing::Environment {
public:
    void SetUp() override { slyders::test::useSoundConfig("wave"); }
    void TearDown() override { std::filesystem::remove_all(slyders::test::soundTempDir()); }
};

[[maybe_unused]] const testing::Environment* const kWaveWriter =
    testing::AddGlobalTestEnvironment(new WaveWriter);

}  // namespace
