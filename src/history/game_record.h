#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace slyders {

// Where a game was played. A catalogue made again from the replay folder alone knows a network
// game only as such: which end this machine was is not in the replay.
enum class GameKind : int {
    Local = 0,
    Demo = 1,
    Network = 2,
    NetworkHost = 3,
    NetworkGuest = 4,
    Server = 5,
};
constexpr int kGameKindCount = 6;

// The kind's name as the history window lists it.
const char* kindName(GameKind kind);
bool isNetworkKind(GameKind kind);
// What a replay tells by itself: local, DEMO or network.
GameKind kindOfReplay(const Replay& replay);

// One slot of a catalogued game.
struct SlotRecord {
    int slot = 0;
    std::string name;
    int points = 0;       // game points at the end
    int roundPoints = 0;  // round points at the end: those before the game and the game's own
    int gaps = 0;         // points from gaps and food, not from outliving others
    int rating = 0;       // as shown when the game started

    friend bool operator==(const SlotRecord&, const SlotRecord&) = default;
};

// One finished game as the history lists it.
struct PlayedGame {
    std::int64_t id = 0;         // the catalogue's own number, 0 before it is stored
    std::string file;            // the replay's file name in the replay folder
    std::uint64_t checksum = 0;  // the replay's closing checksum: follows a renamed file
    std::int64_t startedAt = 0;
    GameKind kind = GameKind::Local;
    std::int32_t ticks = 0;
    double seconds = 0;             // as long as it took to play, at the speeds it was played
    bool over = false;              // every slyder died (not left before the end)
    int winner = -1;                // the slot with the most game points alone, or -1
    int roundWinner = -1;           // the slot that won the round with this game, or -1
    std::vector<SlotRecord> slots;  // the active slots, in slot order

    friend bool operator==(const PlayedGame&, const PlayedGame&) = default;
    const SlotRecord* slotOf(int slot) const;
    bool isDemo() const { return kind == GameKind::Demo; }
};

// The record of a replay; id is left 0.
PlayedGame recordOf(const Replay& replay, GameKind kind, std::string file, std::uint64_t checksum);

}  // namespace slyders
