#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "history/game_record.h"
#include "replay/replay_recorder.h"

namespace slyders {

class GameCatalogue;
class MessageBoxes;
class ReplayStore;

// Every game played in the window is recorded and kept in the replay folder when it ends or
// is left. A replay that cannot be written is said once in a box, later ones on stderr only.
class GameRecording {
public:
    GameRecording(ReplayStore& store, MessageBoxes& boxes, std::function<void()> saved)
        : m_store(store), m_boxes(boxes), m_saved(std::move(saved)) {}

    void begin(Gra& gra, const GameStart& start);
    // The game was left before its end (a new game, the window closed).
    void stop(const Gra& gra);
    // The game is over; resultText is the round's box when it won a round.
    void end(const Gra& gra, const std::string& resultText);

    // The recorder while a game is recorded, otherwise null.
    ReplayRecorder* recorder() { return m_recorder.active() ? &m_recorder : nullptr; }
    void setNetwork(const std::array<std::int32_t, kSlotCount>& ratings) {
        m_recorder.setNetwork(ratings);
    }

    // Every saved game gets its row here; none: no history is kept.
    void setCatalogue(GameCatalogue* catalogue) { m_catalogue = catalogue; }
    // Which end of a network game this machine plays, for the history.
    void setNetworkKind(GameKind kind) { m_networkKind = kind; }
    // The game last ended or left, as recorded (kept in memory, whether its file was
    // written or not): its last moments can be shown again.
    const std::optional<Replay>& lastGame() const { return m_lastGame; }

    const std::optional<std::filesystem::path>& lastSaved() const { return m_lastSaved; }
    void forgetLastSaved() { m_lastSaved.reset(); }
    // The replay last saved is kept for good (a network game that disagreed).
    void keepLastSaved();

private:
    void save(const Replay& replay);

    ReplayStore& m_store;
    MessageBoxes& m_boxes;
    std::function<void()> m_saved;
    ReplayRecorder m_recorder;
    std::optional<std::filesystem::path> m_lastSaved;
    std::optional<Replay> m_lastGame;
    bool m_saveFailed = false;
    GameCatalogue* m_catalogue = nullptr;
    GameKind m_networkKind = GameKind::Network;
};

}  // namespace slyders
