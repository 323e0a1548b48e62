#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace slyders::synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kNyquistShare = 0.45;  // keep harmonics safely under half the rate
constexpr double kFullScale = 32767.0;
constexpr double kMinFilterHz = 10.0;

void put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

}  // namespace

int frameCount(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}
double timeOf(std::size_t frame) {
    return double(frame) / kRate;
}

Curve constant(double value) {
    return [value](double) { return value; };
}

Curve linear(double a, double b, double seconds) {
    return [=](double t) { return a + (b - a) * std::clamp(t / seconds, 0.0, 1.0); };
}

Curve exponential(double a, double b, double seconds) {
    return [=](double t) { return a * std::pow(b / a, std::clamp(t / seconds, 0.0, 1.0)); };
}

Signal partials(double seconds, const Curve& frequency, const std::vector<double>& amplitudes) {
    Signal s(std::size_t(frameCount(seconds)));
    double phase = 0.0;  // of the fundamental, in cycles
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double f = frequency(timeOf(i));
        double v = 0.0;
        for (std::size_t k = 0; k < amplitudes.size(); ++k) {
            const double harmonic = double(k + 1);
            if (f * harmonic > kNyquistShare * kRate) break;
            v += amplitudes[k] * std::sin(kTwoPi * harmonic * phase);
        }
        s[i] = v;
        phase += f / kRate;
        phase -= std::floor(phase);
    }
    return s;
}

Signal sine(double seconds, const Curve& frequency) {
    return partials(seconds, frequency, {1.0});
}

Signal noise(double seconds, std::uint32_t seed) {
    Dice dice(seed);
    Signal s(std::size_t(frameCount(seconds)));
    for (double& v : s) v = 2.0 * dice.uniform() - 1.0;
    return s;
}

void lowpass(Signal& s, const Curve& cutoff) {
    double y = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double fc = std::max(cutoff(timeOf(i)), kMinFilterHz);
        const double a = 1.0 - std::exp(-kTwoPi * fc / kRate);
        y += a * (s[i] - y);
        s[i] = y;
    }
}

// A state-variable filter in its trapezoidal form, stable however the centre moves.
void bandpass(Signal& s, const Curve& centre, double q) {
    const double k = 1.0 / q;
    double ic1 = 0.0, ic2 = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double fc = std::clamp(centre(timeOf(i)), kMinFilterHz, kNyquistShare * kRate);
        const double g = std::tan(std::numbers::pi * fc / kRate);
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = s[i] - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        s[i] = k * v1;
    }
}

void shape(Signal& s, const Curve& gain) {
    for (std::size_t i = 0; i < s.size(); ++i) s[i] *= gain(timeOf(i));
}

void decay(Signal& s, double tau) {
    shape(s, [tau](double t) { return std::exp(-t / tau); });
}

void fadeEdges(Signal& s, double in, double out) {
    const auto ramp = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    const double length = timeOf(s.size() > 0 ? s.size() - 1 : 0);
    shape(s, [=](double t) {
        const double rise = t < in ? ramp(t / in) : 1.0;
        const double fall = length - t < out ? ramp(std::max(length - t, 0.0) / out) : 1.0;
        return rise * fall;
    });
}

void mixInto(Signal& dst, const Signal& src, double at, double gain) {
    const auto start = std::size_t(frameCount(at));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

void normalize(Signal& s, double peakDb) {
    double peak = 0.0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    if (peak == 0.0) return;
    const double scale = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& v : s) v *= scale;
}

bool writeWave(const std::filesystem::path& path, const Signal& s) {
    constexpr std::uint16_t kPcm = 1, kMono = 1, kBits = 16, kBlock = 2;
    constexpr std::uint32_t kFormatSize = 16, kHeaderRest = 36;
    const auto dataBytes = std::uint32_t(s.size() * kBlock);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, kHeaderRest + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, kFormatSize);
    put16(out, kPcm);
    put16(out, kMono);
    put32(out, kRate);
    put32(out, kRate * kBlock);
    put16(out, kBlock);
    put16(out, kBits);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double v : s) {
        const double clamped = std::clamp(v, -1.0, 1.0);
        put16(out, std::uint16_t(std::int16_t(std::lround(clamped * kFullScale))));
    }
    return bool(out);
}

// xorshift32: the same numbers on every machine.
double Dice::uniform() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return double(m_state) / 4294967296.0;
}

}  // namespace slyders::synth
