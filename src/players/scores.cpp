#include "players/scores.h"

#include <algorithm>
#include <numeric>

#include "players/roster_bytes.h"

namespace slyders {

namespace {

constexpr int kDefaultEntries = 4;
constexpr int kFullRating = 100;
constexpr double kBeatenShare = 0.1;  // a won round is worth a tenth of the beaten total

}  // namespace

Scores::Scores(RosterStore* store) : m_store(store) {
    Load();
}

Scores Scores::copyOf(std::vector<PlrScore> entries) {
    Scores s(nullptr);
    s.m_list = std::move(entries);  // no rating was worked out yet: nothing to forget
    return s;
}

void Scores::Load() {
    m_list.clear();
    if (m_store) {
        ParsedRoster parsed = parseRoster(m_store->read());
        for (const PlrScore& e : parsed.entries) append(e);
        if (!parsed.whole) m_store->keepUnreadable();
    }
    addDefaults();
    m_greatest = 0;
}

void Scores::Save() {
    if (m_store) m_store->write(serialiseRoster(m_list));
}

bool Scores::fits(const PlrScore& entry) const {
    std::size_t bytes = entryBytes(PlrScore{clipName(entry.name), 0, {}});
    for (const PlrScore& e : m_list) bytes += entryBytes(e);
    return bytes <= kRosterBytesMax;
}

bool Scores::Add(const PlrScore& entry) {
    PlrScore copy = entry;
    copy.name = clipName(entry.name);
    // A zero byte would end the name early in the store.
    if (characterCount(copy.name) < kMinNameCharacters ||
        copy.name.find('\0') != std::string::npos) {
        return false;
    }
    for (const PlrScore& e : m_list) {
        if (e.name == copy.name) return false;
    }
    if (!fits(copy)) return false;
    append(copy);
    m_greatest = 0;
    return true;
}

void Scores::Remove(int index) {
    if (!validIndex(index)) return;
    m_list.erase(m_list.begin() + index);
    m_greatest = 0;
}

void Scores::append(const PlrScore& entry) {
    // The list grows by an eighth and a little when full.
    if (m_list.size() == m_list.capacity()) {
        const std::size_t n = m_list.size() + 1;
        m_list.reserve(n + n / 8 + 3);
    }
    m_list.push_back(entry);
}

void Scores::addDefaults() {
    for (const char* name : {"Computer 1", "Computer 2", "Dummy 1", "Dummy 2"}) {
        if (count() < kDefaultEntries) Add(PlrScore{name, 0, {}});
    }
}

int Scores::total(const PlrScore& e) {
    return std::accumulate(e.results.begin(), e.results.end(), 0);
}

int Scores::Rating(int index) {
    if (!validIndex(index)) return 0;
    if (m_greatest == 0) {
        m_smallest = total(m_list.front());
        for (const PlrScore& e : m_list) {
            m_smallest = std::min(m_smallest, total(e));
            m_greatest = std::max(m_greatest, total(e));
        }
        if (m_greatest == 0) m_greatest = 1;
    }
    // Everybody level with a non-zero total: all are as strong as the strongest.
    if (m_greatest == m_smallest) return kFullRating;
    const int t = total(m_list[std::size_t(index)]);
    return static_cast<int>(double(t - m_smallest) * kFullRating / double(m_greatest - m_smallest));
}

int Scores::RankedIndex(int k) const {
    if (!validIndex(k)) return -1;
    return RankedOrder()[std::size_t(k)];
}

std::vector<int> Scores::RankedOrder() const {
    std::vector<int> order(m_list.size());
    std::iota(order.begin(), order.end(), 0);
    // A plain exchange sort: its order of swaps decides where equal totals land.
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            if (total(m_list[std::size_t(order[j])]) > total(m_list[std::size_t(order[i])])) {
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

int Scores::LowestResultIndex(const PlrScore& e) {
    return static_cast<int>(std::min_element(e.results.begin(), e.results.end()) -
                            e.results.begin());
}

void Scores::UpdateRatings(const std::vector<RoundParticipant>& participants) {
    const auto winner = std::find_if(participants.begin(), participants.end(),
                                     [](const RoundParticipant& p) { return p.winner; });
    if (winner == participants.end() || !validIndex(winner->rosterIndex)) return;
    const int pw = winner->roundPoints;
    // The strongest beaten opponent counts fully from half the winner's points upwards.
    int best = 0;
    for (const RoundParticipant& p : participants) {
        if (p.winner || !validIndex(p.rosterIndex)) continue;
        const double share = pw > 0 ? std::min(1.0, 2.0 * p.roundPoints / pw) : 1.0;
        const auto v = static_cast<std::uint16_t>(
            static_cast<int>(total(m_list[std::size_t(p.rosterIndex)]) * share * kBeatenShare));
        best = std::max<int>(best, v);
    }
    PlrScore& w = m_list[std::size_t(winner->rosterIndex)];
    std::uint16_t& weakest = w.results[std::size_t(LowestResultIndex(w))];
    weakest = weakest >= best ? std::uint16_t(weakest + 1) : std::uint16_t(best);
    m_greatest = 0;
    for (const RoundParticipant& p : participants) {
        if (validIndex(p.rosterIndex))
            m_list[std::size_t(p.rosterIndex)].played += std::uint16_t(pw);
    }
    Save();
}

}  // namespace slyders
