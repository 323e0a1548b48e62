#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game_start.h"
#include "game/tick_input.h"

namespace slyders {

constexpr int kReplaySettingCount = 23;
// Version 2 added the leaves of network games; version 3 marks games played with mirror
// corners and checked by the faster state hash. Older files are read as ever and play back
// under the rules they were recorded with (GameStart::rules).
constexpr std::uint16_t kReplayFormatVersion = 3;
constexpr std::uint16_t kFirstCornersLastVersion = 2;

// What can happen between two ticks that the game must know to play on alike.
enum class ReplayEventKind : std::uint8_t {
    Input = 1,       // the held keys of the seats change
    Speed = 2,       // the Speed menu
    FastFinish = 3,  // "Finish game?" answered Yes
    Setting = 4,     // a setting changed in the settings window
    Leave = 5,       // a network game: the slyders of machines that left die (from version 2)
};

// One change, in effect from tick `tick` on (it is applied before that tick is played).
struct ReplayEvent {
    std::int32_t tick = 0;
    ReplayEventKind kind = ReplayEventKind::Input;
    TickInput input;           // Input
    std::int32_t value = 0;    // Speed: the level; Setting: the new value; Leave: the seats
    std::uint8_t setting = 0;  // Setting: its index in the settings table

    friend bool operator==(const ReplayEvent&, const ReplayEvent&) = default;
};

// How the recorded game ended.
enum class ReplayEnd : std::uint8_t {
    Over = 0,     // every slyder died
    Stopped = 1,  // the game was left before its end (a new game, the window closed)
};

// A whole game: its start, what happened at which tick, and how it ended, with a hash of the
// game every 20 ticks to prove that a playback agrees.
struct Replay {
    std::string programVersion;
    std::int64_t startedAt = 0;  // seconds since 1970
    bool network = false;
    GameStart start;
    int arenaSide = 0;
    std::array<std::int32_t, kReplaySettingCount> settings{};
    std::array<std::string, kSlotCount> names;  // as shown for each slot
    std::array<std::int32_t, kSlotCount> ratings{};

    std::vector<ReplayEvent> events;    // in tick order
    std::vector<std::uint64_t> hashes;  // after ticks 20, 40, ...

    ReplayEnd end = ReplayEnd::Stopped;
    std::int32_t endTick = 0;
    std::array<std::int32_t, kSlotCount> points{};  // game points at the end
    std::string deathOrder;
    std::string resultText;  // the round's message box, when the game won a round

    friend bool operator==(const Replay&, const Replay&) = default;
};

// The bytes of a replay file.
std::vector<std::uint8_t> encodeReplay(const Replay& replay);

// Reads a replay file's bytes. On a refusal, error holds the message for the player:
// "This file is not a Slyders replay.", "This replay was made by a newer Slyders." or
// "This replay is damaged: ...".
struct ReplayReadResult {
    std::optional<Replay> replay;
    std::string error;
};
ReplayReadResult decodeReplay(const std::uint8_t* data, std::size_t size);

// The checksum that closes a replay file: of every byte before it. The last eight bytes of
// a file are this value of the bytes before them.
std::uint64_t replayChecksum(const std::uint8_t* data, std::size_t size);
constexpr std::size_t kReplayChecksumSize = 8;

}  // namespace slyders
