#include <gtest/gtest.h>

#include <QAction>

#include "frame_fixture.h"

namespace slyders {
namespace {

TEST(MainWindow, StartsWithTheTitleScreenAndTheMenuDefaults) {
    test::WindowTest t(640, 400);
    const Arena& a = t.gra.arena;
    ASSERT_EQ(a.side(), 360);
    // The two hints are written solid into the arena, and nothing else is.
    int solidInHints = 0;
    for (int y = 0; y < a.side(); ++y) {
        for (int x = 0; x < a.side(); ++x) {
            if (a.cell(x, y) != kCellSolid) continue;
            const bool inBoxes =
                x >= 0.25 * 360 && x < 0.75 * 360 && y >= 0.44 * 360 && y < 0.56 * 360;
            ASSERT_TRUE(inBoxes) << x << "," << y;
            ++solidInHints;
        }
    }
    EXPECT_GT(solidInHints, 200);
    // One human and one computer, Medium skill and Medium speed.
    EXPECT_EQ(t.gra.firstSlot, 1);
    EXPECT_EQ(t.gra.humans, 1);
    EXPECT_EQ(t.gra.skillLevel, 2);
    EXPECT_EQ(t.gra.speedLevel, 1);
    for (const char* item : {"PlayersOnecomputerplayer", "ComputerMedium", "SpeedMedium"}) {
        EXPECT_TRUE(t.window->menuItem(item)->isChecked()) << item;
    }
    EXPECT_EQ(t.window->menuItem("GameNew")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(t.window->menuItem("GameExit")->text(), "&Exit\tAlt-F4");
    EXPECT_EQ(t.window->windowTitle(), "Slyders");
}

}  // namespace
}  // namespace slyders
