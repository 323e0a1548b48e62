#include "sound/wave_player.h"

#include <chrono>
#include <thread>

namespace slyders {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(5);
// A device that stops reporting progress must not hang the caller for ever.
constexpr auto kSyncSlack = std::chrono::seconds(1);

}  // namespace

WavePlayer::~WavePlayer() {
    close();
}

void WavePlayer::close() {
    m_sound.reset();
    m_device.reset();
}

bool WavePlayer::start(const std::filesystem::path& file) {
    m_sound.reset();
    if (!m_device) {
        m_device = std::make_unique<CDXSound>();
        if (!m_device->Create()) {
            m_device.reset();
            return false;
        }
    }
    auto sound = std::make_unique<CDXSoundBuffer>(*m_device);
    if (sound->Load(file, 1) != SoundError::None) return false;
    if (sound->Play(kVolumeFull, 0) != SoundError::None) return false;
    m_sound = std::move(sound);
    return true;
}

bool WavePlayer::playAsync(const std::filesystem::path& file) {
    return start(file);
}

bool WavePlayer::playSync(const std::filesystem::path& file) {
    if (!start(file)) {
        close();
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration<double>(m_sound->seconds()) + kSyncSlack;
    while (m_sound->playing() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
    }
    close();
    return true;
}

bool WavePlayer::playing() const {
    return m_sound && m_sound->playing();
}

void WavePlayer::releaseIfDone() {
    if (!playing()) close();
}

}  // namespace slyders
