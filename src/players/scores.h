#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace slyders {

// One roster entry: a named player and the results its rating is computed from.
struct PlrScore {
    std::string name;          // UTF-8, at most 19 bytes, at least 2 characters
    std::uint16_t played = 0;  // the winning round points of every round played (wraps)
    std::array<std::uint16_t, 10> results{};
};

// Where the roster is kept between runs: one binary value, read and written whole.
class RosterStore {
public:
    virtual ~RosterStore() = default;
    virtual std::vector<std::uint8_t> read() = 0;
    virtual void write(const std::vector<std::uint8_t>& bytes) = 0;
    // The value last read could not be read whole: keep it aside before the next write
    // replaces it, so a damaged roster is never silently lost.
    virtual void keepUnreadable() {}
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
    const std::vector<PlrScore>& entries() const { return m_list; }
    // Another machine's roster, as it stands there, kept in memory: it never reaches a store.
    static Scores copyOf(std::vector<PlrScore> entries);

    // Reads the store, keeps every whole entry and tops the roster up to four defaults.
    void Load();
    void Save();
    // Appends a copy, its name clipped to 19 bytes at a character boundary, unless the name
    // has fewer than 2 characters, is already taken or the roster would not fit the store.
    bool Add(const PlrScore& entry);
    void Remove(int index);
    // Whether the roster with this entry added still fits the store.
    bool fits(const PlrScore& entry) const;

    static int total(const PlrScore& e);
    int Rating(int index);
    int RankedIndex(int k) const;
    // Every entry's index, best first: RankedIndex of each rank at once.
    std::vector<int> RankedOrder() const;
    static int LowestResultIndex(const PlrScore& e);
    // A round was won: lifts the winner's weakest result, credits everybody's rounds, saves.
    void UpdateRatings(const std::vector<RoundParticipant>& participants);

private:
    void append(const PlrScore& entry);
    void addDefaults();
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    RosterStore* m_store;
    std::vector<PlrScore> m_list;
    int m_smallest = 0;
    int m_greatest = 0;  // 0: the cache is stale
};

}  // namespace slyders
