#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "history/game_record.h"

namespace slyders {

// What the history tells of one player, by name. DEMO games count for nobody: their players
// are the DEMO's own made-up names.
struct PlayerStatistics {
    std::string name;
    int games = 0;
    int gamesWon = 0;  // the most game points, alone
    int rounds = 0;    // rounds that ended in a game the player took part in
    int roundsWon = 0;
    int points = 0;  // game points, all games together
    int gaps = 0;    // gaps (and food) crossed
    double meanPoints() const { return games > 0 ? double(points) / games : 0.0; }

    friend bool operator==(const PlayerStatistics&, const PlayerStatistics&) = default;
};

// Every player of the games, by name in byte order.
std::vector<PlayerStatistics> playerStatistics(const std::vector<PlayedGame>& games);

struct RatingPoint {
    std::int64_t at = 0;  // the start of the game that ended the round
    int rating = 0;
};

// The rating of every player after each round it took part in, worked out by the game's own
// rules over the history alone: the roster's players (in roster order, so its "Dummy" entries
// keep the bottom at 0) and everybody else met start level at the first game of the history.
std::map<std::string, std::vector<RatingPoint>> ratingHistory(
    const std::vector<PlayedGame>& games, const std::vector<std::string>& rosterNames);

struct HeadToHead {
    int games = 0;   // games both played
    int ahead = 0;   // the row's player finished with more game points
    int behind = 0;  // the column's player did

    friend bool operator==(const HeadToHead&, const HeadToHead&) = default;
};

// result[a][b]: player names[a] against names[b].
std::vector<std::vector<HeadToHead>> headToHead(const std::vector<PlayedGame>& games,
                                                const std::vector<std::string>& names);

}  // namespace slyders
