#include "present/window_picture.h"

#include <gtest/gtest.h>

#include <map>

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

TEST(WindowPicture, UsersBackgroundDarkenedPanelFramedArena) {
    Picture p;
    p.files["slydersbg.bmp"] = PixelBuffer(8, 6, toPixel(kUserBackground));
    Random before = p.g.rng;
    p.compose();
    EXPECT_EQ(p.g.rng.next(), before.next());  // no noise was made
    EXPECT_EQ(p.back.colour(5, 500), kUserBackground);
    EXPECT_EQ(p.back.colour(600, 20), (Rgb{7, 140, 21}));
    EXPECT_EQ(p.back.colour(899, 169), (Rgb{7, 140, 21}));
    EXPECT_EQ(p.back.colour(900, 170), kUserBackground);
    const Rgb frame = BlendColor(kUserBackground, kWhite, 0.5);
    EXPECT_EQ(p.back.colour(23, 23), frame);
    EXPECT_EQ(p.back.colour(25, 300), frame);
    EXPECT_EQ(p.back.colour(26 + 468 + 2, 26 + 468 + 2), frame);
    EXPECT_EQ(p.back.colour(22, 300), kUserBackground);
    EXPECT_EQ(p.back.colour(26, 26), kBlack);
    EXPECT_EQ(p.back.colour(493, 493), kBlack);
}

TEST(WindowPicture, TitleLeavesOneLetterFreeAndTheLogoStandsLeftOfIt) {
    Picture p;
    p.files["logo_sq.bmp"] = PixelBuffer(4, 4, toPixel(kLogo));
    p.compose();
    // "Slyders" fits 430 x 52 at height 51 in block text; "Slydersu" is 8 x 51 / 2 = 204 wide.
    const auto* title = p.text.find("Slyders");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 720);
    EXPECT_EQ(title->y, 468);
    EXPECT_TRUE(title->font.italic);
    EXPECT_EQ(title->font.family, "Impact");
    EXPECT_EQ(title->font.height, 51);
    // space = 716 - 507 = 209, size = 52, centred in the space, 4 above the title. The
    // scaler truncates every weighted term, so the enlarged logo may lose a step.
    auto isLogo = [&p](int x, int y) {
        const Rgb c = p.back.colour(x, y);
        return c.r >= 248 && c.g <= 20 && c.b <= 20;
    };
    EXPECT_TRUE(isLogo(585, 464));
    EXPECT_TRUE(isLogo(585 + 51, 464 + 51));
    EXPECT_FALSE(isLogo(584, 464));
    EXPECT_FALSE(isLogo(585 + 52, 464));
    EXPECT_FALSE(isLogo(585, 464 - 1));
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

}  // namespace
}  // namespace slyders
