#include "params/report.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace slyders {

namespace {

constexpr int kMessageSize = 10000;

MessageSink g_sink;

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(g_sink, std::move(sink));
}

void reportMessage(const char* module, const char* function, int severity, const char* format,
                   ...) {
    if (!g_sink) return;
    char text[kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_sink(module, function, severity, text);
}

}  // namespace slyders
