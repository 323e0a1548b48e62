// The Expert: it chooses from what the arena shows, never from the generator, and it keeps
// clear of what its look-ahead sees coming.
#include "game/expert.h"

#include <gtest/gtest.h>

#include "game/gra.h"
#include "test_support.h"

namespace slyders {
namespace {

using test::TestGame;

// An Expert in slot 1 against a Good player in slot 0, no humans, on a 972 arena.
struct ExpertGame : TestGame {
    ExpertGame() : TestGame(kClientHeight) {
        gra.firstSlot = 0;
        gra.humans = 0;
        gra.skillLevel = kSkillGood;
        gra.slotSkill[1] = kSkillExpert;
        gra.arena.clearMap();
    }
    static constexpr int kClientHeight = 1080;
    float units(double n) const { return static_cast<float>(n * gra.arena.unit()); }
    float side() const { return static_cast<float>(gra.arena.side()); }
    void wall(double x0, double y0, double x1, double y1) {
        gra.arena.DrawThickLine(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1),
                                static_cast<int>(y1), 3 * gra.arena.unit(), kCellSolid, kWhite);
    }
    int steer() { return expertSteer(gra, 1, gra.turnStepOf(1)); }
};

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
TEST(ExpertPlayer, TurnsOutOfAClosingPocket) {
    ExpertGame g;
    const float S = g.side(), y = S / 2, x = S / 4, u = g.units(1);
    g.wall(x - 10 * u, y - 12 * u, x + 35 * u, y - 12 * u);  // north
    g.wall(x + 35 * u, y - 12 * u, x + 35 * u, y + 60 * u);  // east, the end of the pocket
    g.place(1, x, y, 0);
    g.slot(0).alive = false;
    EXPECT_EQ(g.steer(), 1);
}

// The other slyder coming across its way: the Expert does not race it to the crossing it
// would reach second, it turns off.
TEST(ExpertPlayer, GivesWayToAHeadItCannotBeat) {
    ExpertGame g;
    const float S = g.side(), u = g.units(1);
    g.place(1, S / 2, S / 2, 0);                     // east
    g.place(0, S / 2 + 30 * u, S / 2 - 10 * u, 90);  // just ahead, going south across
    EXPECT_NE(g.steer(), 0);
}

}  // namespace
}  // namespace slyders
