#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace slyders::fuzz {

using Bytes = std::vector<std::uint8_t>;

// When SLYDERS_FUZZ_SEEDS names a folder, writes the seeds into it and ends the process;
// otherwise does nothing. LLVMFuzzerInitialize returns what it returns.
inline int writeSeedsIfAsked(const std::vector<Bytes>& seeds) {
    const char* folder = std::getenv("SLYDERS_FUZZ_SEEDS");
    if (!folder) return 0;
    std::filesystem::create_directories(folder);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const auto path = std::filesystem::path(folder) / ("seed-" + std::to_string(i));
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(seeds[i].data()),
                   static_cast<std::streamsize>(seeds[i].size()));
    }
    std::printf("%zu seeds written to %s\n", seeds.size(), folder);
    std::exit(0);
}

// A broken promise of the reader: says what, and aborts, so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

}  // namespace slyders::fuzz
