#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "sound/cdx_sound.h"

namespace slyders {

constexpr int kMaxSounds = 100;
constexpr int kDeviceBuffers = 3;  // so a sound overlaps itself three times
constexpr int kBeepMilliseconds = 20;

// The game's sounds, in the order of their numbers.
constexpr std::array<const char*, 22> kSoundFiles = {
    "welcome.wav", "begin.wav",    "alone.wav",    "gameover.wav", "gap.wav",     "ping.wav",
    "death.wav",   "hi.wav",       "wow.wav",      "empty.wav",    "tunnel.wav",  "wall.wav",
    "food.wav",    "cruelptr.wav", "teleport.wav", "scroll.wav",   "attract.wav", "invis.wav",
    "letter.wav",  "missile.wav",  "yippee.wav",   "applause.wav",
};

// The tone that stands in for a sound whose file did not load, one pitch per number.
int beepFrequency(int number);

// The system's wave-out volume, 0 .. 65535 per channel.
struct WaveOutVolume {
    int left = 0, right = 0;
};
WaveOutVolume systemWaveOutVolume();

// The attenuation a request is played at: half the one asked for, scaled by the system
// volume, in hundredths of a decibel.
int deviceVolume(int volume, WaveOutVolume system);

// The sound manager: the game's sounds loaded into the sound device, played by number.
class SndMan {
public:
    SndMan();   // opens the device; see ok()
    ~SndMan();  // stops every sound and releases the buffers and the device
    SndMan(const SndMan&) = delete;
    SndMan& operator=(const SndMan&) = delete;

    bool ok() const { return m_ok; }
    // Loads the sound list from the folder; a file that does not load leaves its entry empty.
    void loadSounds(const std::filesystem::path& folder);

    void Play(int number, int volume, int pan);

    int count() const { return m_count; }
    const CDXSoundBuffer* sound(int number) const;  // null for an empty entry
    bool playing() const;                           // any sound or beep still heard

private:
    std::unique_ptr<CDXSound> m_device;
    std::array<std::unique_ptr<CDXSoundBuffer>, kMaxSounds> m_sounds;
    int m_count = 0;
    bool m_ok = false;
};

// Creates the manager with the sounds from the folder. Without a sound device there is no
// manager and the "Sounds" setting is switched off, so the game runs silent.
std::unique_ptr<SndMan> InitSound(std::int32_t& intSnd, const std::filesystem::path& folder);

}  // namespace slyders
