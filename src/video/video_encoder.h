#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "game/pixel_buffer.h"

namespace slyders {

// The kinds of video a replay is exported to, told by the file name's extension.
enum class VideoFormat {
    WebM,  // VP9 with Opus
    Mp4,   // H.264 with AAC
    Gif,   // an animated picture without sound, for short clips
};
std::optional<VideoFormat> videoFormatFor(const std::filesystem::path& file);
int framesPerSecond(VideoFormat format);
bool hasSound(VideoFormat format);

// Writes a video file through FFmpeg's libraries: pictures of the window (any size, scaled to
// the video's), and for the formats with sound a stereo track of kRate samples a second.
class VideoEncoder {
public:
    static constexpr int kRate = 48000;

    VideoEncoder();
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Creates the file; false with the reason in error().
    bool open(const std::filesystem::path& file, VideoFormat format, int width, int height);
    // The next picture, shown for 1 / framesPerSecond seconds.
    bool addPicture(const PixelBuffer& picture);
    // The next samples of the track, as left, right pairs.
    bool addSound(const float* stereo, int frames);
    // Flushes the encoders and closes the file.
    bool finish();

    const std::string& error() const { return m_error; }
    long long pictures() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::string m_error;
};

}  // namespace slyders
