#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "history/game_record.h"

struct sqlite3;

namespace slyders {

class ReplayStore;

// The list of finished games, kept in an SQLite file beside the replay folder. The replays
// are the truth: every row stands for a replay file in the folder, and the catalogue follows
// the folder when replays come, go (the store's pruning, the player) or are renamed (kept).
// A catalogue that is lost or cannot be read is made again from the replays, and says so once.
class GameCatalogue {
public:
    static constexpr const char* kFileName = "history.sqlite";
    // The catalogue of a replay folder: beside it, in the folder that holds it.
    static std::filesystem::path fileBeside(const std::filesystem::path& replayFolder);

    GameCatalogue(ReplayStore& store, std::filesystem::path file);
    explicit GameCatalogue(ReplayStore& store);
    ~GameCatalogue();
    GameCatalogue(const GameCatalogue&) = delete;
    GameCatalogue& operator=(const GameCatalogue&) = delete;

    // Opens the file, made when missing, and brings it in line with the folder. False when no
    // catalogue can be had at all (error() says why); the game goes on without one.
    bool open();
    // A finished game's replay was just saved as file (the store has pruned since): its row,
    // and none for the replays pruned.
    void added(const Replay& replay, const std::filesystem::path& file, GameKind kind);
    // Rows for replays that appeared, none for those that went, renamed files followed.
    void sync();

    // Every game, newest first.
    std::vector<PlayedGame> games();
    std::filesystem::path replayPath(const PlayedGame& game) const;
    // Removes the game's replay and its row.
    bool remove(const PlayedGame& game, std::string& error);
    // Keeps the game's replay for good; its row follows the new name.
    bool keep(const PlayedGame& game, std::string& error);

    // The catalogue had to be made again from the replays: because it was damaged (why) or
    // not found at all. Told once; nothing when all was well.
    struct Rebuild {
        bool damaged = false;
        std::string why;
        std::size_t replays = 0;
    };
    std::optional<Rebuild> takeRebuild();
    // The same as one English line; empty when all was well.
    std::string takeNotice();
    const std::string& error() const { return m_error; }
    const std::filesystem::path& file() const { return m_file; }
    const std::filesystem::path& replayFolder() const;

private:
    bool openSkipping(const std::string& skip);
    bool openFile();
    bool readable(std::string& why);
    void makeAgain(const std::string& why);
    void closeDb();
    bool exec(const char* sql);
    bool createSchema();
    void insert(const PlayedGame& game);
    void syncRows(const std::string& skip = {});
    void failed(const std::string& what);

    ReplayStore& m_store;
    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
    bool m_opened = false;
    std::optional<Rebuild> m_rebuild;
    std::string m_error;
};

}  // namespace slyders
