// Makes the game's sound effects: slyders_soundgen <folder>.
#include <filesystem>
#include <iostream>

#include "recipes.h"

using namespace slyders::synth;

namespace {

// Every sound rises and falls softly at its very ends, so none clicks.
constexpr double kFadeIn = 0.003;
constexpr double kFadeOut = 0.015;

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: slyders_soundgen <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const Recipe& r : recipes()) {
        Signal s = r.make();
        fadeEdges(s, kFadeIn, kFadeOut);
        normalize(s, r.peakDb);
        if (!writeWave(folder / r.file, s)) {
            std::cerr << "slyders_soundgen: cannot write " << (folder / r.file).string() << "\n";
            return 1;
        }
    }
    return 0;
}
