// Times the presentation on a 1920 x 1080 client area with real fonts:
// ComposeWindowPicture, DrawBackground of every type, ShowHighScores with 20 players, and
// PaintScoreboard (a full repaint and a repaint after one changed number).
//   bench_present [--png file]   (the file gets the window picture at the end)

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "game/gra.h"
#include "present/arena_text.h"
#include "present/event_label.h"
#include "present/high_scores.h"
#include "present/qt/qt_image_loader.h"
#include "present/qt/qt_text_renderer.h"
#include "present/scoreboard.h"
#include "present/window_picture.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 1920, kHeight = 1080;

// The best of a few runs, in milliseconds.
double timeMs(const std::function<void()>& work, int runs = 5) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::uint64_t nowMs() {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
            .count());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace slyders;
    QGuiApplication app(argc, argv);
    const char* png = argc == 3 && std::strcmp(argv[1], "--png") == 0 ? argv[2] : nullptr;

    Random rng(5);
    TInterface settings;
    Scores scores;
    QtTextRenderer text;
    NoSound sound;
    PixelBuffer window(kWidth, kHeight), back(kWidth, kHeight);
    Gra gra(rng, settings, scores, text, sound);
    gra.InitArena(kHeight, &window);
    const char* names[] = {"Alice",  "Bob",   "Carol",  "Dave", "Eve",     "Frank",
                           "Grace",  "Heidi", "Ivan",   "Judy", "Mallory", "Niaj",
                           "Olivia", "Peggy", "Rupert", "Sybil"};
    for (int i = 0; i < 16; ++i) {
        PlrScore e{names[i], std::uint16_t(i * 37 % 11 * 40), {}};
        e.results[0] = std::uint16_t(i * 53 % 17 * 10);
        scores.Add(e);
    }

    Scoreboard board(kWidth, kHeight, gra.arena.side(), gra.arena.offset(), text);
    WindowPictureSources sources;
    sources.panel = board.panel();
    sources.logoFile = std::string(SLYDERS_DATA_DIR) + "/logo_sq.bmp";
    sources.load = LoadImageWithQt;
    std::printf("client area %d x %d, arena side %d, roster %d entries\n", kWidth, kHeight,
                gra.arena.side(), scores.count());
    std::printf("ComposeWindowPicture        %7.2f ms (target < 150)\n",
                timeMs([&] { ComposeWindowPicture(back, gra.arena, text, rng, sources); }));

    for (int type = 0; type < kBackgroundTypes; ++type) {
        std::printf("DrawBackground type %2d      %7.2f ms (target < 50)\n", type, timeMs([&] {
                        gra.arena.background().DrawBackground(back, gra.arena.offset(), false, type,
                                                              rng);
                    }));
    }

    gra.firstSlot = 0;
    gra.humans = 4;
    gra.demo = true;
    EventLabel label;
    board.LayoutScoreBands(gra, label);
    settings.int_showbars = 1;
    for (int s = 0; s < kSlotCount; ++s) {
        Slyder& sl = gra.slots[std::size_t(s)];
        sl.alive = s % 3 != 0;
        sl.gamePoints = 3 * s;
        sl.roundPoints = 7 * s + 2;
        sl.roundsWon = s % 2;
    }
    gra.deathOrder = "30";
    window.blit(back, 0, 0, 0, 0, kWidth, kHeight);
    ResetArena(gra.arena, text, back, true);
    std::printf("ShowHighScores (%d players) %7.2f ms\n", scores.count(),
                timeMs([&] { ShowHighScores(gra, nowMs); }, 3));

    gra.ShowEvent("Wall disaster!", {255, 160, 255});
    for (int i = 0; i < 40; ++i) AdvanceEventMessage(gra, label, text);
    std::printf("PaintScoreboard, new layout %7.2f ms\n", timeMs([&] {
                    board.LayoutScoreBands(gra, label);
                    board.PaintScoreboard(window, back, gra, label);
                }));
    int points = 0;
    std::printf("PaintScoreboard, one change %7.2f ms\n", timeMs([&] {
                    gra.slots[2].gamePoints = ++points;
                    board.PaintScoreboard(window, back, gra, label);
                }));
    std::printf("PaintEventLabel             %7.2f ms\n", timeMs([&] {
                    AdvanceEventMessage(gra, label, text);
                    board.PaintEventLabel(window, back, label);
                }));

    if (png) {
        QImage image(reinterpret_cast<const uchar*>(window.data()), kWidth, kHeight, kWidth * 4,
                     QImage::Format_RGB32);
        image.save(png);
        std::printf("window picture written to %s\n", png);
    }
    return 0;
}
