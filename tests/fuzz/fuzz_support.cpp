#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace slyders::fuzz {

void writeSeedsIfAsked(const std::vector<Bytes>& seeds) {
    const char* folder = std::getenv("SLYDERS_FUZZ_SEEDS");
    if (!folder) return;
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

void fail(const char* what) {
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

}  // namespace slyders::fuzz
