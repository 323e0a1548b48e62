#include <QCloseEvent>

#include "frame_fixture.h"

namespace slyders {
namespace {

using test::pressKey;

TEST(Commands, NewEscClearAndExitAskFirstButFinishingNotDuringTheFastFinish) {
    test::WindowTest t;
    t.gra.running = t.gra.fastFinish = true;
    t.window->GameNewClick();
    pressKey(*t.window, Qt::Key_Escape);
    EXPECT_TRUE(t.boxes.asked.empty());

    t.gra.fastFinish = false;
    t.boxes.answers = {false, true};
    pressKey(*t.window, Qt::Key_Escape);
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
    QCloseEvent refused, accepted;
    QCoreApplication::sendEvent(t.window.get(), &refused);
    EXPECT_EQ(std::tuple(refused.isAccepted(), t.gra.running, t.boxes.asked.back()),
              std::tuple(false, true, "Exit Slyders?"));
    t.gra.running = false;
    const std::size_t questions = t.boxes.asked.size();
    QCoreApplication::sendEvent(t.window.get(), &accepted);
    EXPECT_EQ(std::tuple(accepted.isAccepted(), t.boxes.asked.size()), std::tuple(true, questions));
}

// The DEMO asks first only when there are results. A replay that cannot be written is said
// once in a box and on stderr; the games go on.
TEST(Commands, DemoAsksFirstOnlyWhenResultsExistAndAReplayNotSavedIsSaidOnce) {
    test::WindowTest t;
    std::ofstream(t.replayFolder.path / "replays") << "in the way";  // the folder cannot be made
    const auto demoResults = [&] {
        return std::count_if(
            t.boxes.informed.begin(), t.boxes.informed.end(),
            [](const std::string& s) { return s.rfind("This DEMO game ", 0) == 0; });
    };
    t.window->GameDemoClick();  // no results: plays at once
    t.window->GameDemoClick();
    EXPECT_TRUE(t.boxes.asked.empty() && demoResults() == 2);
    EXPECT_EQ(std::tuple(t.gra.demo, t.gra.firstSlot, t.gra.humans), std::tuple(false, 1, 1));
    ASSERT_EQ(t.boxes.errors.size(), 1u);
    EXPECT_TRUE(t.boxes.errors[0].first == "Replay not saved" &&
                t.boxes.errors[0].second.find("could not be written") != std::string::npos);
    // Two DEMO results and the one failure.
    EXPECT_TRUE(t.boxes.informed.size() == 3u && !t.window->menuItem("GameWatchlast")->isEnabled());

    t.gra.slots[2].roundsWon = 1;  // a round won, no round points
    t.boxes.answers = {false};
    t.window->GameDemoClick();
    EXPECT_EQ(t.boxes.asked,
              (std::vector<std::string>{"Start DEMO game? (current results will be lost)"}));
    EXPECT_EQ(std::tuple(t.gra.slots[2].roundsWon, t.boxes.informed.size()), std::tuple(1, 3u));
}

// F2 in a DEMO game plays a normal game inside it, the DEMO kept as it stood, stopped; when
// that game ends, the DEMO command puts back the players chosen before the DEMO and clears the
// results once more.
TEST(Commands, NewDuringDemoKeepsTheDemoAndRestoresThePlayersAfterwards) {
    test::WindowTest t;
    t.window->PlayersTwocomputerplayersClick();
    t.gra.humans = 2;
    std::int32_t leftAt = -1;
    int newGameFirstSlot = -1;
    t.clock.onSleep = [&] {
        if (!t.gra.demo || t.gra.tick < 150 || leftAt >= 0) return;
        leftAt = t.gra.tick;
        t.later([&] { t.window->GameNewClick(), newGameFirstSlot = t.gra.firstSlot; });
    };
    t.window->GameDemoClick();
    EXPECT_EQ(newGameFirstSlot, 0);
    EXPECT_EQ(std::tuple(t.gra.demo, t.gra.running, t.gra.humans, t.gra.firstSlot),
              std::tuple(false, false, 2, 0));
    for (const Slyder& s : t.gra.slots) EXPECT_EQ(s.roundPoints + s.gamePoints + s.roundsWon, 0);
    // The players dialog came up for the new game.
    EXPECT_TRUE(t.gra.AllHumansSeated() && t.playersDialogs >= 1 &&
                t.window->menuItem("GameDemo")->isEnabled());

    const std::vector<std::filesystem::path> files = t.window->replays().all();
    ASSERT_EQ(files.size(), 2u);
    const Replay demo = test::readReplay(files[0]);
    EXPECT_EQ(std::tuple(demo.start.demo, demo.end, demo.endTick),
              std::tuple(true, ReplayEnd::Stopped, leftAt));
    EXPECT_TRUE(test::playedBack(demo, t.text).agrees && !t.newestReplay().start.demo);
}

TEST(Commands, DuringAGameItemsAreDisabledAndTheComputerCountWaits) {
    test::WindowTest t;
    bool checked = false;
    t.clock.onSleep = [&] {
        if (!t.gra.running || checked || t.gra.tick < 5) return;
        checked = true;
        for (const char* name :
             {"GameDemo", "GameCleartotals", "SetupPlayers", "DisplayHighscores"})
            EXPECT_FALSE(t.window->menuItem(name)->isEnabled()) << name;
        EXPECT_TRUE(t.window->menuItem("GameNew")->isEnabled());
        t.window->PlayersTwocomputerplayersClick();
        // The running game keeps its slots.
        EXPECT_EQ(std::tuple(t.gra.firstSlot,
                             t.window->menuItem("PlayersTwocomputerplayers")->isChecked()),
                  std::tuple(1, true));
        t.gra.fastFinish = true;  // let the rest run quickly
    };
    t.window->GameNewClick();
    // The computers chosen are for the next New game.
    EXPECT_EQ(std::tuple(checked, t.window->chosenFirstSlot(),
                         t.window->menuItem("GameCleartotals")->isEnabled()),
              std::tuple(true, 0, true));
}

// Custom keys are followed from the key events beside the fixed ones. A seat on a pad that is
// not plugged in cannot start, and a plugged one steers.
TEST(Commands, CustomKeysAreFollowedAndASeatOnAPadSteersOnlyWhenItIsPluggedIn) {
    test::WindowTest t;
    CustomKeys custom;
    custom.code = {{{Qt::Key_Z, Qt::Key_X}, {Qt::Key_K, Qt::Key_L}}};
    t.window->keys().setCustomKeys(custom);
    for (int key : {Qt::Key_X, Qt::Key_Q, Qt::Key_K}) pressKey(*t.window, key);
    pressKey(*t.window, Qt::Key_K, QEvent::KeyRelease);
    EXPECT_EQ(std::tuple(t.window->keys().customHeld(0), t.window->keys().customHeld(1),
                         t.window->keys().isDown(SteerKey::Q)),
              std::tuple(Held{false, true}, Held{}, true));
    for (int key : {Qt::Key_X, Qt::Key_Q}) pressKey(*t.window, key, QEvent::KeyRelease);

    t.gra.humans = 1;
    t.gra.seats[0] = {kFirstGamepadPair + 1, 2};
    t.window->GameNewClick();
    EXPECT_EQ(std::pair(t.boxes.informed, t.gra.tick),
              std::pair(std::vector<std::string>{"Gamepad 2 is not connected."}, 0));

    // Plugged in and held right: the slyder turns right by 2 degrees a tick once it moves.
    t.pads[1] = {true, {false, true}, "Pad"};
    int d0 = -1, h0 = 0, turned = -1, ticks = 0;
    t.clock.onSleep = [&] {
        const int d = t.gra.IntroLeft(), h = t.gra.slots[2].heading;
        if (!t.gra.running || d < 0 || turned >= 0) return;
        if (d0 < 0) {
            d0 = d, h0 = h;
        } else if (d >= d0 + 10) {
            turned = ((h - h0) % 360 + 360) % 360, ticks = d - d0;
            t.gra.running = false;
        }
    };
    const int polls = t.padPolls;
    t.window->GameNewClick();
    EXPECT_EQ(t.boxes.informed.size(), 1u);
    EXPECT_GE(t.padPolls - polls, t.gra.tick);  // read in every tick
    EXPECT_EQ(turned, 2 * ticks);
}

}  // namespace
}  // namespace slyders
