// Times the Expert's look-ahead in games of one Expert against one Good computer on the
// default arena (972): every tick the Expert steers, its choice is timed once more on its own,
// and the median, the 99th percentile and the largest time are printed in microseconds, as
// the thread's CPU time and as wall time.
//   bench_expert [games, default 20] [first seed, default 1]
#include <time.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/expert.h"
#include "game/game_start.h"
#include "game/game_tick.h"
#include "present/event_label.h"
#include "present/qt/qt_text_renderer.h"
#include "sim/sim_game.h"

using namespace slyders;

namespace {

constexpr int kSide = 972;
constexpr std::int32_t kTickCap = 200'000;
constexpr double kPercentile = 0.99;

// The time this thread has run: on a machine shared with other work it leaves out the time
// the thread waited for a core.
double cpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

struct Bench {
    explicit Bench(TextRenderer& text)
        : window(clientHeightForSide(kSide) * 16 / 9, clientHeightForSide(kSide)),
          back(window.width(), window.height()),
          gra(rng, settings, scores, text, sound) {
        gra.InitArena(window.height(), &window);
        gra.arena.setWindowShown(false);
    }

    // One game, the Expert in slot `expert` and a Good player in the other; the Expert's
    // work of every tick it steers is added to `wall` and `cpu`.
    void play(std::uint64_t seed, int expert, std::vector<double>& wall, std::vector<double>& cpu) {
        GameStart start;
        start.computers = 2;
        start.humans = 0;
        start.skill = kSkillGood;
        start.seed = Random(seed).state();
        StartGame(gra, start, back);
        gra.slotSkill = {};
        gra.slotSkill[std::size_t(expert)] = kSkillExpert;
        gra.running = true;
        const TickInput noKeys{};
        bool over = false;
        while (!over && gra.tick < kTickCap) {
            if (gra.IntroLeft() > 0 && gra.slot(expert).alive) {
                const double cpu0 = cpuMicros();
                const auto t0 = std::chrono::steady_clock::now();
                volatile int choice = expertSteer(gra, expert, gra.turnStepOf(expert));
                (void)choice;
                const std::chrono::duration<double, std::micro> d =
                    std::chrono::steady_clock::now() - t0;
                wall.push_back(d.count());
                cpu.push_back(cpuMicros() - cpu0);
            }
            over = playTick(gra, noKeys, back, label) == TickResult::GameOver;
            gra.panelChanged = false;
            window.dirty.take();
        }
        gra.running = false;
        gra.fastFinish = false;
    }

    Random rng;
    TInterface settings;
    Scores scores{nullptr};
    NoSound sound;
    PixelBuffer window, back;
    Gra gra;
    EventLabel label;
};

double percentile(std::vector<double>& v, double p) {
    const std::size_t k = std::min(v.size() - 1, static_cast<std::size_t>(p * double(v.size())));
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(k), v.end());
    return v[k];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::uint64_t first = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QtTextRenderer text;
    Bench bench(text);
    std::vector<double> wall, cpu;
    for (int i = 0; i < games; ++i) bench.play(first + std::uint64_t(i), i % 2, wall, cpu);
    if (wall.empty()) return 1;
    std::printf("expert ticks timed: %zu in %d games at arena %d\n", wall.size(), games, kSide);
    for (auto* kind : {&cpu, &wall}) {
        std::vector<double>& v = *kind;
        const double p50 = percentile(v, 0.5), p99 = percentile(v, kPercentile);
        const double most = *std::max_element(v.begin(), v.end());
        std::printf("expert work per tick (%s): p50 %.0f us, p99 %.0f us, max %.0f us\n",
                    kind == &cpu ? "thread CPU time" : "wall time", p50, p99, most);
    }
    return 0;
}
