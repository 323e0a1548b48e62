#include "sound/cdx_sound.h"

#include <AL/alext.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace slyders {

namespace {

constexpr double kHundredthsPerBel = 2000.0;  // gain = 10^(level / 2000)
constexpr int kBitsPerByte = 8;
constexpr int kMaxSampleBytes = 4;
constexpr int kMillisecondsPerSecond = 1000;
constexpr std::uint32_t kMinRate = 100;  // the rates a device buffer accepts
constexpr std::uint32_t kMaxRate = 200000;
constexpr int kBeepRate = 44100;
constexpr double kBeepLevel = 0.3;          // about -10 dBFS
constexpr double kBeepEdgeSeconds = 0.002;  // soft edges, so the beep does not click

float channelGain(int volume, int attenuation) {
    if (volume <= kVolumeSilent || attenuation >= kPanRight) return 0.0f;
    return static_cast<float>(std::pow(10.0, (volume - attenuation) / kHundredthsPerBel));
}

// One sample of the wave's own layout as 16 bits: 8-bit samples are unsigned, wider ones
// signed, and only their top 16 bits are kept.
std::int16_t sample16(const std::uint8_t* p, int bytes) {
    if (bytes == 1) return static_cast<std::int16_t>((p[0] - 128) * 256);
    return static_cast<std::int16_t>(p[bytes - 2] | p[bytes - 1] << 8);
}

SoundError checkLayout(const WaveFormat& f) {
    const int bytes = f.bitsPerSample / kBitsPerByte;
    if (f.channels < 1 || f.channels > 2) return SoundError::NotSupported;
    if (f.bitsPerSample % kBitsPerByte != 0 || bytes < 1 || bytes > kMaxSampleBytes)
        return SoundError::NotSupported;
    if (f.blockAlign != f.channels * bytes) return SoundError::NotSupported;
    if (f.samplesPerSec < kMinRate || f.samplesPerSec > kMaxRate) return SoundError::NotSupported;
    return SoundError::None;
}

// The sound as two stereo pictures, one with only its left channel and one with only its
// right channel (a mono sound on both), so that each channel can be given its own gain.
SoundError splitChannels(const WaveData& wave, std::vector<std::int16_t>& left,
                         std::vector<std::int16_t>& right) {
    const WaveFormat& f = wave.format;
    if (const SoundError e = checkLayout(f); e != SoundError::None) return e;
    const std::size_t frames = wave.samples.size() / f.blockAlign;
    if (frames == 0) return SoundError::Format;
    const int bytes = f.bitsPerSample / kBitsPerByte;
    left.assign(frames * 2, 0);
    right.assign(frames * 2, 0);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint8_t* frame = wave.samples.data() + i * f.blockAlign;
        left[2 * i] = sample16(frame, bytes);
        right[2 * i + 1] = sample16(frame + (f.channels - 1) * bytes, bytes);
    }
    return SoundError::None;
}

void prepareSource(ALuint source, bool directChannels) {
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcei(source, AL_LOOPING, AL_FALSE);
    // Each channel of the buffer goes straight to the speaker of that side, unpanned.
    if (directChannels) alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
}

bool sourcePlaying(ALuint source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return alGetError() == AL_NO_ERROR && state == AL_PLAYING;
}

std::vector<std::int16_t> tone(int frequency, int milliseconds) {
    const int frames = kBeepRate * milliseconds / kMillisecondsPerSecond;
    const int edge = static_cast<int>(kBeepRate * kBeepEdgeSeconds);
    std::vector<std::int16_t> samples(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const int fromEdge = std::min(i, frames - 1 - i);
        const double fade =
            fromEdge >= edge ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * fromEdge / edge);
        const double s = std::sin(2.0 * std::numbers::pi * frequency * i / kBeepRate);
        const auto v = static_cast<std::int16_t>(std::lround(s * fade * kBeepLevel * INT16_MAX));
        samples[2 * std::size_t(i)] = v;
        samples[2 * std::size_t(i) + 1] = v;
    }
    return samples;
}

}  // namespace

ChannelGains panGains(int volume, int pan) {
    volume = std::clamp(volume, kVolumeSilent, kVolumeFull);
    pan = std::clamp(pan, kPanLeft, kPanRight);
    return {channelGain(volume, std::max(pan, 0)), channelGain(volume, std::max(-pan, 0))};
}

// ---- CDXSound ----

CDXSound::~CDXSound() {
    if (!m_device) return;
    if (m_context) {
        select();
        releaseBeep();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(m_context);
    }
    alcCloseDevice(m_device);
}

bool CDXSound::Create() {
    if (m_context) return true;
    m_device = alcOpenDevice(nullptr);
    if (!m_device) return false;
    m_context = alcCreateContext(m_device, nullptr);
    if (!m_context || !alcMakeContextCurrent(m_context)) {
        if (m_context) alcDestroyContext(m_context);
        m_context = nullptr;
        alcCloseDevice(m_device);
        m_device = nullptr;
        return false;
    }
    m_directChannels = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    m_muted = false;
    return true;
}

void CDXSound::select() const {
    if (m_context && alcGetCurrentContext() != m_context) alcMakeContextCurrent(m_context);
}

void CDXSound::releaseBeep() {
    if (m_beepSource) {
        alSourceStop(m_beepSource);
        alDeleteSources(1, &m_beepSource);
    }
    if (m_beepBuffer) alDeleteBuffers(1, &m_beepBuffer);
    m_beepSource = m_beepBuffer = 0;
    alGetError();
}

void CDXSound::beep(int frequency, int milliseconds) {
    if (!ok() || m_muted || frequency <= 0 || milliseconds <= 0) return;
    select();
    releaseBeep();
    const std::vector<std::int16_t> samples = tone(frequency, milliseconds);
    alGenBuffers(1, &m_beepBuffer);
    alBufferData(m_beepBuffer, AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(std::int16_t)), kBeepRate);
    alGenSources(1, &m_beepSource);
    if (alGetError() != AL_NO_ERROR) {
        releaseBeep();
        return;
    }
    prepareSource(m_beepSource, m_directChannels);
    alSourcei(m_beepSource, AL_BUFFER, static_cast<ALint>(m_beepBuffer));
    alSourcePlay(m_beepSource);
}

bool CDXSound::beeping() const {
    if (!m_beepSource) return false;
    select();
    return sourcePlaying(m_beepSource);
}

// ---- CDXSoundBuffer ----

CDXSoundBuffer::~CDXSoundBuffer() {
    release();
}

void CDXSoundBuffer::release() {
    if (!m_device.ok()) return;
    m_device.select();
    for (DeviceBuffer& b : m_buffers) {
        alSourceStopv(2, b.sources.data());
        alDeleteSources(2, b.sources.data());
    }
    m_buffers.clear();
    for (ALuint& h : m_halves) {
        if (h) alDeleteBuffers(1, &h);
        h = 0;
    }
    alGetError();
}

SoundError CDXSoundBuffer::Load(const std::filesystem::path& file, int buffers) {
    WaveData wave;
    if (const SoundError e = readWaveFile(file, wave); e != SoundError::None) return e;
    return Load(wave, buffers);
}

SoundError CDXSoundBuffer::Load(const WaveData& wave, int buffers) {
    if (!m_device.ok()) return SoundError::NoDevice;
    std::vector<std::int16_t> left, right;
    if (const SoundError e = splitChannels(wave, left, right); e != SoundError::None) return e;
    release();
    const auto rate = static_cast<ALsizei>(wave.format.samplesPerSec);
    const auto bytes = static_cast<ALsizei>(left.size() * sizeof(std::int16_t));
    alGenBuffers(2, m_halves.data());
    alBufferData(m_halves[0], AL_FORMAT_STEREO16, left.data(), bytes, rate);
    alBufferData(m_halves[1], AL_FORMAT_STEREO16, right.data(), bytes, rate);
    m_buffers.resize(std::size_t(std::max(buffers, 1)));
    for (DeviceBuffer& b : m_buffers) {
        alGenSources(2, b.sources.data());
        for (int side = 0; side < 2; ++side) {
            prepareSource(b.sources[side], m_device.directChannels());
            alSourcei(b.sources[side], AL_BUFFER, static_cast<ALint>(m_halves[side]));
        }
    }
    if (alGetError() != AL_NO_ERROR) {
        release();
        return SoundError::Device;
    }
    m_current = 0;
    m_seconds = double(left.size() / 2) / rate;
    return SoundError::None;
}

bool CDXSoundBuffer::playing(int buffer) const {
    if (buffer < 0 || buffer >= bufferCount()) return false;
    m_device.select();
    return sourcePlaying(m_buffers[std::size_t(buffer)].sources[0]);
}

bool CDXSoundBuffer::playing() const {
    for (int i = 0; i < bufferCount(); ++i) {
        if (playing(i)) return true;
    }
    return false;
}

void CDXSoundBuffer::stopBuffer(int buffer) {
    m_device.select();
    ALuint* sources = m_buffers[std::size_t(buffer)].sources.data();
    alSourceStopv(2, sources);
    alSourceRewindv(2, sources);
}

void CDXSoundBuffer::Stop() {
    for (int i = 0; i < bufferCount(); ++i) stopBuffer(i);
}

// The buffer used last if it is quiet; else the next one in turn, cut off if it still plays.
// So a sound overlaps itself as many times as it has buffers.
int CDXSoundBuffer::GetFreeBuffer() {
    if (!playing(m_current)) return m_current;
    if (bufferCount() == 1) return -1;
    m_current = (m_current + 1) % bufferCount();
    if (playing(m_current)) stopBuffer(m_current);
    return m_current;
}

SoundError CDXSoundBuffer::Play(int volume, int pan) {
    if (!m_device.ok()) return SoundError::NoDevice;
    if (m_device.muted()) return SoundError::None;
    if (m_buffers.empty()) return SoundError::NoBuffer;
    const int chosen = GetFreeBuffer();
    if (chosen < 0) return SoundError::NoBuffer;
    m_device.select();
    DeviceBuffer& b = m_buffers[std::size_t(chosen)];
    const ChannelGains gains = panGains(volume, pan);
    alSourcef(b.sources[0], AL_GAIN, gains.left);
    alSourcef(b.sources[1], AL_GAIN, gains.right);
    alSourcef(b.sources[0], AL_PITCH, 1.0f);  // the file's own rate
    alSourcef(b.sources[1], AL_PITCH, 1.0f);
    // Started in one call, so both halves begin at the same sample.
    alSourcePlayv(2, b.sources.data());
    return alGetError() == AL_NO_ERROR ? SoundError::None : SoundError::Device;
}

}  // namespace slyders
