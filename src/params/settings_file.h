#pragma once

#include <string>

#include "params/app_settings.h"
#include "params/virt_file.h"

namespace slyders {

// The settings file, opened by its bare name in the working directory.
inline constexpr const char* kSettingsFileName = "Default.par";

// Reads the settings from the given file system. A missing or unreadable file keeps what
// the record holds; returns whether the file was read. A temporary file left beside it by a
// save that was cut short goes.
bool loadSettingsFile(VirtFileSystem& files, TInterface& settings,
                      const std::string& path = kSettingsFileName);

// Writes the settings to a temporary file beside the settings file and puts it in place
// only when it was written whole, so a crash or a full disk never costs the old settings.
// A file that exists but could not be opened for writing is left alone, as writing it in
// place would; a file that is replaced keeps its permissions. Returns whether the file
// was replaced.
bool saveSettingsFile(VirtFileSystem& files, TInterface& settings,
                      const std::string& path = kSettingsFileName);

// The save at the end of the program: only when "Save on exit" is on.
void saveSettingsFileOnExit(VirtFileSystem& files, TInterface& settings,
                            const std::string& path = kSettingsFileName);

}  // namespace slyders
