#include "replay/replay_recorder.h"

#include "game/leaves.h"
#include "game/state_hash.h"
#include "params/settings_table.h"

namespace slyders {

namespace {
// Settings the player keeps for themself: they do not change the game.
constexpr int kSoundsSetting = 0;
constexpr int kSaveOnExitSetting = 1;

bool playersOwn(int index) {
    return index == kSoundsSetting || index == kSaveOnExitSetting;
}
}  // namespace

std::array<std::int32_t, kReplaySettingCount> settingsValues(TInterface& settings) {
    std::array<std::int32_t, kReplaySettingCount> v{};
    const Param p = settingsParam(settings);
    for (int i = 0; i < kReplaySettingCount; ++i) v[std::size_t(i)] = p.getInt(i);
    return v;
}

void applySetting(TInterface& settings, int index, std::int32_t value) {
    if (index < 0 || index >= kReplaySettingCount || playersOwn(index)) return;
    Param p = settingsParam(settings);
    p.setInt(index, value);
}

void applySettings(TInterface& settings, const std::array<std::int32_t, kReplaySettingCount>& v) {
    for (int i = 0; i < kReplaySettingCount; ++i) applySetting(settings, i, v[std::size_t(i)]);
}

void restoreSettings(TInterface& settings, const std::array<std::int32_t, kReplaySettingCount>& v) {
    Param p = settingsParam(settings);
    for (int i = 0; i < kReplaySettingCount; ++i) p.setInt(i, v[std::size_t(i)]);
}

void ReplayRecorder::begin(Gra& gra, const GameStart& start, std::int64_t now,
                           const std::string& version) {
    m_replay = Replay{};
    m_replay.programVersion = version;
    m_replay.startedAt = now;
    m_replay.start = start;
    m_replay.arenaSide = gra.arena.side();
    m_settings = settingsValues(gra.settings());
    m_replay.settings = m_settings;
    for (int s = 0; s < kSlotCount; ++s) {
        if (!gra.isActive(s)) continue;
        m_replay.names[std::size_t(s)] = gra.DisplayName(s);
        const int index = gra.rosterIndexOfSlot(s);
        if (!gra.demo && index >= 0 && index < gra.scores().count()) {
            m_replay.ratings[std::size_t(s)] = gra.scores().Rating(index);
        }
    }
    m_input = TickInput{};
    m_speed = gra.speedLevel;
    m_fastFinish = false;  // a game that starts fast (a DEMO game restarted) notes it at tick 1
    m_active = true;
}

void ReplayRecorder::setNetwork(const std::array<std::int32_t, kSlotCount>& ratings) {
    m_replay.network = true;
    m_replay.ratings = ratings;
}

void ReplayRecorder::beforeTick(Gra& gra, const TickInput& input, std::uint8_t killSeats) {
    if (!m_active) return;
    const std::int32_t tick = gra.tick + 1;
    auto add = [&](ReplayEventKind kind, std::int32_t value = 0, int setting = 0) {
        ReplayEvent e;
        e.tick = tick;
        e.kind = kind;
        e.value = value;
        e.setting = static_cast<std::uint8_t>(setting);
        if (kind == ReplayEventKind::Input) e.input = m_input;
        m_replay.events.push_back(e);
    };
    if (gra.speedLevel != m_speed) {
        m_speed = gra.speedLevel;
        add(ReplayEventKind::Speed, m_speed);
    }
    if (killSeats) add(ReplayEventKind::Leave, killSeats);
    if (gra.fastFinish && !m_fastFinish) add(ReplayEventKind::FastFinish);
    m_fastFinish = gra.fastFinish;
    const Param p = settingsParam(gra.settings());
    for (int i = 0; i < kReplaySettingCount; ++i) {
        const std::int32_t v = p.getInt(i);
        if (v == m_settings[std::size_t(i)]) continue;
        m_settings[std::size_t(i)] = v;
        if (!playersOwn(i)) {
            add(ReplayEventKind::Setting, v, i);
        }
    }
    if (input != m_input) {
        m_input = input;
        add(ReplayEventKind::Input);
    }
}

void ReplayRecorder::afterTick(const Gra& gra) {
    if (m_active && gra.tick % kHashInterval == 0) m_replay.hashes.push_back(stateHash(gra));
}

Replay ReplayRecorder::finish(const Gra& gra, ReplayEnd end, const std::string& resultText) {
    m_active = false;
    m_replay.end = end;
    m_replay.endTick = gra.tick;
    m_replay.hashes.resize(std::size_t(gra.tick / kHashInterval));
    for (int s = 0; s < kSlotCount; ++s) {
        m_replay.points[std::size_t(s)] = gra.isActive(s) ? gra.slot(s).gamePoints : 0;
    }
    m_replay.deathOrder = gra.deathOrder;
    m_replay.resultText = resultText;
    return std::move(m_replay);
}

void ReplayCursor::start(Gra& gra, PixelBuffer& backBuffer) const {
    gra.recordedNames = m_replay.names;
    gra.fastFinish = false;  // a game that started fast carries that at its first tick
    StartGame(gra, m_replay.start, backBuffer);
}

TickInput ReplayCursor::beforeTick(Gra& gra) {
    const std::int32_t tick = gra.tick + 1;
    const auto& events = m_replay.events;
    for (; m_next < events.size() && events[m_next].tick <= tick; ++m_next) {
        const ReplayEvent& e = events[m_next];
        switch (e.kind) {
            case ReplayEventKind::Input:
                m_input = e.input;
                break;
            case ReplayEventKind::Speed:
                gra.speedLevel = e.value;
                break;
            case ReplayEventKind::FastFinish:
                gra.fastFinish = true;
                break;
            case ReplayEventKind::Setting:
                applySetting(gra.settings(), e.setting, e.value);
                break;
            case ReplayEventKind::Leave:
                applyLeaves(gra, std::uint8_t(e.value));
                break;
        }
    }
    return m_input;
}

void ReplayCursor::afterTick(const Gra& gra) {
    if (m_disagreement || gra.tick % kHashInterval != 0) return;
    const std::size_t i = std::size_t(gra.tick / kHashInterval) - 1;
    if (i < m_replay.hashes.size() && m_replay.hashes[i] != stateHash(gra)) {
        m_disagreement = gra.tick;
    }
}

}  // namespace slyders
