// The game core: slyders moving, crashing and scoring; rounds; a game decided by its start and
// its input; events, disasters and the intro's objects; the arena's cells, their geometry,
// painting, scrolling and hashing.
// Computer players: what the rays see, where they aim and how fast they turn. The Expert
// chooses from what the arena shows, never from the generator, and it keeps clear of what its
// look-ahead sees coming.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

#include "game/arena.h"
#include "game/expert.h"
#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/gra.h"
#include "game/grid.h"
#include "game/rounds.h"
#include "game/state_hash.h"
#include "present/arena_text.h"
#include "present/event_label.h"
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
            EXPECT_EQ(std::pair(wrongWay, escaped), std::pair(0, 0));
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
    EXPECT_TRUE(!slot(2).alive && !slot(3).alive && g.gra.deathOrder == "23") << g.gra.deathOrder;
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
    EXPECT_EQ(std::pair(FirstLeader(g.gra, RoundPoints), UniqueLeader(g.gra, RoundPoints)),
              std::pair(1, -1));
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

// A game of one human and two computers; the human holds left for a while from tick 200, and
// at flipTick turns the other way too.
std::vector<std::uint64_t> play(std::uint64_t seed, int flipTick) {
    GameStart start{.computers = 2, .humans = 1, .seed = seed};
    start.seats[0].rosterIndex = 2;
    const auto held = [flipTick](int t, auto&) {
        TickInput in;
        if (t >= 200 && t < 260) in.seat[0] = kSteerLeft;
        if (t == flipTick) in.seat[0] ^= kSteerRight;
        return in;
    };
    return test::playedHashes(start, held, 1500);
}

TEST(GameStart, TheStartAndTheInputDecideTheGameARoundsStartsFromItsPointsADemoFromNone) {
    const auto a = play(42, -1);
    ASSERT_GT(a.size(), 10u);
    EXPECT_EQ(play(42, -1), a);
    EXPECT_NE(play(43, -1), a);

    // One key of one tick changes the game from that tick on, and not before it.
    const auto flipped = play(42, 231);
    std::size_t firstDiff = 0;
    while (firstDiff < std::min(a.size(), flipped.size()) && a[firstDiff] == flipped[firstDiff])
        ++firstDiff;
    EXPECT_EQ(firstDiff, std::size_t(231 / kHashInterval));
    test::TestGame g;
    g.gra.seats[0].rosterIndex = 2;
    g.gra.slot(2).roundPoints = 17;
    g.gra.slot(1).roundsWon = 2;
    GameStart next = nextGameStart(g.gra, false, 1);
    EXPECT_EQ(std::tuple(next.roundPoints[2], next.seed), std::tuple(17, g.rng.state()));

    StartGame(g.gra, next, g.back);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon,
                         g.gra.slot(2).gamePoints),
              std::tuple(1, 17, 2, 0));

    StartGame(g.gra, nextGameStart(g.gra, true, 2), g.back);
    EXPECT_TRUE(g.gra.demo && g.gra.humans <= 2);
    EXPECT_EQ(std::tuple(g.gra.firstSlot, g.gra.slot(2).roundPoints, g.gra.slot(1).roundsWon),
              std::tuple(0, 0, 0));
}

using test::TestGame;

// Signed difference b - a in degrees, in -180 .. 179.
int angleDiff(int a, int b) { return ((b - a) % 360 + 540) % 360 - 180; }

// Computers only, on an empty arena: slot 1, or slots 0 and 1.
struct Computers : TestGame {
    Computers(int skill, int first = 1, int clientHeight = 520) : TestGame(clientHeight) {
        gra.firstSlot = first;
        gra.humans = 0;
        gra.skillLevel = skill;
    }
    float side() const { return static_cast<float>(gra.arena.side()); }
    float units(double n) const { return static_cast<float>(n * gra.arena.unit()); }
    // The pixel that ray j of slot s samples at distance d.
    Cell& rayCell(int s, int j, int d) {
        const Slyder& sl = gra.slots[std::size_t(s)];
        const double theta = sl.heading - 90 + 10 * j, u = gra.arena.unit();
        return gra.arena.cell(static_cast<int>(sl.x + d * u * cosDeg(theta)),
                              static_cast<int>(sl.y + d * u * sinDeg(theta)));
    }
    // Slot s 3 units below the top edge, facing it: it aims 90 degrees to the left.
    void facingTopEdge(int s, float x) { place(s, x, units(3), 270); }
    int turned(int s) { return 270 - gra.slots[std::size_t(s)].heading; }
};

// An Expert in slot 1 against a Good player in slot 0, no humans, on a 972 arena.
struct ExpertGame : Computers {
    ExpertGame() : Computers(kSkillGood, 0, 1080) {
        gra.slotSkill[1] = kSkillExpert;
        gra.arena.clearMap();
    }
    void wall(double x0, double y0, double x1, double y1) {
        gra.arena.DrawThickLine(int(x0), int(y0), int(x1), int(y1), 3 * gra.arena.unit(),
                                kCellSolid, kWhite);
    }
    int steer() { return expertSteer(gra, 1, gra.turnStepOf(1)); }
};

// Alone in an empty arena a computer keeps straight on; near an edge and almost facing it, it
// turns away on the side it already leans to; only a Poor player draws for the mirror pass.
TEST(ComputerPlayer, KeepsStraightOnAloneTurnsAwayFromEdgesAndOnlyAPoorPlayerDraws) {
    for (int skill = 1; skill <= 3; ++skill) {
        Computers c(skill);
        const float S = c.side(), near = S - 1 - c.units(4);
        for (int heading : {0, 37, 359}) {
            c.place(1, S / 2, S / 2, heading);
            EXPECT_EQ(c.gra.ChooseHeading(1), heading) << "skill " << skill;
            c.gra.SteerComputers();
            EXPECT_EQ(c.gra.slots[1].heading, heading) << "skill " << skill;
        }
        struct Case {
            float x, y;
            int heading, turn;
        };
        for (const Case& k : {Case{near, S / 2, 350, -2},              // right edge, leaning up
                              Case{0.4f * S, near, 100, +2},           // bottom edge, leaning left
                              Case{0.4f * S, c.units(4), 275, +2}}) {  // top: aim across 0
            c.place(1, k.x, k.y, k.heading);
            EXPECT_GT(angleDiff(k.heading, c.gra.ChooseHeading(1)) * k.turn, 0)
                << "skill " << skill << " heading " << k.heading;
            c.gra.SteerComputers();
            EXPECT_EQ(c.gra.slots[1].heading, k.heading + k.turn) << "skill " << skill;
        }
        c.place(1, 100, 100, 45);
        Random before = c.rng;
        c.gra.ChooseHeading(1);
        if (skill == 1) before.next();
        EXPECT_EQ(before.next(), c.rng.next()) << "skill " << skill;
    }
}

// A Good player counts a gap to the side only once it is far enough away to be reached.
TEST(ComputerPlayer, GoodPlayerValuesSideGapsByDistanceAndNoTargetIsBehindTheSlyder) {
    auto aim = [](std::vector<std::pair<int, int>> gaps, bool inGap = false) {  // (j, units)
        Computers c(3);
        c.place(1, c.side() / 2 + 0.5f, c.side() / 2 + 0.5f, 0);
        c.gra.slots[1].inGap = inGap;
        for (auto [j, d] : gaps) c.rayCell(1, j, d) = kCellGap;
        return angleDiff(0, c.gra.ChooseHeading(1));
    };
    EXPECT_EQ(aim({{3, 5}}), 0) << "5 units at 60 degrees: 5 <= 3 x 6, no bonus";
    const int farSide = aim({{3, 20}});
    EXPECT_LT(farSide, 0) << "20 units at 60 degrees counts and pulls left";
    EXPECT_EQ(aim({{3, 20}}, true), 0) << "no gap counts while the head is in one";
    // Straight ahead the same 5 units earn 1/5, which pulls the aim back toward the middle.
    EXPECT_GT(aim({{3, 20}, {9, 5}}), farSide);
    // Whatever litters the arena, neither the best ray nor the Good player's weighted middle of
    // the open sector lies behind the slyder.
    for (int skill = 1; skill <= 3; ++skill) {
        Computers c(skill, 1, 300);
        Random scatter(skill);
        const int S = c.gra.arena.side();
        const std::int32_t litter[] = {kCellGap, kCellSolid, 0, 11, 12};
        for (int round = 0; round < 40; ++round) {
            c.gra.arena.clearMap();
            for (int n = 0; n < 3000; ++n)
                c.gra.arena.cell(scatter.mod(S), scatter.mod(S)) = litter[scatter.mod(5)];
            const int heading = scatter.mod(360);
            c.place(1, float(scatter.mod(S)), float(scatter.mod(S)), heading);
            c.gra.slots[1].inGap = scatter.mod(2) == 0;
            const int target = c.gra.ChooseHeading(1);
            ASSERT_TRUE(target >= 0 && target < 360) << target;
            EXPECT_LE(std::abs(angleDiff(heading, target)), 90) << "heading " << heading;
        }
    }
}

// Both computers trail (or lead) the better of two humans by the same score; round and game
// points both count.
TEST(ComputerPlayer, TurnStepGrowsWithTheGapToTheBestHumanAndAlternatesInDemoGames) {
    struct Case {
        int own, bestHuman, step;
    };
    for (const Case& k :
         {Case{0, 20, 5}, {0, 19, 4}, {5, 15, 4}, {0, 9, 3}, {7, 7, 3}, {8, 7, 2}, {30, 0, 2}}) {
        Computers c(2, 0, 1000);
        c.gra.humans = 2;
        c.facingTopEdge(0, 0.3f * c.side());
        c.facingTopEdge(1, 0.7f * c.side());
        c.place(2, 0.3f * c.side(), 0.6f * c.side(), 0);
        c.place(3, 0.7f * c.side(), 0.6f * c.side(), -2);  // turned by its keys this tick
        c.gra.slots[0].roundPoints = k.own;
        c.gra.slots[1].gamePoints = k.own;
        c.gra.slots[2].roundPoints = k.bestHuman / 3;
        c.gra.slots[3].roundPoints = k.bestHuman / 2;
        c.gra.slots[3].gamePoints = k.bestHuman - k.bestHuman / 2;
        c.gra.SteerComputers();
        EXPECT_EQ(std::pair(c.turned(0), c.turned(1)), std::pair(k.step, k.step))
            << "own " << k.own << " best human " << k.bestHuman;
        EXPECT_EQ(c.gra.slots[2].heading, 0) << "human slots are not steered";
        EXPECT_EQ(c.gra.slots[3].heading, 358) << "but every active heading is normalised";
    }
    Computers alone(2, 0, 1000);  // with no human to trail, 2 degrees per tick
    alone.facingTopEdge(0, 0.3f * alone.side());
    alone.facingTopEdge(1, 0.7f * alone.side());
    alone.gra.SteerComputers();
    EXPECT_EQ(std::pair(alone.turned(0), alone.turned(1)), std::pair(2, 2));
    for (int humans = 0; humans <= 2; ++humans) {
        Computers c(2, 0, 1000);
        c.gra.demo = true;
        c.gra.humans = humans;
        for (int s = 0; s <= humans + 1; ++s) c.facingTopEdge(s, c.side() * (0.2f + 0.2f * s));
        c.gra.slots[0].roundPoints = -40;  // points do not matter in a DEMO game
        c.gra.SteerComputers();
        for (int s = 0; s <= humans + 1; ++s)
            EXPECT_EQ(c.turned(s), (humans + s) % 2 + 2) << "humans " << humans << " slot " << s;
    }
}

// Whatever litters the arena and wherever the slyders are, the choice is the same with any
// future of the generator, and steering draws nothing from it.
TEST(ExpertPlayer, ChoosesFromTheVisibleStateOnly) {
    ExpertGame g;
    Random scatter(7);
    const int S = g.gra.arena.side();
    for (int k = 0; k < 60; ++k) {
        const int x = scatter.mod(S), y = scatter.mod(S);
        g.wall(x, y, x + scatter.mod(200) - 100, y + scatter.mod(200) - 100);
    }
    int turned = 0;
    for (int k = 0; k < 40; ++k) {
        g.place(0, float(scatter.mod(S)), float(scatter.mod(S)), scatter.mod(360));
        g.place(1, float(scatter.mod(S)), float(scatter.mod(S)), scatter.mod(360));
        g.rng.reseed(1);
        const int first = g.steer();
        g.rng.reseed(999);
        EXPECT_EQ(g.steer(), first) << "case " << k;
        turned += first != 0;

        const std::uint64_t before = g.rng.state();
        g.gra.slotSkill[0] = kSkillExpert;
        g.gra.SteerComputers();
        g.gra.slotSkill[0] = 0;
        EXPECT_EQ(g.rng.state(), before) << "case " << k;
    }
    EXPECT_GT(turned, 0) << "a littered arena should make it turn sometimes";
}

// Heading east into a pocket closed on three sides, with the way out to the south: straight
// on meets the end wall, and the north wall is near, so every plan but a right turn ends.
// With the other slyder coming across its way, the Expert does not race it to the crossing it
// would reach second, it turns off.
TEST(ExpertPlayer, TurnsOutOfAClosingPocketAndGivesWayToAHeadItCannotBeat) {
    ExpertGame g, crossing;
    const float S = g.side(), y = S / 2, x = S / 4, u = g.units(1);
    g.wall(x - 10 * u, y - 12 * u, x + 35 * u, y - 12 * u);  // north
    g.wall(x + 35 * u, y - 12 * u, x + 35 * u, y + 60 * u);  // east, the end of the pocket
    g.place(1, x, y, 0);
    g.slot(0).alive = false;
    EXPECT_EQ(g.steer(), 1);

    crossing.place(1, S / 2, S / 2, 0);                     // east
    crossing.place(0, S / 2 + 30 * u, S / 2 - 10 * u, 90);  // just ahead, going south across
    EXPECT_NE(crossing.steer(), 0);
}

// The computer in slot 1 and one human in slot 2.
struct Events : Play {
    Events() { g.seatOneHuman(1); }
};

TEST_F(Events, DemoGamesHaveEveryEventWhateverTheSwitches) {
    TInterface& set = g.settings;
    for (std::int32_t* f : {&set.xtr_wall, &set.xtr_tunnel, &set.xtr_void, &set.xtr_food,
                            &set.xtr_cruelptr, &set.xtr_scroll, &set.xtr_attract, &set.xtr_invis})
        *f = 0;
    g.gra.tick = 1000;  // long past the intro
    g.place(1, 200, 200, 0);
    g.place(2, 300, 300, 0);
    for (int i = 0; i < 20000; ++i) g.gra.startEvents();
    EXPECT_TRUE(g.gra.ops.empty() && g.sound.requests.empty());

    g.gra.demo = true;
    std::set<int> heard;
    for (int i = 0; i < 20000 && heard.size() < 8; ++i) {
        g.gra.startEvents();
        for (const auto& r : g.sound.requests) heard.insert(r.number);
        slot(1).invisibleLeft = slot(2).invisibleLeft = 0;
    }
    EXPECT_EQ(heard, (std::set<int>{kSndWall, kSndTunnel, kSndEmpty, kSndFood, kSndCruelPtr,
                                    kSndScroll, kSndAttract, kSndInvis}));
}

TEST_F(Events, PicksNeedALivingSlyder) {
    g.gra.tick = 1000;
    // Nobody alive: tunnels and invisibility do nothing; the mouse with no humans picks slot 2.
    g.gra.humans = 0;
    g.gra.firstSlot = 1;
    slot(1).alive = false;
    slot(2).alive = true;  // left over from an earlier game, but not playing now
    g.gra.demo = true;
    for (int i = 0; i < 30000; ++i) g.gra.startEvents();
    for (const Ops& op : g.gra.ops)
        EXPECT_TRUE(op.kind != OpsKind::Tunnel && op.kind != OpsKind::CruelMouse) << int(op.kind);
    EXPECT_TRUE(g.sound.ofNumber(kSndInvis).empty());
}

TEST_F(Events, ScrollingCarriesASlyderOutAndItDies) {
    const int S = g.gra.arena.side();
    g.place(1, 200, float(S) - 1.2f, 0);
    g.gra.arena.cell(10, 10) = kCellSolid;
    g.gra.ScrollArena(0);  // down
    EXPECT_EQ(std::tuple(g.gra.arena.cell(10, 11), g.gra.arena.cell(10, 0)),
              std::tuple(kCellSolid, kCellFree));
    EXPECT_FLOAT_EQ(slot(1).history[4].y, float(S) - 0.2f);
    g.gra.ScrollArena(0);
    g.gra.MoveSlyders();
    EXPECT_FALSE(slot(1).alive);
}

TEST_F(Events, AnAttractorDrawsFromAgeTenAndStaysAsBrick) {
    Ops op;
    g.gra.MakeEvent(op, OpsKind::Attractor);
    op.lifetime = 20;
    g.gra.ops = {op};
    const int cx = int(op.x), cy = int(op.y);
    for (int t = 1; t <= 21; ++t) {  // the last one past its lifetime
        g.gra.GameStep();
        EXPECT_EQ(g.gra.arena.cell(cx, cy), t < 10 ? kCellFree : kCellSolid) << t;
    }
    EXPECT_FALSE(g.gra.ops[0].active);
    const Rgb c = g.gra.arena.offscreen().colour(cx, cy);  // brick, softened by the arms' edges
    EXPECT_TRUE(c.r > c.g && c.g == c.b) << int(c.r) << "," << int(c.g) << "," << int(c.b);
}

// Sets up a game of the given slots the way the window does and returns the intro length.
int startGame(test::TestGame& g, int firstSlot, int humans) {
    for (int k = 0; k < humans; ++k) g.gra.seats[std::size_t(k)].rosterIndex = 2;
    g.gra.firstSlot = firstSlot;
    g.gra.humans = humans;
    ResetArena(g.gra.arena, g.text, g.back, false);
    g.gra.NewGame();
    g.gra.running = true;
    return -g.gra.IntroLeft();
}

// The intro lasts sixty ticks per slot but at least seventy-five.
TEST(Intro, NothingMovesAndTheArenaIsAllFreeAfterTheReset) {
    test::TestGame g;
    EXPECT_EQ((std::array{startGame(g, 2, 1), startGame(g, 0, 4), startGame(g, 1, 1)}),
              (std::array{75, 360, 120}));
    const int intro = 120;
    EventLabel label;
    const float x = g.gra.slots[2].x;
    for (int t = 1; t <= intro; ++t)
        ASSERT_EQ(playTick(g.gra, {}, g.back, label), TickResult::Played);
    EXPECT_EQ(g.gra.slots[2].x, x);
    const Arena& a = g.gra.arena;
    EXPECT_EQ(test::countWhere({0, 0, a.side(), a.side()},
                               [&a](int x2, int y) { return a.cell(x2, y) != kCellFree; }), 0);
    playTick(g.gra, {}, g.back, label);
    EXPECT_NE(g.gra.slots[2].x, x);  // the first move comes right after
}

TEST(Intro, SpiralsOnlyBelowFourSlotsAndEveryObjectEndsByTick71) {
    for (const auto& [first, humans, spirals] : {std::tuple{1, 2, true}, std::tuple{0, 2, false}}) {
        test::TestGame g;
        startGame(g, first, humans);
        g.gra.tick = 1;
        g.gra.GameStep();
        const int slots = humans + 2 - first;
        EXPECT_EQ(g.gra.ops.size(), std::size_t(slots * (spirals ? 4 : 1)));
        // The intro's objects ran in the step that made them.
        for (const Ops& op : g.gra.ops) EXPECT_EQ(op.age, 1);
        for (g.gra.tick = 2; g.gra.tick <= 71; ++g.gra.tick) g.gra.GameStep();
        EXPECT_TRUE(std::none_of(g.gra.ops.begin(), g.gra.ops.end(),
                                 [](const Ops& op) { return op.active; }));
        EXPECT_EQ(g.sound.ofNumber(kSndBegin).size(), 1u);
    }
}

TEST(EventObjects, OneLeavingTheArenaEndsBeforeItActs) {
    test::TestGame g;
    startGame(g, 2, 1);
    g.gra.tick = 5;
    // The first is still on cell 0, the second on cell -1, the third has no position at all:
    // it never ends by leaving.
    const Ops out{.lifetime = 50, .x = -0.5f, .y = 10, .kind = OpsKind::Intro, .parameter = -1};
    Ops gone = out, free = out;
    gone.x = -1.0f;
    gone.y = 50;
    free.x = free.y = -1;
    g.gra.ops = {out, gone, free};
    g.gra.GameStep();
    EXPECT_EQ(std::tuple(g.gra.ops[0].active, g.gra.ops[1].active, g.gra.ops[2].active),
              std::tuple(true, false, true));
    EXPECT_EQ(g.gra.arena.cell(0, 50), kCellFree);  // the ended one drew nothing

    // A wall toward the left edge ends when it leaves the arena.
    g.gra.ops = {Ops{.lifetime = 140, .x = 3, .y = 100, .angle = 180, .kind = OpsKind::Wall}};
    for (int t = 0; t < 10; ++t) g.gra.GameStep();
    EXPECT_TRUE(g.gra.ops.empty() || !g.gra.ops[0].active);
}

TEST(Arena, SideOffsetAndUnitFollowTheClientHeightPaintingTruncatesStaysInsideAndMarks) {
    struct Case {
        int height, side, offset;
    };
    for (const Case c :
         {Case{1080, 972, 54}, Case{720, 648, 36}, Case{1001, 900, 50}, Case{459, 413, 23}}) {
        PixelBuffer window(c.height * 2, c.height);
        Arena arena;
        arena.InitArena(c.height, &window);
        EXPECT_EQ(std::pair(arena.side(), arena.offset()), std::pair(c.side, c.offset)) << c.height;
        EXPECT_DOUBLE_EQ(arena.unit(), c.side / 460.0) << c.height;
    }
    test::TestGame g;
    Arena& a = g.gra.arena;
    const PixelBuffer before = g.window;

    // A disc centred at -0.5 covers cell 0 (truncation toward zero), not cell -1.
    a.PutDisc(-0.5, -0.5, 4, Rgb{1, 2, 3});
    EXPECT_EQ(a.cell(0, 0), 4);
    const int S = a.side(), m = a.offset();
    // Discs, lines and trails hanging over every edge write nothing outside the arena.
    a.PutDiscR(S - 0.5, S / 2.0, 5, kCellSolid, kRed);
    a.PutTrailDisc(S / 2.0, S - 0.2, S / 2.0, S - 1.2, 3, kRed);
    a.DrawThickLine(-10, 5, S + 10, 5, 3.0, kCellSolid, kRed);
    a.EraseDiscR(S / 2.0, -2, 4);
    const auto changed = [&](int x, int y) { return g.window.at(x, y) != before.at(x, y); };
    EXPECT_EQ(test::countWhere({0, 0, g.window.width(), g.window.height()}, changed),
              test::countWhere({m, m, S, S}, changed));

    // A thick line marks its path; a trail disc keeps its value.
    a.DrawThickLine(10, 10, 60, 35, 2.0, kCellSolid, kRed);
    for (int x = 10; x <= 60; x += 5) EXPECT_EQ(a.cell(x, 10 + (x - 10) / 2), kCellSolid) << x;
    EXPECT_EQ(a.cell(10, 40), kCellFree);
    a.PutTrailDisc(100, 100, 101, 100, 2, Rgb{0, 225, 0});
    EXPECT_EQ(std::tuple(a.cell(100, 100), a.offscreen().colour(100, 100), a.cell(100, 103)),
              std::tuple(2, Rgb{0, 225, 0}, kCellFree));
    // Both pictures show the same arena.
    EXPECT_EQ(test::countWhere({0, 0, S, S}, [&](int x, int y) {
                  return a.offscreen().at(x, y) != g.window.at(x + m, y + m);
              }), 0);
}

// A plain copy of the cells, moved the slow way.
std::vector<int> shifted(const std::vector<int>& cells, int w, int h, int dx, int dy) {
    std::vector<int> out(cells.size(), -1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int fx = x - dx, fy = y - dy;
            if (fx >= 0 && fy >= 0 && fx < w && fy < h) out[y * w + x] = cells[fy * w + fx];
        }
    }
    return out;
}

// After every scroll, the edge left behind is refilled as the arena does it.
TEST(Grid, ScrollingMatchesMovingEveryCellAndTheHashSeesAChangeOfAnyOneCell) {
    constexpr int w = 7, h = 5;
    for (const int margin : {0, 1, 3}) {
        Grid<int> grid(w, h, 0, margin);
        std::vector<int> plain(w * h);
        for (int i = 0; i < w * h; ++i) grid.at(i % w, i / w) = plain[i] = 100 * (i / w) + i % w;
        constexpr std::array<std::array<int, 2>, 4> kMoves{{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}};
        int stamp = 1000;
        for (int step = 0; step < 40; ++step) {
            // Runs of one direction long enough to pass the margin, then turns.
            const auto [dx, dy] = kMoves[std::size_t(step / 5 % 4 + step / 20) % 4];
            grid.scroll(dx, dy);
            plain = shifted(plain, w, h, dx, dy);
            for (int i = 0; i < w * h; ++i) {
                if (plain[i] == -1) grid.at(i % w, i / w) = plain[i] = stamp++;
                ASSERT_EQ(grid.at(i % w, i / w), plain[i])
                    << "margin " << margin << " step " << step << " at " << i % w << "," << i / w;
            }
        }
    }
    // Both hashes see a change of any one cell, wherever it falls in a word or in a row's short
    // tail, on arena sides with every kind of tail; putting the cell back gives the hash back.
    // Client heights giving sides of 108, 117 and 128 cells: tails of 4, 5 and 0 cells.
    for (const int clientHeight : {120, 130, 143}) {
        test::TestGame g(clientHeight);
        g.seatOneHuman(1);
        Arena& arena = g.gra.arena;
        const int side = arena.side();
        for (const Rules rules : {Rules::MirrorCorners, Rules::FirstCorners}) {
            g.gra.rules = rules;
            const std::uint64_t before = stateHash(g.gra);
            int unseen = 0;
            for (int y = 0; y < side; y += (y < 2 || y > side - 3) ? 1 : 7) {
                for (int x = 0; x < side; ++x) {
                    arena.cell(x, y) = kCellGap;
                    unseen += stateHash(g.gra) == before;
                    arena.cell(x, y) = kCellFree;
                }
            }
            EXPECT_EQ(unseen, 0) << "side " << side;
            EXPECT_EQ(stateHash(g.gra), before);
        }
    }
}

}  // namespace
}  // namespace slyders
