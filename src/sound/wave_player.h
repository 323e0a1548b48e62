#pragma once

#include <filesystem>
#include <memory>

#include "sound/cdx_sound.h"

namespace slyders {

// Plays one wave file at a time on a device of its own, like the system's simple wave player:
// a new file cuts off the one before, a file that does not load plays nothing. It needs no
// sound manager and ignores the "Sounds" setting; the callers decide.
class WavePlayer {
public:
    WavePlayer() = default;
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // Starts the file and returns at once; false if nothing plays.
    bool playAsync(const std::filesystem::path& file);
    // Plays the file to its end, then closes the device; false if nothing played.
    bool playSync(const std::filesystem::path& file);

    bool playing() const;
    // Closes the device once the sound has ended, so an idle device does not keep mixing.
    void releaseIfDone();

private:
    bool start(const std::filesystem::path& file);
    void close();

    std::unique_ptr<CDXSound> m_device;
    std::unique_ptr<CDXSoundBuffer> m_sound;
};

}  // namespace slyders
