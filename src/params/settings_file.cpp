#include "params/settings_file.h"

#include "params/settings_table.h"
#include "params/virt_file.h"

namespace slyders {

namespace {

constexpr const char* kTempSuffix = ".tmp";

// Everything written so far reaches the disk before the file replaces the old one.
bool commit(VirtFILE* file) {
    if (auto* stdio = dynamic_cast<StdioFILE*>(file)) return stdio->sync() == 0;
    return file->flush() == 0;
}

}  // namespace

bool loadSettingsFile(TInterface& settings, const std::string& path) {
    VirtFILE* file = openVirtFile(path.c_str(), "rt");
    if (!file) return false;
    settingsParam(settings).loadObject(file);
    closeVirtFile(file);
    return true;
}

bool saveSettingsFile(TInterface& settings, const std::string& path) {
    VirtFileSystem* files = fileSystem();
    if (!files) return false;
    const std::string temp = path + kTempSuffix;
    VirtFILE* file = files->open(temp.c_str(), "wt");
    if (!file) return false;
    const bool whole = settingsParam(settings).saveObject(file) == 0 && commit(file);
    closeVirtFile(file);
    if (whole && files->rename(temp.c_str(), path.c_str())) return true;
    files->remove(temp.c_str());
    return false;
}

void saveSettingsFileOnExit(TInterface& settings, const std::string& path) {
    if (settings.int_soe) saveSettingsFile(settings, path);
}

}  // namespace slyders
