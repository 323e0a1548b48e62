// The window's picture around the arena, and the high-score table drawn into the arena.
#include "present/window_picture.h"

#include <gtest/gtest.h>

#include <map>

#include "present/high_scores.h"
#include "recording_text.h"

namespace slyders {
namespace {

constexpr Rgb kUserBackground{10, 200, 30};
constexpr Rgb kLogo{250, 20, 20};

// The picture of a 924 x 520 window: S = 468, m = 26; the title box starts at x = 494,
// y = 468, and the panel is given.
struct Picture {
    Picture() : back(924, 520) {
        g.gra.InitArena(520, &g.window);
        sources.panel = {600, 20, 300, 150};
        sources.load = [this](const std::string& path) -> std::optional<PixelBuffer> {
            const auto it = files.find(path);
            if (it == files.end()) return std::nullopt;
            return it->second;
        };
    }
    void compose() { ComposeWindowPicture(back, g.gra.arena, text, g.rng, sources); }

    test::TestGame g;
    test::RecordingText text;
    PixelBuffer back;
    WindowPictureSources sources;
    std::map<std::string, PixelBuffer> files;
};

TEST(WindowPicture, UsersBackgroundDarkenedPanelFramedArenaTitleAndLogo) {
    Picture p;
    p.files["slydersbg.bmp"] = PixelBuffer(8, 6, toPixel(kUserBackground));
    p.files["logo_sq.bmp"] = PixelBuffer(4, 4, toPixel(kLogo));
    Random before = p.g.rng;
    p.compose();
    EXPECT_EQ(p.g.rng.next(), before.next());  // no noise was made
    const Rgb panel{7, 140, 21}, frame = BlendColor(kUserBackground, kWhite, 0.5);
    for (const auto& [x, y, c] : {std::tuple{5, 500, kUserBackground}, {600, 20, panel},
                                  {899, 169, panel}, {900, 170, kUserBackground}, {23, 23, frame},
                                  {25, 300, frame}, {26 + 468 + 2, 26 + 468 + 2, frame},
                                  {22, 300, kUserBackground}, {26, 26, kBlack}, {493, 493, kBlack}})
        EXPECT_EQ(p.back.colour(x, y), c) << x << "," << y;

    // The title leaves one letter free and the logo stands left of it. "Slyders" fits 430 x 52
    // at height 51 in block text; "Slydersu" is 8 x 51 / 2 = 204 wide.
    const auto* title = p.text.find("Slyders");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::tuple(title->x, title->y, title->font.family, title->font.height),
              std::tuple(720, 468, "Impact", 51));
    EXPECT_TRUE(title->font.italic);
    // space = 716 - 507 = 209, size = 52, centred in the space, 4 above the title. The
    // scaler truncates every weighted term, so the enlarged logo may lose a step.
    auto isLogo = [&p](int x, int y) {
        const Rgb c = p.back.colour(x, y);
        return c.r >= 248 && c.g <= 20 && c.b <= 20;
    };
    EXPECT_TRUE(isLogo(585, 464) && isLogo(585 + 51, 464 + 51));
    EXPECT_FALSE(isLogo(584, 464) || isLogo(585 + 52, 464) || isLogo(585, 464 - 1));
}

TEST(WindowPicture, MissingBackgroundGivesBlurredNoiseFromTheGamesRandom) {
    Picture a, b;
    a.compose();
    b.compose();
    EXPECT_EQ(test::countWhere({0, 0, 924, 520},
                               [&](int x, int y) { return a.back.at(x, y) != b.back.at(x, y); }, 13),
              0);
    Random after = test::TestGame().rng;
    for (int i = 0; i < 400 * 300; ++i) after.next();
    EXPECT_EQ(a.g.rng.next(), after.next());  // one draw per noise pixel
    // Blurred noise of the bluish palette: never one of the extremes unmixed everywhere.
    int distinct = 0;
    for (int x = 1; x < 20; ++x) distinct += a.back.at(x, 5) != a.back.at(x - 1, 5);
    EXPECT_GT(distinct, 0);
    const Rgb c = a.back.colour(5, 500);
    EXPECT_TRUE(c.b > c.r && c.r >= 28 && c.b <= 143)
        << int(c.r) << "," << int(c.g) << "," << int(c.b);
}

// A game on a 520-pixel-high window (S = 468) whose arena texts are recorded; the roster
// has Alice and Bob besides the four who never played.
struct Table {
    Table() : gra(g.rng, g.settings, g.scores, text, g.sound) {
        gra.InitArena(520, &g.window);
        g.scores.Add(PlrScore{"Alice", 200, {300}});
        g.scores.Add(PlrScore{"Bob", 40, {100}});
    }
    void show(std::uint64_t msPerCall = 0) {
        std::uint64_t now = 0;
        ShowHighScores(gra, [&now, msPerCall] { return now += msPerCall; });
    }
    // The texts of the row that starts with this name.
    std::vector<std::string> rowOf(const std::string& name) const {
        for (std::size_t i = 0; i + 2 < text.drawn.size(); ++i) {
            if (text.drawn[i].text == name)
                return {name, text.drawn[i + 1].text, text.drawn[i + 2].text};
        }
        return {};
    }

    test::TestGame g;
    test::RecordingText text;
    Gra gra;
};

TEST(HighScores, RowsOrderedWithRatingAndRoundsSolidTextsAndBandsBlendedUnlessSlow) {
    Table t;
    t.show();
    ASSERT_GE(t.text.drawn.size(), 4u);
    EXPECT_EQ(t.rowOf("Slyder"), (std::vector<std::string>{"Slyder", "Rating", "Rounds"}));
    EXPECT_EQ(t.text.drawn[0].text, "Slyder");
    EXPECT_EQ(t.text.drawn[3].text, "Alice");
    EXPECT_EQ(t.rowOf("Alice"), (std::vector<std::string>{"Alice", "100", "5"}));
    EXPECT_EQ(t.rowOf("Bob"), (std::vector<std::string>{"Bob", "33", "1"}));
    // Never played: no rating, no rounds.
    EXPECT_EQ(t.rowOf("Dummy 1"), (std::vector<std::string>{"Dummy 1", "-", ""}));

    // The texts and the separator are solid, the bands are not.
    const Arena& a = t.gra.arena;
    // Eight rows of 40 pixels from y = 70; the separator runs through row 1 at y = 130.
    for (int x = 46; x <= 421; ++x) ASSERT_EQ(a.cell(x, 130), kCellSolid) << x;
    EXPECT_GT(test::countWhere({47, 70, 233, 40}, [&a](int x, int y) {
                  return a.cell(x, y) == kCellSolid;
              }), 100);
    // Between the columns only the band is drawn: coloured, but free.
    EXPECT_EQ(a.cell(290, 155), kCellFree);
    EXPECT_NE(t.g.window.colour(290 + a.offset(), 155 + a.offset()), kBlack);
    const auto differs = [&](int x, int y) {
        return t.g.window.at(x + a.offset(), y + a.offset()) != t.gra.arena.offscreen().at(x, y);
    };
    EXPECT_EQ(test::countWhere({0, 0, a.side(), a.side()}, differs, 3), 0);

    // Over a black arena the first rows' bands are 95 % of (50, 50, 210), unless drawing is slow.
    EXPECT_EQ(t.gra.arena.offscreen().colour(300, 70 + 2 * 40 + 1), (Rgb{47, 47, 199}));
    Table slow;
    slow.show(10000);
    EXPECT_EQ(slow.gra.arena.offscreen().colour(300, 70 + 2 * 40 + 1), (Rgb{50, 50, 210}));
}

}  // namespace
}  // namespace slyders
