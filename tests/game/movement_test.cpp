// Slyders moving, crashing and scoring; rounds; a game decided by its start and its input.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "game/game_start.h"
#include "game/rounds.h"
#include "test_support.h"

namespace slyders {
namespace {

// One human slyder (slot 2) alone unless a test adds more.
struct Play : ::testing::Test {
    Play() { g.seatOneHuman(2); }
    Slyder& slot(int s) { return g.slot(s); }
    // Round points of the slots from slot 0 on.
    void roundPoints(std::initializer_list<int> points) {
        int s = 0;
        for (const int p : points) slot(s++).roundPoints = p;
    }
    // Paints the head of a placed slot, as the previous step would have.
    void paintHead(int s) {
        g.gra.arena.PutDisc(slot(s).x, slot(s).y, kHeadBase + s, slot(s).light);
    }

    test::TestGame g;
};

TEST_F(Play, EdgesReflectWithAPingByHowSquarelyTheyAreHit) {
    const int S = g.gra.arena.side();
    struct Case {
        float x, y;
        int heading, leaves, volume, pan;
    };
    const Case cases[] = {
        {1.0f, 200, 180, 0, 0, -10000},  // head-on into the left edge: full volume
        {1.0f, 200, 135, 45, -5000, -10000},
        {200, 1.0f, 270, 90, 0, g.gra.panByX(200, true)},
        {float(S - 2), 200, 0, 180, 0, 10000},
        {float(S - 2), 200, 45, 135, -5000, 10000},
        {200, float(S - 2), 90, 270, 0, g.gra.panByX(200, true)},
    };
    for (const Case& c : cases) {
        g.sound.requests.clear();
        g.place(2, c.x, c.y, c.heading);
        g.gra.MoveSlyders();
        EXPECT_TRUE(slot(2).alive);
        EXPECT_EQ(slot(2).heading, c.leaves) << c.heading;
        EXPECT_EQ(g.sound.ofNumber(kSndPing),
                  (std::vector<test::SoundRequest>{{kSndPing, c.volume, c.pan}}))
            << c.heading;
        g.gra.arena.clearMap();
    }
}

// One step of slot s along its heading and its edge check, on an empty map.
bool stepAndCheck(Gra& gra, int s) {
    Slyder& sl = gra.slot(s);
    const double u = gra.arena.unit();
    sl.x = static_cast<float>(sl.x + sl.speed * u * cosDeg(sl.heading));
    sl.y = static_cast<float>(sl.y + sl.speed * u * sinDeg(sl.heading));
    return gra.CheckSlyder(s);
}

// Each corner, approached from every heading and from many points near it: in the corner's
// edge zones the part of the heading that runs into an edge turns round and the rest stays,
// and no slyder leaves the arena. The first rules, which replays of that time still play
// under, let slyders out at the bottom-left corner.
TEST_F(Play, EveryCornerReflectsLikeAMirror) {
    Gra& gra = g.gra;
    const float S = float(gra.arena.side());
    const double u = gra.arena.unit();
    constexpr double kEps = 1e-9;
    constexpr int kSteps = 12;
    const float far = S - 1;
    const std::array<std::array<float, 2>, 4> corners = {
        {{0, 0}, {far, 0}, {0, far}, {far, far}}};
    // In units from the corner pixel: within the edge zone, and outside it, where a slyder
    // comes from before it reaches the corner.
    const std::array<float, 7> insets = {0.1f, 0.5f, 0.9f, 1.0f, 1.4f, 2.5f, 4.0f};
    for (const Rules rules : {Rules::MirrorCorners, Rules::FirstCorners}) {
        gra.rules = rules;
        int escaped = 0, wrongWay = 0;
        for (const auto& [cx, cy] : corners) {
            const float inX = cx == 0 ? 1.0f : -1.0f, inY = cy == 0 ? 1.0f : -1.0f;
            for (int heading = 0; heading < 360; ++heading) {
                for (float ix : insets) {
                    for (float iy : insets) {
                        const float x = cx + inX * ix * float(u), y = cy + inY * iy * float(u);
                        g.place(2, x, y, heading);
                        const double c = cosDeg(heading), s = sinDeg(heading);
                        const bool intoX = ix < 1 && c * inX < -kEps;
                        const bool intoY = iy < 1 && s * inY < -kEps;
                        EXPECT_FALSE(gra.CheckSlyder(2));
                        const int h = slot(2).heading;
                        if (std::abs(cosDeg(h) - (intoX ? -c : c)) > kEps ||
                            std::abs(sinDeg(h) - (intoY ? -s : s)) > kEps) {
                            ++wrongWay;
                        }
                        if (ix < 1 || iy < 1) continue;
                        g.place(2, x, y, heading);
                        int k = 0;
                        while (k < kSteps && !stepAndCheck(gra, 2)) ++k;
                        if (k < kSteps) ++escaped;
                    }
                }
            }
        }
        if (rules == Rules::MirrorCorners) {
            EXPECT_EQ(wrongWay, 0);
            EXPECT_EQ(escaped, 0);
        } else {
            EXPECT_GT(escaped, 0) << "the first rules, as old replays were played";
        }
    }
}

TEST_F(Play, AGapPointComesOnLeavingAndAGapWithTrailIsDeath) {
    Arena& a = g.gra.arena;
    // A broad gray band: two gaps with no free step between them.
    for (int y = 90; y <= 110; ++y)
        for (int x = 110; x <= 121; ++x) a.cell(x, y) = kCellGap;
    g.place(2, 100, 100, 0);
    int steps = 0;
    while (slot(2).x < 125 && steps++ < 40) {
        g.gra.MoveSlyders();
        EXPECT_TRUE(slot(2).x >= 120 || slot(2).gamePoints == 0) << "no point for entering";
    }
    EXPECT_TRUE(slot(2).alive);
    EXPECT_EQ(std::tuple(slot(2).gamePoints, slot(2).roundPoints, g.sound.ofNumber(kSndGap).size()),
              std::tuple(1, 1, 1u));

    // Gap and trail under the head at once: the slyder dies, and without a gap point.
    g.place(2, 200, 100, 0);
    slot(2).gamePoints = 0;
    a.cell(201, 100) = kCellGap;
    a.cell(202, 100) = 3;
    g.gra.MoveSlyders();
    EXPECT_FALSE(slot(2).alive);
    EXPECT_EQ(std::pair(slot(2).gamePoints, g.gra.deathOrder), std::pair(0, std::string("2")));
}

TEST_F(Play, TwoCrashesInOneStepTheLowerSlotDiesFirst) {
    g.gra.humans = 3;
    g.place(2, 100, 100, 0);
    g.place(3, 103, 100, 180);
    g.place(4, 300, 300, 90);
    for (int s : {2, 3, 4}) paintHead(s);
    g.gra.MoveSlyders();
    EXPECT_FALSE(slot(2).alive || slot(3).alive);
    EXPECT_EQ(g.gra.deathOrder, "23");
    // Slot 3 outlived slot 2 for a moment.
    EXPECT_EQ(std::tuple(slot(2).gamePoints, slot(3).gamePoints, slot(4).gamePoints),
              std::tuple(0, 1, 2));
    EXPECT_TRUE(g.gra.panelChanged);
}

TEST_F(Play, WithoutGapsAGameGivesEachDeathItsSurvivorsPoints) {
    // Four slyders run into a wall one after another.
    g.gra.firstSlot = 0;
    g.gra.humans = 2;
    for (int y = 0; y < g.gra.arena.side(); ++y) g.gra.arena.cell(300, y) = kCellSolid;
    for (int s = 0; s < 4; ++s) g.place(s, 290.0f - 20 * s, 40.0f + 40 * s, 0);
    int guard = 0;
    while (g.gra.AliveCount() > 0 && guard++ < 200) g.gra.MoveSlyders();
    EXPECT_EQ(g.gra.deathOrder, "0123");
    int total = 0;
    for (int s = 0; s < 4; ++s) total += slot(s).gamePoints;
    EXPECT_EQ(std::tuple(total, slot(3).gamePoints, g.sound.ofNumber(kSndGameOver).size()),
              std::tuple(4 * 3 / 2, 3, 1u));
}

TEST_F(Play, TheLastHumansDeathSpeedsUpTheComputerOutsideDemoGames) {
    for (const bool demo : {false, true}) {
        g.gra.arena.clearMap();
        g.gra.fastFinish = false;
        g.gra.demo = demo;
        g.gra.firstSlot = 1;
        g.place(1, 300, 300, 90);
        g.place(2, 100, 100, 0);
        g.gra.arena.cell(102, 100) = kCellSolid;
        g.gra.MoveSlyders();
        EXPECT_EQ(std::pair(slot(2).alive, g.gra.fastFinish), std::pair(false, !demo));
    }
}

TEST_F(Play, TimersOpenGapsButNeverWhileInvisibleAndCapTheSpeed) {
    g.place(2, 200, 200, 0);
    slot(2).nextGap = 0;
    slot(2).invisibleLeft = 3;
    g.gra.StepTimers();
    EXPECT_EQ(std::pair(slot(2).gapLeft, slot(2).nextGap), std::pair(0, -1));  // invisible: no gap
    slot(2).invisibleLeft = 0;
    g.gra.StepTimers();
    EXPECT_TRUE(slot(2).gapLeft >= 14 + g.gra.speedLevel - 1 && slot(2).nextGap >= 150);
    for (int i = 0; i < 2000; ++i) {
        g.gra.StepTimers();
        ASSERT_TRUE(slot(2).speed <= 1.0f && slot(2).speed > 0.6f) << slot(2).speed;
    }
}

// A round ends only at the target and only with one leader.
TEST_F(Play, RoundLeadersTiesAndEnds) {
    g.gra.firstSlot = 1;
    g.gra.humans = 2;          // slots 1, 2, 3
    roundPoints({99, 45, 45, 10});  // slot 0 is not active: never a leader
    EXPECT_EQ(FirstLeader(g.gra, RoundPoints), 1);
    EXPECT_EQ(UniqueLeader(g.gra, RoundPoints), -1);
    slot(3).roundPoints = 46;
    EXPECT_EQ(UniqueLeader(g.gra, RoundPoints), 3);

    // Results exist with round points, or with rounds won alone.
    g.gra.ResetRound();
    EXPECT_FALSE(resultsExist(g.gra));
    slot(2).roundsWon = 1;
    EXPECT_TRUE(resultsExist(g.gra));

    g.gra.humans = 1;
    roundPoints({0, 39, 12});
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Continues);
    roundPoints({0, 45, 45});
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Draw);
    slot(2).roundPoints = 46;
    EXPECT_EQ(decideRoundEnd(g.gra, UniqueLeader(g.gra, RoundPoints)), RoundEnd::Won);
    g.settings.int_rndpts = 80;
    EXPECT_EQ(decideRoundEnd(g.gra, 2), RoundEnd::Continues);
    g.gra.demo = true;
    EXPECT_EQ(decideRoundEnd(g.gra, 2), RoundEnd::Demo);
}

TEST_F(Play, WinnerNamesAndDemoTexts) {
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

TEST_F(Play, AWonRoundIsCreditedAndAnnouncedWithTheNewRating) {
    ASSERT_TRUE(g.scores.Add(PlrScore{"Mary", 0, {}}));
    g.gra.firstSlot = 1;
    g.gra.seats[0].rosterIndex = 4;
    roundPoints({0, 20, 40});
    slot(2).gamePoints = 7;
    const std::string text = creditRoundWin(g.gra, 2);
    EXPECT_EQ(text, "40 points reached.\n\nThe winner is Mary !\nMary's rating is now 100.");
    // The computer took part too.
    EXPECT_EQ(std::tuple(slot(2).roundsWon, g.scores.entry(4).played, g.scores.entry(0).played,
                         Scores::total(g.scores.entry(4))),
              std::tuple(1, 40, 40, 1));
    clearRoundPoints(g.gra);
    EXPECT_EQ(std::tuple(slot(2).roundPoints, slot(2).gamePoints, slot(2).roundsWon),
              std::tuple(0, 0, 1));

    // A computer winner is named by its roster name in the rating line.
    slot(1).roundPoints = 41;
    EXPECT_EQ(creditRoundWin(g.gra, 1),
              "40 points reached.\n\nThe winner is the computer player !\nComputer 1's rating is "
              "now 100.");
}

// A game of one human and two computers; the human holds left for a while from tick 200.
GameStart oneHumanStart(std::uint64_t seed) {
    GameStart start{.computers = 2, .humans = 1, .seed = seed};
    start.seats[0].rosterIndex = 2;
    return start;
}

TickInput heldAt(int tick, int flipTick) {
    TickInput in;
    if (tick >= 200 && tick < 260) in.seat[0] = kSteerLeft;
    if (tick == flipTick) in.seat[0] ^= kSteerRight;
    return in;
}

std::vector<std::uint64_t> play(const GameStart& start, int flipTick) {
    return test::playedHashes(start, [flipTick](int t, auto&) { return heldAt(t, flipTick); }, 1500);
}

TEST(GameStart, TheStartAndTheInputDecideTheWholeGame) {
    const auto a = play(oneHumanStart(42), -1);
    ASSERT_GT(a.size(), 10u);
    EXPECT_EQ(play(oneHumanStart(42), -1), a);
    EXPECT_NE(play(oneHumanStart(43), -1), a);

    // One key of one tick changes the game from that tick on, and not before it.
    const auto flipped = play(oneHumanStart(42), 231);
    std::size_t firstDiff = 0;
    while (firstDiff < std::min(a.size(), flipped.size()) && a[firstDiff] == flipped[firstDiff])
        ++firstDiff;
    EXPECT_EQ(firstDiff, std::size_t(231 / kHashInterval));
}

TEST(GameStart, AGameOfARoundStartsFromItsPointsAndADemoFromNone) {
    test::TestGame g;
    g.gra.seats[0].rosterIndex = 2;
    g.gra.slot(2).roundPoints = 17;
    g.gra.slot(1).roundsWon = 2;
    GameStart next = nextGameStart(g.gra, false, 1);
    EXPECT_EQ(next.roundPoints[2], 17);
    EXPECT_EQ(next.seed, g.rng.state());

    StartGame(g.gra, next, g.back);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon,
                         g.gra.slot(2).gamePoints),
              std::tuple(1, 17, 2, 0));

    StartGame(g.gra, nextGameStart(g.gra, true, 2), g.back);
    EXPECT_TRUE(g.gra.demo && g.gra.humans <= 2);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon),
              std::tuple(0, 0, 0));
}

}  // namespace
}  // namespace slyders
