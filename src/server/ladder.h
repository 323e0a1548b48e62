#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "players/scores.h"

struct sqlite3;

namespace slyders::server {

// One game the server played itself and so vouches for.
struct CheckedGame {
    std::string room;
    std::int64_t date = 0;  // seconds since 1970
    std::vector<std::string> players;  // the active slots' names, in slot order
    std::vector<std::int32_t> points;  // their game points, in the same order
    std::string deathOrder;
    std::string result;  // the round's result text, when the game ended one
    std::vector<std::uint8_t> replay;
};

// The server's ladder in SQLite (write-ahead log): every checked game, the roster the
// ratings are computed over, and which machine each player's name belongs to. A game and
// the roster it changed are written in one transaction: a crash leaves the old result or
// the new one, never half of it.
class LadderDb {
public:
    ~LadderDb();
    // ":memory:" keeps nothing; false with a reason when the file cannot be used.
    bool open(const std::string& file, std::string& error);

    // The roster as last written; empty on a new ladder.
    std::vector<PlrScore> roster();
    // True when every name is free or already this secret's; the free ones become its.
    bool claim(const std::vector<std::string>& names, const std::vector<std::string>& secrets);
    bool record(const CheckedGame& game, const std::vector<PlrScore>& roster, std::string& error);
    int games();

private:
    bool exec(const char* sql, std::string& error);
    sqlite3* m_db = nullptr;
};

// The best rated players of a roster, best first, at most `count` of them.
std::vector<net::LadderRow> topOf(const std::vector<PlrScore>& roster, int count);
// The ladder as `slyders-server --ladder` prints it.
std::string ladderTable(const std::vector<PlrScore>& roster, int games);

}  // namespace slyders::server
