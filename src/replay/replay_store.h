#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace slyders {

// The folder of replays: one file per game, named by the date and time it started. The
// newest kReplaysKept are kept; a replay the player chose to keep stays for good.
class ReplayStore {
public:
    static constexpr int kReplaysKept = 100;
    static constexpr const char* kExtension = ".slyrep";
    static constexpr const char* kKeptMark = "-kept";

    explicit ReplayStore(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    // Removes what a game killed while saving left behind: hidden temporary files older than a
    // minute (a younger one may belong to a game saving right now). Returns how many went.
    int removeLeftovers();

    // $XDG_DATA_HOME/Tallowin/Slyders/replays, or ~/.local/share/... without it.
    static std::filesystem::path defaultFolder();

    const std::filesystem::path& folder() const { return m_folder; }

    // Writes the replay as a new file (a temporary file first, renamed when whole), then
    // removes the oldest beyond the newest 100. Returns the file, or an error text.
    std::optional<std::filesystem::path> save(const Replay& replay, std::string& error);
    // Marks a replay to be kept for good; returns its new path.
    std::optional<std::filesystem::path> keep(const std::filesystem::path& file,
                                              std::string& error);
    // The replay of the newest game, if there is one.
    std::optional<std::filesystem::path> newest() const;
    // Every replay, oldest first.
    std::vector<std::filesystem::path> all() const;

    static bool isKept(const std::filesystem::path& file);

private:
    void prune();
    std::filesystem::path m_folder;
};

// Writes a replay to exactly this file, through a temporary file beside it that is renamed
// once whole: a failed write (a full disk) leaves no file at all. False with error set.
bool writeReplayFile(const std::filesystem::path& file, const Replay& replay, std::string& error);

// Reads a replay file; error holds the message for the player when it cannot be used.
std::optional<Replay> loadReplayFile(const std::filesystem::path& file, std::string& error);

}  // namespace slyders
