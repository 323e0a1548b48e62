#include "history/statistics.h"

#include <algorithm>

#include "players/scores.h"

namespace slyders {

namespace {

std::vector<const PlayedGame*> counted(const std::vector<PlayedGame>& games) {
    std::vector<const PlayedGame*> list;
    for (const PlayedGame& g : games) {
        if (!g.isDemo()) list.push_back(&g);
    }
    return list;
}

// Oldest first: ratings are worked out in the order the rounds were won.
std::vector<const PlayedGame*> inPlayedOrder(const std::vector<PlayedGame>& games) {
    std::vector<const PlayedGame*> list = counted(games);
    std::sort(list.begin(), list.end(), [](const PlayedGame* a, const PlayedGame* b) {
        return a->startedAt != b->startedAt ? a->startedAt < b->startedAt : a->id < b->id;
    });
    return list;
}

// A human seat with nobody from the roster on it is shown as "?": nobody's game.
bool isPlayerName(const std::string& name) {
    constexpr std::size_t kShortestName = 2;
    return name.size() >= kShortestName;
}

int indexOf(const std::vector<PlrScore>& entries, const std::string& name) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name == name) return int(i);
    }
    return -1;
}

}  // namespace

std::vector<PlayerStatistics> playerStatistics(const std::vector<PlayedGame>& games) {
    std::map<std::string, PlayerStatistics> byName;
    for (const PlayedGame* g : counted(games)) {
        for (const SlotRecord& s : g->slots) {
            if (!isPlayerName(s.name)) continue;
            PlayerStatistics& p = byName[s.name];
            p.name = s.name;
            ++p.games;
            p.points += s.points;
            p.gaps += s.gaps;
            if (g->winner == s.slot) ++p.gamesWon;
            if (g->roundWinner >= 0) ++p.rounds;
            if (g->roundWinner == s.slot) ++p.roundsWon;
        }
    }
    std::vector<PlayerStatistics> list;
    for (auto& [name, p] : byName) list.push_back(p);
    return list;
}

std::map<std::string, std::vector<RatingPoint>> ratingHistory(
    const std::vector<PlayedGame>& games, const std::vector<std::string>& rosterNames) {
    const auto played = inPlayedOrder(games);
    std::vector<PlrScore> entries;
    auto enter = [&entries](const std::string& name) {
        if (isPlayerName(name) && indexOf(entries, name) < 0)
            entries.push_back(PlrScore{name, 0, {}});
    };
    for (const std::string& name : rosterNames) enter(name);
    for (const PlayedGame* g : played) {
        for (const SlotRecord& s : g->slots) enter(s.name);
    }
    Scores roster = Scores::copyOf(entries);
    std::map<std::string, std::vector<RatingPoint>> history;
    for (const PlayedGame* g : played) {
        if (g->roundWinner < 0) continue;
        std::vector<RoundParticipant> round;
        for (const SlotRecord& s : g->slots) {
            round.push_back({indexOf(entries, s.name), s.roundPoints, s.slot == g->roundWinner});
        }
        roster.UpdateRatings(round);
        for (const RoundParticipant& p : round) {
            if (p.rosterIndex < 0) continue;
            history[entries[std::size_t(p.rosterIndex)].name].push_back(
                {g->startedAt, roster.Rating(p.rosterIndex)});
        }
    }
    return history;
}

std::vector<std::vector<HeadToHead>> headToHead(const std::vector<PlayedGame>& games,
                                                const std::vector<std::string>& names) {
    const std::size_t n = names.size();
    std::vector<std::vector<HeadToHead>> table(n, std::vector<HeadToHead>(n));
    for (const PlayedGame* g : counted(games)) {
        for (std::size_t a = 0; a < n; ++a) {
            for (std::size_t b = 0; b < n; ++b) {
                if (a == b) continue;
                const auto sa =
                    std::find_if(g->slots.begin(), g->slots.end(),
                                 [&](const SlotRecord& s) { return s.name == names[a]; });
                const auto sb =
                    std::find_if(g->slots.begin(), g->slots.end(),
                                 [&](const SlotRecord& s) { return s.name == names[b]; });
                if (sa == g->slots.end() || sb == g->slots.end()) continue;
                HeadToHead& h = table[a][b];
                ++h.games;
                if (sa->points > sb->points) ++h.ahead;
                if (sb->points > sa->points) ++h.behind;
            }
        }
    }
    return table;
}

}  // namespace slyders
