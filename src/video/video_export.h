#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/text_renderer.h"
#include "replay/replay.h"
#include "video/video_encoder.h"

namespace slyders {

// What part of a replay becomes a video, and how it looks.
struct VideoOptions {
    double from = 0.0;         // seconds from the game's start, at the pace it was played
    std::optional<double> to;  // none: to the end, with the last picture held a moment
    int width = 1280, height = 720;
    std::filesystem::path soundFolder;  // the game's sounds/; empty: a silent track
    std::string logoFile;               // the window picture's logo; empty: none
    std::string backgroundFile;         // the player's own background; empty: the game's
};

constexpr int kMinVideoWidth = 160, kMinVideoHeight = 120;
constexpr int kMaxVideoWidth = 7680, kMaxVideoHeight = 4320;
// The last picture stays this long after the game's end, so its last sounds ring out.
constexpr double kEndHoldSeconds = 2.0;
// A GIF is for short clips: without a `to` it ends this long after `from`.
constexpr double kMaxGifSeconds = 30.0;

// Why this file name and these options cannot make a video, if they cannot.
std::optional<std::string> videoRequestError(const std::filesystem::path& out,
                                             const VideoOptions& options);

// "WxH" as a size; false when it is not one.
bool parseVideoSize(const std::string& text, int& width, int& height);

// Told how far the export has come, 0 .. 1; returning false cancels it.
using VideoProgress = std::function<bool(double fraction)>;

struct VideoResult {
    bool ok = false;
    bool cancelled = false;  // the file was not made
    std::string error;       // for the player, when it failed
    long long frames = 0;
    double seconds = 0.0;  // the video's length
};

// Plays the replay without a window, the window picture drawn as a window of the asked size
// draws it (a larger one scaled down when the arena does not fit), and writes the part asked
// for with the game's sounds into `out`, whose extension gives the format. A failed or
// cancelled export leaves no file behind; an existing file is replaced only on success.
VideoResult exportVideo(const Replay& replay, const std::filesystem::path& out,
                        const VideoOptions& options, TextRenderer& text,
                        const VideoProgress& progress = {});

// The seconds between two ticks at the window's pace for a speed level; a group of 20 ticks
// takes 19 of them, the first tick of a group following the last of the one before at once.
double tickPeriodSeconds(int speedLevel, bool fastFinish);

}  // namespace slyders
