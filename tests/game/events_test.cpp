#include <gtest/gtest.h>

#include <set>

#include "test_support.h"

namespace slyders {
namespace {

struct Events : ::testing::Test {
    Events() { g.seatOneHuman(1); }
    Slyder& slot(int s) { return g.slot(s); }
    test::TestGame g;
};

TEST_F(Events, DemoGamesHaveEveryEventWhateverTheSwitches) {
    TInterface& set = g.settings;
    for (std::int32_t* f : {&set.xtr_wall, &set.xtr_tunnel, &set.xtr_void, &set.xtr_food,
                            &set.xtr_cruelptr, &set.xtr_scroll, &set.xtr_attract, &set.xtr_invis}) {
        *f = 0;
    }
    g.gra.tick = 1000;  // long past the intro
    g.place(1, 200, 200, 0);
    g.place(2, 300, 300, 0);
    for (int i = 0; i < 20000; ++i) g.gra.startEvents();
    EXPECT_TRUE(g.gra.ops.empty());
    EXPECT_TRUE(g.sound.requests.empty());

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
    for (const Ops& op : g.gra.ops) {
        EXPECT_NE(op.kind, OpsKind::Tunnel);
        EXPECT_NE(op.kind, OpsKind::CruelMouse);
    }
    EXPECT_TRUE(g.sound.ofNumber(kSndInvis).empty());
}

TEST_F(Events, ScrollingCarriesASlyderOutAndItDies) {
    const int S = g.gra.arena.side();
    g.place(1, 200, float(S) - 1.2f, 0);
    g.gra.arena.cell(10, 10) = kCellSolid;
    g.gra.ScrollArena(0);  // down
    EXPECT_EQ(g.gra.arena.cell(10, 11), kCellSolid);
    EXPECT_EQ(g.gra.arena.cell(10, 0), kCellFree);
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
    for (int t = 0; t < 9; ++t) g.gra.GameStep();
    EXPECT_EQ(g.gra.arena.cell(cx, cy), kCellFree);
    g.gra.GameStep();
    EXPECT_EQ(g.gra.arena.cell(cx, cy), kCellSolid);
    for (int t = 0; t < 10; ++t) g.gra.GameStep();
    g.gra.GameStep();  // past its lifetime
    EXPECT_FALSE(g.gra.ops[0].active);
    EXPECT_EQ(g.gra.arena.cell(cx, cy), kCellSolid);
    const Rgb c = g.gra.arena.offscreen().colour(cx, cy);  // brick, softened by the arms' edges
    EXPECT_GT(c.r, c.g);
    EXPECT_EQ(c.g, c.b);
}

TEST_F(Events, AWallEndsWhenItLeavesTheArena) {
    // Toward the left edge.
    g.gra.ops = {Ops{.lifetime = 140, .x = 3, .y = 100, .angle = 180, .kind = OpsKind::Wall}};
    for (int t = 0; t < 10; ++t) g.gra.GameStep();
    EXPECT_TRUE(g.gra.ops.empty() || !g.gra.ops[0].active);
}

}  // namespace
}  // namespace slyders
