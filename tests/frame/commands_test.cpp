#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>

#include "frame_fixture.h"

namespace slyders {
namespace {

void pressEscape(TMainWnd& w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w.centralWidget(), &press);
}

TEST(Commands, NewEscClearAndExitAskFirstButFinishingNotDuringTheFastFinish) {
    test::WindowTest t;
    t.gra.running = true;
    t.gra.fastFinish = true;
    t.window->GameNewClick();
    pressEscape(*t.window);
    EXPECT_TRUE(t.boxes.asked.empty());

    t.gra.fastFinish = false;
    t.boxes.answers = {false, true};
    pressEscape(*t.window);
    EXPECT_FALSE(t.gra.fastFinish);
    t.window->GameNewClick();
    EXPECT_TRUE(t.gra.fastFinish);
    EXPECT_EQ(t.boxes.asked, (std::vector<std::string>{"Finish game?", "Finish game?"}));

    // Clearing the results and closing the window ask first too.
    t.gra.fastFinish = t.gra.running = false;
    t.gra.slots[2].roundPoints = 12;
    t.boxes.answers = {false, true};
    t.window->GameCleartotalsClick();
    EXPECT_EQ(t.gra.slots[2].roundPoints, 12);
    t.window->GameCleartotalsClick();
    EXPECT_EQ(t.gra.slots[2].roundPoints, 0);
    EXPECT_EQ(t.boxes.asked[2], "Clear current results? (high scores will not be affected)");

    // Closing asks only while a game runs; No keeps it running.
    t.gra.running = true;
    t.boxes.answers = {false};
    QCloseEvent refused;
    QCoreApplication::sendEvent(t.window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_TRUE(t.gra.running);
    EXPECT_EQ(t.boxes.asked.back(), "Exit Slyders?");
    t.gra.running = false;
    const std::size_t questions = t.boxes.asked.size();
    QCloseEvent accepted;
    QCoreApplication::sendEvent(t.window.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_EQ(t.boxes.asked.size(), questions);
}

TEST(Commands, DemoAsksFirstOnlyWhenResultsExist) {
    test::WindowTest t;
    t.window->GameDemoClick();  // no results: plays at once
    EXPECT_TRUE(t.boxes.asked.empty());
    ASSERT_EQ(t.boxes.informed.size(), 1u);
    EXPECT_EQ(t.boxes.informed[0].rfind("This DEMO game ", 0), 0u);
    EXPECT_FALSE(t.gra.demo);
    EXPECT_EQ(t.gra.firstSlot, 1);
    EXPECT_EQ(t.gra.humans, 1);

    t.gra.slots[2].roundsWon = 1;  // a round won, no round points
    t.boxes.answers = {false};
    t.window->GameDemoClick();
    EXPECT_EQ(t.boxes.asked,
              (std::vector<std::string>{"Start DEMO game? (current results will be lost)"}));
    EXPECT_EQ(t.gra.slots[2].roundsWon, 1);
    EXPECT_EQ(t.boxes.informed.size(), 1u);
}

// F2 in a DEMO game plays a normal game inside it; when that ends, the DEMO command puts
// back the players chosen before the DEMO and clears the results once more.
TEST(Commands, NewDuringDemoRestoresThePlayersAfterwards) {
    test::WindowTest t;
    t.window->PlayersTwocomputerplayersClick();
    t.gra.humans = 2;
    bool nested = false;
    int newGameFirstSlot = -1;
    t.clock.onSleep = [&] {
        if (t.gra.demo && t.gra.tick > 150 && !nested) {
            nested = true;
            t.later([&] {
                t.window->GameNewClick();
                newGameFirstSlot = t.gra.firstSlot;
            });
        }
    };
    t.window->GameDemoClick();
    EXPECT_TRUE(nested);
    EXPECT_EQ(newGameFirstSlot, 0);
    EXPECT_FALSE(t.gra.demo);
    EXPECT_FALSE(t.gra.running);
    EXPECT_EQ(t.gra.humans, 2);
    EXPECT_EQ(t.gra.firstSlot, 0);
    for (const Slyder& s : t.gra.slots) EXPECT_EQ(s.roundPoints + s.gamePoints + s.roundsWon, 0);
    EXPECT_TRUE(t.gra.AllHumansSeated());
    EXPECT_GE(t.playersDialogs, 1);  // the players dialog came up for the new game
    EXPECT_TRUE(t.window->menuItem("GameDemo")->isEnabled());
}

TEST(Commands, DuringAGameItemsAreDisabledAndTheComputerCountWaits) {
    test::WindowTest t;
    bool checked = false;
    t.clock.onSleep = [&] {
        if (!t.gra.running || checked || t.gra.tick < 5) return;
        checked = true;
        for (const char* name :
             {"GameDemo", "GameCleartotals", "SetupPlayers", "DisplayHighscores"}) {
            EXPECT_FALSE(t.window->menuItem(name)->isEnabled()) << name;
        }
        EXPECT_TRUE(t.window->menuItem("GameNew")->isEnabled());
        t.window->PlayersTwocomputerplayersClick();
        EXPECT_EQ(t.gra.firstSlot, 1);  // the running game keeps its slots
        EXPECT_TRUE(t.window->menuItem("PlayersTwocomputerplayers")->isChecked());
        t.gra.fastFinish = true;  // let the rest run quickly
    };
    t.window->GameNewClick();
    EXPECT_TRUE(checked);
    EXPECT_EQ(t.window->chosenFirstSlot(), 0);  // for the next New game
    EXPECT_TRUE(t.window->menuItem("GameCleartotals")->isEnabled());
}

TEST(Commands, AWonRoundIsAnnouncedClearedAndShowsTheHighScores) {
    test::WindowTest t;
    t.gra.slots[2].roundPoints = 45;  // whoever dies first, the human leads at the end
    t.window->GameNewClick();
    ASSERT_FALSE(t.boxes.informed.empty());
    EXPECT_EQ(t.boxes.informed.back(),
              "Round finished!\n40 points reached.\n\nThe winner is Dummy 1 !\n"
              "Dummy 1's rating is now 100.\n\nClick for the next round:");
    EXPECT_EQ(t.gra.slots[2].roundsWon, 1);
    for (const Slyder& s : t.gra.slots) EXPECT_EQ(s.roundPoints + s.gamePoints, 0);
    EXPECT_EQ(t.sound.ofNumber(kSndApplause).size(), 1u);
    // The high-score table's separator line is solid across the arena.
    const Arena& a = t.gra.arena;
    const int S = a.side();
    int solidColumns = 0;
    for (int x = S / 10 + 1; x < S * 9 / 10; ++x) {
        for (int y = S * 15 / 100; y < S * 45 / 100; ++y) {
            if (a.cell(x, y) == kCellSolid) {
                ++solidColumns;
                break;
            }
        }
    }
    EXPECT_GT(solidColumns, S * 3 / 4);
}

TEST(Commands, ASeatOnAPadThatIsNotPluggedInCannotStartAndAPluggedOneSteers) {
    test::WindowTest t;
    t.gra.humans = 1;
    t.gra.seats[0] = {kFirstGamepadPair + 1, 2};
    t.window->GameNewClick();
    EXPECT_EQ(t.boxes.informed, std::vector<std::string>{"Gamepad 2 is not connected."});
    EXPECT_EQ(t.gra.tick, 0);

    // Plugged in and held right: the slyder turns right by 2 degrees a tick once it moves.
    t.pads[1] = {true, {false, true}, "Pad"};
    int d0 = -1, h0 = 0, turned = -1, ticks = 0;
    t.clock.onSleep = [&] {
        const int d = t.gra.IntroLeft();
        if (!t.gra.running || d < 0 || turned >= 0) return;
        const int h = t.gra.slots[2].heading;
        if (d0 < 0) {
            d0 = d, h0 = h;
        } else if (d >= d0 + 10) {
            turned = ((h - h0) % 360 + 360) % 360;
            ticks = d - d0;
            t.gra.running = false;
        }
    };
    const int polls = t.padPolls;
    t.window->GameNewClick();
    EXPECT_EQ(t.boxes.informed.size(), 1u);
    EXPECT_GE(t.padPolls - polls, t.gra.tick);  // read in every tick
    EXPECT_EQ(turned, 2 * ticks);
}

TEST(Commands, CustomKeysAreFollowedFromTheKeyEventsBesideTheFixedOnes) {
    test::WindowTest t;
    CustomKeys custom;
    custom.code = {{{Qt::Key_Z, Qt::Key_X}, {Qt::Key_K, Qt::Key_L}}};
    t.window->keys().setCustomKeys(custom);
    const auto send = [&](QEvent::Type type, int key) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QCoreApplication::sendEvent(t.window->centralWidget(), &event);
    };
    send(QEvent::KeyPress, Qt::Key_X);
    send(QEvent::KeyPress, Qt::Key_Q);
    send(QEvent::KeyPress, Qt::Key_K);
    send(QEvent::KeyRelease, Qt::Key_K);
    EXPECT_EQ(t.window->keys().customHeld(0), (Held{false, true}));
    EXPECT_EQ(t.window->keys().customHeld(1), Held{});
    EXPECT_TRUE(t.window->keys().isDown(SteerKey::Q));
}

}  // namespace
}  // namespace slyders
