// The one loop that plays a game without a window: its source hears every tick it plays, and
// a source that runs dry leaves the game stopped where it stopped.
#include "play/headless_game.h"

#include <gtest/gtest.h>

#include <numeric>

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

// A game of one human and two computers, its input from a pattern that ends at lastTick,
// played to the end, the end of the input or the tick cap.
struct HeadlessGame {
    HeadlessGame(std::int32_t lastTick, std::int32_t tickCap, bool fastFinish = false)
        : source(lastTick) {
        GameStart start;
        start.humans = 1;
        start.computers = 2;
        start.seed = 11;
        start.seats[0].rosterIndex = 2;
        StartGame(game.gra, start, game.back);
        recorder.begin(game.gra, start, 0, "test");
        game.gra.fastFinish = fastFinish;
        end = playHeadless({game.gra, game.window, game.back, label}, source, tickCap, &recorder);
    }

    test::TestGame game{kClientHeight};
    EventLabel label{.width = 200, .height = 30};
    PatternSource source;
    ReplayRecorder recorder;
    HeadlessEnd end;
};

// The source hears every tick and the game ends; a source that runs dry or the cap stops it
// where it stands, with no fast finish either.
TEST(HeadlessGame, TheSourceHearsEveryTickAndTheGameEndsOrStopsWhereTheInputEndsOrAtTheCap) {
    HeadlessGame h(1'000'000, 1'000'000);
    ASSERT_EQ(h.end, HeadlessEnd::Over);
    const Gra& g = h.game.gra;
    EXPECT_TRUE(h.source.endedByGame);
    std::vector<std::int32_t> everyTick(std::size_t(g.tick));
    std::iota(everyTick.begin(), everyTick.end(), 1);
    EXPECT_EQ(h.source.playedTicks, everyTick);
    // What the recorder kept plays back alike: the network games' replays check that.
    EXPECT_EQ(h.recorder.finish(g, ReplayEnd::Over).endTick, g.tick);

    const HeadlessGame dry(40, 1'000'000, true), capped(1'000'000, 25);
    EXPECT_EQ(dry.end, HeadlessEnd::NoInput);
    EXPECT_EQ(std::tuple(dry.game.gra.tick, dry.game.gra.running, dry.game.gra.fastFinish),
              std::tuple(40, false, false));
    EXPECT_EQ(capped.end, HeadlessEnd::Capped);
    EXPECT_EQ(std::tuple(capped.game.gra.tick, capped.game.gra.running), std::tuple(25, false));
}

}  // namespace
}  // namespace slyders
