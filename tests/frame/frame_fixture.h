#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <set>
#include <thread>

#include "boxes/scripted_boxes.h"
#include "frame/game_view.h"
#include "frame/main_window.h"
#include "play/qt/network_game.h"
#include "play/watch_replay.h"
#include "present/qt/qt_text_renderer.h"
#include "replay/replay_store.h"
#include "replay_support.h"
#include "sim/net_peer.h"
#include "sim/sim_game.h"
#include "test_support.h"
#include "../players/memory_roster_store.h"

namespace slyders::test {

// Once a modal window of type T is open and ready(window), act(window) runs; a window that
// never gets ready is closed after thirty seconds, so no test waits for ever.
template <typename T>
void whenOpen(std::function<bool(T&)> ready, std::function<void(T&)> act) {
    constexpr int kPollMs = 10, kMaxPolls = 3000;
    auto* timer = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        const bool late = ++*polls > kMaxPolls;
        if (!(w && ready(*w)) && !late) return;
        timer->stop();
        timer->deleteLater();
        if (w && !late) act(*w);
        if (w && late) w->reject();
    });
    timer->start(kPollMs);
}

// The same, as soon as the window is open.
template <typename T>
void whenOpen(std::function<void(T&)> act) { whenOpen<T>([](T&) { return true; }, std::move(act)); }

// A key pressed (or let go of) in the game's view, as the player does it.
inline void pressKey(TMainWnd& w, int key, QEvent::Type type = QEvent::KeyPress) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w.centralWidget(), &event);
}

// Time that passes only when the loop sleeps; a hook may act at each nap.
class FakeClock final : public Clock {
public:
    std::uint64_t nowMicros() override { return now; }
    void sleepMicros(std::uint64_t us) override {
        now += us;
        if (onSleep) onSleep();
    }
    std::uint64_t now = 1000;
    std::function<void()> onSleep;
};

// The main window over a test game, at a small fixed client size, always "active". Its
// replays go to a folder of the test's own.
struct WindowTest {
    explicit WindowTest(int width = 640, int height = 400)
        : gra(rng, settings, scores, text, sound) {
        FrameHooks hooks;
        hooks.replayFolder = replayFolder.path / "replays";
        hooks.chooseReplay = [this](TMainWnd&, const std::filesystem::path& folder) {
            chooserFolder = folder;
            return chosenReplay;
        };
        // The players dialog's part: every human seat gets the next named roster player.
        hooks.playersDialog = [this](TMainWnd&) {
            ++playersDialogs;
            for (int k = 0; k < gra.humans; ++k) gra.seats[std::size_t(k)].rosterIndex = 2 + k % 2;
        };
        hooks.exportVideo = [this](TMainWnd&, const std::filesystem::path& file) {
            exportedReplays.push_back(file);
        };
        hooks.network.listenAddress = "127.0.0.1";  // tests talk to this machine only
        hooks.network.joinTimeoutMs = 1500;
        hooks.readPads = [this] { return ++padPolls, pads; };
        window =
            std::make_unique<TMainWnd>(gra, text, boxes, clock, width, height, 1.0, hooks, false);
        window->setAssumeActive(true);
    }
    ~WindowTest() { gra.running = false; }

    // The replay being watched, the network session going on: null while there is none.
    WatchReplay* watch() const { return dynamic_cast<WatchReplay*>(&window->activeMode()); }
    NetworkGame* network() const { return dynamic_cast<NetworkGame*>(&window->activeMode()); }
    // The replay of the newest game, read back from its file.
    Replay newestReplay() const {
        const std::optional<std::filesystem::path> file = window->replays().newest();
        EXPECT_TRUE(file) << "no replay";
        return file ? readReplay(*file) : Replay{};
    }

    // Queues a command as if it came through the menu during the next dispatch.
    void later(std::function<void()> command) {
        QMetaObject::invokeMethod(window.get(), std::move(command), Qt::QueuedConnection);
    }

    // From now on the window logs when it releases each tick ...
    void logTicks() { window->setTickLog(tickLog = std::tmpfile()); }
    // ... until this reads the log back: tick -> when it was released.
    std::map<int, unsigned long long> loggedTicks() {
        window->setTickLog(nullptr);
        std::rewind(tickLog);
        std::map<int, unsigned long long> release;
        int tick = 0;
        unsigned long long at = 0, work = 0;
        while (std::fscanf(tickLog, "%d %llu %llu", &tick, &at, &work) == 3) release[tick] = at;
        std::fclose(tickLog);
        return release;
    }

    TempFolder replayFolder;
    std::optional<std::filesystem::path> chosenReplay;  // what "Open replay..." picks
    std::filesystem::path chooserFolder;                // where it was opened
    Random rng{7};
    TInterface settings;
    MemoryRosterStore rosterStore;  // what the roster saves, kept in memory
    Scores scores{&rosterStore};
    QtTextRenderer text;
    RecordingSound sound;
    FakeClock clock;
    ScriptedBoxes boxes;
    Gra gra;
    int playersDialogs = 0;
    std::vector<std::filesystem::path> exportedReplays;  // what "Export video..." was asked for
    PadStates pads;  // what the pads hold, as the game loop polls them
    int padPolls = 0;
    std::FILE* tickLog = nullptr;
    std::unique_ptr<TMainWnd> window;
};

}  // namespace slyders::test
