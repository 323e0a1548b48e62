#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "memory_roster_store.h"
#include "players/roster_bytes.h"
#include "players/scores.h"

namespace slyders {
namespace {

using Bytes = std::vector<std::uint8_t>;

PlrScore player(const std::string& name, int total, std::uint16_t played = 0) {
    return {name, played, {static_cast<std::uint16_t>(total)}};
}

// What f gives for each entry of the roster, in order.
template <typename F>
auto each(const Scores& s, F f) {
    std::vector<decltype(f(0))> out;
    for (int i = 0; i < s.count(); ++i) out.push_back(f(i));
    return out;
}
std::vector<std::string> names(const Scores& s) {
    return each(s, [&s](int i) { return s.entry(i).name; });
}

// A roster of players P0, P1 ... with these totals.
Scores rosterWithTotals(test::MemoryRosterStore& store, const std::vector<int>& totals) {
    std::vector<PlrScore> entries;
    for (std::size_t i = 0; i < totals.size(); ++i)
        entries.push_back(player("P" + std::to_string(i), totals[i]));
    store.bytes = serialiseRoster(entries);
    return Scores(&store);
}

// 400 two-letter names fill the store exactly.
std::vector<PlrScore> fullRoster() {
    std::vector<PlrScore> entries;
    for (int i = 0; i < 400; ++i)
        entries.push_back(player({char('A' + i / 26), char('a' + i % 26)}, 0));
    return entries;
}

TEST(Roster, AShortStoreIsToppedUpWithTheDefaultsWithoutWriting) {
    test::MemoryRosterStore store;
    Scores fresh(&store);
    EXPECT_EQ(names(fresh),
              (std::vector<std::string>{"Computer 1", "Computer 2", "Dummy 1", "Dummy 2"}));
    for (int i = 0; i < fresh.count(); ++i) EXPECT_EQ(fresh.Rating(i), 0);
    EXPECT_EQ(std::pair(store.keptAside, store.writes), std::pair(false, 0));

    store.bytes = serialiseRoster({player("Computer 1", 0), player("Alice", 5)});
    EXPECT_EQ(names(Scores(&store)),
              (std::vector<std::string>{"Computer 1", "Alice", "Computer 2", "Dummy 1"}));
}

TEST(Roster, StoredBytesAreTheEntriesLittleEndianAndReadBackTheSame) {
    // Two entries, then the defaults the load adds.
    const Bytes known{
        'C',  '1',  0,                                // name
        0x02, 0x01,                                   // played
        0x05, 0,    0,    0, 0, 0, 0, 0, 0,    0,     // results 0 .. 4
        0,    0,    0,    0, 0, 0, 0, 0, 0x34, 0x12,  // results 5 .. 9
        'A',  'n',  'n',  0,                          //
        0xFF, 0xFF,                                   //
        0,    0,    0x07, 0, 0, 0, 0, 0, 0,    0,     //
        0,    0,    0,    0, 0, 0, 0, 0, 0,    0,     //
    };
    test::MemoryRosterStore store;
    store.bytes = known;
    Scores scores(&store);
    ASSERT_EQ(scores.count(), 4);
    EXPECT_EQ(std::tuple(scores.entry(0).name, scores.entry(0).played, scores.entry(0).results[9],
                         scores.entry(1).played, scores.entry(1).results[1]),
              std::tuple("C1", 0x0102, 0x1234, 0xFFFF, 7));
    EXPECT_EQ(Scores::total(scores.entry(0)), 5 + 0x1234);

    scores.Save();
    Bytes expected = known;
    for (const char* name : {"Computer 1", "Computer 2"}) {
        expected.insert(expected.end(), name, name + std::strlen(name));
        expected.insert(expected.end(), 23, 0);
    }
    EXPECT_EQ(store.bytes, expected);
}

TEST(Roster, RatingsRunFromWeakestToStrongestAndEqualTotalsRankInExchangeOrder) {
    test::MemoryRosterStore store;
    Scores ties = rosterWithTotals(store, {7, 9, 9, 0});
    EXPECT_EQ(each(ties, [&](int i) { return ties.RankedIndex(i); }), (std::vector{1, 2, 0, 3}));

    Scores spread = rosterWithTotals(store, {10, 40, 30, 11});
    const auto ratings = [](auto&& s) {
        return each(s, [&s](int i) { return s.Rating(i); });
    };
    EXPECT_EQ(ratings(spread), (std::vector{0, 100, 66, 3}));  // 66: truncated
    // Beating the strongest lifts the weakest result of the winner to a tenth of 40.
    spread.UpdateRatings({{1, 40, false}, {3, 40, true}});
    EXPECT_EQ(spread.Rating(3), 16);

    EXPECT_EQ(ratings(rosterWithTotals(store, {7, 7, 7, 7})), std::vector(4, 100));
}

TEST(Roster, AWonRoundLiftsTheWinnersWeakestResultByTheOpponentsStrength) {
    const struct {
        int opponentTotal, opponentPoints, weakest;
        const char* why;
    } cases[] = {
        {100, 20, 10, "half the winner's points counts fully"},
        {100, 30, 10, "more than half counts no more"},
        {100, 10, 5, "a quarter counts half"},
        {0, 39, 4, "nothing to beat: one more"},
        {20, 40, 4, "a tenth of 20 is below the weakest 3: one more"},
    };
    for (const auto& c : cases) {
        PlrScore winner{"Winner", 100, {4, 4, 4, 4, 4, 4, 3, 4, 4, 4}};
        test::MemoryRosterStore store;
        store.bytes = serialiseRoster({player("Computer 1", 0), player("Computer 2", 0), winner,
                                       player("Loser", c.opponentTotal, 65530)});
        Scores scores(&store);
        scores.UpdateRatings({{2, 40, true}, {3, c.opponentPoints, false}});
        EXPECT_EQ(scores.entry(2).results[6], c.weakest) << c.why;
        // The loser's rounds played wrap.
        EXPECT_EQ(std::tuple(scores.entry(2).played, scores.entry(3).played, store.writes),
                  std::tuple(140, std::uint16_t(65530 + 40), 1));
        EXPECT_EQ(parseRoster(store.bytes).entries[2].results[6], c.weakest) << c.why;
    }
}

TEST(Roster, AddRefusesShortDuplicateAndOverlongNames) {
    Scores scores;
    EXPECT_FALSE(scores.Add(player("x", 0)));
    EXPECT_FALSE(scores.Add(player("\xC3\xA9", 0)));  // two bytes, one character
    EXPECT_FALSE(scores.Add(player("Dummy 1", 0)));
    EXPECT_FALSE(scores.Add(player(std::string("ab\0c", 4), 0)));
    EXPECT_TRUE(scores.Add(player("dummy 1", 0)));
    // 17 letters and a two-byte letter fill 19 bytes; a three-byte one would split.
    ASSERT_TRUE(scores.Add(player("abcdefghijklmnopq\xC3\xA9", 0)));
    ASSERT_TRUE(scores.Add(player("bcdefghijklmnopqr\xE2\x82\xAC", 0)));
    EXPECT_EQ(names(scores),
              (std::vector<std::string>{"Computer 1", "Computer 2", "Dummy 1", "Dummy 2", "dummy 1",
                                        "abcdefghijklmnopq\xC3\xA9", "bcdefghijklmnopqr"}));
}

TEST(Roster, AFullRosterRefusesNewPlayersInsteadOfBeingCut) {
    test::MemoryRosterStore store;
    store.bytes = serialiseRoster(fullRoster());
    ASSERT_EQ(store.bytes.size(), kRosterBytesMax);
    Scores scores(&store);
    ASSERT_EQ(scores.count(), 400);
    EXPECT_FALSE(store.keptAside);
    EXPECT_FALSE(scores.fits(player("Zz", 0)) || scores.Add(player("Zz", 0)));
    scores.Remove(5);
    EXPECT_TRUE(scores.Add(player("Zz", 0)));
    scores.Save();
    EXPECT_EQ(store.bytes.size(), kRosterBytesMax);
}

// A damaged value keeps its whole entries and is set aside before the next save.
TEST(Roster, ADamagedValueKeepsItsWholeEntries) {
    const auto goodThen = [](int entries, const Bytes& tail) {
        std::vector<PlrScore> some = fullRoster();
        some.resize(std::size_t(entries));
        Bytes b = serialiseRoster(some);
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    std::vector<PlrScore> many = fullRoster();
    many.push_back(player("Zz", 0));  // 25 bytes beyond the limit
    const struct {
        const char* what;
        Bytes bytes;
        int wholeEntries;
        bool keptAside;
    } cases[] = {
        {"empty", {}, 0, false},
        {"ends inside an entry", goodThen(2, {'B', 'o', 'b', 0, 1, 0, 2}), 2, true},
        {"name without terminator", goodThen(1, Bytes(30, 'x')), 1, true},
        {"last name without terminator", goodThen(3, {'B', 'o', 'b'}), 3, true},
        {"longer than the store", serialiseRoster(many), 400, true},
    };
    const std::vector<PlrScore> good = fullRoster();
    for (const auto& c : cases) {
        test::MemoryRosterStore store;
        store.bytes = c.bytes;
        Scores scores(&store);
        EXPECT_EQ(store.keptAside, c.keptAside) << c.what;
        ASSERT_EQ(scores.count(), std::max(c.wholeEntries, 4)) << c.what;  // topped up
        for (int i = 0; i < c.wholeEntries; ++i)
            EXPECT_EQ(scores.entry(i).name, good[std::size_t(i)].name) << c.what;
    }
}

}  // namespace
}  // namespace slyders
