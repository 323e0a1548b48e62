// Pictures scaled, blurred and read from bitmaps; the window's picture around the arena, and
// the high-score table drawn into the arena.
#include "present/scaler.h"

#include <gtest/gtest.h>

#include <map>

#include "present/bitmap_file.h"
#include "present/high_scores.h"
#include "present/screen_scaling.h"
#include "present/window_picture.h"
#include "recording_text.h"
#include "test_support.h"

namespace slyders {
namespace {

constexpr std::uint32_t grey(std::uint32_t v) { return v | (v << 8) | (v << 16); }
constexpr std::uint32_t colour(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

TEST(C2PassScale, SameSizeGivesThePictureBackHalvingAndDoublingWeighNeighboursCancelNothing) {
    std::vector<std::uint32_t> picture;
    for (std::uint32_t i = 0; i < 5 * 4; ++i)
        picture.push_back(colour(i * 13, 255 - i * 7, i * 3 + 1));
    EXPECT_EQ(C2PassScale().Scale(picture, 5, 4, 5, 4), picture);

    // Each output pixel takes its source pixel with weight 1 and its neighbours with 0.
    const auto table = C2PassScale().Contributions(5, 5, 1.0);
    EXPECT_EQ(std::tuple(table[2].left, table[2].right, table[2].weights),
              std::tuple(1, 3, std::vector<double>{0, 1, 0}));

    // Halving weighs the nearer pixel double. Two pixels into one: centre 0, filter width 2;
    // weights 0.5 and 0.25, made 2/3 and 1/3.
    // Each weighted channel is truncated before the sum: 66 + 13 = 79 from 100 and 40.
    EXPECT_EQ(C2PassScale().Scale({grey(100), grey(40)}, 2, 1, 1, 1),
              (std::vector<std::uint32_t>{grey(79)}));
    EXPECT_EQ(C2PassScale().Scale({colour(90, 0, 255), colour(30, 255, 0)}, 1, 2, 1, 1),
              (std::vector<std::uint32_t>{colour(60 + 10, 0 + 85, 170 + 0)}));

    // Doubling blends between neighbours. Two pixels into four: a, a/2 + b/2, b, b (the last
    // one only reaches b).
    const std::vector<std::uint32_t> wide{grey(100), grey(50 + 25), grey(51), grey(51)};
    EXPECT_EQ(C2PassScale().Scale({grey(100), grey(51)}, 2, 1, 4, 1), wide);
    EXPECT_EQ(C2PassScale().Scale({grey(100), grey(51)}, 1, 2, 1, 4), wide);

    // A cancelled scaling gives nothing.
    int calls = 0;
    const C2PassScale scaler([&calls](int percent) {
        ++calls;
        return percent < 50;  // stops in the second pass
    });
    EXPECT_FALSE(scaler.Scale(std::vector<std::uint32_t>(16, grey(9)), 4, 4, 8, 8));
    EXPECT_EQ(calls, 5);
}

TEST(Blur, AcrossThenDownAndScaledImagesBlendByTheirWeight) {
    // Grey picture 4 x 3; across, the left neighbour is already softened when read.
    const std::uint8_t start[12] = {0, 100, 200, 40, 10, 20, 30, 50, 255, 0, 255, 1};
    PixelBuffer p(4, 3);
    for (int i = 0; i < 12; ++i) p.set(i % 4, i / 4, {start[i], start[i], start[i]});
    Blur(p, 0, 0, 4, 3);
    const std::uint8_t expected[12] = {0, 100, 70, 40, 127, 177, 99, 20, 255, 255, 128, 1};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(p.colour(i % 4, i / 4).g, expected[i]) << i;

    // A scaled image blends with the weight given.
    PixelBuffer image(2, 2, toPixel({200, 100, 0}));
    PixelBuffer picture(6, 6, toPixel({0, 0, 100}));
    DrawScaledImage(picture, image, 1, 1, 4, 4, 1.0);
    EXPECT_EQ(std::tuple(picture.colour(1, 1), picture.colour(4, 4), picture.colour(5, 5)),
              std::tuple(Rgb{200, 100, 0}, Rgb{200, 100, 0}, Rgb{0, 0, 100}));
    DrawScaledImage(picture, PixelBuffer(1, 1, toPixel({0, 0, 0})), 0, 0, 1, 1, 0.5);
    EXPECT_EQ(picture.colour(0, 0), (Rgb{0, 0, 50}));
}

TEST(BitmapFile, ReadsWhatItWritesAndAPalettedTopDownBitmapAndRefusesGarbage) {
    PixelBuffer picture(3, 2);
    picture.set(0, 0, {255, 0, 0});
    picture.set(2, 0, {1, 2, 3});
    picture.set(1, 1, {0, 0, 255});
    const auto back = DecodeBitmap(EncodeBitmap(picture));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->width(), 3);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(back->colour(i % 3, i / 3), picture.colour(i % 3, i / 3));
    std::vector<std::uint8_t> cut = EncodeBitmap(picture);
    cut.resize(cut.size() - 4);
    EXPECT_FALSE(DecodeBitmap(cut) || DecodeBitmap({'B', 'M', 0, 0}));
    // An old OS/2 header that the file ends in the middle of (found by the fuzzer).
    EXPECT_FALSE(DecodeBitmap(
        {'B', 'M', 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 1, 0, 0}));
    EXPECT_FALSE(LoadBitmapFile("no such file.bmp"));

    // A paletted bitmap stored top down: 2 x 2, 8 bits per pixel, two palette entries.
    std::vector<std::uint8_t> b = {'B', 'M', 0,  0,  0,  0, 0, 0, 0,   0,    62,   0,    0,
                                   0,   40,  0,  0,  0,  2, 0, 0, 0,   0xFE, 0xFF, 0xFF, 0xFF,
                                   1,   0,   8,  0,  0,  0, 0, 0, 0,   0,    0,    0,    0,
                                   0,   0,   0,  0,  0,  0, 0, 2, 0,   0,    0,    0,    0,
                                   0,   0,   30, 20, 10, 0, 0, 0, 255, 0,  // blue-green-red entries
                                   0,   1,   0,  0,  1,  1, 0, 0};
    const auto p = DecodeBitmap(b);
    ASSERT_TRUE(p);
    EXPECT_EQ(std::tuple(p->colour(0, 0), p->colour(1, 0), p->colour(0, 1)),
              std::tuple(Rgb{10, 20, 30}, Rgb{255, 0, 0}, Rgb{255, 0, 0}));
}

constexpr std::uint32_t kGround = 0xFF203040u;
constexpr std::uint32_t kTrail = 0xFFFFFF00u;

std::uint8_t green(std::uint32_t p) { return std::uint8_t(p >> 8); }

PixelBuffer scaledWhole(const PixelBuffer& source, int targetSide) {
    PixelBuffer shown(targetSide, targetSide);
    SquareScaler(source.width(), targetSide)
        .scale(source, 0, 0, {0, 0, source.width(), source.width()}, shown, 0, 0);
    return shown;
}

// An even ground stays that colour, a trail one pixel wide is still seen after shrinking
// by a third, and its edges stay where the line is when enlarging. Rescaling only what changed
// then gives exactly what scaling everything again gives, near the edges of the square too.
TEST(SquareScaler, KeepsColoursAndThinLinesBothWaysAndScalesAChangedPartAloneAsTheWhole) {
    for (const auto& [from, to] : {std::pair{972, 648}, std::pair{500, 972}}) {
        PixelBuffer source(from, from, kGround);
        for (int y = 0; y < from; ++y) source.at(from / 2, y) = kTrail;
        PixelBuffer shown = scaledWhole(source, to);
        EXPECT_EQ(shown.at(3, 7), kGround) << from << " to " << to;
        EXPECT_EQ(shown.at(to - 1, to - 1), kGround);
        int brightest = 0, touched = 0;
        for (int x = 0; x < to; ++x) {
            brightest = std::max<int>(brightest, green(shown.at(x, to / 3)));
            touched += shown.at(x, to / 3) != kGround;
        }
        EXPECT_GE(brightest, 0x30 + (0xFF - 0x30) / 3) << from << " to " << to;
        EXPECT_LE(touched, to > from ? 4 : 3);

        shown.dirty.take();
        SquareScaler scaler(from, to);
        for (const Rect r :
             {Rect{10, 20, 3, 5}, Rect{from - 2, from - 7, 2, 7}, Rect{0, 0, 1, 1}}) {
            for (int i = 0; i < r.w * r.h; ++i) source.at(r.x + i % r.w, r.y + i / r.w) = kTrail;
            EXPECT_FALSE(scaler.scale(source, 0, 0, r, shown, 0, 0).empty());
        }
        const PixelBuffer whole = scaledWhole(source, to);
        EXPECT_EQ(test::countWhere({0, 0, to, to},
                                   [&](int x, int y) { return shown.at(x, y) != whole.at(x, y); }),
                  0) << from << " to " << to;
    }

    // Only large screens are enlarged, as at 1,080 lines.
    EXPECT_TRUE(InterfaceScale(1050, 1.0) == 1.0 && InterfaceScale(1400, 1.0) == 1.0);
    EXPECT_DOUBLE_EQ(InterfaceScale(1440, 1.0), 1440 / 1080.0);
    EXPECT_DOUBLE_EQ(InterfaceScale(2160, 2.0), 2.0);
    EXPECT_EQ(InterfaceScale(900, 1.5), 1.0);  // never smaller than the game's own size
}

constexpr Rgb kUserBackground{10, 200, 30};
constexpr Rgb kLogo{250, 20, 20};

// The picture of a 924 x 520 window: S = 468, m = 26; the title box starts at x = 494,
// y = 468, and the panel is given.
struct Picture {
    Picture() : back(924, 520) {
        g.gra.InitArena(520, &g.window);
        sources.panel = {600, 20, 300, 150};
        sources.load = [this](const std::string& path) -> std::optional<PixelBuffer> {
            return files.count(path) ? std::optional(files.at(path)) : std::nullopt;
        };
    }
    void compose() { ComposeWindowPicture(back, g.gra.arena, text, g.rng, sources); }

    test::TestGame g;
    test::RecordingText text;
    PixelBuffer back;
    WindowPictureSources sources;
    std::map<std::string, PixelBuffer> files;
};

TEST(WindowPicture, UsersBackgroundPanelFrameTitleAndLogoElseBlurredNoiseFromTheGamesRandom) {
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
    EXPECT_TRUE(t.text.drawn[0].text == "Slyder" && t.text.drawn[3].text == "Alice");
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
