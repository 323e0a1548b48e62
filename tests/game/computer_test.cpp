// Computer players: what the rays see, where they aim and how fast they turn. The Expert
// chooses from what the arena shows, never from the generator, and it keeps clear of what its
// look-ahead sees coming.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "game/expert.h"
#include "game/gra.h"
#include "test_support.h"

namespace slyders {
namespace {

using test::TestGame;

// Signed difference b - a in degrees, in -180 .. 179.
int angleDiff(int a, int b) {
    return ((b - a) % 360 + 540) % 360 - 180;
}

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
TEST(ComputerPlayer, GoodPlayerValuesSideGapsByDistance) {
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
}

// Whatever litters the arena, neither the best ray nor the Good player's weighted middle of
// the open sector lies behind the slyder.
TEST(ComputerPlayer, TargetNeverMoreThan90DegreesFromHeading) {
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
TEST(ComputerPlayer, TurnStepGrowsWithTheGapToTheBestHuman) {
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
}

TEST(ComputerPlayer, DemoStepsAlternateByHumansAndSlot) {
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

}  // namespace
}  // namespace slyders
