#include "sound/snd_man.h"

#include "sound/sound_log.h"

namespace slyders {

namespace {

constexpr int kBeepBase = 1000;
constexpr int kBeepStep = 100;
constexpr int kBeepSpan = 1000;
constexpr int kWaveOutFull = 0xFFFF;
constexpr double kWaveOutScale = 65536.0;
constexpr double kAttenuationShare = 0.5;
constexpr int kLogLevelFile = 1;
constexpr int kLogLevelDevice = 2;

}  // namespace

int beepFrequency(int number) {
    return (number * kBeepStep) % kBeepSpan + kBeepBase;
}

// OpenAL gives no access to the system mixer, so the wave-out volume counts as full; the
// mixer still scales everything the game plays.
WaveOutVolume systemWaveOutVolume() {
    return {kWaveOutFull, kWaveOutFull};
}

int deviceVolume(int volume, WaveOutVolume system) {
    const int average = (system.left + system.right) / 2;
    return static_cast<int>(volume * (average / kWaveOutScale) * kAttenuationShare);
}

SndMan::SndMan() : m_device(std::make_unique<CDXSound>()) {
    m_ok = m_device->Create();
}

SndMan::~SndMan() {
    for (auto& s : m_sounds) {
        if (s && s->playing()) s->Stop();
    }
    for (auto& s : m_sounds) s.reset();
    m_device.reset();
}

void SndMan::loadSounds(const std::filesystem::path& folder) {
    for (std::size_t i = 0; i < kSoundFiles.size() && i < m_sounds.size(); ++i) {
        const std::filesystem::path path = folder / kSoundFiles[i];
        auto buffer = std::make_unique<CDXSoundBuffer>(*m_device);
        if (buffer->Load(path, kDeviceBuffers) == SoundError::None) {
            m_sounds[i] = std::move(buffer);
        } else {
            SoundLog("MainProgram", "Start", "Error loading sound file: " + path.string(),
                     kLogLevelFile);
        }
        m_count = static_cast<int>(i) + 1;
    }
}

const CDXSoundBuffer* SndMan::sound(int number) const {
    if (number < 0 || number >= m_count) return nullptr;
    return m_sounds[std::size_t(number)].get();
}

bool SndMan::playing() const {
    for (const auto& s : m_sounds) {
        if (s && s->playing()) return true;
    }
    return m_device->beeping();
}

void SndMan::Play(int number, int volume, int pan) {
    const int volumeNow = deviceVolume(volume, systemWaveOutVolume());
    if (!m_ok || number < 0 || number >= m_count) return;
    if (CDXSoundBuffer* s = m_sounds[std::size_t(number)].get()) {
        s->Play(volumeNow, pan);
    } else {
        m_device->beep(beepFrequency(number), kBeepMilliseconds);
    }
}

std::unique_ptr<SndMan> InitSound(std::int32_t& intSnd, const std::filesystem::path& folder) {
    auto manager = std::make_unique<SndMan>();
    if (!manager->ok()) {
        SoundLog("(none)", "OnSoundDemand@", "DXsound could not be created", kLogLevelDevice);
        intSnd = 0;
        return nullptr;
    }
    manager->loadSounds(folder);
    return manager;
}

}  // namespace slyders
