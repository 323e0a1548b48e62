#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace slyders {

// The --settings-dir value that stands for the folder holding the roster. A desktop entry
// cannot spell out $XDG_CONFIG_HOME, so it names the folder by this word instead.
inline constexpr const char* kRosterFolderWord = "@roster";

// Where the game's own files are, and where the player's are kept.
struct DataPlaces {
    // sounds/, "logo_sq.bmp" and "help.bmp".
    std::filesystem::path dataFolder;
    bool dataFound = false;
    // "Default.par" and the player's "slydersbg.bmp"; empty for the working folder.
    std::filesystem::path settingsFolder;

    std::filesystem::path data(const std::string& name) const { return dataFolder / name; }
    // A bare name when the settings stay in the working folder.
    std::string setting(const std::string& name) const {
        return settingsFolder.empty() ? name : (settingsFolder / name).string();
    }
};

// The data beside the executable (the build tree), else in ../share/slyders relative to it
// (an installed game, wherever its prefix is). None when neither holds it.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& programFolder);

// The folder of the roster: the one QSettings keeps "Slyders.conf" in for Tallowin.
std::filesystem::path rosterFolder();

// The settings folder of a --settings-dir value, created when it is missing; empty when no
// folder was given. Failing to create it is reported on stderr; the game then runs with its
// defaults and does not manage to save them.
std::filesystem::path settingsFolder(const std::string& option);

// Looks everything up for the running program and says once on stderr when the data is
// missing; the game then runs without sounds and pictures.
DataPlaces lookUpPlaces(const std::string& settingsOption);

}  // namespace slyders
