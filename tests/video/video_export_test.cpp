#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "game/gra.h"
#include "replay/replay_store.h"
#include "sim/sim_game.h"
#include "sound/cdx_sound.h"
#include "sound/snd_man.h"
#include "test_support.h"
#include "video/video_export.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 320, kHeight = 180;  // the arena of 300 does not fit: drawn larger
constexpr double kBurstSeconds = 0.03;
constexpr double kTickSeconds = 0.013;  // the medium speed the simulator's games play at

// What a video file holds, read back through FFmpeg.
struct Decoded {
    int width = 0, height = 0;
    AVCodecID video = AV_CODEC_ID_NONE, audio = AV_CODEC_ID_NONE;
    int frames = 0;
    double seconds = 0.0;
    int sampleRate = 0;
    std::vector<float> loudness;  // per sample, the louder channel's magnitude
};

float sampleOf(const AVFrame* f, int channel, int i) {
    const auto fmt = AVSampleFormat(f->format);
    const int channels = f->ch_layout.nb_channels;
    if (fmt == AV_SAMPLE_FMT_FLTP) return reinterpret_cast<const float*>(f->data[channel])[i];
    if (fmt == AV_SAMPLE_FMT_FLT) return reinterpret_cast<const float*>(f->data[0])[i * channels + channel];
    if (fmt == AV_SAMPLE_FMT_S16) {
        return reinterpret_cast<const std::int16_t*>(f->data[0])[i * channels + channel] / 32768.0f;
    }
    ADD_FAILURE() << "sample format " << fmt;
    return 0.0f;
}

void take(Decoded& d, const AVCodecContext* c, const AVFrame* f) {
    if (c->codec_type == AVMEDIA_TYPE_VIDEO) {
        ++d.frames;
        return;
    }
    for (int i = 0; i < f->nb_samples; ++i) {
        float loud = 0.0f;
        for (int ch = 0; ch < f->ch_layout.nb_channels; ++ch)
            loud = std::max(loud, std::abs(sampleOf(f, ch, i)));
        d.loudness.push_back(loud);
    }
}

Decoded decode(const fs::path& file) {
    Decoded d;
    AVFormatContext* in = nullptr;
    if (avformat_open_input(&in, file.c_str(), nullptr, nullptr) < 0) {
        ADD_FAILURE() << "cannot open " << file;
        return d;
    }
    avformat_find_stream_info(in, nullptr);
    d.seconds = double(in->duration) / AV_TIME_BASE;
    std::vector<AVCodecContext*> decoders(in->nb_streams, nullptr);
    for (unsigned s = 0; s < in->nb_streams; ++s) {
        const AVCodecParameters* p = in->streams[s]->codecpar;
        if (p->codec_type == AVMEDIA_TYPE_VIDEO) {
            d.video = p->codec_id;
            d.width = p->width;
            d.height = p->height;
        } else if (p->codec_type == AVMEDIA_TYPE_AUDIO) {
            d.audio = p->codec_id;
            d.sampleRate = p->sample_rate;
        }
        decoders[s] = avcodec_alloc_context3(avcodec_find_decoder(p->codec_id));
        avcodec_parameters_to_context(decoders[s], p);
        avcodec_open2(decoders[s], nullptr, nullptr);
    }
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const auto drain = [&](AVCodecContext* c) {
        while (avcodec_receive_frame(c, frame) == 0) take(d, c, frame);
    };
    while (av_read_frame(in, packet) >= 0) {
        AVCodecContext* c = decoders[std::size_t(packet->stream_index)];
        if (avcodec_send_packet(c, packet) == 0) drain(c);
        av_packet_unref(packet);
    }
    for (AVCodecContext* c : decoders) {
        avcodec_send_packet(c, nullptr);
        drain(c);
        avcodec_free_context(&c);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&in);
    return d;
}

// Every sound of the game a short loud burst, so that each request is heard where it starts.
void writeBursts(const fs::path& folder) {
    constexpr int kRate = 44100;
    const int n = int(kRate * kBurstSeconds);
    for (const char* name : kSoundFiles) {
        std::vector<std::uint8_t> data;
        for (int i = 0; i < n; ++i) {
            const std::int16_t v = (i / 20) % 2 ? 29000 : -29000;
            data.push_back(std::uint8_t(v & 0xFF));
            data.push_back(std::uint8_t((v >> 8) & 0xFF));
        }
        const auto u32 = [](std::vector<std::uint8_t>& o, std::uint32_t v) {
            for (int b = 0; b < 4; ++b) o.push_back(std::uint8_t(v >> (8 * b)));
        };
        std::vector<std::uint8_t> f{'R', 'I', 'F', 'F'};
        u32(f, 36 + std::uint32_t(data.size()));
        for (char c : std::string("WAVEfmt ")) f.push_back(std::uint8_t(c));
        u32(f, 16);
        f.insert(f.end(), {1, 0, 1, 0});
        u32(f, kRate);
        u32(f, kRate * 2);
        f.insert(f.end(), {2, 0, 16, 0, 'd', 'a', 't', 'a'});
        u32(f, std::uint32_t(data.size()));
        f.insert(f.end(), data.begin(), data.end());
        FILE* out = std::fopen((folder / name).c_str(), "wb");
        std::fwrite(f.data(), 1, f.size(), out);
        std::fclose(out);
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
    EXPECT_EQ(std::tuple(d.video, d.audio, d.width, d.height, d.frames),
              std::tuple(AV_CODEC_ID_VP9, AV_CODEC_ID_OPUS, kWidth, kHeight, 165));
    EXPECT_NEAR(d.seconds, 5.5, 0.05);
    ASSERT_EQ(d.sampleRate, 48000);
    EXPECT_NEAR(double(d.loudness.size()) / d.sampleRate, 5.5, 0.05);

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
    const auto near = [](const std::vector<double>& v, double t) {
        return std::any_of(v.begin(), v.end(), [t](double x) { return std::abs(x - t) < 0.02; });
    };
    for (double t : expected) EXPECT_TRUE(near(onsets, t)) << "no sound heard at " << t;
    for (double t : onsets) {
        EXPECT_TRUE(near(expected, t) || std::any_of(expected.begin(), expected.end(),
                                                     [t](double x) { return t > x && t < x + 2 * kBurstSeconds; }))
            << "a sound nobody asked for at " << t;
    }
}

TEST_F(VideoExport, EachFormatHasItsCodecsAndAGifNoSound) {
    options.from = 0.5;
    options.to = 1.5;
    for (const auto& [name, video, audio, frames] :
         {std::tuple("a.mp4", AV_CODEC_ID_H264, AV_CODEC_ID_AAC, 30),
          std::tuple("a.gif", AV_CODEC_ID_GIF, AV_CODEC_ID_NONE, 20)}) {
        const VideoResult result = exportVideo(replay, dir.path / name, options, text);
        ASSERT_TRUE(result.ok) << name << ": " << result.error;
        const Decoded d = decode(dir.path / name);
        EXPECT_EQ(std::tuple(d.video, d.audio, d.width, d.height, d.frames),
                  std::tuple(video, audio, kWidth, kHeight, frames))
            << name;
    }
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

    const auto refused = [&](const fs::path& file, VideoOptions o) {
        const VideoResult r = exportVideo(replay, file, o, text);
        EXPECT_FALSE(r.ok || r.cancelled);
        return r.error;
    };
    EXPECT_NE(refused(dir.path / "none" / "a.webm", options).find("there is no folder"),
              std::string::npos);
    EXPECT_NE(refused(dir.path / "a.avi", options).find(".webm, .mp4 or .gif"), std::string::npos);
    fs::create_directories(dir.path / "busy.mp4.part");  // where the video is written first
    EXPECT_NE(refused(dir.path / "busy.mp4", options).find("Cannot write"), std::string::npos);
    fs::remove(dir.path / "busy.mp4.part");
    VideoOptions late = options;
    late.from = 600.0;
    EXPECT_NE(refused(dir.path / "late.webm", late).find("Nothing to export"), std::string::npos);
    VideoOptions longGif = options;
    longGif.to = 40.0;
    EXPECT_NE(refused(dir.path / "long.gif", longGif).find("at most 30 s"), std::string::npos);
    VideoOptions odd = options;
    odd.width = 321;
    EXPECT_NE(refused(dir.path / "odd.webm", odd).find("even"), std::string::npos);

    std::vector<fs::path> left;
    for (const auto& e : fs::directory_iterator(dir.path)) {
        if (e.path().filename() != "sounds") left.push_back(e.path().filename());
    }
    EXPECT_TRUE(left.empty()) << left.front();
}

// The command line: a part of the replay at a size, and a clear word for a file it cannot write.
TEST_F(VideoExport, TheSimulatorExportsAndSaysWhyItCannot) {
    std::string error;
    const fs::path file = dir.path / "game.slyrep";
    ASSERT_TRUE(writeReplayFile(file, replay, error)) << error;
    const std::string sim = "'" SLYDERS_SIM_PATH "' --replay '" + file.string() + "' --video '";
    const test::CommandRun made =
        test::runCommand(sim + (dir.path / "a.mp4").string() + "' --from 1 --to 2 --size 320x180");
    EXPECT_EQ(made.status, 0);
    EXPECT_NE(made.output.find("\"frames\":30,\"seconds\":1.000"), std::string::npos) << made.output;
    EXPECT_EQ(decode(dir.path / "a.mp4").width, 320);
    const test::CommandRun refused =
        test::runCommand(sim + (dir.path / "none" / "a.webm").string() + "' 2>&1");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("there is no folder"), std::string::npos) << refused.output;
}

}  // namespace
}  // namespace slyders
