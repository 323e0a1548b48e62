#include "recipes.h"

#include <cmath>
#include <numbers>

namespace slyders::synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Pitches of the jingles, in Hz.
constexpr double kG3 = 196.00, kC4 = 261.63, kE4 = 329.63, kG4 = 392.00, kC5 = 523.25, kE5 = 659.26,
                 kG5 = 783.99, kC6 = 1046.50;

const std::vector<double> kBell = {1.0, 0.45, 0.2, 0.1};
const std::vector<double> kSquarish = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14};
const std::vector<double> kTriangle = {1.0, 0.0, 0.11, 0.0, 0.04};
const std::vector<double> kHollow = {1.0, 0.0, 0.35, 0.0, 0.18, 0.0, 0.09};

Signal note(double frequency, double seconds, const std::vector<double>& timbre, double tau) {
    Signal s = partials(seconds, constant(frequency), timbre);
    decay(s, tau);
    fadeEdges(s, 0.004, 0.02);
    return s;
}

Curve vibrato(double base, double rate, double depth) {
    return [=](double t) { return base + depth * std::sin(kTwoPi * rate * t); };
}

// A voice-like blip: a buzzy source through two moving formant resonators.
Signal voice(double seconds, const Curve& pitch, const Curve& f1, const Curve& f2) {
    std::vector<double> buzz(40);
    for (std::size_t k = 0; k < buzz.size(); ++k) buzz[k] = 1.0 / double(k + 1);
    const Signal source = partials(seconds, pitch, buzz);
    Signal low = source, high = source;
    bandpass(low, f1, 6.0);
    bandpass(high, f2, 8.0);
    Signal out;
    mixInto(out, low, 0.0);
    mixInto(out, high, 0.0, 0.6);
    return out;
}

Signal burst(double seconds, std::uint32_t seed, double cutoff, double tau) {
    Signal s = noise(seconds, seed);
    lowpass(s, constant(cutoff));
    decay(s, tau);
    return s;
}

Signal arpeggio(const std::vector<double>& pitches, double step, const std::vector<double>& timbre,
                double tau, double lastTau) {
    Signal s;
    for (std::size_t i = 0; i < pitches.size(); ++i) {
        const bool last = i + 1 == pitches.size();
        mixInto(s, note(pitches[i], last ? lastTau * 3 : tau * 3, timbre, last ? lastTau : tau),
                step * double(i));
    }
    return s;
}

Signal welcome() {
    return arpeggio({kC5, kE5, kG5, kC6}, 0.12, kBell, 0.18, 0.25);
}
Signal bye() {
    return arpeggio({kC6, kG5, kE5, kC5}, 0.14, kBell, 0.18, 0.25);
}
Signal begin() {
    return arpeggio({kG4, kC5, kE5, kG5, kC6}, 0.08, kSquarish, 0.05, 0.1);
}

Signal gameOver() {
    Signal s = arpeggio({kG4, kE4, kC4}, 0.2, kTriangle, 0.09, 0.09);
    Signal last = partials(0.5, exponential(kG3, kG3 * 0.85, 0.5), kTriangle);
    decay(last, 0.2);
    fadeEdges(last, 0.005, 0.05);
    mixInto(s, last, 0.6);
    return s;
}

Signal alone() {
    Signal s = partials(0.9, vibrato(440.0, 5.0, 4.0), {1.0, 0.15});
    shape(s, [](double t) { return std::min(t / 0.08, 1.0) * std::exp(-t / 0.35); });
    return s;
}

Signal gap() {
    Signal s = sine(0.04, constant(2500.0));
    mixInto(s, burst(0.04, 4, 3000.0, 0.01), 0.0, 0.4);
    decay(s, 0.006);
    return s;
}

Signal ping() {
    Signal s = partials(0.25, constant(1760.0), {1.0, 0.3, 0.12});
    decay(s, 0.06);
    return s;
}

Signal death() {
    Signal s = noise(0.6, 6);
    lowpass(s, exponential(6000.0, 400.0, 0.5));
    decay(s, 0.15);
    Signal thud = sine(0.4, exponential(70.0, 40.0, 0.4));
    decay(thud, 0.1);
    mixInto(s, thud, 0.0, 0.8);
    return s;
}

Signal hi() {
    Signal s = voice(0.22, linear(200.0, 260.0, 0.22), linear(750.0, 300.0, 0.15),
                     linear(1200.0, 2300.0, 0.15));
    shape(s, [](double t) { return std::min(t / 0.02, 1.0) * std::exp(-t / 0.12); });
    return s;
}

Signal wow() {
    const auto rise = [](double a, double b) {
        return [=](double t) {
            return a + (b - a) * std::sin(std::numbers::pi * std::min(t / 0.4, 1.0));
        };
    };
    Signal s = voice(0.4, rise(180.0, 240.0), rise(320.0, 750.0), rise(800.0, 1200.0));
    shape(s, [](double t) { return std::min(t / 0.03, 1.0); });
    return s;
}

Signal empty() {
    Signal s = partials(0.6, exponential(600.0, 150.0, 0.6), kHollow);
    shape(s, [](double t) { return std::sin(std::numbers::pi * std::min(t / 0.6, 1.0)); });
    return s;
}

Signal tunnel() {
    Signal s = noise(0.7, 10);
    bandpass(
        s, [](double t) { return 400.0 + 2100.0 * std::sin(std::numbers::pi * t / 0.7); }, 2.0);
    shape(s, [](double t) { return std::sin(std::numbers::pi * std::min(t / 0.7, 1.0)); });
    return s;
}

Signal wall() {
    Signal s = sine(0.3, exponential(90.0, 45.0, 0.2));
    decay(s, 0.07);
    mixInto(s, burst(0.05, 11, 400.0, 0.012), 0.0, 0.5);
    return s;
}

Signal food() {
    Signal s;
    for (int bite = 0; bite < 3; ++bite) {
        Signal chew = burst(0.08, 12 + std::uint32_t(bite), 1200.0, 0.02);
        Signal blip = sine(0.06, exponential(180.0, 120.0, 0.06));
        decay(blip, 0.02);
        mixInto(chew, blip, 0.0, 0.4);
        mixInto(s, chew, 0.14 * bite, 1.0 - 0.15 * bite);
    }
    return s;
}

Signal cruelPtr() {
    const Curve glide = [](double t) {
        const double base =
            t < 0.12 ? 1400.0 * std::pow(2.0, t / 0.12) : 2800.0 - 800.0 * (t - 0.12) / 0.18;
        return base + 80.0 * std::sin(kTwoPi * 30.0 * t);
    };
    Signal s = partials(0.3, glide, {1.0, 0.2});
    shape(s, [](double t) { return std::min(t / 0.02, 1.0) * std::exp(-t / 0.15); });
    return s;
}

Signal teleport() {
    Signal s = sine(0.6, exponential(300.0, 2400.0, 0.6));
    mixInto(s, sine(0.6, exponential(450.0, 3600.0, 0.6)), 0.0, 0.5);
    shape(s, [](double t) { return 0.6 + 0.4 * std::sin(kTwoPi * 25.0 * t); });
    return s;
}

Signal scroll() {
    Signal s = noise(0.9, 15);
    lowpass(s, constant(150.0));
    lowpass(s, constant(150.0));
    normalize(s, 0.0);
    mixInto(s, sine(0.9, constant(45.0)), 0.0, 0.5);
    mixInto(s, sine(0.9, constant(58.0)), 0.0, 0.4);
    shape(s, [](double t) { return 0.7 + 0.3 * std::sin(kTwoPi * 7.0 * t); });
    return s;
}

Signal attract() {
    Signal s = partials(0.8, vibrato(320.0, 7.0, 60.0), {1.0, 0.3});
    shape(s, [](double t) { return 0.75 + 0.25 * std::sin(kTwoPi * 7.0 * t); });
    return s;
}

Signal invis() {
    Signal s;
    Dice dice(17);
    for (int i = 0; i < 6; ++i) {
        Signal partial = sine(0.9, constant(2000.0 + 500.0 * i + 100.0 * dice.uniform()));
        const double rate = 6.0 + 9.0 * dice.uniform();
        shape(partial, [rate](double t) { return 0.5 + 0.5 * std::sin(kTwoPi * rate * t); });
        mixInto(s, partial, 0.0, 1.0 / 6.0);
    }
    shape(s, [](double t) { return std::max(1.0 - t / 0.9, 0.0); });
    return s;
}

Signal letter() {
    Signal s = burst(0.02, 18, 4000.0, 0.004);
    Signal ding = partials(0.3, constant(1320.0), {1.0, 0.25, 0.1});
    decay(ding, 0.08);
    mixInto(s, ding, 0.03, 0.8);
    return s;
}

Signal missile() {
    Signal s = sine(0.5, exponential(2200.0, 600.0, 0.5));
    mixInto(s, burst(0.25, 19, 900.0, 0.07), 0.45, 1.2);
    return s;
}

Signal yippee() {
    Signal yi =
        voice(0.17, linear(280.0, 300.0, 0.17), linear(600.0, 300.0, 0.1), constant(2300.0));
    shape(yi, [](double t) { return std::min(t / 0.02, 1.0); });
    fadeEdges(yi, 0.005, 0.03);
    Signal pee = voice(0.34, exponential(320.0, 560.0, 0.3), constant(290.0), constant(2600.0));
    fadeEdges(pee, 0.01, 0.08);
    Signal s;
    mixInto(s, yi, 0.0);
    mixInto(s, pee, 0.2);
    return s;
}

// Claps at random moments, thick at first and thinning out, over a soft cheering bed.
Signal applause() {
    constexpr double kLength = 1.6;
    constexpr int kClaps = 110;
    Signal s(std::size_t(frameCount(kLength)), 0.0);
    Dice dice(21);
    for (int i = 0; i < kClaps; ++i) {
        const double at = kLength * 0.9 * std::pow(dice.uniform(), 1.6);
        Signal clap = noise(0.03, 100 + std::uint32_t(i));
        bandpass(clap, constant(900.0 + 1400.0 * dice.uniform()), 1.5);
        decay(clap, 0.006);
        mixInto(s, clap, at, 0.4 + 0.6 * dice.uniform());
    }
    Signal cheer = voice(kLength, vibrato(240.0, 5.0, 12.0), constant(700.0), constant(1150.0));
    mixInto(cheer, voice(kLength, vibrato(300.0, 4.0, 15.0), constant(650.0), constant(1100.0)),
            0.0);
    mixInto(s, cheer, 0.0, 0.15);
    shape(s, [](double t) { return std::min(t / 0.05, 1.0) * std::exp(-t / 0.9); });
    s.resize(std::size_t(frameCount(kLength)));
    return s;
}

}  // namespace

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> table = {
        {"welcome.wav", welcome, -3.0},
        {"bye.wav", bye, -3.0},
        {"begin.wav", begin, -3.0},
        {"alone.wav", alone, -4.0},
        {"gameover.wav", gameOver, -3.0},
        {"gap.wav", gap, -12.0},
        {"ping.wav", ping, -6.0},
        {"death.wav", death, -2.0},
        {"hi.wav", hi, -4.0},
        {"wow.wav", wow, -4.0},
        {"empty.wav", empty, -5.0},
        {"tunnel.wav", tunnel, -5.0},
        {"wall.wav", wall, -3.0},
        {"food.wav", food, -5.0},
        {"cruelptr.wav", cruelPtr, -6.0},
        {"teleport.wav", teleport, -5.0},
        {"scroll.wav", scroll, -4.0},
        {"attract.wav", attract, -5.0},
        {"invis.wav", invis, -6.0},
        {"letter.wav", letter, -5.0},
        {"missile.wav", missile, -4.0},
        {"yippee.wav", yippee, -3.0},
        {"applause.wav", applause, -3.0},
    };
    return table;
}

}  // namespace slyders::synth
