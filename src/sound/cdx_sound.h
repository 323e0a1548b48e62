#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <filesystem>
#include <vector>

#include "sound/wave_file.h"

namespace slyders {

// Levels as the game gives them: hundredths of a decibel, 0 (full) down to -10000 (silent).
constexpr int kVolumeFull = 0;
constexpr int kVolumeSilent = -10000;
// Pan: -10000 (left only) .. +10000 (right only), as attenuation of the far channel.
constexpr int kPanLeft = -10000;
constexpr int kPanRight = 10000;

// The gains of the two channels for a volume and a pan: a pan of +p lowers the left channel
// by p hundredths of a decibel, -p the right one; reaching -10000 silences a channel.
struct ChannelGains {
    float left = 1.0f, right = 1.0f;
};
ChannelGains panGains(int volume, int pan);

// The sound device: an OpenAL device with its context.
class CDXSound {
public:
    CDXSound() = default;
    ~CDXSound();
    CDXSound(const CDXSound&) = delete;
    CDXSound& operator=(const CDXSound&) = delete;

    // Opens the default output device; false when there is none. Until then the device is
    // muted and plays nothing.
    bool Create();
    bool ok() const { return m_context != nullptr; }
    bool muted() const { return m_muted; }
    bool directChannels() const { return m_directChannels; }

    // Points the AL calls at this device; more than one device may be open at a time.
    void select() const;

    // A short tone, centred, in place of a sound that could not be loaded.
    void beep(int frequency, int milliseconds);
    bool beeping() const;

private:
    void releaseBeep();

    ALCdevice* m_device = nullptr;
    ALCcontext* m_context = nullptr;
    bool m_muted = true;
    bool m_directChannels = false;
    ALuint m_beepSource = 0;
    ALuint m_beepBuffer = 0;
};

// One loaded sound held in several device buffers, so that it can overlap itself. A device
// buffer is a pair of sources started together: one plays the left channel of the sound, the
// other the right one, so that each side gets its own gain. All pairs share the samples.
class CDXSoundBuffer {
public:
    explicit CDXSoundBuffer(CDXSound& device) : m_device(device) {}
    ~CDXSoundBuffer();
    CDXSoundBuffer(const CDXSoundBuffer&) = delete;
    CDXSoundBuffer& operator=(const CDXSoundBuffer&) = delete;

    SoundError Load(const std::filesystem::path& file, int buffers);
    SoundError Load(const WaveData& wave, int buffers);

    // Plays once at the file's own rate on a free buffer (or the next one in turn).
    SoundError Play(int volume, int pan);
    // Stops every buffer and rewinds it to the start.
    void Stop();

    bool playing() const;
    bool playing(int buffer) const;
    int bufferCount() const { return static_cast<int>(m_buffers.size()); }
    double seconds() const { return m_seconds; }

private:
    struct DeviceBuffer {
        std::array<ALuint, 2> sources{};  // left half, right half
    };

    int GetFreeBuffer();
    void stopBuffer(int buffer);
    void release();

    CDXSound& m_device;
    std::array<ALuint, 2> m_halves{};  // the samples: left channel only, right channel only
    std::vector<DeviceBuffer> m_buffers;
    int m_current = 0;  // the buffer used last
    double m_seconds = 0.0;
};

}  // namespace slyders
