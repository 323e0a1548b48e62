// What the window shows: games of any arena side scaled into the window's arena square, the
// scoreboard laid out for the window, large screens, and the names at the heads.
#include <QImage>
#include <QPixmap>

#include "frame_fixture.h"

namespace slyders {
namespace {

constexpr int kReplayTicks = 160;
// Past the intro: trails, heads and the DEMO texts are out (the window naps before this tick).
constexpr int kLookAt = 121;

// A DEMO game of the given side, recorded headless and watched in a window of another size:
// it plays on its own side, the window shows it in its own arena square exactly as a whole
// rescale would, and the scoreboard and event label stand beside that square.
void watchOnAnotherScreen(int side, int width, int height) {
    test::WindowTest t(width, height);
    Replay replay;
    SimGame({.arenaSide = side, .demo = true, .tickCap = kReplayTicks}, t.text).play(0, &replay);
    ASSERT_EQ(replay.arenaSide, side);

    const Rect square = t.window->arenaSquare();
    const int own = static_cast<int>(0.9 * height);
    EXPECT_EQ(std::pair(square.w, square.x), std::pair(own, (height - own) / 2));
    bool looked = false;
    t.clock.onSleep = [&] {
        if (looked || !t.watch() || t.gra.tick != kLookAt) return;
        looked = true;
        t.window->refreshPicture();
        EXPECT_EQ(t.gra.arena.side(), side);
        const PixelBuffer& game = t.window->windowPicture();
        const PixelBuffer& screen = t.window->screenPicture();
        ASSERT_EQ(game.width(), side);
        // The window's arena square as the scaler would show the whole game picture now.
        PixelBuffer expected(square.w, square.w);
        SquareScaler(side, square.w).scale(game, 0, 0, {0, 0, side, side}, expected, 0, 0);
        EXPECT_EQ(test::countWhere({0, 0, square.w, square.h}, [&](int x, int y) {
                      return screen.at(square.x + x, square.y + y) != expected.at(x, y);
                  }), 0) << side << " in " << height;
        // The scoreboard right of the square's frame, the event label under it, both inside.
        const Scoreboard& board = t.window->scoreboard();
        EXPECT_EQ(board.panel().x, static_cast<int>(1.5 * square.x + square.w + 6) - 5);
        EXPECT_TRUE(board.panel().right() <= width &&
                    board.eventLabelRect().y >= board.panel().bottom() &&
                    board.eventLabelRect().bottom() <= static_cast<int>(0.9 * height));
        // The names' labels carry text: some of their pixels are not the panel's background.
        const Rect name = board.labelRect(t.gra.firstSlot + 1, 0);
        EXPECT_GT(name.w, 0);
        EXPECT_GT(test::countWhere({name.x, name.y + name.h / 2, name.w, 1}, [&](int x, int y) {
                      return screen.at(x, y) != t.window->backBuffer().at(0, 0);
                  }), 0);
    };
    const std::filesystem::path file = t.replayFolder.path / "other_screen.slyrep";
    std::string error;
    ASSERT_TRUE(writeReplayFile(file, replay, error)) << error;
    t.window->openReplay(file);
    EXPECT_TRUE(looked && t.boxes.errors.empty());
    // The window's own side again.
    EXPECT_EQ(t.gra.arena.side(), own);
    EXPECT_EQ(&t.window->windowPicture(), &t.window->screenPicture());
}

TEST(AnyScreen, A972GameInA720WindowAndA500GameInA1080Window) {
    watchOnAnotherScreen(972, 1280, 720);
    watchOnAnotherScreen(500, 1920, 1080);
}

// 1,080 lines are the measure: larger screens show the scoreboard at the same proportions.
TEST(LargeScreens, TheScoreboardKeepsItsProportions) {
    // The row, the panel's width and height, a name's label and the event label.
    const auto measure = [](int width, int height) {
        test::WindowTest t(width, height);
        const Scoreboard& b = t.window->scoreboard();
        const double h = height, w = width;
        return std::array{b.rowHeight() / h, b.panel().w / w, b.panel().h / h,
                          b.labelRect(0, 1).h / h, b.eventLabelRect().h / h};
    };
    const auto reference = measure(1920, 1080);
    for (const auto& [w, h] : {std::pair{2560, 1440}, std::pair{3840, 2160}}) {
        const auto p = measure(w, h);
        for (std::size_t i = 0; i < p.size(); ++i)
            EXPECT_NEAR(p[i] / reference[i], 1.0, 0.05) << w << "x" << h << " measure " << i;
    }
}

// Plays a DEMO game until some ticks past the intro's end, calling look at each nap; the
// state's hash two ticks past the intro.
std::uint64_t playDemo(test::WindowTest& t, const std::function<void()>& look) {
    constexpr int kTicksAfterIntro = 5, kHashAt = 2;
    std::uint64_t hash = 0;
    t.clock.onSleep = [&] {
        if (!t.gra.running) return;
        look();
        if (t.gra.IntroLeft() == kHashAt) hash = stateHash(t.gra);
        if (t.gra.IntroLeft() >= kTicksAfterIntro) t.gra.running = false;
    };
    t.window->GameDemoClick();
    return hash;
}

// During the intro every slyder's name stands beside its head on the screen, never in the
// picture the game reads; at the start the names are gone, and the game is the same with
// them as without.
TEST(HeadNames, ShownDuringTheIntroOnlyAndTheGameIsTheSame) {
    test::WindowTest t(1280, 720);
    bool seenDuringIntro = false, goneAfter = false;
    const std::uint64_t hashWith = playDemo(t, [&] {
        t.window->refreshPicture();
        const auto& names = t.window->view()->overlay();
        if (t.gra.IntroLeft() == 2) goneAfter = names.empty();
        if (t.gra.IntroLeft() != -10) return;
        ASSERT_EQ(int(names.size()), t.gra.activeCount());
        EXPECT_EQ(names[0].text.toStdString(), t.gra.DisplayName(t.gra.firstSlot));
        // The screenshot has the name where the window picture has none.
        const QImage shot = t.window->view()->grab().toImage();
        const QRect r = t.window->view()->overlayRect(names[0]);
        const PixelBuffer& screen = t.window->screenPicture();
        const auto differs = [&](int x, int y) {
            return (shot.pixel(x, y) | 0xFF000000u) != screen.at(x, y);
        };
        EXPECT_GT(test::countWhere({r.x(), r.y(), r.width(), r.height()}, differs), 10);
        seenDuringIntro = true;
    });
    EXPECT_TRUE(seenDuringIntro && goneAfter);

    test::WindowTest without(1280, 720);
    without.window->setHeadNames(false);
    const std::uint64_t hashWithout =
        playDemo(without, [&] { EXPECT_TRUE(without.window->view()->overlay().empty()); });
    EXPECT_TRUE(hashWith != 0 && hashWith == hashWithout);
}

}  // namespace
}  // namespace slyders
