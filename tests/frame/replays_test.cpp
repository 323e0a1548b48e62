// The window's replays: games recorded as they are played, checked by the simulator, and
// watched again in the window without a trace on the players' results.
#include <QSettings>

#include "frame_fixture.h"
#include "params/settings_file.h"
#include "params/settings_table.h"
#include "players/roster_bytes.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;
using test::pressKey;

// Every place where the game keeps the player's things lies in the test's build folder.
TEST(TestHome, ThePlayersFoldersAreTemporary) {
    const auto below = [](const std::string& path) { return path.rfind(SLYDERS_TEST_DIR, 0) == 0; };
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"}) {
        ASSERT_NE(std::getenv(name), nullptr) << name;
        EXPECT_TRUE(below(std::getenv(name))) << name << "=" << std::getenv(name);
    }
    EXPECT_TRUE(below(QSettings("Tallowin", "Slyders").fileName().toStdString()));
    EXPECT_TRUE(below(ReplayStore::defaultFolder().string()));
}

bool hasEvent(const Replay& r, ReplayEventKind kind) {
    return std::any_of(r.events.begin(), r.events.end(),
                       [&](const ReplayEvent& e) { return e.kind == kind; });
}

TEST(TickSchedule, PeriodsBySpeedAndInTheFastFinish) {
    constexpr int kNormalMs[] = {16, 13, 10}, kFastMs[] = {3, 2, 2};
    for (int speed : {0, 1, 2}) {
        EXPECT_EQ(TickScheduler::periodMs(speed, false), kNormalMs[speed]) << speed;
        EXPECT_EQ(TickScheduler::periodMs(speed, true), kFastMs[speed]) << speed;
    }
}

// The DEMO runs on a clock that moves only while the loop waits: every tick of a group of 20
// is released at anchor + k x p, and tick 19 of each group moves the anchor. A game steered
// by keys, with a speed change and a fast finish, is recorded as played and the simulator
// agrees; both are in the history.
TEST(WindowReplays, ADemoAndAGameSteeredByKeysWithASpeedChangeAndAFastFinishAreRecordedAsPlayed) {
    test::WindowTest t;
    TInterface& s = t.settings;
    for (int* extra : {&s.xtr_tunnel, &s.xtr_biggaps, &s.xtr_cruelptr, &s.xtr_wall, &s.xtr_food,
                       &s.xtr_void, &s.xtr_attract, &s.xtr_invis, &s.xtr_scroll, &s.dis_void,
                       &s.dis_tunnel, &s.dis_wall, &s.dis_attract})
        *extra = 1;
    t.logTicks();
    t.window->GameDemoClick();
    std::map<int, unsigned long long> release = t.loggedTicks();
    ASSERT_GT(release.size(), 200u);
    constexpr unsigned long long kPeriodUs = 13000;
    for (const auto& [n, time] : release) {
        if (n < 20 || !release.count(n - n % 20 - 1)) continue;
        ASSERT_EQ(time, release[n - n % 20 - 1] + (n % 20) * kPeriodUs) << "tick " << n;
    }
    EXPECT_EQ(release[40], release[39]);  // a new group starts at once
    const Replay demo = t.newestReplay();
    EXPECT_TRUE(demo.start.demo && test::playedBack(demo, t.text).agrees);

    // Two humans on key pairs 0 and 1 and one computer; player 1 sits as "Zebediah". Their
    // steering keys are held on a pattern of ticks, pressed and let go as players do, while the
    // game loop waits between ticks. The intro of three slyders lasts 180 ticks; the speed
    // changes and Esc comes after it.
    t.scores.Add(PlrScore{"Zebediah", 0, {}});
    t.window->PlayersOnecomputerplayerClick();
    t.gra.humans = 2;
    t.gra.seats[0] = {0, t.scores.count() - 1};
    t.gra.seats[1] = {1, 3};
    constexpr std::array<Qt::Key, 4> kKeys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Q, Qt::Key_W};
    std::array<bool, kKeys.size()> down{};
    t.clock.onSleep = [&] {
        if (!t.gra.running) return;
        const int phase = (t.gra.tick / 17) % 6;
        QWidget* view = t.window->centralWidget();
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            const bool want = int(k) == phase || (phase == 1 && kKeys[k] == Qt::Key_Q);
            if (want == down[k]) continue;
            want ? QTest::keyPress(view, kKeys[k]) : QTest::keyRelease(view, kKeys[k]);
            down[k] = want;
        }
        if (t.gra.tick == 185 && t.gra.speedLevel != 2)
            t.later([&] { t.window->SpeedFastClick(); });
        if (t.gra.tick == 195 && !t.gra.fastFinish)
            t.later([&] { pressKey(*t.window, Qt::Key_Escape); });
    };
    t.window->GameNewClick();
    EXPECT_EQ(t.playersDialogs, 0);
    ASSERT_FALSE(t.boxes.asked.empty());
    EXPECT_EQ(t.boxes.asked.back(), "Finish game?");
    const Replay game = t.newestReplay();
    EXPECT_FALSE(game.start.demo);
    EXPECT_TRUE(hasEvent(game, ReplayEventKind::Speed) &&
                hasEvent(game, ReplayEventKind::FastFinish));
    EXPECT_EQ(
        std::tuple(game.end, game.endTick, game.deathOrder, game.names[2], game.hashes.size()),
        std::tuple(ReplayEnd::Over, t.gra.tick, t.gra.deathOrder, "Zebediah",
                   std::size_t(t.gra.tick / 20)));
    unsigned seatsSteered = 0;  // a bit a seat
    for (const ReplayEvent& e : game.events)
        if (e.kind == ReplayEventKind::Input)
            seatsSteered |= (e.input.seat[0] ? 1u : 0u) | (e.input.seat[1] ? 2u : 0u);
    EXPECT_EQ(seatsSteered, 3u);
    const ReplayCheck check = test::playedBack(game, t.text);
    EXPECT_TRUE(check.agrees && check.ticks == game.endTick) << toJson(check);

    // Player 1 turning the other way once is another game, from the first check after it.
    Replay other = game;
    const auto e = std::find_if(other.events.begin(), other.events.end(), [](const ReplayEvent& e) {
        return e.kind == ReplayEventKind::Input && e.tick > 181 && e.input.seat[0];
    });
    ASSERT_NE(e, other.events.end());
    e->input.seat[0] ^= kSteerLeft | kSteerRight;
    const ReplayCheck flipped = test::playedBack(other, t.text);
    EXPECT_EQ(std::pair(flipped.agrees, flipped.disagreesAt),
              std::pair(false, (e->tick + 19) / 20 * 20)) << "changed at " << e->tick;
    // Both games are in the history, newest first, each as its replay tells it.
    const std::vector<PlayedGame> history = t.window->history().games();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(std::tuple(history[0].kind, history[1].kind, history[0].file, history[0].ticks,
                         history[0].slots.size()),
              std::tuple(GameKind::Local, GameKind::Demo,
                         t.window->replays().newest()->filename().string(), game.endTick, 3u));
}

// The bytes the roster store and "Default.par" would get, and the round as it stands.
auto playersThings(test::WindowTest& t) {
    std::vector<PlrScore> roster;
    std::vector<int> ratings;
    for (int i = 0; i < t.scores.count(); ++i) {
        roster.push_back(t.scores.entry(i));
        ratings.push_back(t.scores.Rating(i));
    }
    const fs::path file = t.replayFolder.path / "Default.par";
    StdioFileSystem files;
    saveSettingsFile(files, t.settings, file.string());
    std::vector<std::pair<int, int>> round{{t.gra.firstSlot, t.gra.humans}};
    for (const Slyder& s : t.gra.slots) round.push_back({s.roundPoints, s.roundsWon});
    return std::tuple(serialiseRoster(roster), ratings, test::readFile(file), round,
                      t.gra.arena.side());
}

// A DEMO, then a game that wins a round, announced and cleared, with the high scores shown;
// "Watch last game" shows that game as it was and leaves every result, the settings and the
// round in progress as they were.
TEST(WindowReplays, AWonRoundIsAnnouncedAndWatchingItLeavesThePlayersThingsAlone) {
    test::WindowTest t;
    EXPECT_FALSE(t.window->menuItem("GameWatchlast")->isEnabled());
    t.window->GameDemoClick();
    EXPECT_TRUE(t.window->menuItem("GameWatchlast")->isEnabled());
    t.gra.slots[2].roundPoints = 45;  // whoever dies first, the human leads at the end
    const std::size_t applause = t.sound.ofNumber(kSndApplause).size();
    t.window->GameNewClick();
    EXPECT_EQ(t.boxes.informed.back(),
              "Round finished!\n40 points reached.\n\nThe winner is Dummy 1 !\n"
              "Dummy 1's rating is now 100.\n\nClick for the next round:");
    EXPECT_EQ(t.gra.slots[2].roundsWon, 1);
    for (const Slyder& s : t.gra.slots) EXPECT_EQ(s.roundPoints + s.gamePoints, 0);
    EXPECT_EQ(t.sound.ofNumber(kSndApplause).size(), applause + 1);
    // The high-score table's separator line is solid across the arena.
    const Arena& a = t.gra.arena;
    const int S = a.side(), top = S * 15 / 100, bottom = S * 45 / 100;
    const auto solid = [&a](int x, int y) { return a.cell(x, y) == kCellSolid; };
    int solidColumns = 0;
    for (int x = S / 10 + 1; x < S * 9 / 10; ++x)
        solidColumns += test::countWhere({x, top, 1, bottom - top}, solid) > 0;
    EXPECT_GT(solidColumns, S * 3 / 4);
    const Replay recorded = t.newestReplay();
    ASSERT_FALSE(recorded.start.demo || recorded.resultText.empty());
    t.gra.slots[2].roundPoints = 7;  // a round in progress when the player watches
    t.settings.xtr_food = !t.settings.xtr_food;
    t.settings.int_snd = 1;
    const auto before = playersThings(t);

    t.boxes = test::ScriptedBoxes{};
    int food = -1;
    std::string title, deaths;
    std::vector<int> points, recordedPoints;
    bool itemsOff = true;
    t.clock.onSleep = [&] {
        if (!t.watch() || t.gra.tick != 50) return;
        title = t.window->windowTitle().toStdString();
        food = t.settings.xtr_food;
        t.settings.int_snd = 0;  // as a machine without a sound device switches sounds off
        for (const char* item : {"GameNew", "GameDemo", "GameWatchlast", "GameOpenreplay",
                                 "SetupPlayers", "Settings", "SpeedFast"})
            itemsOff = itemsOff && !t.window->menuItem(item)->isEnabled();
    };
    t.boxes.whileOpen = [&] {
        if (t.boxes.shown.back() != "Keep this replay?") return;
        deaths = t.gra.deathOrder;
        for (int s = t.gra.firstSlot; s <= t.gra.lastActive(); ++s) {
            points.push_back(t.gra.slot(s).gamePoints);
            recordedPoints.push_back(recorded.points[std::size_t(s)]);
        }
    };
    t.boxes.answers = {true};
    t.window->GameWatchlastClick();

    EXPECT_EQ(std::pair(title, itemsOff), std::pair(std::string("Slyders (replay)"), true));
    std::size_t foodAt = 0;
    while (kSettingsTable[foodAt].id != std::string("xtr_food")) ++foodAt;
    EXPECT_EQ(food, recorded.settings.at(foodAt));
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(std::tie(deaths, points), std::tie(recorded.deathOrder, recordedPoints));
    EXPECT_EQ(t.boxes.informed,
              (std::vector<std::string>{"Round finished!\n" + recorded.resultText}));
    EXPECT_TRUE(t.boxes.asked == std::vector<std::string>{"Keep this replay?"} &&
                ReplayStore::isKept(*t.window->replays().newest()));

    EXPECT_TRUE(playersThings(t) == before && t.window->windowTitle() == "Slyders");
    EXPECT_TRUE(t.window->menuItem("GameNew")->isEnabled() &&
                t.window->menuItem("SpeedFast")->isEnabled());
    EXPECT_EQ(t.window->replays().all().size(), 2u);  // watching recorded nothing
}

// 1 .. 5 choose the speed, Space pauses, Esc asks; a replay of another arena side plays on
// that side and the window gets its own back. (All of it within the intro of the DEMO.)
TEST(WindowReplays, PlaybackKeysAndAnotherArenaSide) {
    test::WindowTest t;
    const fs::path file = t.replayFolder.path / "small.slyrep";
    {
        test::WindowTest small(640, 340);
        small.window->GameDemoClick();
        fs::copy_file(*small.window->replays().newest(), file);
        ASSERT_EQ(small.newestReplay().arenaSide, 306);
    }
    t.chosenReplay = file;
    t.logTicks();
    int sidePlayed = 0, napsWhilePaused = 0;
    std::int32_t pausedAt = -1, escAt = -1;
    t.clock.onSleep = [&] {
        if (!t.watch()) return;
        sidePlayed = t.gra.arena.side();
        const std::int32_t tick = t.gra.tick;
        if (tick == 45 && t.watch()->pace() == WatchReplay::kPaceOne) pressKey(*t.window, Qt::Key_5);
        if (tick == 90 && !t.watch()->paused() && pausedAt < 0) {
            pressKey(*t.window, Qt::Key_Space);
            pausedAt = tick;
        }
        if (t.watch()->paused()) {
            EXPECT_EQ(tick, pausedAt);
            if (++napsWhilePaused == 50) pressKey(*t.window, Qt::Key_Space);
        }
        if ((tick == 110 || tick == 112) && tick != escAt) {
            escAt = tick;
            t.later([&] { pressKey(*t.window, Qt::Key_Escape); });
        }
    };
    t.boxes.answers = {false, true};  // not at the first Esc, then yes
    t.window->GameOpenreplayClick();
    EXPECT_EQ(t.chooserFolder, t.window->replays().folder());
    EXPECT_EQ(std::pair(sidePlayed, napsWhilePaused), std::pair(306, 50));
    EXPECT_EQ(t.boxes.asked, (std::vector<std::string>{"Stop watching?", "Stop watching?"}));

    // A group of 20 ticks takes 19 periods of 13 ms at x1, and of a sixteenth of it at x16.
    std::map<int, unsigned long long> release = t.loggedTicks();
    ASSERT_TRUE(release.count(39) && release.count(79));
    EXPECT_EQ(std::pair(release[39] - release[19], release[79] - release[59]),
              std::pair(19ull * 13000u, 19ull * (13000u / 16u)));

    EXPECT_EQ(std::tuple(t.gra.arena.side(), t.gra.arena.offset(), t.watch(),
                         t.window->windowTitle().toStdString()),
              std::tuple(360, 20, nullptr, "Slyders"));
}

// F3 after a game: its last 10 s again at half pace, silently ended, and the window as it was.
// Then watched: slow motion and single steps change only the pace; jumps land where the
// recording goes on agreeing with every stored check; End plays the recorded end as ever.
// Export video is offered for the replay watched, and only then. Last, a file that is no good
// replay gets the reader's message, and nothing is watched.
TEST(WindowReplays, TheLastMomentsAgainThenSlowMotionStepsAndJumpsAndBadFiles) {
    test::WindowTest t;
    t.window->GameDemoClick();
    const QAction* exportItem = t.window->menuItem("GameExportvideo");
    EXPECT_FALSE(exportItem->isVisible());
    const Replay recorded = t.newestReplay();
    ASSERT_GT(recorded.endTick, 900);
    const std::vector<std::string> told = t.boxes.informed;
    const std::string title = t.window->windowTitle().toStdString();
    const std::string deaths = t.gra.deathOrder;
    const std::size_t replays = t.window->replays().all().size();
    t.logTicks();
    std::int32_t firstTick = -1;
    t.clock.onSleep = [&] { if (t.watch() && firstTick < 0) firstTick = t.gra.tick; };
    pressKey(*t.window, Qt::Key_F3);
    std::map<int, unsigned long long> release = t.loggedTicks();

    EXPECT_EQ(firstTick, recorded.endTick - 809 + 1);  // 10 s at Medium, one tick played
    const int group = (firstTick / 20 + 2) * 20 - 1;
    ASSERT_TRUE(release.count(group) && release.count(group + 20));
    EXPECT_EQ(release[group + 20] - release[group], 19u * 13000u * 2u);
    EXPECT_TRUE(t.boxes.informed == told && t.boxes.asked.empty());
    EXPECT_EQ(std::tuple(t.watch(), t.window->windowTitle().toStdString(), t.gra.deathOrder,
                         t.window->replays().all().size()),
              std::tuple(nullptr, title, deaths, replays));

    // Watched: slow motion, steps, jumps, Home, End and F9.
    t.logTicks();
    std::int32_t stepsFrom = -1, jumpedFrom = -1, jumpedTo = -1, homeAt = -1, f9At = -1;
    int steps = 0, napsAfterSteps = 0;
    bool exportAsked = false, exportShown = false;
    t.clock.onSleep = [&] {
        WatchReplay* w = t.watch();
        if (!w) return;
        const std::int32_t tick = t.gra.tick;
        if (tick >= 60 && !exportAsked) {  // past the groups whose pace is measured
            exportAsked = true;
            exportShown = exportItem->isVisible();
            t.window->GameExportvideoClick();
        }
        if (tick == 30 && w->pace() == WatchReplay::kPaceOne) pressKey(*t.window, Qt::Key_Q);
        if (tick >= 70 && stepsFrom < 0) {
            pressKey(*t.window, Qt::Key_Space);
            stepsFrom = tick;
        }
        if (w->paused()) {
            EXPECT_LE(tick, stepsFrom + steps);  // one tick a step, none else
            if (tick == stepsFrom + steps && steps < 3) {
                pressKey(*t.window, Qt::Key_Period);
                ++steps;
            } else if (tick == stepsFrom + steps && ++napsAfterSteps == 50) {
                pressKey(*t.window, Qt::Key_Space);
            }
        }
        if (tick >= 100 && jumpedFrom < 0) {
            jumpedFrom = tick;
            pressKey(*t.window, Qt::Key_Right);
            jumpedTo = t.gra.tick;
        }
        if (jumpedTo > 0 && tick >= jumpedTo + 30 && homeAt < 0) {
            t.window->GameDemoClick();  // F9, as the watched DEMO arena says, starts it again
            f9At = t.gra.tick;
            pressKey(*t.window, Qt::Key_Right);
            pressKey(*t.window, Qt::Key_Home);
            homeAt = t.gra.tick;
            pressKey(*t.window, Qt::Key_End);
        }
    };
    t.boxes.answers = {false};
    t.boxes.informed.clear();
    t.window->GameWatchlastClick();
    release = t.loggedTicks();

    EXPECT_EQ(std::tuple(napsAfterSteps, exportShown, exportItem->isVisible()),
              std::tuple(50, true, false));
    EXPECT_EQ(t.exportedReplays, std::vector{*t.window->replays().newest()});
    // A jump of 5 s at Medium: 5000 ms x 20 / (19 x 13 ms).
    EXPECT_EQ(std::tuple(jumpedTo, homeAt, f9At), std::tuple(jumpedFrom + 404, 0, 0));
    EXPECT_EQ(t.boxes.informed, told);  // no disagreement, the DEMO result as ever
    EXPECT_EQ(t.boxes.asked, (std::vector<std::string>{"Keep this replay?"}));
    ASSERT_TRUE(release.count(39) && release.count(59));
    EXPECT_EQ(release[59] - release[39], 19u * 13000u * 4u);  // a quarter of the pace

    // Files that are no good replay.
    const std::string bytes = test::readFile(*t.window->replays().newest());
    const fs::path cut = t.replayFolder.path / "cut.slyrep", text = t.replayFolder.path / "a.txt";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(text) << "Not a replay at all\n";
    for (const fs::path& file : {text, cut}) {
        t.chosenReplay = file;
        t.window->GameOpenreplayClick();
    }
    ASSERT_EQ(t.boxes.errors.size(), 2u);
    EXPECT_EQ(t.boxes.errors[0], std::make_pair(std::string("Open replay"),
                                                std::string("This file is not a Slyders replay.")));
    EXPECT_EQ(t.boxes.errors[1].second.rfind("This replay is damaged: ", 0), 0u);
    EXPECT_EQ(std::tuple(t.watch(), t.window->windowTitle().toStdString()),
              std::tuple(nullptr, title));
}

}  // namespace
}  // namespace slyders
