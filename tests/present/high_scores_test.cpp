#include "present/high_scores.h"

#include <gtest/gtest.h>

#include "recording_text.h"

namespace slyders {
namespace {

// A game on a 520-pixel-high window (S = 468) whose arena texts are recorded; the roster
// has Alice and Bob besides the four who never played.
struct Table {
    Table() : gra(g.rng, g.settings, g.scores, text, g.sound) {
        gra.InitArena(520, &g.window);
        PlrScore alice{"Alice", 200, {}};
        alice.results[0] = 300;
        PlrScore bob{"Bob", 40, {}};
        bob.results[0] = 100;
        g.scores.Add(alice);
        g.scores.Add(bob);
    }
    void show(std::uint64_t msPerCall = 0) {
        std::uint64_t now = 0;
        ShowHighScores(gra, [&now, msPerCall] { return now += msPerCall; });
    }
    // The texts of the row that starts with this name.
    std::vector<std::string> rowOf(const std::string& name) const {
        for (std::size_t i = 0; i + 2 < text.drawn.size(); ++i) {
            if (text.drawn[i].text == name)
                return {name, text.drawn[i + 1].text, text.drawn[i + 2].text};
        }
        return {};
    }

    test::TestGame g;
    test::RecordingText text;
    Gra gra;
};

TEST(HighScores, RowsOrderedWithRatingAndRounds) {
    Table t;
    t.show();
    ASSERT_GE(t.text.drawn.size(), 4u);
    EXPECT_EQ(t.rowOf("Slyder"), (std::vector<std::string>{"Slyder", "Rating", "Rounds"}));
    EXPECT_EQ(t.text.drawn[0].text, "Slyder");
    EXPECT_EQ(t.text.drawn[3].text, "Alice");
    EXPECT_EQ(t.rowOf("Alice"), (std::vector<std::string>{"Alice", "100", "5"}));
    EXPECT_EQ(t.rowOf("Bob"), (std::vector<std::string>{"Bob", "33", "1"}));
    // Never played: no rating, no rounds.
    EXPECT_EQ(t.rowOf("Dummy 1"), (std::vector<std::string>{"Dummy 1", "-", ""}));
}

TEST(HighScores, TextsAndSeparatorAreSolidTheBandsAreNot) {
    Table t;
    t.show();
    const Arena& a = t.gra.arena;
    // Eight rows of 40 pixels from y = 70; the separator runs through row 1 at y = 130.
    for (int x = 46; x <= 421; ++x) ASSERT_EQ(a.cell(x, 130), kCellSolid) << x;
    EXPECT_GT(test::countWhere({47, 70, 233, 40}, [&a](int x, int y) {
                  return a.cell(x, y) == kCellSolid;
              }), 100);
    // Between the columns only the band is drawn: coloured, but free.
    EXPECT_EQ(a.cell(290, 155), kCellFree);
    EXPECT_NE(t.g.window.colour(290 + a.offset(), 155 + a.offset()), kBlack);
    const auto differs = [&](int x, int y) {
        return t.g.window.at(x + a.offset(), y + a.offset()) != t.gra.arena.offscreen().at(x, y);
    };
    EXPECT_EQ(test::countWhere({0, 0, a.side(), a.side()}, differs, 3), 0);
}

TEST(HighScores, BandsBlendUnlessDrawingIsSlow) {
    // Over a black arena the first rows are 95 % of (50, 50, 210).
    Table fast;
    fast.show(0);
    EXPECT_EQ(fast.gra.arena.offscreen().colour(300, 70 + 2 * 40 + 1), (Rgb{47, 47, 199}));
    Table slow;
    slow.show(10000);
    EXPECT_EQ(slow.gra.arena.offscreen().colour(300, 70 + 2 * 40 + 1), (Rgb{50, 50, 210}));
}

}  // namespace
}  // namespace slyders
