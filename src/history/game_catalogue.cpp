#include "history/game_catalogue.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "replay/replay_store.h"

namespace slyders {

namespace fs = std::filesystem;

namespace {

// Raised whenever the tables change; a file of another version is made again from the replays.
constexpr int kSchemaVersion = 1;
constexpr int kBusyWaitMs = 2000;  // another Slyders writing its game at the same moment
constexpr const char* kDamagedSuffix = ".damaged";

constexpr const char* kSchema = R"sql(
CREATE TABLE games(
  id INTEGER PRIMARY KEY,
  file TEXT NOT NULL UNIQUE,
  checksum INTEGER NOT NULL,
  started INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  ticks INTEGER NOT NULL,
  seconds REAL NOT NULL,
  over INTEGER NOT NULL,
  winner INTEGER NOT NULL,
  round_winner INTEGER NOT NULL);
CREATE TABLE slots(
  game INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,
  slot INTEGER NOT NULL,
  name TEXT NOT NULL,
  points INTEGER NOT NULL,
  round_points INTEGER NOT NULL,
  gaps INTEGER NOT NULL,
  rating INTEGER NOT NULL,
  PRIMARY KEY(game, slot));
CREATE INDEX games_by_start ON games(started);
PRAGMA user_version = 1;
)sql";

constexpr const char* kGameColumns =
    "SELECT id, file, checksum, started, kind, ticks, seconds, over, winner, round_winner "
    "FROM games";
constexpr const char* kSlotColumns =
    "SELECT game, slot, name, points, round_points, gaps, rating FROM slots";

// One prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_st, nullptr) != SQLITE_OK) m_st = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return m_st != nullptr; }
    Statement& bind(int i, std::int64_t v) {
        if (m_st) sqlite3_bind_int64(m_st, i, v);
        return *this;
    }
    Statement& bind(int i, double v) {
        if (m_st) sqlite3_bind_double(m_st, i, v);
        return *this;
    }
    Statement& bind(int i, const std::string& v) {
        if (m_st) sqlite3_bind_text(m_st, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() { return m_st ? sqlite3_step(m_st) : SQLITE_ERROR; }
    bool run() { return step() == SQLITE_DONE; }
    std::int64_t integer(int column) const { return sqlite3_column_int64(m_st, column); }
    double real(int column) const { return sqlite3_column_double(m_st, column); }
    std::string text(int column) const {
        const auto* p = sqlite3_column_text(m_st, column);
        return p ? std::string(reinterpret_cast<const char*>(p),
                               std::size_t(sqlite3_column_bytes(m_st, column)))
                 : std::string();
    }

private:
    sqlite3_stmt* m_st = nullptr;
};

// The replay's closing checksum: its last bytes, little-endian. Renaming a file keeps them.
std::optional<std::uint64_t> tailChecksum(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? std::streamoff(in.tellg()) : 0;
    if (size < std::streamoff(kReplayChecksumSize)) return std::nullopt;
    in.seekg(size - std::streamoff(kReplayChecksumSize));
    unsigned char bytes[kReplayChecksumSize];
    if (!in.read(reinterpret_cast<char*>(bytes), kReplayChecksumSize)) return std::nullopt;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < kReplayChecksumSize; ++i) sum |= std::uint64_t(bytes[i]) << (8 * i);
    return sum;
}

std::string replaysIn(std::size_t count, const fs::path& folder) {
    return std::to_string(count) + (count == 1 ? " replay" : " replays") + " in " + folder.string();
}

PlayedGame gameFrom(const Statement& st) {
    PlayedGame g;
    g.id = st.integer(0);
    g.file = st.text(1);
    g.checksum = std::uint64_t(st.integer(2));
    g.startedAt = st.integer(3);
    g.kind = static_cast<GameKind>(std::clamp<std::int64_t>(st.integer(4), 0, kGameKindCount - 1));
    g.ticks = std::int32_t(st.integer(5));
    g.seconds = st.real(6);
    g.over = st.integer(7) != 0;
    g.winner = int(st.integer(8));
    g.roundWinner = int(st.integer(9));
    return g;
}

}  // namespace

fs::path GameCatalogue::fileBeside(const fs::path& replayFolder) {
    return replayFolder.parent_path() / kFileName;
}

GameCatalogue::GameCatalogue(ReplayStore& store, fs::path file)
    : m_store(store), m_file(std::move(file)) {}

GameCatalogue::GameCatalogue(ReplayStore& store)
    : GameCatalogue(store, fileBeside(store.folder())) {}

GameCatalogue::~GameCatalogue() {
    closeDb();
}

void GameCatalogue::closeDb() {
    if (m_db) sqlite3_close(m_db);
    m_db = nullptr;
}

bool GameCatalogue::exec(const char* sql) {
    return m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void GameCatalogue::failed(const std::string& what) {
    const int code = m_db ? sqlite3_errcode(m_db) : SQLITE_CANTOPEN;
    m_error = "The game history " + what + ": " + (m_db ? sqlite3_errmsg(m_db) : "not open") + ".";
    std::fprintf(stderr, "slyders: %s\n", m_error.c_str());
    // Damaged under our feet: the next use checks the file again and makes it anew.
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        closeDb();
        m_opened = false;
    }
}

bool GameCatalogue::openFile() {
    std::error_code ec;
    fs::create_directories(m_file.parent_path(), ec);
    if (sqlite3_open_v2(m_file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        failed("could not be opened at " + m_file.string());
        closeDb();
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyWaitMs);
    return true;
}

// True for a catalogue of ours; false with why for anything else. An empty file is a new one.
bool GameCatalogue::readable(std::string& why) {
    {
        Statement check(m_db, "PRAGMA quick_check");
        if (!check.ok() || check.step() != SQLITE_ROW || check.text(0) != "ok") {
            why = sqlite3_errmsg(m_db);
            if (check.ok()) why = "it failed its check";
            return false;
        }
    }
    Statement version(m_db, "PRAGMA user_version");
    const std::int64_t v = version.step() == SQLITE_ROW ? version.integer(0) : -1;
    if (v == 0) {
        Statement tables(m_db, "SELECT count(*) FROM sqlite_master");
        if (tables.step() == SQLITE_ROW && tables.integer(0) == 0) return createSchema();
    }
    if (v != kSchemaVersion) {
        why = "it was written by another version of Slyders";
        return false;
    }
    if (!Statement(m_db, kGameColumns).ok() || !Statement(m_db, kSlotColumns).ok()) {
        why = "its tables are not the game's";
        return false;
    }
    return true;
}

bool GameCatalogue::createSchema() {
    return exec("BEGIN") && exec(kSchema) && exec("COMMIT");
}

// The damaged file is put aside (only the replays' roles in network games are lost with it).
void GameCatalogue::makeAgain(const std::string& why) {
    closeDb();
    std::error_code ec;
    fs::rename(m_file, fs::path(m_file.string() + kDamagedSuffix), ec);
    if (ec) fs::remove(m_file, ec);
    for (const char* side : {"-wal", "-shm"}) fs::remove(fs::path(m_file.string() + side), ec);
    m_rebuild = Rebuild{true, why, 0};
    if (openFile()) createSchema();
}

bool GameCatalogue::open() {
    return openSkipping({});
}

// skip: a replay just saved, which is added as the game it is, not as one found in the folder.
bool GameCatalogue::openSkipping(const std::string& skip) {
    if (m_opened) return m_db != nullptr;
    m_opened = true;
    std::error_code ec;
    const bool existed = fs::file_size(m_file, ec) > 0 && !ec;
    if (!m_db && !openFile()) return false;
    std::string why;
    if (!readable(why)) makeAgain(why);
    if (!m_db || !exec("PRAGMA journal_mode=WAL") || !exec("PRAGMA synchronous=NORMAL") ||
        !exec("PRAGMA foreign_keys=ON")) {
        failed("could not be set up at " + m_file.string());
        closeDb();
        return false;
    }
    syncRows(skip);
    if (m_rebuild || !existed) {
        const std::size_t count = games().size();
        if (!m_rebuild && count > 0) m_rebuild = Rebuild{};
        if (m_rebuild) m_rebuild->replays = count;
    }
    return true;
}

void GameCatalogue::insert(const PlayedGame& g) {
    Statement game(m_db,
                   "INSERT INTO games(file, checksum, started, kind, ticks, seconds, over, "
                   "winner, round_winner) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    game.bind(1, g.file).bind(2, std::int64_t(g.checksum)).bind(3, g.startedAt);
    game.bind(4, std::int64_t(g.kind)).bind(5, std::int64_t(g.ticks)).bind(6, g.seconds);
    game.bind(7, std::int64_t(g.over)).bind(8, std::int64_t(g.winner));
    game.bind(9, std::int64_t(g.roundWinner));
    if (!game.run()) return failed("could not take a game");
    const std::int64_t id = sqlite3_last_insert_rowid(m_db);
    for (const SlotRecord& s : g.slots) {
        Statement slot(m_db, "INSERT INTO slots VALUES(?, ?, ?, ?, ?, ?, ?)");
        slot.bind(1, id).bind(2, std::int64_t(s.slot)).bind(3, s.name);
        slot.bind(4, std::int64_t(s.points)).bind(5, std::int64_t(s.roundPoints));
        slot.bind(6, std::int64_t(s.gaps)).bind(7, std::int64_t(s.rating));
        if (!slot.run()) return failed("could not take a game");
    }
}

void GameCatalogue::syncRows(const std::string& skip) {
    struct Row {
        std::int64_t id;
        std::string file;
        std::uint64_t checksum;
        bool present = false;
    };
    std::vector<Row> rows;
    {
        Statement st(m_db, "SELECT id, file, checksum FROM games");
        while (st.step() == SQLITE_ROW)
            rows.push_back({st.integer(0), st.text(1), std::uint64_t(st.integer(2))});
    }
    std::map<std::string, Row*> byFile;
    for (Row& r : rows) byFile[r.file] = &r;
    const std::vector<fs::path> files = m_store.all();
    std::set<std::string> present;
    for (const fs::path& f : files) present.insert(f.filename().string());
    for (Row& r : rows) r.present = present.count(r.file) > 0;

    if (!exec("BEGIN IMMEDIATE")) return failed("could not be changed");
    for (const fs::path& f : files) {
        const std::string name = f.filename().string();
        if (byFile.count(name) || name == skip) continue;
        const auto sum = tailChecksum(f);
        const auto renamed = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
            return !r.present && sum && r.checksum == *sum;
        });
        if (renamed != rows.end()) {
            Statement st(m_db, "UPDATE games SET file = ? WHERE id = ?");
            st.bind(1, name).bind(2, renamed->id).run();
            renamed->present = true;
            continue;
        }
        std::string error;
        if (const auto replay = loadReplayFile(f, error); replay && sum) {
            insert(recordOf(*replay, kindOfReplay(*replay), name, *sum));
        }
    }
    for (const Row& r : rows) {
        if (!r.present) Statement(m_db, "DELETE FROM games WHERE id = ?").bind(1, r.id).run();
    }
    if (!exec("COMMIT")) {
        failed("could not be changed");
        exec("ROLLBACK");
    }
}

void GameCatalogue::sync() {
    if (open()) syncRows();
}

void GameCatalogue::added(const Replay& replay, const fs::path& file, GameKind kind) {
    const std::string name = file.filename().string();
    if (!openSkipping(name)) return;
    const auto sum = tailChecksum(file);
    if (!sum) return syncRows();  // pruned already, or not there: the folder decides
    if (!exec("BEGIN IMMEDIATE")) return failed("could not be changed");
    Statement(m_db, "DELETE FROM games WHERE file = ?").bind(1, name).run();
    insert(recordOf(replay, kind, name, *sum));
    if (!exec("COMMIT")) {
        failed("could not be changed");
        exec("ROLLBACK");
        return;
    }
    syncRows();
}

std::vector<PlayedGame> GameCatalogue::games() {
    std::vector<PlayedGame> list;
    if (!open()) return list;
    std::map<std::int64_t, std::size_t> byId;
    {
        Statement st(m_db, std::string(kGameColumns) + " ORDER BY started DESC, id DESC");
        while (st.step() == SQLITE_ROW) {
            list.push_back(gameFrom(st));
            byId[list.back().id] = list.size() - 1;
        }
    }
    Statement st(m_db, std::string(kSlotColumns) + " ORDER BY game, slot");
    while (st.step() == SQLITE_ROW) {
        const auto it = byId.find(st.integer(0));
        if (it == byId.end()) continue;
        list[it->second].slots.push_back(SlotRecord{int(st.integer(1)), st.text(2),
                                                    int(st.integer(3)), int(st.integer(4)),
                                                    int(st.integer(5)), int(st.integer(6))});
    }
    return list;
}

const fs::path& GameCatalogue::replayFolder() const {
    return m_store.folder();
}

fs::path GameCatalogue::replayPath(const PlayedGame& game) const {
    return m_store.folder() / game.file;
}

bool GameCatalogue::remove(const PlayedGame& game, std::string& error) {
    std::error_code ec;
    const fs::path file = replayPath(game);
    if (!fs::remove(file, ec) && fs::exists(file)) {
        error = "The replay " + file.string() + " could not be removed: " + ec.message() + ".";
        return false;
    }
    if (open()) Statement(m_db, "DELETE FROM games WHERE id = ?").bind(1, game.id).run();
    return true;
}

bool GameCatalogue::keep(const PlayedGame& game, std::string& error) {
    const auto kept = m_store.keep(replayPath(game), error);
    if (!kept) return false;
    if (open()) {
        Statement st(m_db, "UPDATE games SET file = ? WHERE id = ?");
        st.bind(1, kept->filename().string()).bind(2, game.id).run();
    }
    return true;
}

std::optional<GameCatalogue::Rebuild> GameCatalogue::takeRebuild() {
    open();
    return std::exchange(m_rebuild, std::nullopt);
}

std::string GameCatalogue::takeNotice() {
    const auto r = takeRebuild();
    if (!r) return {};
    const std::string from =
        "it was made again from the " + replaysIn(r->replays, m_store.folder()) + ".";
    if (r->damaged) return "The game history could not be read (" + r->why + "); " + from;
    return "The game history was not found; " + from;
}

}  // namespace slyders
