#include "video/video_command.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <system_error>

#include "replay/replay_store.h"

namespace slyders {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInstalledData = "../share/slyders";
constexpr int kPercent = 100;

bool holdsData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "sounds", ec) || fs::is_regular_file(folder / "logo_sq.bmp", ec);
}

// A line that rewrites itself on a terminal, once per percent; nothing when stderr is a file.
class ProgressLine {
public:
    ProgressLine() : m_terminal(::isatty(STDERR_FILENO) == 1) {}
    bool show(double fraction) {
        const int percent = static_cast<int>(fraction * kPercent);
        if (m_terminal && percent != m_shown) {
            std::fprintf(stderr, "\rExporting video: %3d%%", percent);
            std::fflush(stderr);
            m_shown = percent;
        }
        return true;
    }
    void close() {
        if (m_terminal && m_shown >= 0) std::fputc('\n', stderr);
    }

private:
    bool m_terminal;
    int m_shown = -1;
};

}  // namespace

std::optional<fs::path> gameDataFolder(const fs::path& programFolder) {
    if (holdsData(programFolder)) return programFolder;
    const fs::path installed = (programFolder / kInstalledData).lexically_normal();
    if (holdsData(installed)) return installed;
    return std::nullopt;
}

int runVideoCommand(const fs::path& replayFile, const fs::path& out, const VideoOptions& options,
                    TextRenderer& text) {
    std::string error;
    const std::optional<Replay> replay = loadReplayFile(replayFile, error);
    if (!replay) {
        std::fprintf(stderr, "slyders-sim: %s: %s\n", replayFile.string().c_str(), error.c_str());
        return 2;
    }
    ProgressLine line;
    const auto start = std::chrono::steady_clock::now();
    const VideoResult result = exportVideo(*replay, out, options, text,
                                           [&line](double fraction) { return line.show(fraction); });
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    line.close();
    if (!result.ok) {
        std::fprintf(stderr, "slyders-sim: %s\n", result.error.c_str());
        return 1;
    }
    std::printf("{\"video\":\"%s\",\"frames\":%lld,\"seconds\":%.3f,\"wall_seconds\":%.3f,"
                "\"speed\":%.2f}\n",
                out.string().c_str(), result.frames, result.seconds, wall.count(),
                wall.count() > 0 ? result.seconds / wall.count() : 0.0);
    return 0;
}

}  // namespace slyders
