#include "params/settings_file.h"

#include "params/settings_table.h"

namespace slyders {

namespace {

constexpr const char* kTempSuffix = ".tmp";

// Everything written so far reaches the disk before the file replaces the old one.
bool commit(VirtFILE* file) {
    if (auto* stdio = dynamic_cast<StdioFILE*>(file)) return stdio->sync() == 0;
    return file->flush() == 0;
}

// Whether the file could be written where it is: missing, or open for writing. A file the
// player made read-only, or cannot even read, is not ours to replace.
bool mayReplace(VirtFileSystem& files, const std::string& path) {
    if (!files.exists(path.c_str())) return true;
    VirtFILE* file = files.open(path.c_str(), "r+");
    if (!file) return false;
    closeVirtFile(file);
    return true;
}

}  // namespace

bool loadSettingsFile(VirtFileSystem& files, TInterface& settings, const std::string& path) {
    const std::string temp = path + kTempSuffix;
    if (files.exists(temp.c_str())) files.remove(temp.c_str());
    VirtFILE* file = files.open(path.c_str(), "rt");
    if (!file) return false;
    settingsParam(settings).loadObject(file);
    closeVirtFile(file);
    return true;
}

bool saveSettingsFile(VirtFileSystem& files, TInterface& settings, const std::string& path) {
    if (!mayReplace(files, path)) return false;
    const std::string temp = path + kTempSuffix;
    VirtFILE* file = files.open(temp.c_str(), "wt");
    if (!file) return false;
    const bool whole = settingsParam(settings).saveObject(file) == 0 && commit(file);
    closeVirtFile(file);
    if (whole && files.rename(temp.c_str(), path.c_str())) return true;
    files.remove(temp.c_str());
    return false;
}

void saveSettingsFileOnExit(VirtFileSystem& files, TInterface& settings, const std::string& path) {
    if (settings.int_soe) saveSettingsFile(files, settings, path);
}

}  // namespace slyders
