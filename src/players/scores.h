#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace slyders {

// One roster entry: a named player and the results its rating is computed from.
struct PlrScore {
    std::string name;  // at most 19 bytes, at least 2 characters
    std::uint16_t played = 0;  // the winning round points of every round played (wraps)
    std::array<std::uint16_t, 10> results{};
};

// Where the roster is kept between runs: one binary value, read and written whole.
class RosterStore {
public:
    virtual ~RosterStore() = default;
    virtual std::vector<std::uint8_t> read() = 0;
    virtual void write(const std::vector<std::uint8_t>& bytes) = 0;
};

// A slot that took part in a finished round: the roster entry playing it and its round points.
struct RoundParticipant {
    int rosterIndex = -1;
    int roundPoints = 0;
    bool winner = false;
};

// The roster of named players, human and computer alike, with their relative ratings.
class Scores {
public:
    static constexpr std::array<const char*, 6> kDemoNames{"Alice", "Bob",        "John",
                                                           "Mary",  "Computer 1", "Computer 2"};

    // Without a store the roster lives in memory only and starts from the defaults.
    explicit Scores(RosterStore* store = nullptr);

    int count() const { return static_cast<int>(m_list.size()); }
    const PlrScore& entry(int index) const { return m_list[std::size_t(index)]; }

    void Load();
    void Save();
    // Appends a copy unless the name is shorter than 2 characters or already taken.
    bool Add(const PlrScore& entry);
    void Remove(int index);

    static int total(const PlrScore& e);
    int Rating(int index);
    int RankedIndex(int k) const;
    static int LowestResultIndex(const PlrScore& e);
    // A round was won: lifts the winner's weakest result and credits everybody's rounds.
    void UpdateRatings(const std::vector<RoundParticipant>& participants);

private:
    void addDefaults();

    RosterStore* m_store;
    std::vector<PlrScore> m_list;
    int m_smallest = 0;
    int m_greatest = 0;  // 0: the cache is stale
};

}  // namespace slyders
