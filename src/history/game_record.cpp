#include "history/game_record.h"
#include "game/tick_pace.h"

#include <algorithm>
#include <array>

namespace slyders {

namespace {

constexpr std::array<const char*, kGameKindCount> kKindNames{
    "Local", "DEMO", "Network", "Network host", "Network guest", "Server"};

constexpr double kMsPerSecond = 1000.0;
constexpr int kFirstHumanSlot = 2;

// Ticks 1 .. endTick, each at the pace the recording had put in place before it.
double playedSeconds(const Replay& replay) {
    int speed = replay.start.speed;
    bool fast = false;
    std::int32_t from = 1;
    double ms = 0;
    for (const ReplayEvent& e : replay.events) {
        if (e.kind != ReplayEventKind::Speed && e.kind != ReplayEventKind::FastFinish) continue;
        const std::int32_t upTo = std::clamp(e.tick, from, replay.endTick + 1);
        ms += double(upTo - from) * tickPeriodMs(speed, fast);
        from = upTo;
        if (e.kind == ReplayEventKind::Speed) speed = e.value;
        if (e.kind == ReplayEventKind::FastFinish) fast = true;
    }
    if (replay.endTick >= from) ms += double(replay.endTick + 1 - from) * tickPeriodMs(speed, fast);
    return ms / kMsPerSecond;
}

// The seats whose machine left the game: their slyders went without a point for anybody.
std::uint32_t leftSlots(const Replay& replay) {
    std::uint32_t slots = 0;
    for (const ReplayEvent& e : replay.events) {
        if (e.kind == ReplayEventKind::Leave) slots |= std::uint32_t(e.value) << kFirstHumanSlot;
    }
    return slots;
}

// Every death gives each slyder still alive a point; the rest of a slot's points came from
// gaps and food.
std::array<int, kSlotCount> survivalPoints(const Replay& replay,
                                           const std::array<bool, kSlotCount>& active) {
    std::array<int, kSlotCount> points{};
    std::array<bool, kSlotCount> alive = active;
    const std::uint32_t left = leftSlots(replay);
    for (const char c : replay.deathOrder) {
        const int dead = c - '0';
        if (dead < 0 || dead >= kSlotCount || !alive[std::size_t(dead)]) continue;
        alive[std::size_t(dead)] = false;
        if (left & (1u << dead)) continue;
        for (int s = 0; s < kSlotCount; ++s) {
            if (alive[std::size_t(s)]) ++points[std::size_t(s)];
        }
    }
    return points;
}

template <typename Value>
int uniqueLeader(const std::vector<SlotRecord>& slots, Value value) {
    int leader = -1, best = 0, ties = 0;
    for (const SlotRecord& s : slots) {
        if (leader < 0 || value(s) > best) {
            leader = s.slot, best = value(s), ties = 0;
        } else if (value(s) == best) {
            ++ties;
        }
    }
    return ties > 0 ? -1 : leader;
}

}  // namespace

const char* kindName(GameKind kind) {
    const int k = static_cast<int>(kind);
    return k >= 0 && k < kGameKindCount ? kKindNames[std::size_t(k)] : "?";
}

bool isNetworkKind(GameKind kind) {
    return kind == GameKind::Network || kind == GameKind::NetworkHost ||
           kind == GameKind::NetworkGuest || kind == GameKind::Server;
}

GameKind kindOfReplay(const Replay& replay) {
    if (replay.network) return GameKind::Network;
    return replay.start.demo ? GameKind::Demo : GameKind::Local;
}

const SlotRecord* PlayedGame::slotOf(int slot) const {
    for (const SlotRecord& s : slots) {
        if (s.slot == slot) return &s;
    }
    return nullptr;
}

PlayedGame recordOf(const Replay& replay, GameKind kind, std::string file, std::uint64_t checksum) {
    PlayedGame r;
    r.file = std::move(file);
    r.checksum = checksum;
    r.startedAt = replay.startedAt;
    r.kind = kind;
    r.ticks = replay.endTick;
    r.seconds = playedSeconds(replay);
    r.over = replay.end == ReplayEnd::Over;
    // The recorder names exactly the slots that take part.
    std::array<bool, kSlotCount> active{};
    for (int s = 0; s < kSlotCount; ++s)
        active[std::size_t(s)] = !replay.names[std::size_t(s)].empty();
    const auto survival = survivalPoints(replay, active);
    for (int s = 0; s < kSlotCount; ++s) {
        const auto i = std::size_t(s);
        if (!active[i]) continue;
        const int points = replay.points[i];
        r.slots.push_back(SlotRecord{s, replay.names[i], points,
                                     replay.start.roundPoints[i] + points,
                                     std::max(0, points - survival[i]), replay.ratings[i]});
    }
    r.winner = uniqueLeader(r.slots, [](const SlotRecord& s) { return s.points; });
    if (!replay.resultText.empty()) {
        r.roundWinner = uniqueLeader(r.slots, [](const SlotRecord& s) { return s.roundPoints; });
    }
    return r;
}

}  // namespace slyders
