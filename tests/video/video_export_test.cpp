// Videos of replays: the game's sounds mixed as the sound device plays them, and whole exports
// decoded back with FFmpeg's own programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

#include "game/gra.h"
#include "game/sound_requests.h"
#include "replay/replay_store.h"
#include "sim/sim_game.h"
#include "sound/cdx_sound.h"
#include "sound/snd_man.h"
#include "test_support.h"
#include "video/sound_mix.h"
#include "video/video_export.h"
#include "wave_bytes.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 320, kHeight = 180;  // the arena of 300 does not fit: drawn larger
constexpr double kBurstSeconds = 0.03;
constexpr double kTickSeconds = 0.013;  // the medium speed the simulator's games play at

// What a video file holds, read back by FFmpeg's own programs.
struct Decoded {
    std::string video, audio;  // "codec,width,height,frames" and "codec,sample rate"; "" if none
    double seconds = 0.0;
    std::vector<float> loudness;  // per sample, the louder channel's magnitude
};

// What ffprobe tells of the file's streams or format, as comma-separated values.
std::string probed(const fs::path& file, const std::string& asked) {
    const test::CommandRun probe =
        test::runCommand("ffprobe -v error -of csv=p=0 " + asked + " '" + file.string() + "'");
    EXPECT_EQ(probe.status, 0) << file;
    return probe.output.substr(0, probe.output.find('\n'));
}

Decoded decode(const fs::path& file) {
    Decoded d{probed(file, "-count_frames -select_streams v -show_entries "
                           "stream=codec_name,width,height,nb_read_frames"),
              probed(file, "-select_streams a -show_entries stream=codec_name,sample_rate"),
              std::stod(probed(file, "-show_entries format=duration"))};
    if (d.audio.empty()) return d;
    const std::string samples =
        test::runCommand("ffmpeg -v error -i '" + file.string() + "' -map 0:a -ac 2 -f f32le -")
            .output;
    std::vector<float> both(samples.size() / sizeof(float));
    std::memcpy(both.data(), samples.data(), both.size() * sizeof(float));
    for (std::size_t i = 0; i + 1 < both.size(); i += 2)
        d.loudness.push_back(std::max(std::abs(both[i]), std::abs(both[i + 1])));
    return d;
}

// Every sound of the game a short loud burst, so that each request is heard where it starts.
void writeBursts(const fs::path& folder) {
    constexpr int kRate = 44100;
    test::Bytes data;
    for (int i = 0; i < int(kRate * kBurstSeconds); ++i)
        test::put16(data, std::uint16_t((i / 20) % 2 ? 29000 : -29000));
    const test::Bytes f = test::riffWave(
        {test::chunk("fmt ", test::formatBody(1, 1, kRate, 16)), test::chunk("data", data)});
    for (const char* name : kSoundFiles) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(f.data()), std::streamsize(f.size()));
    }
}

// The game's sound requests by tick while it plays the replay without a window.
struct HeardAt final : SoundRequests {
    void request(int, int volume, int pan) override {
        const ChannelGains g = panGains(deviceVolume(volume, systemWaveOutVolume()), pan);
        if (std::max(g.left, g.right) > 0.1f) ticks.push_back(gra->tick);
        fastFinish = fastFinish || gra->fastFinish;
    }
    const Gra* gra = nullptr;
    std::vector<std::int32_t> ticks;
    bool fastFinish = false;
};

class VideoExport : public ::testing::Test {
protected:
    void SetUp() override {
        SimGame sim({.seed = 4, .arenaSide = 300, .demo = true, .tickCap = 1500}, text);
        sim.play(0, &replay);
        fs::create_directories(sounds);
        writeBursts(sounds);
        options.soundFolder = sounds;
        options.width = kWidth;
        options.height = kHeight;
    }

    test::TempFolder dir;
    fs::path sounds = dir.path / "sounds";
    test::BlockText text;
    Replay replay;
    VideoOptions options;
};

TEST_F(VideoExport, APartHasItsLengthFramesSizeAndTheGamesSoundsWhereTheyHappen) {
    options.from = 3.5;
    options.to = 9.0;
    const fs::path out = dir.path / "part.webm";
    const VideoResult result = exportVideo(replay, out, options, text);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.frames, 165);
    const Decoded d = decode(out);
    EXPECT_EQ(d.video, "vp9,320,180,165");
    ASSERT_EQ(d.audio, "opus,48000");
    EXPECT_NEAR(d.seconds, 5.5, 0.05);
    EXPECT_NEAR(double(d.loudness.size()) / 48000, 5.5, 0.05);

    // When the game asks for its sounds, at its pace: 20 ticks in 19 periods.
    HeardAt heard;
    SimGame sim({.arenaSide = 300}, text, &heard);
    heard.gra = &sim.gra();
    sim.playReplay(replay);
    std::vector<double> expected;
    for (const std::int32_t tick : heard.ticks) {
        const int n = std::max(0, tick - 1);
        const double t = (n - n / 20) * kTickSeconds - options.from;
        if (t >= 0.0 && t < 5.5 - kBurstSeconds) expected.push_back(t);
    }
    ASSERT_FALSE(heard.fastFinish);
    ASSERT_GE(expected.size(), 3u) << "too few sounds in the part to tell";

    // The loud moments of the track start where the sounds were asked for.
    std::vector<double> onsets;
    bool loud = false;
    for (std::size_t i = 0; i < d.loudness.size(); ++i) {
        const bool now = d.loudness[i] > 0.2f;
        if (now && !loud && (onsets.empty() || double(i) / 48000 - onsets.back() > 2 * kBurstSeconds))
            onsets.push_back(double(i) / 48000);
        loud = now || (loud && d.loudness[i] > 0.02f);
    }
    // Some moment of v lies less than 20 ms after t, or less than `after` before it.
    const auto near = [](const std::vector<double>& v, double t, double after) {
        return std::any_of(v.begin(), v.end(), [&](double x) { return t > x - 0.02 && t < x + after; });
    };
    for (double t : expected) EXPECT_TRUE(near(onsets, t, 0.02)) << "no sound heard at " << t;
    for (double t : onsets)
        EXPECT_TRUE(near(expected, t, 2 * kBurstSeconds)) << "a sound nobody asked for at " << t;
}

// Each format has its codecs and a GIF no sound; the command line exports a part of the
// replay at a size, and says clearly why it cannot write a file.
TEST_F(VideoExport, EachFormatHasItsCodecsAndTheSimulatorExportsOrSaysWhyNot) {
    options.from = 0.5;
    options.to = 1.5;
    const VideoResult gif = exportVideo(replay, dir.path / "a.gif", options, text);
    ASSERT_TRUE(gif.ok) << gif.error;
    const Decoded g = decode(dir.path / "a.gif");
    EXPECT_EQ(g.video, "gif,320,180,20");
    EXPECT_EQ(g.audio, "");

    std::string error;
    const fs::path file = dir.path / "game.slyrep";
    ASSERT_TRUE(writeReplayFile(file, replay, error)) << error;
    const std::string sim = "'" SLYDERS_SIM_PATH "' --replay '" + file.string() + "' --video '";
    const test::CommandRun made =
        test::runCommand(sim + (dir.path / "a.mp4").string() + "' --from 1 --to 2 --size 320x180");
    EXPECT_EQ(made.status, 0);
    EXPECT_NE(made.output.find("\"frames\":30,\"seconds\":1.000"), std::string::npos) << made.output;
    const Decoded m = decode(dir.path / "a.mp4");
    EXPECT_EQ(m.video, "h264,320,180,30");
    EXPECT_EQ(m.audio, "aac,48000");
    const test::CommandRun refused =
        test::runCommand(sim + (dir.path / "none" / "a.webm").string() + "' 2>&1");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("there is no folder"), std::string::npos) << refused.output;

    // The whole game: to its last tick and a moment after it.
    options.from = 0.0;
    options.to.reset();
    const VideoResult whole = exportVideo(replay, dir.path / "whole.mp4", options, text);
    ASSERT_TRUE(whole.ok) << whole.error;
    const int n = replay.endTick - 1;
    EXPECT_NEAR(whole.seconds, (n - n / 20) * kTickSeconds + kEndHoldSeconds, 0.04);
}

TEST_F(VideoExport, CancelledOrRefusedExportsLeaveNoFile) {
    int calls = 0;
    const fs::path out = dir.path / "cancelled.webm";
    const VideoResult cancelled =
        exportVideo(replay, out, options, text, [&calls](double) { return ++calls < 5; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(calls, 5);

    // Each refusal says why, with the options changed as given.
    const auto refused = [&](const fs::path& file, const std::string& why,
                             void (*change)(VideoOptions&) = [](VideoOptions&) {}) {
        VideoOptions o = options;
        change(o);
        const VideoResult r = exportVideo(replay, dir.path / file, o, text);
        EXPECT_FALSE(r.ok || r.cancelled) << file;
        EXPECT_NE(r.error.find(why), std::string::npos) << file << ": " << r.error;
    };
    refused(fs::path("none") / "a.webm", "there is no folder");
    refused("a.avi", ".webm, .mp4 or .gif");
    fs::create_directories(dir.path / "busy.mp4.part");  // where the video is written first
    refused("busy.mp4", "Cannot write");
    fs::remove(dir.path / "busy.mp4.part");
    refused("late.webm", "Nothing to export", [](VideoOptions& o) { o.from = 600.0; });
    refused("long.gif", "at most 30 s", [](VideoOptions& o) { o.to = 40.0; });
    refused("odd.webm", "even", [](VideoOptions& o) { o.width = 321; });

    std::vector<fs::path> left;
    for (const auto& e : fs::directory_iterator(dir.path)) {
        if (e.path().filename() != "sounds") left.push_back(e.path().filename());
    }
    EXPECT_TRUE(left.empty()) << left.front();
}

constexpr int kMixRate = SoundMix::kRate;

// One second of a constant level, mono, 16 bits at the track's rate.
WaveData steadySound(std::int16_t level, int rate = kMixRate) {
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
    mix.mix(std::llround(seconds * kMixRate), 1, out);
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
    mix.mix(kMixRate, kMixRate / 50, out);  // the 20 ms of the tone
    for (float s : out) loudest = std::max(loudest, std::abs(s));
    EXPECT_NEAR(loudest, 0.3f, 0.01f);
    EXPECT_EQ(at(mix, 1.03).first, 0.0f);

    const std::uint8_t quiet = 128, top = 255;
    EXPECT_EQ(waveSample(&quiet, 1), 0.0f);
    EXPECT_NEAR(waveSample(&top, 1), 1.0f, 0.01f);
}

}  // namespace
}  // namespace slyders
