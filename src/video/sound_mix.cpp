#include "video/sound_mix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sound/cdx_sound.h"

namespace slyders {

namespace {

constexpr int kBitsPerByte = 8;
constexpr int kMaxSampleBytes = 4;
constexpr float kFullScale = 32768.0f;
constexpr std::uint8_t kUnsignedZero = 128;
constexpr double kMillisecondsPerSecond = 1000.0;
// The device's stand-in tone: its rate, level (about -10 dBFS) and soft edges.
constexpr int kBeepRate = 44100;
constexpr double kBeepLevel = 0.3;
constexpr double kBeepEdgeSeconds = 0.002;
constexpr int kBeepBuffer = -1;  // the device has one tone at a time, whatever its number

bool playable(const WaveFormat& f) {
    const int bytes = f.bitsPerSample / kBitsPerByte;
    return f.channels >= 1 && f.channels <= 2 && f.bitsPerSample % kBitsPerByte == 0 &&
           bytes >= 1 && bytes <= kMaxSampleBytes && f.blockAlign == f.channels * bytes &&
           f.samplesPerSec > 0;
}

}  // namespace

float waveSample(const std::uint8_t* p, int bytes) {
    if (bytes == 1) return float(int(p[0]) - kUnsignedZero) / kUnsignedZero;
    const auto v = static_cast<std::int16_t>(p[bytes - 2] | p[bytes - 1] << kBitsPerByte);
    return float(v) / kFullScale;
}

SoundMix::SoundMix(const std::filesystem::path& folder) {
    for (std::size_t i = 0; i < kSoundFiles.size(); ++i) {
        WaveData wave;
        if (readWaveFile(folder / kSoundFiles[i], wave) == SoundError::None) {
            setSound(static_cast<int>(i), wave);
        }
    }
}

bool SoundMix::setSound(int number, const WaveData& wave) {
    if (number < 0 || number >= int(m_sounds.size()) || !playable(wave.format)) return false;
    const WaveFormat& f = wave.format;
    const std::size_t frames = wave.samples.size() / f.blockAlign;
    if (frames == 0) return false;
    const int bytes = f.bitsPerSample / kBitsPerByte;
    Sound& s = m_sounds[std::size_t(number)];
    s.left.resize(frames);
    s.right.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint8_t* frame = wave.samples.data() + i * f.blockAlign;
        s.left[i] = waveSample(frame, bytes);
        s.right[i] = waveSample(frame + (f.channels - 1) * bytes, bytes);  // mono: both alike
    }
    s.rate = int(f.samplesPerSec);
    return true;
}

int SoundMix::loadedSounds() const {
    return int(std::count_if(m_sounds.begin(), m_sounds.end(),
                             [](const Sound& s) { return s.loaded(); }));
}

void SoundMix::request(double seconds, int number, int volume, int pan) {
    if (number < 0 || number >= int(m_sounds.size())) return;
    const Sound& sound = m_sounds[std::size_t(number)];
    if (!sound.loaded()) {
        beep(seconds, number);
        return;
    }
    // The buffer used last if it is quiet; else the next one in turn, cut off if it plays.
    Buffers& b = m_buffers[std::size_t(number)];
    if (seconds < b.busyUntil[std::size_t(b.current)]) {
        b.current = (b.current + 1) % kDeviceBuffers;
        cut(number, b.current, seconds);
    }
    const ChannelGains gains = panGains(deviceVolume(volume, systemWaveOutVolume()), pan);
    b.busyUntil[std::size_t(b.current)] = seconds + sound.seconds();
    startVoice(seconds, sound, number, b.current, gains.left, gains.right);
}

void SoundMix::startVoice(double seconds, const Sound& sound, int number, int buffer, float gl,
                          float gr) {
    m_voices.push_back({&sound, number, buffer, seconds, seconds + sound.seconds(), gl, gr});
}

void SoundMix::cut(int number, int buffer, double seconds) {
    for (Voice& v : m_voices) {
        if (v.number == number && v.buffer == buffer && v.end > seconds) v.end = seconds;
    }
}

// The tone the device plays for a sound it could not load: one pitch per number, centred, at
// its own level; a new tone ends the one before.
void SoundMix::beep(double seconds, int number) {
    Sound& tone = m_beeps[std::size_t(number)];
    if (!tone.loaded()) {
        const int frames = int(kBeepRate * kBeepMilliseconds / kMillisecondsPerSecond);
        const int edge = int(kBeepRate * kBeepEdgeSeconds);
        const int frequency = beepFrequency(number);
        tone.left.resize(std::size_t(frames));
        for (int i = 0; i < frames; ++i) {
            const int fromEdge = std::min(i, frames - 1 - i);
            const double fade =
                fromEdge >= edge ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * fromEdge / edge);
            const double s = std::sin(2.0 * std::numbers::pi * frequency * i / kBeepRate);
            tone.left[std::size_t(i)] = float(s * fade * kBeepLevel);
        }
        tone.right = tone.left;
        tone.rate = kBeepRate;
    }
    for (Voice& v : m_voices) {
        if (v.buffer == kBeepBuffer && v.end > seconds) v.end = seconds;
    }
    startVoice(seconds, tone, number, kBeepBuffer, 1.0f, 1.0f);
}

void SoundMix::mix(std::int64_t first, int count, std::vector<float>& out) {
    out.assign(std::size_t(count) * 2, 0.0f);
    const double from = double(first) / kRate;
    std::erase_if(m_voices, [from](const Voice& v) { return v.end <= from; });
    for (const Voice& v : m_voices) addVoice(v, first, count, out);
    for (float& s : out) s = std::clamp(s, -1.0f, 1.0f);  // the device's output saturates
}

// The voice resampled to the track's rate by linear interpolation.
void SoundMix::addVoice(const Voice& v, std::int64_t first, int count, std::vector<float>& out) {
    const Sound& s = *v.sound;
    const auto firstHeard = std::int64_t(std::ceil(v.start * kRate));
    const auto lastHeard = std::int64_t(std::ceil(v.end * kRate));  // exclusive
    const std::int64_t a = std::max(first, firstHeard);
    const std::int64_t b = std::min(first + count, lastHeard);
    const auto frames = std::int64_t(s.left.size());
    for (std::int64_t i = a; i < b; ++i) {
        const double pos = (double(i) / kRate - v.start) * s.rate;
        const auto k = std::int64_t(pos);
        if (k >= frames) break;
        const auto f = float(pos - double(k));
        const std::int64_t k1 = std::min(k + 1, frames - 1);
        const float l = s.left[std::size_t(k)] + f * (s.left[std::size_t(k1)] - s.left[std::size_t(k)]);
        const float r =
            s.right[std::size_t(k)] + f * (s.right[std::size_t(k1)] - s.right[std::size_t(k)]);
        const std::size_t o = std::size_t(i - first) * 2;
        out[o] += l * v.gainLeft;
        out[o + 1] += r * v.gainRight;
    }
}

}  // namespace slyders
