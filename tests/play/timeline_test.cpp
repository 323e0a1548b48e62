// The timeline under the arena: ticks and pixels map both ways, the death keys find their
// deaths, and drawing touches nothing but the bar, which
// erasing gives back.
#include "play/timeline.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

using Kind = TimelineMark::Kind;

TEST(Timeline, MapsTicksFindsDeathsAndDrawsOnlyUnderTheArena) {
    test::TestGame game(400);
    const Rect place = Timeline::placeUnder(game.gra.arena, game.window.height());
    ASSERT_FALSE(place.empty());
    EXPECT_GE(place.y, game.gra.arena.offset() + game.gra.arena.side());
    EXPECT_LE(place.bottom(), game.window.height());

    const std::vector<TimelineMark> marks{{100, Kind::Death, 1},
                                          {250, Kind::Disaster, 0},
                                          {400, Kind::Death, 3}};
    Timeline line(place, 1000, marks, {});
    EXPECT_EQ(line.tickAt(place.x - 50), 0);  // a drag past either end holds at the end
    EXPECT_EQ(line.tickAt(place.right() + 50), 1000);
    EXPECT_LE(std::abs(line.tickAt(line.xOf(500)) - 500), 1000 / place.w + 1);
    EXPECT_EQ(line.nextDeath(100), 400);  // disasters are no deaths
    EXPECT_EQ(line.previousDeath(400), 100);
    EXPECT_FALSE(line.nextDeath(400));
    EXPECT_FALSE(line.previousDeath(100));

    game.window.fill(0xFF123456u);
    const PixelBuffer before = game.window;
    line.draw(game.window, 300);
    const Rect whole{0, 0, game.window.width(), game.window.height()};
    const auto changed = [&](int x, int y) { return game.window.at(x, y) != before.at(x, y); };
    EXPECT_EQ(test::countWhere(whole, changed), place.w * place.h);
    EXPECT_EQ(test::countWhere(place, [&](int x, int y) { return changed(x, y) && line.hits(x, y); }),
              place.w * place.h);
    line.erase(game.window, before);
    EXPECT_EQ(test::countWhere(whole, changed), 0);
}

}  // namespace
}  // namespace slyders
