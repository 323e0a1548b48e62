#include "game/state_hash.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

// Both hashes see a change of any one cell, wherever it falls in a word or in a row's short
// tail, on arena sides with every kind of tail; putting the cell back gives the hash back.
TEST(StateHash, SeesAChangeOfAnyOneCell) {
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
