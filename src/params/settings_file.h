#pragma once

#include <string>

#include "params/app_settings.h"

namespace slyders {

// The settings file, opened by its bare name in the working directory.
inline constexpr const char* kSettingsFileName = "Default.par";

// Reads the settings through the installed file system. A missing or unreadable file keeps
// what the record holds; returns whether the file was read.
bool loadSettingsFile(TInterface& settings, const std::string& path = kSettingsFileName);

// Writes the settings to a temporary file beside the settings file and puts it in place
// only when it was written whole, so a crash or a full disk never costs the old settings.
// Returns whether the file was replaced.
bool saveSettingsFile(TInterface& settings, const std::string& path = kSettingsFileName);

// The save at the end of the program: only when "Save on exit" is on.
void saveSettingsFileOnExit(TInterface& settings, const std::string& path = kSettingsFileName);

}  // namespace slyders
