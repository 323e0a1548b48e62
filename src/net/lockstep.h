#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/leaves.h"
#include "net/protocol.h"

namespace slyders {
class Gra;
}

namespace slyders::net {

// Inputs for ticks this far beyond the next one to play, or this far behind it, are not
// from a peer that plays our game.
constexpr std::uint32_t kMaxAhead = 256;
constexpr std::uint32_t kMaxBehind = 512;
// The hashes of one machine kept until this machine's own for the same tick is known.
constexpr std::size_t kMaxEarlyHashes = 256;

// The input delay in ticks for a measured round trip: the input sent at tick t must be
// back at every machine before tick t + d is due, with a tick to spare across the internet.
int inputDelayFor(double roundTripMs, int speedLevel);

// The host's view of one game: every machine's inputs by tick, released as frames when all
// are in. Machine 0 is the host itself. Ticks 1 .. delay play with nobody steering.
class HostLockstep {
public:
    HostLockstep(std::vector<std::uint8_t> seatMasks, int delay);

    // False when the packet is not to be trusted: seats the machine does not own, or
    // ticks far from the game's present. `added` counts the ticks it brought that were new.
    bool addInput(int machine, std::uint32_t firstTick, std::uint8_t seatMask,
                  const std::vector<std::uint8_t>& packed, int* added = nullptr);
    // Releases every tick whose inputs are all in; returns how many were released.
    int releaseReady();
    // The machine the next tick waits for, or -1.
    int lateMachine() const;
    // The machine has left: its slyders die before the next tick to be released.
    void markGone(int machine);
    bool gone(int machine) const { return m_gone[std::size_t(machine)]; }

    std::optional<FrameEntry> released(std::uint32_t tick) const;
    std::uint32_t nextRelease() const { return std::uint32_t(m_frames.size()) + 1; }
    // The released ticks from `from` on, at most kMaxRun of them; none when nothing is new.
    std::optional<Frame> framesFrom(std::uint32_t from, std::uint16_t game) const;
    int delay() const { return m_delay; }
    // The inputs kept for ticks not yet released, of every machine.
    std::size_t held() const;
    std::uint8_t seatMask(int machine) const { return m_masks[std::size_t(machine)]; }

private:
    bool hasInput(int machine, std::uint32_t tick) const;

    std::vector<std::uint8_t> m_masks;
    int m_delay;
    std::vector<std::map<std::uint32_t, std::uint8_t>> m_inputs;
    std::vector<bool> m_gone;
    std::uint8_t m_pendingKills = 0;
    std::vector<FrameEntry> m_frames;  // tick t at t - 1
};

// A guest's view of one game: its own inputs to send, and the frames the host released.
class GuestLockstep {
public:
    GuestLockstep(std::uint8_t ownSeats, int delay) : m_seats(ownSeats), m_delay(delay) {}

    void setOwnInput(std::uint32_t tick, std::uint8_t packed);
    // The own inputs the host has not yet confirmed by a frame, latest kMaxRun of them.
    std::optional<Input> pendingInput(std::uint16_t game) const;
    // False for frames far from the present.
    bool addFrame(const Frame& frame);
    std::optional<FrameEntry> frameFor(std::uint32_t tick) const;
    std::uint32_t framesKnown() const { return std::uint32_t(m_frames.size()); }
    // The own inputs not yet confirmed by a frame.
    std::size_t held() const { return m_own.size(); }

private:
    std::uint8_t m_seats;
    int m_delay;
    std::map<std::uint32_t, std::uint8_t> m_own;
    std::vector<FrameEntry> m_frames;
};

// The state hashes of every machine, compared as soon as the host's own is known.
class HashBook {
public:
    // Each returns true when the machines are now known to disagree.
    bool own(std::uint32_t tick, std::uint64_t hash);
    bool other(int machine, std::uint32_t tick, std::uint64_t hash);
    int compared() const { return m_compared; }
    // The machines found to disagree since the last call, each once.
    std::vector<int> takeDisagreeing();
    // The others' hashes kept until ours for the same tick is known.
    std::size_t held() const { return m_early.size(); }

private:
    bool check(int machine, std::uint32_t tick, std::uint64_t hash);
    std::vector<int> m_disagreeing;
    std::map<std::uint32_t, std::uint64_t> m_own;
    std::uint32_t m_ownLast = 0;
    // Guests' hashes ahead of ours, with the machine that sent each, and how many each has.
    std::multimap<std::uint32_t, std::pair<int, std::uint64_t>> m_early;
    std::map<int, std::size_t> m_earlyOf;
    int m_compared = 0;
};

// Before a tick: the slyders of the seats whose machine left die, on every machine alike.
using slyders::applyLeaves;

}  // namespace slyders::net

namespace slyders::net {

// One tick as every machine played it: what a recorder of the game needs.
struct PlayedTick {
    std::uint32_t tick = 0;
    TickInput input;
    std::uint8_t killSeats = 0;         // seats whose slyders died before the tick
    std::optional<std::uint64_t> hash;  // every kHashInterval ticks
};

// Steers a seat with no player: the best of the game's own look-ahead rays, read without
// touching the game's random generator, so every machine's game stays the same.
std::uint8_t botSteer(const Gra& gra, int seat);

}  // namespace slyders::net
