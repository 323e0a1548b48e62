#include "frame/data_places.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <iostream>
#include <system_error>

namespace slyders {

namespace {

constexpr const char* kInstalledData = "../share/slyders";

bool holdsData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder / "sounds", ec) ||
           std::filesystem::is_regular_file(folder / "logo_sq.bmp", ec);
}

}  // namespace

std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& programFolder) {
    if (holdsData(programFolder)) return programFolder;
    const std::filesystem::path installed = (programFolder / kInstalledData).lexically_normal();
    if (holdsData(installed)) return installed;
    return std::nullopt;
}

std::filesystem::path rosterFolder() {
    const QSettings roster("Tallowin", "Slyders");
    return QFileInfo(roster.fileName()).absolutePath().toStdString();
}

std::filesystem::path settingsFolder(const std::string& option) {
    if (option.empty()) return {};
    const std::filesystem::path folder =
        option == kRosterFolderWord ? rosterFolder() : std::filesystem::path(option);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) std::cerr << "slyders: cannot create the settings folder " << folder << "\n";
    return folder;
}

DataPlaces lookUpPlaces(const std::string& settingsOption) {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    DataPlaces places;
    places.settingsFolder = settingsFolder(settingsOption);
    if (auto data = findDataFolder(program)) {
        places.dataFolder = *data;
        places.dataFound = true;
    } else {
        places.dataFolder = program;
        std::cerr << "slyders: missing data folder: no sounds or pictures in " << program << " or "
                  << (program / kInstalledData).lexically_normal() << "; playing without them\n";
    }
    return places;
}

}  // namespace slyders
