#include "server/ladder.h"

#include <sqlite3.h>

#include <cstdio>

#include "players/roster_bytes.h"

namespace slyders::server {

namespace {
constexpr int kBusyTimeoutMs = 2000;
constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    // A result is whole on disk once written; only the machine's power going within a moment
    // of it could lose it. Waiting for the disk would hold every room up on each result.
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS games(id INTEGER PRIMARY KEY, room TEXT, date INTEGER,"
    " players TEXT, points TEXT, death_order TEXT, result TEXT, replay BLOB);"
    "CREATE TABLE IF NOT EXISTS roster(id INTEGER PRIMARY KEY CHECK(id = 1), bytes BLOB);"
    "CREATE TABLE IF NOT EXISTS names(name TEXT PRIMARY KEY, secret TEXT);";

// A prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_s, nullptr); }
    ~Statement() { sqlite3_finalize(m_s); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool ok() const { return m_s != nullptr; }
    void text(int i, const std::string& v) {
        sqlite3_bind_text(m_s, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
    }
    void blob(int i, const std::vector<std::uint8_t>& v) {
        sqlite3_bind_blob(m_s, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
    }
    void integer(int i, std::int64_t v) { sqlite3_bind_int64(m_s, i, v); }
    int step() { return sqlite3_step(m_s); }
    std::string columnText(int i) {
        const unsigned char* t = sqlite3_column_text(m_s, i);
        return t ? reinterpret_cast<const char*>(t) : "";
    }
    std::vector<std::uint8_t> columnBlob(int i) {
        const auto* b = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_s, i));
        return b ? std::vector<std::uint8_t>(b, b + sqlite3_column_bytes(m_s, i))
                 : std::vector<std::uint8_t>{};
    }
    std::int64_t columnInt(int i) { return sqlite3_column_int64(m_s, i); }

private:
    sqlite3_stmt* m_s = nullptr;
};

template <typename T>
std::string joined(const std::vector<T>& items) {
    std::string out;
    for (const T& item : items) {
        if (!out.empty()) out += ',';
        if constexpr (std::is_same_v<T, std::string>) {
            out += item;
        } else {
            out += std::to_string(item);
        }
    }
    return out;
}
}  // namespace

LadderDb::~LadderDb() {
    if (m_db) sqlite3_close(m_db);
}

bool LadderDb::exec(const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = message ? message : "the ladder cannot be written";
    sqlite3_free(message);
    return false;
}

bool LadderDb::open(const std::string& file, std::string& error) {
    if (sqlite3_open(file.c_str(), &m_db) != SQLITE_OK) {
        error = "The ladder " + file + " cannot be opened: " + sqlite3_errmsg(m_db) + ".";
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (!exec(kSchema, error)) {
        error = "The ladder " + file + " cannot be used: " + error + ".";
        return false;
    }
    return true;
}

std::vector<PlrScore> LadderDb::roster() {
    Statement s(m_db, "SELECT bytes FROM roster WHERE id = 1");
    if (!s.ok() || s.step() != SQLITE_ROW) return {};
    return parseRoster(s.columnBlob(0)).entries;
}

bool LadderDb::claim(const std::vector<std::string>& names,
                     const std::vector<std::string>& secrets) {
    std::vector<std::size_t> unowned;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string secret = i < secrets.size() ? secrets[i] : std::string();
        Statement s(m_db, "SELECT secret FROM names WHERE name = ?");
        s.text(1, names[i]);
        if (s.step() != SQLITE_ROW) {
            unowned.push_back(i);
        } else if (s.columnText(0) != secret) {
            return false;
        }
    }
    for (std::size_t i : unowned) {
        Statement s(m_db, "INSERT OR IGNORE INTO names(name, secret) VALUES(?, ?)");
        s.text(1, names[i]);
        s.text(2, i < secrets.size() ? secrets[i] : std::string());
        s.step();
    }
    return true;
}

bool LadderDb::record(const CheckedGame& game, const std::vector<PlrScore>& roster,
                      std::string& error) {
    if (!exec("BEGIN IMMEDIATE", error)) return false;
    Statement g(m_db,
                "INSERT INTO games(room, date, players, points, death_order, result, replay)"
                " VALUES(?, ?, ?, ?, ?, ?, ?)");
    g.text(1, game.room);
    g.integer(2, game.date);
    g.text(3, joined(game.players));
    g.text(4, joined(game.points));
    g.text(5, game.deathOrder);
    g.text(6, game.result);
    g.blob(7, game.replay);
    Statement r(m_db, "INSERT OR REPLACE INTO roster(id, bytes) VALUES(1, ?)");
    r.blob(1, serialiseRoster(roster));
    if (g.step() != SQLITE_DONE || r.step() != SQLITE_DONE) {
        error = sqlite3_errmsg(m_db);
        std::string ignored;
        exec("ROLLBACK", ignored);
        return false;
    }
    return exec("COMMIT", error);
}

int LadderDb::games() {
    Statement s(m_db, "SELECT COUNT(*) FROM games");
    return s.ok() && s.step() == SQLITE_ROW ? int(s.columnInt(0)) : 0;
}

std::vector<net::LadderRow> topOf(const std::vector<PlrScore>& roster, int count) {
    Scores scores = Scores::copyOf(roster);
    std::vector<net::LadderRow> rows;
    const std::vector<int> order = scores.RankedOrder();
    for (std::size_t k = 0; k < order.size() && int(rows.size()) < count; ++k) {
        const int i = order[k];
        rows.push_back({scores.entry(i).name, scores.Rating(i), scores.entry(i).played});
    }
    return rows;
}

std::string ladderTable(const std::vector<PlrScore>& roster, int games) {
    std::string out = "Rank  Player               Rating  Round points\n";
    int rank = 0;
    for (const net::LadderRow& row : topOf(roster, int(roster.size()))) {
        char line[96];
        std::snprintf(line, sizeof line, "%4d  %-19s  %6d  %12u\n", ++rank, row.name.c_str(),
                      row.rating, unsigned(row.rounds));
        out += line;
    }
    return out + std::to_string(games) + " checked games\n";
}

}  // namespace slyders::server
