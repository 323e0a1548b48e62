// The one loop that plays a game without a window: its source hears every tick it plays, and
// a source that runs dry leaves the game stopped where it stopped.
#include "play/headless_game.h"

#include <gtest/gtest.h>

#include "game/game_start.h"
#include "present/event_label.h"
#include "replay/replay_recorder.h"
#include "test_support.h"

namespace slyders {
namespace {

constexpr int kClientHeight = 400;

// Seat 1 turns left and right in turns of a few ticks; nothing comes after the last tick.
class PatternSource final : public TickSource {
public:
    explicit PatternSource(std::int32_t lastTick) : m_lastTick(lastTick) {}
    std::optional<TickInput> inputFor(std::int32_t tick, const TickInput&) override {
        if (tick > m_lastTick) return std::nullopt;
        constexpr std::int32_t kTurnTicks = 7;
        constexpr std::array<std::uint8_t, 3> kTurns{kSteerLeft, kSteerNone, kSteerRight};
        TickInput input;
        input.seat[0] = kTurns[std::size_t(tick / kTurnTicks) % kTurns.size()];
        return input;
    }
    void played(const Gra& gra, bool over) override {
        playedTicks.push_back(gra.tick);
        endedByGame = endedByGame || over;
    }

    std::vector<std::int32_t> playedTicks;
    bool endedByGame = false;

private:
    std::int32_t m_lastTick;
};

struct HeadlessGame {
    explicit HeadlessGame(std::int32_t lastTick) : source(lastTick) {
        GameStart start;
        start.humans = 1;
        start.computers = 2;
        start.seed = 11;
        start.seats[0].rosterIndex = 2;
        StartGame(game.gra, start, game.back);
        recorder.begin(game.gra, start, 0, "test");
        label.width = 200;
        label.height = 30;
    }
    HeadlessEnd play(std::int32_t tickCap) {
        return playHeadless({game.gra, game.window, game.back, label}, source, tickCap, &recorder);
    }

    test::TestGame game{kClientHeight};
    EventLabel label;
    PatternSource source;
    ReplayRecorder recorder;
};

TEST(HeadlessGame, TheSourceHearsEveryTickAndTheGameEnds) {
    HeadlessGame h(1'000'000);
    ASSERT_EQ(h.play(1'000'000), HeadlessEnd::Over);
    const Gra& g = h.game.gra;
    EXPECT_TRUE(h.source.endedByGame);
    ASSERT_EQ(std::int32_t(h.source.playedTicks.size()), g.tick);
    for (std::size_t i = 0; i < h.source.playedTicks.size(); ++i) {
        ASSERT_EQ(h.source.playedTicks[i], std::int32_t(i) + 1);
    }
    // What the recorder kept plays back alike: the network games' replays check that.
    EXPECT_EQ(h.recorder.finish(g, ReplayEnd::Over).endTick, g.tick);
}

TEST(HeadlessGame, StopsWhereTheInputEndsOrAtTheCap) {
    HeadlessGame dry(40);
    dry.game.gra.fastFinish = true;  // a stopped game keeps no fast finish either
    EXPECT_EQ(dry.play(1'000'000), HeadlessEnd::NoInput);
    EXPECT_EQ(dry.game.gra.tick, 40);
    EXPECT_FALSE(dry.game.gra.running);
    EXPECT_FALSE(dry.game.gra.fastFinish);

    HeadlessGame capped(1'000'000);
    EXPECT_EQ(capped.play(25), HeadlessEnd::Capped);
    EXPECT_EQ(capped.game.gra.tick, 25);
    EXPECT_FALSE(capped.game.gra.running);
}

}  // namespace
}  // namespace slyders
