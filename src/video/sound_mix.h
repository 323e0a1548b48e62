#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "sound/snd_man.h"
#include "sound/wave_file.h"

namespace slyders {

// The game's sounds mixed into one stereo track, as the sound device plays them: each sound
// in kDeviceBuffers buffers that a new request takes in turn (cutting off the one it takes
// when that still plays), the request's volume halved and panned by the game's rules, a
// short tone for a sound whose file did not load.
class SoundMix {
public:
    static constexpr int kRate = 48000;  // samples per second and channel of the track

    SoundMix() = default;
    // Loads the game's sound list from the folder.
    explicit SoundMix(const std::filesystem::path& folder);

    // Adds one sound (a test's own, or one loaded elsewhere) under a number of the list.
    bool setSound(int number, const WaveData& wave);

    // The game asked for sound `number` at `seconds` from the game's start. Requests come in
    // time order.
    void request(double seconds, int number, int volume, int pan);

    // Mixes samples first .. first + count - 1 of the track (counted from the game's start)
    // into out as left, right pairs. Every request before the first sample's time must be
    // known.
    void mix(std::int64_t first, int count, std::vector<float>& out);

    int loadedSounds() const;

private:
    struct Sound {
        std::vector<float> left, right;  // the samples of each channel, -1 .. 1
        int rate = 0;
        bool loaded() const { return rate > 0; }
        double seconds() const { return rate > 0 ? double(left.size()) / rate : 0.0; }
    };
    struct Voice {
        const Sound* sound = nullptr;
        int number = 0, buffer = 0;
        double start = 0.0, end = 0.0;  // seconds; end is where it stops or is cut off
        float gainLeft = 1.0f, gainRight = 1.0f;
    };
    // Which of a sound's buffers plays which voice, and the one used last.
    struct Buffers {
        std::array<double, kDeviceBuffers> busyUntil{};
        int current = 0;
    };

    void startVoice(double seconds, const Sound& sound, int number, int buffer, float gl, float gr);
    void cut(int number, int buffer, double seconds);
    void beep(double seconds, int number);
    static void addVoice(const Voice& v, std::int64_t first, int count, std::vector<float>& out);

    std::array<Sound, kSoundFiles.size()> m_sounds;
    std::array<Buffers, kSoundFiles.size()> m_buffers{};
    std::array<Sound, kSoundFiles.size()> m_beeps;  // the tone of each number
    std::vector<Voice> m_voices;  // those still heard at the last mix
};

// One sample of a wave's own layout as a value from -1 to 1: 8-bit samples are unsigned,
// wider ones signed, and only their top 16 bits count, as the device takes them.
float waveSample(const std::uint8_t* p, int bytes);

}  // namespace slyders
