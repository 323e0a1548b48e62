#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace slyders::fuzz {

using Bytes = std::vector<std::uint8_t>;

// When SLYDERS_FUZZ_SEEDS names a folder, writes the seeds into it and ends the process;
// otherwise does nothing. Call it from LLVMFuzzerInitialize.
void writeSeedsIfAsked(const std::vector<Bytes>& seeds);

// A broken promise of the reader: says what, and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char* what);

inline Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

}  // namespace slyders::fuzz
