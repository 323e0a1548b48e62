#include "play/game_recording.h"

#include <cstdio>
#include <ctime>

#include "boxes/message_boxes.h"
#include "history/game_catalogue.h"
#include "replay/replay_store.h"

#ifndef SLYDERS_VERSION
#define SLYDERS_VERSION "unknown"
#endif

namespace slyders {

void GameRecording::begin(Gra& gra, const GameStart& start) {
    if (m_recorder.active()) stop(gra);  // a new game started inside the old one
    m_recorder.begin(gra, start, std::time(nullptr), SLYDERS_VERSION);
}

void GameRecording::stop(const Gra& gra) {
    if (m_recorder.active()) save(m_recorder.finish(gra, ReplayEnd::Stopped));
}

void GameRecording::end(const Gra& gra, const std::string& resultText) {
    if (m_recorder.active()) save(m_recorder.finish(gra, ReplayEnd::Over, resultText));
}

void GameRecording::keepLastSaved() {
    if (!m_lastSaved) return;
    std::string error;
    if (const auto kept = m_store.keep(*m_lastSaved, error)) m_lastSaved = kept;
}

void GameRecording::save(const Replay& replay) {
    if (replay.endTick <= 0) return;  // nothing was played
    m_lastGame = replay;
    std::string error;
    if (const auto file = m_store.save(replay, error)) {
        m_lastSaved = *file;
        if (m_catalogue) {
            const GameKind kind = replay.network ? m_networkKind : kindOfReplay(replay);
            m_catalogue->added(replay, *file, kind);
        }
        if (m_saved) m_saved();
        return;
    }
    std::fprintf(stderr, "slyders: %s\n", error.c_str());
    if (!m_saveFailed) {
        m_saveFailed = true;
        m_boxes.error("Replay not saved", error + "\nThe game itself is not affected.");
    }
}

}  // namespace slyders
