#pragma once

#include <functional>

namespace slyders {

// Where internal problems go (an adjusted setting, a sound file that does not load). The
// game shows none of them: with no sink installed every message is dropped. Tests install
// a sink to see them.
using MessageSink =
    std::function<void(const char* module, const char* function, int severity, const char* text)>;

// Installs a sink (an empty one discards) and returns the previous one.
MessageSink setMessageSink(MessageSink sink);

// Formats the message like printf and hands it to the sink.
void reportMessage(const char* module, const char* function, int severity, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

}  // namespace slyders
