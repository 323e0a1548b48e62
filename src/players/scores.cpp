#include "players/scores.h"

#include <algorithm>
#include <numeric>

namespace slyders {

Scores::Scores(RosterStore* store) : m_store(store) { Load(); }

void Scores::Load() {
    m_list.clear();
    addDefaults();
    m_greatest = 0;
}

void Scores::Save() {}

bool Scores::Add(const PlrScore& entry) {
    if (entry.name.size() < 2) return false;
    for (const PlrScore& e : m_list) {
        if (e.name == entry.name) return false;
    }
    m_list.push_back(entry);
    m_greatest = 0;
    return true;
}

void Scores::Remove(int index) {
    if (index < 0 || index >= count()) return;
    m_list.erase(m_list.begin() + index);
    m_greatest = 0;
}

void Scores::addDefaults() {
    for (const char* name : {"Computer 1", "Computer 2", "Dummy 1", "Dummy 2"}) {
        if (count() < 4) Add(PlrScore{name, 0, {}});
    }
}

int Scores::total(const PlrScore& e) { return std::accumulate(e.results.begin(), e.results.end(), 0); }

int Scores::Rating(int index) {
    if (m_greatest == 0) {
        m_smallest = m_list.empty() ? 0 : total(m_list.front());
        for (const PlrScore& e : m_list) {
            m_smallest = std::min(m_smallest, total(e));
            m_greatest = std::max(m_greatest, total(e));
        }
        if (m_greatest == 0) m_greatest = 1;
    }
    const int t = total(m_list[std::size_t(index)]);
    // Everybody level with a non-zero total: all are as strong as the strongest.
    if (m_greatest == m_smallest) return 100;
    return static_cast<int>(double(t - m_smallest) * 100.0 / double(m_greatest - m_smallest));
}

int Scores::RankedIndex(int k) const {
    std::vector<int> order(m_list.size());
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            if (total(m_list[std::size_t(order[j])]) > total(m_list[std::size_t(order[i])])) {
                std::swap(order[i], order[j]);
            }
        }
    }
    return order[std::size_t(k)];
}

int Scores::LowestResultIndex(const PlrScore& e) {
    return static_cast<int>(std::min_element(e.results.begin(), e.results.end()) - e.results.begin());
}

void Scores::UpdateRatings(const std::vector<RoundParticipant>& participants) {
    const auto winner = std::find_if(participants.begin(), participants.end(),
                                     [](const RoundParticipant& p) { return p.winner; });
    if (winner == participants.end() || winner->rosterIndex < 0) return;
    const int pw = winner->roundPoints;
    int best = 0;
    for (const RoundParticipant& p : participants) {
        if (p.winner || p.rosterIndex < 0) continue;
        const double share = pw > 0 ? std::min(1.0, 2.0 * p.roundPoints / pw) : 1.0;
        const auto v = static_cast<std::uint16_t>(
            static_cast<int>(total(m_list[std::size_t(p.rosterIndex)]) * share * 0.1));
        best = std::max<int>(best, v);
    }
    PlrScore& w = m_list[std::size_t(winner->rosterIndex)];
    std::uint16_t& weakest = w.results[std::size_t(LowestResultIndex(w))];
    weakest = weakest >= best ? std::uint16_t(weakest + 1) : std::uint16_t(best);
    m_greatest = 0;
    for (const RoundParticipant& p : participants) {
        if (p.rosterIndex >= 0) m_list[std::size_t(p.rosterIndex)].played += std::uint16_t(pw);
    }
    Save();
}

}  // namespace slyders
