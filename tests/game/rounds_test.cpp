#include "game/rounds.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

struct Rounds : ::testing::Test {
    Slyder& slot(int s) { return g.slot(s); }
    test::TestGame g;
};

TEST_F(Rounds, LeadersAndTies) {
    g.gra.firstSlot = 1;
    g.gra.humans = 2;          // slots 1, 2, 3
    slot(0).roundPoints = 99;  // not active: never a leader
    slot(1).roundPoints = 45;
    slot(2).roundPoints = 45;
    slot(3).roundPoints = 10;
    EXPECT_EQ(FirstLeader(g.gra, RoundPoints), 1);
    EXPECT_EQ(UniqueLeader(g.gra, RoundPoints), -1);
    slot(3).roundPoints = 46;
    EXPECT_EQ(UniqueLeader(g.gra, RoundPoints), 3);

    // Results exist with round points, or with rounds won alone.
    g.gra.ResetRound();
    EXPECT_FALSE(resultsExist(g.gra));
    slot(2).roundsWon = 1;
    EXPECT_TRUE(resultsExist(g.gra));
}

TEST_F(Rounds, WinnerNamesAndDemoTexts) {
    g.gra.humans = 1;
    g.gra.firstSlot = 1;
    EXPECT_EQ(winnerName(g.gra, 1), "the computer player");
    g.gra.firstSlot = 0;
    EXPECT_EQ(winnerName(g.gra, 0), "the computer player #1");
    EXPECT_EQ(winnerName(g.gra, 1), "the computer player #2");

    g.gra.demo = true;
    EXPECT_EQ(demoResultText(g.gra, 3), "This DEMO game has been won by Mary.");
    EXPECT_EQ(demoResultText(g.gra, -1), "This DEMO game ends with a draw.");
}

TEST_F(Rounds, AWonRoundIsCreditedAndAnnouncedWithTheNewRating) {
    ASSERT_TRUE(g.scores.Add(PlrScore{"Mary", 0, {}}));
    g.gra.firstSlot = 1;
    g.gra.humans = 1;
    g.gra.seats[0].rosterIndex = 4;
    slot(1).roundPoints = 20;
    slot(2).roundPoints = 40;
    slot(2).gamePoints = 7;
    const std::string text = creditRoundWin(g.gra, 2);
    EXPECT_EQ(text, "40 points reached.\n\nThe winner is Mary !\nMary's rating is now 100.");
    EXPECT_EQ(slot(2).roundsWon, 1);
    EXPECT_EQ(g.scores.entry(4).played, 40);
    EXPECT_EQ(g.scores.entry(0).played, 40);  // the computer took part too
    EXPECT_EQ(Scores::total(g.scores.entry(4)), 1);

    clearRoundPoints(g.gra);
    EXPECT_EQ(slot(2).roundPoints, 0);
    EXPECT_EQ(slot(2).gamePoints, 0);
    EXPECT_EQ(slot(2).roundsWon, 1);

    // A computer winner is named by its roster name in the rating line.
    slot(1).roundPoints = 41;
    EXPECT_EQ(creditRoundWin(g.gra, 1),
              "40 points reached.\n\nThe winner is the computer player !\nComputer 1's rating is "
              "now 100.");
}

TEST_F(Rounds, TheRoundEndsOnlyAtTheTargetAndOnlyWithOneLeader) {
    g.gra.firstSlot = 1;
    g.gra.humans = 1;
    slot(1).roundPoints = 39;
    slot(2).roundPoints = 12;
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Continues);
    slot(1).roundPoints = 45;
    slot(2).roundPoints = 45;
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Draw);
    slot(2).roundPoints = 46;
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Won);
    g.settings.int_rndpts = 80;
    EXPECT_EQ(decideRoundEnd(g.gra, 2), RoundEnd::Continues);
    g.gra.demo = true;
    EXPECT_EQ(decideRoundEnd(g.gra, 2), RoundEnd::Demo);
}

}  // namespace
}  // namespace slyders
