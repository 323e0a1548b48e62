#pragma once

#include <functional>
#include <string>

namespace slyders {

// One line for the diagnostic log of the sound side: who, where, what, how serious.
struct SoundLogEntry {
    std::string source, place, text;
    int level = 0;
};

// The game keeps these quiet; a sink may be set to collect them (tests, debugging).
using SoundLogSink = std::function<void(const SoundLogEntry&)>;
void setSoundLogSink(SoundLogSink sink);
void SoundLog(const std::string& source, const std::string& place, const std::string& text,
              int level);

}  // namespace slyders
