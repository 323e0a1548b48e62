// Jumping about a replay: wherever it lands, the game is exactly the one played straight
// through to that tick, pictures included, and it plays on alike from there.
#include "play/replay_seeker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "sim/sim_game.h"
#include "test_support.h"

namespace slyders {
namespace {

constexpr int kClientHeight = 300;
constexpr int kJumps = 20;
constexpr std::int32_t kPlayOnTicks = 45;

std::uint64_t pictureHash(const PixelBuffer& p) {
    std::uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) h = (h ^ p.at(x, y)) * 1099511628211ull;
    }
    return h;
}

// A DEMO game recorded by the simulator, and a window's game that watches it.
struct Watched {
    explicit Watched(std::uint64_t seed) {
        SimGame({.seed = seed, .arenaSide = game.gra.arena.side(), .demo = true}, game.text)
            .play(0, &replay);
        applySettings(game.settings, replay.settings);
        cursor.start(game.gra, game.back);
        game.gra.running = true;
    }
    void playTick() {
        const TickInput input = cursor.beforeTick(game.gra);
        slyders::playTick(game.gra, input, game.back, label);
        cursor.afterTick(game.gra);
    }

    test::TestGame game{kClientHeight};
    Replay replay;
    ReplayCursor cursor{replay};
    EventLabel label{.width = 100, .height = 20};
};

TEST(ReplaySeeker, LandsOnTheGamePlayedStraightThroughAndPlaysOnAlike) {
    for (const std::int32_t spacing : {0, 97}) {  // the usual spacing, and many moments
        Watched straight(5);
        ASSERT_GT(straight.replay.endTick, 2 * ReplaySeeker::kMomentSpacing);
        std::mt19937 random(spacing + 1);
        std::uniform_int_distribution<std::int32_t> anyTick(0, straight.replay.endTick - 1);
        std::vector<std::int32_t> targets(kJumps);
        for (std::int32_t& t : targets) t = anyTick(random);

        std::vector<std::uint64_t> hashes{stateHash(straight.game.gra)};
        std::map<std::int32_t, std::uint64_t> pictures;
        std::vector<std::int32_t> deathTicks;
        while (straight.game.gra.tick < straight.replay.endTick) {
            straight.playTick();
            const Gra& g = straight.game.gra;
            hashes.push_back(stateHash(g));
            if (std::find(targets.begin(), targets.end(), g.tick) != targets.end()) {
                pictures[g.tick] = pictureHash(straight.game.window);
            }
            while (deathTicks.size() < g.deathOrder.size()) deathTicks.push_back(g.tick);
        }

        Watched jumping(5);
        ReplaySeeker seeker(jumping.replay, jumping.game.text, jumping.game.window.width(),
                            kClientHeight, jumping.label, spacing);
        EXPECT_EQ(seeker.length(), straight.replay.endTick);
        EXPECT_FALSE(straight.cursor.disagreement());
        for (const std::int32_t t : targets) {
            seeker.seek(t, jumping.game.gra, jumping.cursor, jumping.label);
            ASSERT_EQ(stateHash(jumping.game.gra), hashes[std::size_t(t)]) << "at tick " << t;
            if (t > 0) {
                EXPECT_EQ(pictureHash(jumping.game.window), pictures[t]) << "at tick " << t;
            }
        }
        // From the last jump the game plays on as it was recorded.
        const std::int32_t from = jumping.game.gra.tick;
        for (std::int32_t i = 0; i < kPlayOnTicks && jumping.game.gra.tick < seeker.length(); ++i) {
            jumping.playTick();
            ASSERT_EQ(stateHash(jumping.game.gra), hashes[std::size_t(jumping.game.gra.tick)])
                << "tick " << jumping.game.gra.tick << " after a jump to " << from;
        }
        EXPECT_FALSE(jumping.cursor.disagreement());

        std::vector<std::int32_t> marked;
        std::string slots;
        for (const TimelineMark& m : seeker.marks()) {
            if (m.kind != TimelineMark::Kind::Death) continue;
            marked.push_back(m.tick);
            slots += char('0' + m.which);
        }
        EXPECT_EQ(marked, deathTicks);
        EXPECT_EQ(slots, straight.game.gra.deathOrder);
    }
}

}  // namespace
}  // namespace slyders
