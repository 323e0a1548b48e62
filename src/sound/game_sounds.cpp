#include "sound/game_sounds.h"

#include <utility>

namespace slyders {

namespace {

constexpr const char* kWelcomeFile = "welcome.wav";
constexpr const char* kByeFile = "bye.wav";

}  // namespace

GameSounds::GameSounds(TInterface& settings, std::filesystem::path folder)
    : m_settings(settings), m_folder(std::move(folder)) {}

void GameSounds::request(int number, int volume, int pan) {
    if (m_closed || m_hushed) return;
    if (m_settings.int_snd && !m_manager) {
        m_player.releaseIfDone();
        m_manager = InitSound(m_settings.int_snd, m_folder);
    }
    // A player who switches sounds off expects silence, even once the device is open.
    if (m_manager && m_settings.int_snd) m_manager->Play(number, volume, pan);
}

void GameSounds::playWelcome() {
    if (!m_closed) m_player.playAsync(m_folder / kWelcomeFile);
}

void GameSounds::closeDown() {
    m_closed = true;
    m_manager.reset();
    if (m_settings.int_snd) {
        m_player.playSync(m_folder / kByeFile);
    } else {
        m_player.releaseIfDone();
    }
}

}  // namespace slyders
