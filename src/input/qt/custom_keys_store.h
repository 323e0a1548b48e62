#pragma once

#include <QString>
#include <string>
#include <vector>

#include "input/key_pairs.h"

namespace slyders {

// The custom keys live beside the roster in QSettings("Tallowin", "Slyders"), group "Keys",
// as Qt key codes: Custom1Left, Custom1Right, Custom2Left, Custom2Right.
struct StoredCustomKeys {
    CustomKeys keys;
    std::vector<std::string> problems;  // one line per stored value that was not taken
};

// Reads the keys back; a pair that is missing or not usable gets its default keys. An empty
// iniFile means the game's own store.
StoredCustomKeys readCustomKeys(const QString& iniFile = {});
void writeCustomKeys(const CustomKeys& keys, const QString& iniFile = {});

}  // namespace slyders
