#include "video/video_encoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace slyders {

namespace {

constexpr int kVideoFps = 30;
constexpr int kGifFps = 20;  // a GIF counts in hundredths of a second: 5 each
constexpr int kKeyframeSeconds = 4;
constexpr int kThreads = 2;
constexpr std::int64_t kOpusBitRate = 128000;
constexpr std::int64_t kAacBitRate = 160000;
constexpr int kPaletteSize = 256;
// The GIF palette: 6 levels of red, 7 of green, 6 of blue (252 colours); what the eye tells
// apart best gets the most levels.
constexpr int kRedLevels = 6, kGreenLevels = 7, kBlueLevels = 6;
constexpr int kLutBits = 5;  // the palette is looked up by the top 5 bits of each channel
constexpr int kLutSide = 1 << kLutBits;
constexpr std::uint32_t kOpaque = 0xFF000000u;

std::string ffmpegText(int code) {
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return text.data();
}

struct Codecs {
    const char* muxer;
    const char* video;
    const char* audio;  // null: no sound
};

Codecs codecsOf(VideoFormat f) {
    switch (f) {
        case VideoFormat::WebM:
            return {"webm", "libvpx-vp9", "libopus"};
        case VideoFormat::Mp4:
            return {"mp4", "libx264", "aac"};
        case VideoFormat::Gif:
            break;
    }
    return {"gif", "gif", nullptr};
}

// The fast settings of each encoder: a game's picture is flat colours and thin lines, and a
// minute of it must encode in a fraction of a minute on two cores.
void chooseSpeed(AVCodecContext* c, VideoFormat f) {
    if (f == VideoFormat::Mp4) {
        av_opt_set(c->priv_data, "preset", "ultrafast", 0);
        av_opt_set(c->priv_data, "crf", "23", 0);
    } else if (f == VideoFormat::WebM) {
        av_opt_set(c->priv_data, "deadline", "realtime", 0);
        av_opt_set(c->priv_data, "cpu-used", "8", 0);
        av_opt_set(c->priv_data, "row-mt", "1", 0);
        av_opt_set(c->priv_data, "tile-columns", "2", 0);
        av_opt_set(c->priv_data, "lag-in-frames", "0", 0);
        av_opt_set(c->priv_data, "crf", "32", 0);
        c->bit_rate = 0;
    }
}

std::uint32_t paletteColour(int i) {
    const int r = i / (kGreenLevels * kBlueLevels), g = i / kBlueLevels % kGreenLevels,
              b = i % kBlueLevels;
    const auto level = [](int v, int levels) { return std::uint32_t(v * 255 / (levels - 1)); };
    return kOpaque | level(r, kRedLevels) << 16 | level(g, kGreenLevels) << 8 |
           level(b, kBlueLevels);
}

int nearestLevel(int value, int levels) {
    return (value * (levels - 1) + 127) / 255;
}

// Float samples, interleaved if the encoder takes them so (Opus), else planar (AAC).
AVSampleFormat sampleFormatFor(const AVCodec* codec) {
    const AVSampleFormat* formats = codec->sample_fmts;
    if (!formats) return AV_SAMPLE_FMT_FLTP;
    for (const AVSampleFormat* f = formats; *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLT) return *f;
    }
    return formats[0];
}

}  // namespace

std::optional<VideoFormat> videoFormatFor(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return char(std::tolower(ch)); });
    if (ext == ".webm") return VideoFormat::WebM;
    if (ext == ".mp4") return VideoFormat::Mp4;
    if (ext == ".gif") return VideoFormat::Gif;
    return std::nullopt;
}

int framesPerSecond(VideoFormat format) {
    return format == VideoFormat::Gif ? kGifFps : kVideoFps;
}

bool hasSound(VideoFormat format) {
    return format != VideoFormat::Gif;
}

struct VideoEncoder::Impl {
    ~Impl() {
        sws_freeContext(scaler);
        swr_free(&resampler);
        for (AVFrame*& f : pictures) av_frame_free(&f);
        av_frame_free(&scaled);
        av_frame_free(&sound);
        av_packet_free(&packet);
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (muxer) {
            if (muxer->pb) avio_closep(&muxer->pb);
            avformat_free_context(muxer);
        }
    }

    AVCodecContext* openCodec(const char* name, AVStream*& stream, std::string& error);
    bool openVideo(const Codecs& codecs, int width, int height, std::string& error);
    bool openAudio(const Codecs& codecs, std::string& error);
    bool send(AVCodecContext* c, AVStream* s, AVFrame* f, std::string& error);
    AVFrame* freePicture();
    bool scale(const PixelBuffer& from, std::string& error);
    void toPalette();
    bool flushSound(bool last, std::string& error);

    VideoFormat format = VideoFormat::WebM;
    AVFormatContext* muxer = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    // Pictures in the encoder's own pixel format: the encoder keeps a few of them for a while,
    // and one it has let go of is written again instead of copied or made anew.
    std::vector<AVFrame*> pictures;
    AVFrame* picture = nullptr;  // the one being filled
    AVFrame* scaled = nullptr;   // a GIF's picture before it takes the palette
    AVFrame* sound = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    int sourceWidth = 0, sourceHeight = 0;
    std::int64_t nextPicture = 0, nextSample = 0;
    std::vector<float> pending;  // samples not yet a whole encoder frame, left, right
    std::vector<std::uint8_t> lut;  // GIF: 15-bit colour to palette index
    bool headerWritten = false;
};

AVCodecContext* VideoEncoder::Impl::openCodec(const char* name, AVStream*& stream,
                                              std::string& error) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (!codec) {
        error = std::string("FFmpeg on this machine has no ") + name + " encoder.";
        return nullptr;
    }
    stream = avformat_new_stream(muxer, nullptr);
    AVCodecContext* c = avcodec_alloc_context3(codec);
    if (!stream || !c) {
        error = "Out of memory.";
        avcodec_free_context(&c);
        return nullptr;
    }
    if (muxer->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return c;
}

bool VideoEncoder::Impl::openVideo(const Codecs& codecs, int width, int height,
                                   std::string& error) {
    video = openCodec(codecs.video, videoStream, error);
    if (!video) return false;
    const int fps = framesPerSecond(format);
    video->width = width;
    video->height = height;
    video->time_base = AVRational{1, fps};
    video->framerate = AVRational{fps, 1};
    video->gop_size = fps * kKeyframeSeconds;
    video->pix_fmt = format == VideoFormat::Gif ? AV_PIX_FMT_PAL8 : AV_PIX_FMT_YUV420P;
    video->thread_count = kThreads;
    chooseSpeed(video, format);
    if (const int e = avcodec_open2(video, video->codec, nullptr); e < 0) {
        error = std::string("The ") + codecs.video + " encoder refused the video: " + ffmpegText(e);
        return false;
    }
    avcodec_parameters_from_context(videoStream->codecpar, video);
    videoStream->time_base = video->time_base;
    if (!freePicture()) return (error = "Out of memory.", false);
    if (format != VideoFormat::Gif) return true;
    scaled = av_frame_alloc();
    scaled->format = AV_PIX_FMT_BGRA;
    scaled->width = width;
    scaled->height = height;
    if (av_frame_get_buffer(scaled, 0) < 0) return (error = "Out of memory.", false);
    lut.resize(std::size_t(kLutSide) * kLutSide * kLutSide);
    for (int r = 0; r < kLutSide; ++r) {
        for (int g = 0; g < kLutSide; ++g) {
            for (int b = 0; b < kLutSide; ++b) {
                const auto full = [](int v) { return v * 255 / (kLutSide - 1); };
                const int index = (nearestLevel(full(r), kRedLevels) * kGreenLevels +
                                   nearestLevel(full(g), kGreenLevels)) * kBlueLevels +
                                  nearestLevel(full(b), kBlueLevels);
                lut[std::size_t((r * kLutSide + g) * kLutSide + b)] = std::uint8_t(index);
            }
        }
    }
    return true;
}

bool VideoEncoder::Impl::openAudio(const Codecs& codecs, std::string& error) {
    audio = openCodec(codecs.audio, audioStream, error);
    if (!audio) return false;
    audio->sample_rate = kRate;
    av_channel_layout_default(&audio->ch_layout, 2);
    audio->sample_fmt = sampleFormatFor(audio->codec);
    audio->bit_rate = format == VideoFormat::Mp4 ? kAacBitRate : kOpusBitRate;
    audio->time_base = AVRational{1, kRate};
    if (const int e = avcodec_open2(audio, audio->codec, nullptr); e < 0) {
        error = std::string("The ") + codecs.audio + " encoder refused the sound: " + ffmpegText(e);
        return false;
    }
    avcodec_parameters_from_context(audioStream->codecpar, audio);
    audioStream->time_base = audio->time_base;
    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    if (swr_alloc_set_opts2(&resampler, &audio->ch_layout, audio->sample_fmt, kRate, &stereo,
                            AV_SAMPLE_FMT_FLT, kRate, 0, nullptr) < 0 ||
        swr_init(resampler) < 0) {
        error = "The sound cannot be converted for the encoder.";
        return false;
    }
    sound = av_frame_alloc();
    sound->format = audio->sample_fmt;
    av_channel_layout_copy(&sound->ch_layout, &audio->ch_layout);
    sound->sample_rate = kRate;
    sound->nb_samples = audio->frame_size > 0 ? audio->frame_size : 1024;
    if (av_frame_get_buffer(sound, 0) < 0) return (error = "Out of memory.", false);
    return true;
}

bool VideoEncoder::Impl::send(AVCodecContext* c, AVStream* s, AVFrame* f, std::string& error) {
    if (const int e = avcodec_send_frame(c, f); e < 0) {
        error = "The encoder stopped: " + ffmpegText(e);
        return false;
    }
    for (;;) {
        const int e = avcodec_receive_packet(c, packet);
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF) return true;
        if (e < 0) {
            error = "The encoder stopped: " + ffmpegText(e);
            return false;
        }
        av_packet_rescale_ts(packet, c->time_base, s->time_base);
        packet->stream_index = s->index;
        if (const int w = av_interleaved_write_frame(muxer, packet); w < 0) {
            error = "The video file cannot be written: " + ffmpegText(w);
            return false;
        }
    }
}

AVFrame* VideoEncoder::Impl::freePicture() {
    for (AVFrame* f : pictures) {
        if (av_frame_is_writable(f)) return picture = f;
    }
    AVFrame* f = av_frame_alloc();
    if (!f) return nullptr;
    pictures.push_back(f);
    f->format = video->pix_fmt;
    f->width = video->width;
    f->height = video->height;
    if (av_frame_get_buffer(f, 0) < 0) return nullptr;
    return picture = f;
}

bool VideoEncoder::Impl::scale(const PixelBuffer& from, std::string& error) {
    if (!scaler || from.width() != sourceWidth || from.height() != sourceHeight) {
        sws_freeContext(scaler);
        sourceWidth = from.width();
        sourceHeight = from.height();
        AVFrame* target = scaled ? scaled : picture;
        scaler = sws_getContext(sourceWidth, sourceHeight, AV_PIX_FMT_BGRA, target->width,
                                target->height, AVPixelFormat(target->format), SWS_FAST_BILINEAR,
                                nullptr, nullptr, nullptr);
        if (!scaler) return (error = "The picture cannot be scaled to the video's size.", false);
    }
    if (!freePicture() || (scaled && av_frame_make_writable(scaled) < 0)) {
        return (error = "Out of memory.", false);
    }
    // 0xFFRRGGBB in memory order is blue, green, red, alpha.
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(from.data());
    const int stride = from.stride() * int(sizeof(std::uint32_t));
    AVFrame* target = scaled ? scaled : picture;
    sws_scale(scaler, &pixels, &stride, 0, sourceHeight, target->data, target->linesize);
    if (scaled) toPalette();
    return true;
}

void VideoEncoder::Impl::toPalette() {
    auto* palette = reinterpret_cast<std::uint32_t*>(picture->data[1]);
    for (int i = 0; i < kPaletteSize; ++i) {
        palette[i] = i < kRedLevels * kGreenLevels * kBlueLevels ? paletteColour(i) : kOpaque;
    }
    constexpr int kDrop = 8 - kLutBits;
    for (int y = 0; y < picture->height; ++y) {
        const std::uint8_t* in = scaled->data[0] + std::ptrdiff_t(y) * scaled->linesize[0];
        std::uint8_t* out = picture->data[0] + std::ptrdiff_t(y) * picture->linesize[0];
        for (int x = 0; x < picture->width; ++x, in += 4) {
            out[x] = lut[std::size_t(((in[2] >> kDrop) * kLutSide + (in[1] >> kDrop)) * kLutSide +
                                     (in[0] >> kDrop))];
        }
    }
}

// Whole encoder frames from the samples gathered; the last call sends the rest too.
bool VideoEncoder::Impl::flushSound(bool last, std::string& error) {
    const int size = sound->nb_samples;
    std::size_t used = 0;
    const std::size_t have = pending.size() / 2;
    while (have - used >= std::size_t(size) || (last && have > used)) {
        const int n = int(std::min<std::size_t>(size, have - used));
        if (av_frame_make_writable(sound) < 0) return (error = "Out of memory.", false);
        const auto* in = reinterpret_cast<const std::uint8_t*>(pending.data() + used * 2);
        sound->nb_samples = n;
        if (swr_convert(resampler, sound->data, n, &in, n) < 0) {
            return (error = "The sound cannot be converted for the encoder.", false);
        }
        sound->pts = nextSample;
        nextSample += n;
        used += std::size_t(n);
        if (!send(audio, audioStream, sound, error)) return false;
        sound->nb_samples = size;
    }
    pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(used * 2));
    return true;
}

VideoEncoder::VideoEncoder() = default;

VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::open(const std::filesystem::path& file, VideoFormat format, int width,
                        int height) {
    av_log_set_level(AV_LOG_ERROR);  // the libraries' chatter stays off the player's terminal
    m_impl = std::make_unique<Impl>();
    Impl& m = *m_impl;
    m.format = format;
    const Codecs codecs = codecsOf(format);
    const std::string name = file.string();
    if (avformat_alloc_output_context2(&m.muxer, nullptr, codecs.muxer, name.c_str()) < 0) {
        return (m_error = std::string("FFmpeg on this machine cannot write ") + codecs.muxer +
                          " files.", false);
    }
    m.packet = av_packet_alloc();
    if (!m.openVideo(codecs, width, height, m_error)) return false;
    if (codecs.audio && !m.openAudio(codecs, m_error)) return false;
    if (const int e = avio_open(&m.muxer->pb, name.c_str(), AVIO_FLAG_WRITE); e < 0) {
        return (m_error = "Cannot write " + name + ": " + ffmpegText(e), false);
    }
    AVDictionary* options = nullptr;
    // An MP4 that a player can start before it has read the whole file.
    if (format == VideoFormat::Mp4) av_dict_set(&options, "movflags", "+faststart", 0);
    const int e = avformat_write_header(m.muxer, &options);
    av_dict_free(&options);
    if (e < 0) return (m_error = "Cannot write " + name + ": " + ffmpegText(e), false);
    m.headerWritten = true;
    return true;
}

bool VideoEncoder::addPicture(const PixelBuffer& picture) {
    Impl& m = *m_impl;
    if (!m.scale(picture, m_error)) return false;
    m.picture->pts = m.nextPicture++;
    return m.send(m.video, m.videoStream, m.picture, m_error);
}

bool VideoEncoder::addSound(const float* stereo, int frames) {
    Impl& m = *m_impl;
    if (!m.audio) return true;
    m.pending.insert(m.pending.end(), stereo, stereo + std::size_t(frames) * 2);
    return m.flushSound(false, m_error);
}

bool VideoEncoder::finish() {
    Impl& m = *m_impl;
    if (m.audio && (!m.flushSound(true, m_error) || !m.send(m.audio, m.audioStream, nullptr, m_error)))
        return false;
    if (!m.send(m.video, m.videoStream, nullptr, m_error)) return false;
    if (const int e = av_write_trailer(m.muxer); e < 0) {
        return (m_error = "The video file cannot be written: " + ffmpegText(e), false);
    }
    if (const int e = avio_closep(&m.muxer->pb); e < 0) {
        return (m_error = "The video file cannot be written: " + ffmpegText(e), false);
    }
    return true;
}

long long VideoEncoder::pictures() const {
    return m_impl ? m_impl->nextPicture : 0;
}

}  // namespace slyders
