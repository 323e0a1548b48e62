#pragma once

namespace slyders {

// Sound numbers of the game's sound list.
enum SoundNo : int {
    kSndWelcome = 0,
    kSndBegin = 1,
    kSndAlone = 2,
    kSndGameOver = 3,
    kSndGap = 4,
    kSndPing = 5,
    kSndDeath = 6,
    kSndHi = 7,
    kSndWow = 8,
    kSndEmpty = 9,
    kSndTunnel = 10,
    kSndWall = 11,
    kSndFood = 12,
    kSndCruelPtr = 13,
    kSndTeleport = 14,
    kSndScroll = 15,
    kSndAttract = 16,
    kSndInvis = 17,
    kSndLetter = 18,
    kSndMissile = 19,
    kSndYippee = 20,
    kSndApplause = 21,
};

// Where the game sends its sound requests: a number, a volume in hundredths of a decibel
// (0 down to -10000) and a pan from -10000 (left) to +10000 (right). The sound side decides
// whether a sound device is opened and whether the "Sounds" setting lets the request through.
class SoundRequests {
public:
    virtual ~SoundRequests() = default;
    virtual void request(int number, int volume, int pan) = 0;
};

// Plays nothing; used where no sound is wanted (the simulator, most tests).
class NoSound final : public SoundRequests {
public:
    void request(int, int, int) override {}
};

}  // namespace slyders
