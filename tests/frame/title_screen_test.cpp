#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "frame_fixture.h"
#include "present/arena_text.h"
#include "present/qt/qt_text_renderer.h"

namespace slyders {
namespace {

TEST(MainWindow, StartsWithTheTitleScreenAndTheMenuDefaults) {
    test::WindowTest t(640, 400);
    const Arena& a = t.gra.arena;
    ASSERT_EQ(a.side(), 360);
    // The two hints are written solid into the arena, and nothing else is.
    const auto solid = [&a](int x, int y) { return a.cell(x, y) == kCellSolid; };
    const int inHints = test::countWhere({90, 159, 180, 43}, solid);  // x 25..75 %, y 44..56 %
    EXPECT_GT(inHints, 200);
    EXPECT_EQ(test::countWhere({0, 0, 360, 360}, solid), inHints);
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

// Any side a game may have plays, in pictures of its own when it is not the window's (the
// window shows it scaled); only sides no game can have are refused.
TEST(MainWindow, PlaysOnTheArenaSideItIsGiven) {
    test::WindowTest t(640, 400);
    EXPECT_FALSE(t.window->useArenaSide(50));
    EXPECT_FALSE(t.window->useArenaSide(kMaxArenaSide + 1));
    EXPECT_EQ(t.gra.arena.side(), 360);
    EXPECT_TRUE(t.window->useArenaSide(401));  // taller than the client area

    ASSERT_TRUE(t.window->useArenaSide(300));
    EXPECT_EQ(t.gra.arena.side(), 300);
    EXPECT_EQ(t.window->windowPicture().width(), 300);
    EXPECT_EQ(t.gra.arena.map().size(), 300u * 300u);
    t.window->GameDemoClick();
    EXPECT_GT(t.gra.tick, 75);
    EXPECT_EQ(t.gra.arena.side(), 300);

    ASSERT_TRUE(t.window->useArenaSide(360));
    EXPECT_EQ(t.gra.arena.offset(), 20);
    EXPECT_EQ(&t.window->windowPicture(), &t.window->screenPicture());
}

// The cells a text written in "Impact" makes solid in an empty arena.
std::vector<std::int32_t> solidCells(std::string_view s) {
    PixelBuffer window(1000, 500);
    Arena arena;
    arena.InitArena(500, &window);
    QtTextRenderer text;
    DrawArenaText(arena, text, 0, 0, arena.side(), 0.2 * arena.side(), s, "Impact", kWhite, false);
    std::vector<std::int32_t> cells;
    for (int y = 0; y < arena.side(); ++y) {
        for (int x = 0; x < arena.side(); ++x) cells.push_back(arena.cell(x, y));
    }
    return cells;
}

// An all-capitals face would draw both spellings alike.
TEST(ImpactFace, HasLowerCase) {
    EXPECT_NE(solidCells("Slyders"), solidCells("SLYDERS"));
    EXPECT_NE(solidCells("DEMO mode <F9 to restart>"), solidCells("DEMO MODE <F9 TO RESTART>"));
    EXPECT_NE(solidCells("Press F2 to start game..."), solidCells("PRESS F2 TO START GAME..."));
}

// The steering arrows are the menu bar's arrows while a menu is open.
TEST(MainWindow, LeftAndRightMoveThroughTheOpenMenus) {
    test::WindowTest t(640, 400);
    t.window->show();
    QMenuBar* bar = t.window->menuBar();
    const QList<QAction*> menus = bar->actions();
    ASSERT_GE(menus.size(), 3);
    bar->setActiveAction(menus[0]);
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), menus[0]->menu());

    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    EXPECT_EQ(QApplication::activePopupWidget(), menus[1]->menu());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    EXPECT_EQ(QApplication::activePopupWidget(), menus[2]->menu());
    QTest::keyPress(QApplication::activePopupWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::activePopupWidget(), menus[1]->menu());
    EXPECT_FALSE(t.window->keys().isDown(SteerKey::Left));  // no slyder turns meanwhile
    QTest::keyRelease(QApplication::activePopupWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(bar, Qt::Key_Escape);  // the menu bar lets go of the keyboard too

    // With the menus closed the arrows steer again and stay away from the menu bar.
    QTest::keyPress(t.window->centralWidget(), Qt::Key_Left);
    EXPECT_TRUE(t.window->keys().isDown(SteerKey::Left));
    QTest::keyRelease(t.window->centralWidget(), Qt::Key_Left);
    EXPECT_FALSE(t.window->keys().isDown(SteerKey::Left));
}

}  // namespace
}  // namespace slyders
