// The wave reader: any bytes give a sound or a refusal, and a sound lies within the file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz_support.h"
#include "sound/wave_file.h"
#include "synth.h"

using namespace slyders;

namespace {

// A short sound as the game's sound generator writes it.
fuzz::Bytes generated(const synth::Signal& signal) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("slyders-fuzz-wave-" + std::to_string(::getpid()) + ".wav");
    if (!synth::writeWave(path, signal)) fuzz::fail("the sound generator wrote nothing");
    std::ifstream in(path, std::ios::binary);
    fuzz::Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    synth::Signal ping = synth::sine(0.02, synth::constant(880));
    synth::decay(ping, 0.01);
    const fuzz::Bytes wave = generated(ping);
    fuzz::Bytes withFact = wave;  // a "fact" chunk before the samples, as some writers put
    const fuzz::Bytes fact{'f', 'a', 'c', 't', 4, 0, 0, 0, 1, 2, 3, 4};
    withFact.insert(withFact.begin() + 36, fact.begin(), fact.end());
    return fuzz::writeSeedsIfAsked({wave, withFact, generated(synth::noise(0.005, 7))});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WaveData wave;
    if (parseWave({data, size}, wave) == SoundError::None && wave.samples.size() > size)
        fuzz::fail("more samples than the file holds");
    return 0;
}
