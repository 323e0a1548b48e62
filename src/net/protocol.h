#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/game_start.h"
#include "net/fingerprint.h"
#include "params/app_settings.h"
#include "players/scores.h"

namespace slyders::net {

// Every packet starts with these: a peer of another make of the game is told so at once.
constexpr std::uint32_t kMagic = 0x534C5944;  // "SLYD"
// Version 3: games play with mirror corners and check the faster state hash, and a guest
// may be told that the host dropped it. Version 4: a guest brings its machine's fingerprint
// and is refused when it would play the game differently.
constexpr std::uint16_t kVersion = 4;
constexpr std::uint16_t kDefaultPort = 27960;
constexpr int kSettingCount = 23;
constexpr std::size_t kMaxText = 64;  // names, machine names and passwords
constexpr int kMaxRun = 32;           // ticks repeated in one input or frame packet

// The held steering of the four seats in one byte, two bits a seat.
std::uint8_t packInput(const TickInput& input);
TickInput unpackInput(std::uint8_t packed);
// The bits of the seats in a seat mask (bit i = seat i).
std::uint8_t inputBitsOf(std::uint8_t seatMask);

enum class RefuseReason : std::uint8_t { Version = 1, Full, Password, Started, BadPackets, Differs };

// A guest asks to join with the players sitting at its machine.
struct Hello {
    std::string password;
    std::string machine;
    std::vector<std::string> names;  // 1 .. 4, one per seat
    Fingerprint fingerprint{};
};
struct Welcome {
    std::uint8_t machineIndex = 0;
};
struct Refuse {
    RefuseReason reason = RefuseReason::Version;
    std::uint8_t freeSeats = 0;  // for a full game
    std::uint8_t differs = 0;    // the fingerprint's parts that differ from the host's
};
// The host starts a game: everything every machine needs to play the very same game.
struct Start {
    std::uint16_t game = 0;
    GameStart start;
    std::array<std::int32_t, kSettingCount> settings{};
    std::int32_t arenaSide = 0;
    std::uint8_t delay = 1;      // input delay in ticks
    std::uint8_t yourSeats = 0;  // seat mask of the receiving machine
    std::array<std::string, kSlotCount> names;
    std::array<std::int32_t, kSlotCount> ratings{};  // the host's ratings, shown by guests
    // The host's roster at the start: guests credit a won round and show the high scores
    // exactly as the host does, without touching their own.
    std::vector<PlrScore> roster;
};
// A machine's own seats for a run of ticks from firstTick.
struct Input {
    std::uint16_t game = 0;
    std::uint32_t firstTick = 0;
    std::uint8_t seatMask = 0;
    std::vector<std::uint8_t> packed;
    std::uint32_t framesKnown = 0;  // the frames the sender has: the host resends the rest
};
// What the host released: every seat's input per tick, and the seats that die before it.
struct FrameEntry {
    std::uint8_t packed = 0;
    std::uint8_t killSeats = 0;
    friend bool operator==(const FrameEntry&, const FrameEntry&) = default;
};
struct Frame {
    std::uint16_t game = 0;
    std::uint32_t firstTick = 0;
    std::vector<FrameEntry> entries;
};
struct Hash {
    std::uint16_t game = 0;
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
};
// A guest has played its game to the end.
struct Done {
    std::uint16_t game = 0;
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
};
struct Waiting {
    std::string name;  // empty: nobody is late any more
};
// Dropped: the host heard nothing from the receiving machine for too long and went on
// without it.
enum class StopReason : std::uint8_t { Disagree = 1, HostClosed, Dropped };
struct Stop {
    StopReason reason = StopReason::Disagree;
};

// The host measures each guest's round trip; the guest sends the stamp back.
struct Ping {
    std::uint32_t stamp = 0;
};
struct Pong {
    std::uint32_t stamp = 0;
};

using Packet = std::variant<Hello, Welcome, Refuse, Start, Input, Frame, Hash, Done, Waiting, Stop,
                            Ping, Pong>;

std::vector<std::uint8_t> encode(const Packet& packet);

// A packet, or why it was refused.
struct Decoded {
    std::optional<Packet> packet;
    std::string error;
    bool wrongVersion = false;
};
Decoded decode(const std::uint8_t* data, std::size_t size);

extern const char* const kWrongVersionText;
extern const char* const kHostSilentText;  // a guest heard nothing from the host for too long
std::string refuseText(const Refuse& refuse);
std::string stopText(StopReason reason);

std::array<std::int32_t, kSettingCount> settingValues(const TInterface& settings);
void applySettingValues(TInterface& settings, const std::array<std::int32_t, kSettingCount>& v);

}  // namespace slyders::net
