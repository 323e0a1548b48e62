// Computer players: what the rays see, where they aim and how fast they turn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/gra.h"
#include "test_support.h"

namespace slyders {
namespace {

using test::TestGame;

// Signed difference b - a in degrees, in -180 .. 179.
int angleDiff(int a, int b) { return ((b - a) % 360 + 540) % 360 - 180; }

// One computer (slot 1), no human, on an empty arena.
struct LoneComputer : TestGame {
    explicit LoneComputer(int skill, int clientHeight = 520) : TestGame(clientHeight) {
        gra.firstSlot = 1;
        gra.humans = 0;
        gra.skillLevel = skill;
    }
    // The pixel a ray of slot s samples at distance d in direction j.
    std::int32_t& rayCell(int s, int j, int d) {
        const Slyder& sl = gra.slots[std::size_t(s)];
        const double theta = sl.heading - 90 + 10 * j, u = gra.arena.unit();
        return gra.arena.cell(static_cast<int>(sl.x + d * u * cosDeg(theta)),
                              static_cast<int>(sl.y + d * u * sinDeg(theta)));
    }
    int headingAfterSteering() {
        gra.SteerComputers();
        return gra.slots[1].heading;
    }
};

TEST(ComputerPlayer, AloneInAnEmptyArenaKeepsStraightOn) {
    for (int skill = 1; skill <= 3; ++skill) {
        for (int heading : {0, 37, 90, 359}) {
            LoneComputer c(skill);
            const float mid = c.gra.arena.side() / 2.0f;
            c.place(1, mid, mid, heading);
            EXPECT_EQ(c.gra.ChooseHeading(1), heading) << "skill " << skill;
            EXPECT_EQ(c.headingAfterSteering(), heading) << "skill " << skill;
        }
    }
}

// Close to an edge and almost facing it, the slyder turns away on the side it already leans to.
TEST(ComputerPlayer, FacingAnEdgeTurnsAwayTheShortWay) {
    struct Case {
        const char* edge;
        int heading, turn;
    };
    const std::vector<Case> cases{
        {"right", 350, -2},   // leaning up: turns further left
        {"bottom", 100, +2},  // leaning left: turns right, to a greater heading
        {"top", 275, +2},     // leaning right: the aim lies across 0, still the short way
    };
    for (int skill = 1; skill <= 3; ++skill) {
        for (const Case& k : cases) {
            LoneComputer c(skill);
            const float S = static_cast<float>(c.gra.arena.side());
            const float near = static_cast<float>(4 * c.gra.arena.unit());
            const std::string edge = k.edge;
            const float x = edge == "right" ? S - 1 - near : 0.4f * S;
            const float y = edge == "bottom" ? S - 1 - near : edge == "top" ? near : 0.5f * S;
            c.place(1, x, y, k.heading);
            const int target = c.gra.ChooseHeading(1);
            EXPECT_GT(angleDiff(k.heading, target) * k.turn, 0)
                << "skill " << skill << " heading " << k.heading << " target " << target;
            EXPECT_EQ(c.headingAfterSteering(), k.heading + k.turn) << "skill " << skill;
        }
    }
}

// A Good player counts a gap to the side only once it is far enough away to be reached.
TEST(ComputerPlayer, GoodPlayerValuesSideGapsByDistance) {
    auto targetWith = [](std::vector<std::pair<int, int>> gaps) {  // (j, distance in units)
        LoneComputer c(3);
        const float mid = c.gra.arena.side() / 2.0f + 0.5f;
        c.place(1, mid, mid, 0);
        for (auto [j, d] : gaps) c.rayCell(1, j, d) = kCellGap;
        return angleDiff(0, c.gra.ChooseHeading(1));
    };
    EXPECT_EQ(targetWith({{3, 5}}), 0) << "5 units at 60 degrees: 5 <= 3 x 6, no bonus";
    const int farSide = targetWith({{3, 20}});
    EXPECT_LT(farSide, 0) << "20 units at 60 degrees counts and pulls left";
    // Straight ahead the same 5 units earn 1/5, which pulls the aim back toward the middle.
    EXPECT_GT(targetWith({{3, 20}, {9, 5}}), farSide);
}

TEST(ComputerPlayer, OnlyAPoorPlayerDrawsForTheMirrorPass) {
    for (int skill = 1; skill <= 3; ++skill) {
        LoneComputer c(skill);
        c.place(1, 100, 100, 45);
        Random before = c.rng;
        c.gra.ChooseHeading(1);
        if (skill == 1) before.next();
        EXPECT_EQ(before.next(), c.rng.next()) << "skill " << skill;
    }
}

// Probes span -90 .. +90, so neither the best ray nor the Good player's weighted middle of
// the open sector can lie behind the slyder, whatever litters the arena.
TEST(ComputerPlayer, TargetNeverMoreThan90DegreesFromHeading) {
    for (int skill = 1; skill <= 3; ++skill) {
        LoneComputer c(skill, 300);
        Random scatter(skill);
        const int S = c.gra.arena.side();
        for (int round = 0; round < 40; ++round) {
            c.gra.arena.clearMap();
            for (int n = 0; n < 3000; ++n) {
                const std::int32_t values[] = {kCellGap, kCellSolid, 0, 11, 12};
                c.gra.arena.cell(scatter.mod(S), scatter.mod(S)) = values[scatter.mod(5)];
            }
            const int heading = scatter.mod(360);
            c.place(1, float(scatter.mod(S)), float(scatter.mod(S)), heading);
            c.gra.slots[1].inGap = scatter.mod(2) == 0;
            const int target = c.gra.ChooseHeading(1);
            ASSERT_GE(target, 0);
            ASSERT_LT(target, 360);
            EXPECT_LE(std::abs(angleDiff(heading, target)), 90) << "heading " << heading;
        }
    }
}

// Slot s placed 3 units below the top edge, facing it: its aim is 90 degrees to the left.
void placeFacingTopEdge(TestGame& g, int s, float x) {
    g.place(s, x, static_cast<float>(3 * g.gra.arena.unit()), 270);
}

TEST(ComputerPlayer, TurnStepGrowsWithTheGapToTheBestHuman) {
    struct Case {
        int own, bestHuman, step;
    };
    const std::vector<Case> cases{{0, 20, 5}, {0, 19, 4}, {5, 15, 4}, {0, 9, 3},
                                  {7, 7, 3},  {8, 7, 2},  {30, 0, 2}};
    for (const Case& k : cases) {
        TestGame g(1000);
        g.gra.firstSlot = 0;
        g.gra.humans = 2;
        const float S = static_cast<float>(g.gra.arena.side());
        placeFacingTopEdge(g, 0, 0.3f * S);
        placeFacingTopEdge(g, 1, 0.7f * S);
        g.place(2, 0.3f * S, 0.6f * S, 0);
        g.place(3, 0.7f * S, 0.6f * S, 0);
        // Round and game points both count; the better human sets the pace.
        g.gra.slots[0].roundPoints = k.own;
        g.gra.slots[1].gamePoints = k.own;
        g.gra.slots[2].roundPoints = k.bestHuman / 2;
        g.gra.slots[2].gamePoints = k.bestHuman - k.bestHuman / 2;
        g.gra.slots[3].roundPoints = k.bestHuman / 3;
        g.gra.SteerComputers();
        for (int s : {0, 1}) {
            EXPECT_EQ(g.gra.slots[std::size_t(s)].heading, 270 - k.step)
                << "slot " << s << " own " << k.own << " best human " << k.bestHuman;
        }
        EXPECT_EQ(g.gra.slots[2].heading, 0) << "human slots are not steered";
    }
}

TEST(ComputerPlayer, WithNoHumansEveryComputerTurnsTwoDegrees) {
    TestGame g(1000);
    g.gra.firstSlot = 0;
    g.gra.humans = 0;
    const float S = static_cast<float>(g.gra.arena.side());
    placeFacingTopEdge(g, 0, 0.3f * S);
    placeFacingTopEdge(g, 1, 0.7f * S);
    g.gra.SteerComputers();
    EXPECT_EQ(g.gra.slots[0].heading, 268);
    EXPECT_EQ(g.gra.slots[1].heading, 268);
}

TEST(ComputerPlayer, DemoStepsAlternateByHumansAndSlot) {
    for (int humans = 0; humans <= 2; ++humans) {
        TestGame g(1000);
        g.gra.demo = true;
        g.gra.firstSlot = 0;
        g.gra.humans = humans;
        const int last = humans + 1;
        const float S = static_cast<float>(g.gra.arena.side());
        for (int s = 0; s <= last; ++s) placeFacingTopEdge(g, s, S * (0.2f + 0.2f * s));
        g.gra.slots[0].roundPoints = -40;  // points do not matter in a DEMO game
        g.gra.SteerComputers();
        for (int s = 0; s <= last; ++s) {
            EXPECT_EQ(g.gra.slots[std::size_t(s)].heading, 270 - ((humans + s) % 2 + 2))
                << "humans " << humans << " slot " << s;
        }
    }
}

}  // namespace
}  // namespace slyders
