#include "sound/sound_log.h"

namespace slyders {

namespace {

SoundLogSink& sink() {
    static SoundLogSink s;
    return s;
}

}  // namespace

void setSoundLogSink(SoundLogSink s) {
    sink() = std::move(s);
}

void SoundLog(const std::string& source, const std::string& place, const std::string& text,
              int level) {
    if (sink()) sink()({source, place, text, level});
}

}  // namespace slyders
