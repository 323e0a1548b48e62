#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// A tiny synthesizer for the game's sound effects: signals are plain sample vectors at one
// rate, built from oscillators and noise, shaped by filters and envelopes, mixed and written
// as 16-bit PCM wave files.
namespace slyders::synth {

constexpr int kRate = 22050;

using Signal = std::vector<double>;
// A value that changes over a sound: frequency, gain, filter centre, by time in seconds.
using Curve = std::function<double(double seconds)>;

int frameCount(double seconds);
double timeOf(std::size_t frame);

Curve constant(double value);
// From a to b over the given time, then held; exponential suits pitch and filter sweeps.
Curve linear(double a, double b, double seconds);
Curve exponential(double a, double b, double seconds);

// Harmonics of a fundamental that follows the curve: amplitudes[k] is the (k+1)-th harmonic.
// Harmonics above the Nyquist frequency are left out, so sweeps stay clean.
Signal partials(double seconds, const Curve& frequency, const std::vector<double>& amplitudes);
Signal sine(double seconds, const Curve& frequency);

// Deterministic white noise, -1 .. 1.
Signal noise(double seconds, std::uint32_t seed);

// Filters in place; the centre or cutoff may move over time.
void lowpass(Signal& s, const Curve& cutoff);
void bandpass(Signal& s, const Curve& centre, double q);

// Multiplies by a gain curve; exponential decay with time constant tau.
void shape(Signal& s, const Curve& gain);
void decay(Signal& s, double tau);
// Raised-cosine rise and fall at the ends.
void fadeEdges(Signal& s, double in, double out);

// Adds src into dst from time `at`, dst growing as needed.
void mixInto(Signal& dst, const Signal& src, double at, double gain = 1.0);

// Scales the loudest sample to the given level in dBFS.
void normalize(Signal& s, double peakDb);

// Mono 16-bit PCM.
bool writeWave(const std::filesystem::path& path, const Signal& s);

// Small deterministic random numbers for placing events (claps, bites).
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_state(seed ? seed : 1) {}
    double uniform();  // 0 .. 1
private:
    std::uint32_t m_state;
};

}  // namespace slyders::synth
