#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game/text_renderer.h"
#include "video/video_export.h"

namespace slyders {

// The game's own files (sounds/, "logo_sq.bmp") beside the program, or where an installed
// game keeps them; none when neither holds them.
std::optional<std::filesystem::path> gameDataFolder(const std::filesystem::path& programFolder);

// The command line's export: reads the replay, writes the video with a progress line on a
// terminal (stderr), then one JSON line on stdout: {"video","frames","seconds",
// "wall_seconds","speed"} (speed: seconds of video per second of work). Returns the exit
// code: 0 made, 1 failed, 2 the replay could not be read.
int runVideoCommand(const std::filesystem::path& replayFile, const std::filesystem::path& out,
                    const VideoOptions& options, TextRenderer& text);

}  // namespace slyders
