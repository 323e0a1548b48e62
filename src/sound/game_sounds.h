#pragma once

#include <filesystem>
#include <memory>

#include "game/sound_requests.h"
#include "params/app_settings.h"
#include "sound/snd_man.h"
#include "sound/wave_player.h"

namespace slyders {

// The game's sound side: opens the sound manager at the first request made while "Sounds" is
// on, plays the requests while it stays on, and plays the welcome and farewell sounds.
class GameSounds final : public SoundRequests {
public:
    GameSounds(TInterface& settings, std::filesystem::path folder);

    void request(int number, int volume, int pan) override;

    // "welcome.wav", started when the window shows, whatever the setting says.
    void playWelcome();
    // At the window's close: ends the manager, then plays "bye.wav" to its end if "Sounds" is
    // on. Later requests are ignored.
    void closeDown();

    // While hushed, requests are dropped: ticks played faster than anybody could listen.
    void hush(bool on) { m_hushed = on; }

    const SndMan* manager() const { return m_manager.get(); }

private:
    TInterface& m_settings;
    std::filesystem::path m_folder;
    std::unique_ptr<SndMan> m_manager;
    WavePlayer m_player;
    bool m_closed = false;
    bool m_hushed = false;
};

}  // namespace slyders
