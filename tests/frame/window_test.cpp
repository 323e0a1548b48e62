#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <map>

#include "frame/game_view.h"
#include "frame_fixture.h"
#include "replay/replay_store.h"

namespace slyders {
namespace {

// What a menu would draw beside an item.
QStyleOptionMenuItem::CheckType drawnCheck(QAction* item) {
    struct Menu : QMenu {
        using QMenu::initStyleOption;
    } menu;
    menu.addAction(item);
    QStyleOptionMenuItem option;
    menu.initStyleOption(&option, item);
    return option.checkType;
}

// Players, Computer and Speed show check marks, one per group whatever was chosen, also
// when the checked item is chosen again. No item repeats with a held key.
TEST(MenuItems, GroupsCarryOneCheckMarkAndNoItemRepeats) {
    test::WindowTest t;
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
                EXPECT_EQ(drawnCheck(item), QStyleOptionMenuItem::NonExclusive) << name;
            }
        }
    }
    EXPECT_EQ(t.gra.firstSlot, 1);
    EXPECT_EQ(t.gra.skillLevel, 2);
    EXPECT_EQ(t.gra.speedLevel, 1);
    for (QAction* item : t.window->findChildren<QAction*>()) {
        if (item->objectName().isEmpty()) continue;  // the toolkit's own
        EXPECT_FALSE(item->autoRepeat()) << item->objectName().toStdString();
    }
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
        if (t.gra.demo && t.gra.tick == 150 && !restarted) {
            t.later([&] {
                t.window->AskFinishGame();
                restarted = true;
                t.window->GameDemoClick();
            });
        }
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
    EXPECT_EQ(replay.events.front().tick, 1);
    EXPECT_EQ(replay.events.front().kind, ReplayEventKind::FastFinish);
}

// Counts the times a window was minimised (the offscreen platform activates it again at once).
struct MinimiseCounter : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange &&
            static_cast<QWidget*>(watched)->isMinimized()) {
            ++count;
        }
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
    EXPECT_EQ(minimised.count, 0);
    EXPECT_TRUE(titles.empty());

    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::qWait(kPastGraceMs);
    EXPECT_EQ(minimised.count, 1);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front().front().toString().toStdString(), "Slyders (paused)");
    t.window->removeEventFilter(&minimised);
}

// The client area the window's view has now, in pixels (the tests' ratio is 1).
QSize clientArea(const test::WindowTest& t) {
    return t.window->centralWidget()->size();
}

// Between games the arena and the scoreboard follow the window's size; a game keeps its arena,
// shown scaled in the resized window, and takes the new side when the game has ended.
TEST(WindowSize, FollowsTheWindowBetweenGamesAndWaitsForTheGameToEnd) {
    test::WindowTest t(640, 400);
    t.window->show();
    t.window->resize(900, 600);
    QTest::qWait(10);
    QSize client = clientArea(t);
    ASSERT_EQ(t.window->windowPicture().height(), client.height());
    EXPECT_EQ(t.window->windowPicture().width(), client.width());
    EXPECT_EQ(t.gra.arena.side(), static_cast<int>(0.9 * client.height()));
    EXPECT_EQ(t.gra.arena.offset(), (client.height() - t.gra.arena.side()) / 2);
    const int labelWidth = t.window->eventLabel().width;
    EXPECT_EQ(labelWidth, test::WindowTest(client.width(), client.height())
                              .window->eventLabel()
                              .width);  // as in a window started at this size

    const int side = t.gra.arena.side();
    bool resized = false, checked = false;
    t.clock.onSleep = [&] {
        if (!t.gra.running) return;
        if (t.gra.tick == 5 && !resized) {
            resized = true;
            t.later([&] { t.window->resize(1200, 800); });
        }
        if (t.gra.tick == 30 && resized && !checked) {
            checked = true;
            EXPECT_EQ(t.gra.arena.side(), side);
            const QSize now = clientArea(t);
            const auto* view = static_cast<GameView*>(t.window->centralWidget());
            EXPECT_EQ(view->origin(), QPoint(0, 0));
            EXPECT_EQ(t.window->screenPicture().height(), now.height());
            EXPECT_EQ(t.window->arenaSquare().w, static_cast<int>(0.9 * now.height()));
            // The game's own picture, its square carried over: between ticks it is the
            // off-screen copy.
            const PixelBuffer& game = t.window->windowPicture();
            ASSERT_EQ(game.width(), side);
            EXPECT_EQ(test::countWhere({0, 0, side, side}, [&](int x, int y) {
                          return game.at(x, y) != t.gra.arena.offscreen().at(x, y);
                      }), 0);
            t.gra.fastFinish = true;
        }
    };
    t.window->GameDemoClick();
    ASSERT_TRUE(checked);
    QTest::qWait(10);
    client = clientArea(t);
    EXPECT_EQ(t.gra.arena.side(), static_cast<int>(0.9 * client.height()));
    EXPECT_GT(t.gra.arena.side(), side);
    EXPECT_GT(t.window->eventLabel().width, labelWidth);

    // F11 there and back; the arena follows the whole screen as well.
    QAction* fullScreen = t.window->findChild<QAction*>("ToggleFullScreen");
    ASSERT_NE(fullScreen, nullptr);
    EXPECT_EQ(fullScreen->shortcut(), QKeySequence(Qt::Key_F11));
    fullScreen->trigger();
    QTest::qWait(10);
    EXPECT_TRUE(t.window->isFullScreen());
    EXPECT_EQ(t.gra.arena.side(), static_cast<int>(0.9 * clientArea(t).height()));
    fullScreen->trigger();
    QTest::qWait(10);
    EXPECT_FALSE(t.window->isFullScreen());
}

}  // namespace
}  // namespace slyders
