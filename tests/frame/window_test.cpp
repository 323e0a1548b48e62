// The window as the player finds it: the title screen, the menus, the arena's side and size,
// and what a switch to another program does.
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>

#include "frame_fixture.h"
#include "present/arena_text.h"

namespace slyders {
namespace {

TEST(MainWindow, StartsWithTheTitleScreenAndTheMenuDefaultsAndItsGroupsCarryOneCheckMark) {
    test::WindowTest t(640, 400);
    const Arena& a = t.gra.arena;
    ASSERT_EQ(a.side(), 360);
    // The two hints are written solid into the arena, and nothing else is.
    const auto solid = [&a](int x, int y) { return a.cell(x, y) == kCellSolid; };
    const int inHints = test::countWhere({90, 159, 180, 43}, solid);  // x 25..75 %, y 44..56 %
    EXPECT_GT(inHints, 200);
    EXPECT_EQ(test::countWhere({0, 0, 360, 360}, solid), inHints);
    // One human and one computer, Medium skill and Medium speed.
    EXPECT_EQ(std::tuple(t.gra.firstSlot, t.gra.humans, t.gra.skillLevel, t.gra.speedLevel),
              std::tuple(1, 1, 2, 1));
    for (const char* item : {"PlayersOnecomputerplayer", "ComputerMedium", "SpeedMedium"})
        EXPECT_TRUE(t.window->menuItem(item)->isChecked()) << item;
    EXPECT_EQ(t.window->menuItem("GameNew")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(std::pair(t.window->menuItem("GameExit")->text(), t.window->windowTitle()),
              std::pair(QString("&Exit\tAlt-F4"), QString("Slyders")));

    // Players, Computer and Speed show check marks, one per group whatever was chosen, also
    // when the checked item is chosen again. No item repeats with a held key.
    struct Menu : QMenu {  // what a menu would draw beside an item
        using QMenu::initStyleOption;
    };
    const std::vector<std::vector<std::string>> groups{
        {"PlayersNocomputerplayers", "PlayersOnecomputerplayer", "PlayersTwocomputerplayers"},
        {"ComputerPoor", "ComputerMedium", "ComputerGood"},
        {"SpeedSlow", "SpeedMedium", "SpeedFast"}};
    for (const auto& group : groups) {
        for (const std::string& chosen : {group[2], group[0], group[0], group[1]}) {
            t.window->menuItem(chosen)->trigger();
            for (const std::string& name : group) {
                QAction* item = t.window->menuItem(name);
                EXPECT_EQ(item->isChecked(), name == chosen) << chosen << " then " << name;
                Menu menu;
                QStyleOptionMenuItem drawn;
                menu.addAction(item);
                menu.initStyleOption(&drawn, item);
                EXPECT_EQ(drawn.checkType, QStyleOptionMenuItem::NonExclusive) << name;
            }
        }
    }
    EXPECT_EQ(std::tuple(t.gra.firstSlot, t.gra.skillLevel, t.gra.speedLevel), std::tuple(1, 2, 1));
    for (QAction* item : t.window->findChildren<QAction*>())  // those without a name: the toolkit's
        EXPECT_FALSE(!item->objectName().isEmpty() && item->autoRepeat())
            << item->objectName().toStdString();
}

// Any side a game may have plays, in pictures of its own when it is not the window's (the
// window shows it scaled); only sides no game can have are refused.
TEST(MainWindow, PlaysOnTheArenaSideItIsGiven) {
    test::WindowTest t(640, 400);
    EXPECT_FALSE(t.window->useArenaSide(50) || t.window->useArenaSide(kMaxArenaSide + 1));
    EXPECT_EQ(t.gra.arena.side(), 360);
    EXPECT_TRUE(t.window->useArenaSide(401));  // taller than the client area

    ASSERT_TRUE(t.window->useArenaSide(300));
    EXPECT_EQ(std::tuple(t.gra.arena.side(), t.window->windowPicture().width(),
                         t.gra.arena.map().size()),
              std::tuple(300, 300, 300u * 300u));
    t.window->GameDemoClick();
    EXPECT_TRUE(t.gra.tick > 75 && t.gra.arena.side() == 300);

    ASSERT_TRUE(t.window->useArenaSide(360));
    EXPECT_EQ(t.gra.arena.offset(), 20);
    EXPECT_EQ(&t.window->windowPicture(), &t.window->screenPicture());
}

// An all-capitals "Impact" would make the same cells solid for both spellings.
TEST(ImpactFace, HasLowerCase) {
    const auto solidCells = [](std::string_view s) {
        constexpr int kSide = 500;
        PixelBuffer window(2 * kSide, kSide);
        Arena arena;
        arena.InitArena(kSide, &window);
        QtTextRenderer text;
        DrawArenaText(arena, text, 0, 0, kSide, 0.2 * kSide, s, "Impact", kWhite, false);
        std::vector<std::int32_t> cells;
        for (int y = 0; y < kSide; ++y)
            cells.insert(cells.end(), arena.map().row(y), arena.map().row(y) + kSide);
        return cells;
    };
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
    const auto popup = [] { return QApplication::activePopupWidget(); };
    ASSERT_EQ(popup(), menus[0]->menu());

    QTest::keyClick(popup(), Qt::Key_Right);
    EXPECT_EQ(popup(), menus[1]->menu());
    QTest::keyClick(popup(), Qt::Key_Right);
    EXPECT_EQ(popup(), menus[2]->menu());
    QTest::keyPress(popup(), Qt::Key_Left);
    EXPECT_EQ(popup(), menus[1]->menu());
    EXPECT_FALSE(t.window->keys().isDown(SteerKey::Left));  // no slyder turns meanwhile
    QTest::keyRelease(popup(), Qt::Key_Left);
    QTest::keyClick(popup(), Qt::Key_Escape);
    ASSERT_EQ(popup(), nullptr);
    QTest::keyClick(bar, Qt::Key_Escape);  // the menu bar lets go of the keyboard too

    // With the menus closed the arrows steer again and stay away from the menu bar.
    QTest::keyPress(t.window->centralWidget(), Qt::Key_Left);
    EXPECT_TRUE(t.window->keys().isDown(SteerKey::Left));
    QTest::keyRelease(t.window->centralWidget(), Qt::Key_Left);
    EXPECT_FALSE(t.window->keys().isDown(SteerKey::Left));
}

// F9 in a fast-finishing DEMO game starts the next one just as fast, and its replay says so
// from the first tick.
TEST(FastFinish, LastsAcrossADemoRestartUntilTheGameEnds) {
    test::WindowTest t;
    t.boxes.answers = {true};  // "Finish game?"
    bool restarted = false;
    std::map<std::int32_t, std::uint64_t> releasedAt;  // ticks of the restarted game
    t.clock.onSleep = [&] {
        if (restarted && t.gra.running) releasedAt.emplace(t.gra.tick, t.clock.now);
        if (!t.gra.demo || t.gra.tick != 150 || restarted) return;
        t.later([&] { t.window->AskFinishGame(), restarted = true, t.window->GameDemoClick(); });
    };
    t.window->GameDemoClick();
    ASSERT_TRUE(restarted);
    EXPECT_FALSE(t.gra.fastFinish);  // the end cleared it
    // A group of 20 ticks takes 19 periods: 2 ms each at Medium speed in the fast finish.
    constexpr std::uint64_t kFastGroupUs = 19 * 2000;
    ASSERT_TRUE(releasedAt.count(21) && releasedAt.count(41));
    EXPECT_LE(releasedAt[41] - releasedAt[21], kFastGroupUs + 2000);

    const Replay replay = t.newestReplay();
    ASSERT_FALSE(replay.events.empty());
    EXPECT_EQ(std::pair(replay.events.front().tick, replay.events.front().kind),
              std::pair(1, ReplayEventKind::FastFinish));
}

// Counts the times a window was minimised (the offscreen platform activates it again at once).
struct MinimiseCounter : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += event->type() == QEvent::WindowStateChange &&
                 static_cast<QWidget*>(watched)->isMinimized();
        return false;
    }
};

// The focus coming back from a message box makes the application inactive for a moment;
// only a switch away that lasts pauses and minimises the game.
TEST(ProgramSwitch, OnlyALastingSwitchMinimisesAndPauses) {
    test::WindowTest t;
    constexpr int kWithinGraceMs = 20, kPastGraceMs = 400;
    t.window->hide();  // no window of ours is active, as after a switch to another program
    QTest::qWait(kWithinGraceMs);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    MinimiseCounter minimised;
    t.window->installEventFilter(&minimised);
    QSignalSpy titles(t.window.get(), &QWidget::windowTitleChanged);
    t.gra.running = true;
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::qWait(kWithinGraceMs);
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    QTest::qWait(kPastGraceMs);
    EXPECT_TRUE(minimised.count == 0 && titles.empty());

    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::qWait(kPastGraceMs);
    EXPECT_EQ(minimised.count, 1);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front().front().toString().toStdString(), "Slyders (paused)");
    t.window->removeEventFilter(&minimised);
}

// Between games the arena and the scoreboard follow the window's size; a game keeps its arena,
// shown scaled in the resized window, and takes the new side when the game has ended.
TEST(WindowSize, FollowsTheWindowBetweenGamesAndWaitsForTheGameToEnd) {
    test::WindowTest t(640, 400);
    // The client area the window's view has now, in pixels (the tests' ratio is 1).
    const auto client = [&t] { return t.window->centralWidget()->size(); };
    const auto expectArenaFollows = [&] {
        QTest::qWait(10);
        EXPECT_EQ(t.gra.arena.side(), static_cast<int>(0.9 * client().height()));
    };
    t.window->show();
    t.window->resize(900, 600);
    expectArenaFollows();
    ASSERT_EQ(std::pair(t.window->windowPicture().height(), t.window->windowPicture().width()),
              std::pair(client().height(), client().width()));
    EXPECT_EQ(t.gra.arena.offset(), (client().height() - t.gra.arena.side()) / 2);
    const int labelWidth = t.window->eventLabel().width;
    // As in a window started at this size.
    EXPECT_EQ(labelWidth, test::WindowTest(client().width(), client().height())
                              .window->eventLabel()
                              .width);

    const int side = t.gra.arena.side();
    bool resized = false, checked = false;
    t.clock.onSleep = [&] {
        if (t.gra.running && t.gra.tick == 5 && !resized) {
            resized = true;
            t.later([&] { t.window->resize(1200, 800); });
        }
        if (!t.gra.running || t.gra.tick != 30 || !resized || checked) return;
        checked = true;
        EXPECT_TRUE(t.gra.arena.side() == side &&
                    static_cast<GameView*>(t.window->centralWidget())->origin() == QPoint(0, 0));
        EXPECT_EQ(t.window->screenPicture().height(), client().height());
        EXPECT_EQ(t.window->arenaSquare().w, static_cast<int>(0.9 * client().height()));
        // The game's own picture, its square carried over: between ticks it is the
        // off-screen copy.
        const PixelBuffer& game = t.window->windowPicture();
        ASSERT_EQ(game.width(), side);
        EXPECT_EQ(test::countWhere({0, 0, side, side}, [&](int x, int y) {
                      return game.at(x, y) != t.gra.arena.offscreen().at(x, y);
                  }), 0);
        t.gra.fastFinish = true;
    };
    t.window->GameDemoClick();
    ASSERT_TRUE(checked);
    expectArenaFollows();
    EXPECT_TRUE(t.gra.arena.side() > side && t.window->eventLabel().width > labelWidth);

    // F11 there and back; the arena follows the whole screen as well.
    QAction* fullScreen = t.window->findChild<QAction*>("ToggleFullScreen");
    ASSERT_NE(fullScreen, nullptr);
    EXPECT_EQ(fullScreen->shortcut(), QKeySequence(Qt::Key_F11));
    fullScreen->trigger();
    expectArenaFollows();
    EXPECT_TRUE(t.window->isFullScreen());
    fullScreen->trigger();
    QTest::qWait(10);
    EXPECT_FALSE(t.window->isFullScreen());
}

}  // namespace
}  // namespace slyders
