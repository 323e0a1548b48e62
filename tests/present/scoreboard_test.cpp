// The score panel, its bands and the event message in its label; the background patterns and
// the slots' colours over them, also as a colour-blind player sees them.
#include "present/scoreboard.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <unordered_map>
#include <vector>

#include "game/pixel_buffer.h"
#include "game/random.h"
#include "game/rounds.h"
#include "present/background.h"
#include "present/event_label.h"
#include "present/slot_palette.h"
#include "recording_text.h"
#include "test_support.h"

namespace slyders {
namespace {

constexpr Rgb kBackColour{20, 30, 40};
constexpr Rgb kFrameLight{115, 132, 215};

// A game on a 924 x 520 window: S = 468, m = 26, the grid from x = 513, 398 pixels wide.
struct Board {
    explicit Board(int clientWidth = 924) : back(clientWidth, 520, toPixel(kBackColour)) {
        g.window = PixelBuffer(clientWidth, 520, toPixel(kBackColour));
        g.gra.InitArena(520, &g.window);
        board.emplace(clientWidth, 520, g.gra.arena.side(), g.gra.arena.offset(), text);
    }
    void players(int firstSlot, int humans) {
        g.gra.firstSlot = firstSlot;
        g.gra.humans = humans;
        for (int s = firstSlot; s <= humans + 1; ++s) g.gra.slots[std::size_t(s)].alive = true;
        for (int k = 0; k < humans; ++k) {  // "Dummy 1" and "Dummy 2" unless seated already
            if (g.gra.seats[std::size_t(k)].rosterIndex < 0)
                g.gra.seats[std::size_t(k)].rosterIndex = 2 + k;
        }
        board->LayoutScoreBands(g.gra, label);
    }
    void paint() {
        text.drawn.clear();
        board->PaintScoreboard(g.window, back, g.gra, label);
    }
    bool anyPixel(Rgb c) const {
        return test::countWhere(board->area(), [&](int x, int y) { return g.window.colour(x, y) == c; });
    }

    test::TestGame g;
    test::RecordingText text;
    PixelBuffer back;
    EventLabel label;
    std::optional<Scoreboard> board;
};

TEST(Scoreboard, PanelAndBandsLaidOutFromTheWindowOnlyActiveSlotsAliveOrDeadFonts) {
    Board b;
    EXPECT_EQ(b.board->rowHeight(), 18);  // 1.4 x a 13-pixel line
    const Rect panel = b.board->panel();  // its bottom under label row 6
    EXPECT_EQ(std::tuple(panel.x, panel.y, panel.right(), panel.bottom()),
              std::tuple(508, 21, 513 + 398 + 5, 26 + 18 * 7 + 13 + 5));
    // Header font: "123" fits 87 x 24 at height 24 in block text, less 9.
    EXPECT_TRUE(b.board->label(0, 2).font.height == 15 && b.board->label(0, 2).font.bold);

    b.players(1, 1);  // two slots: A = 298, gap = 61, pitch = 18
    EXPECT_EQ(std::tuple(b.board->bandTop(), b.board->bandPitch(), b.board->band(b.g.gra, 2).y),
              std::tuple(170 + 61, 18, 231 + 18));
    EXPECT_EQ(std::tuple(b.board->eventLabelRect().y, b.label.height, b.label.width),
              std::tuple(468 - 2 * 61 - 18, 18 + 61, panel.w));

    // Only the active slots are shown, alive or dead by their fonts.
    b.players(0, 2);
    Slyder& dead = b.g.gra.slots[3];
    dead.alive = false;
    b.g.gra.deathOrder = "31";
    b.g.gra.slots[1].alive = false;
    b.paint();
    for (int row = 1; row <= 6; ++row) EXPECT_EQ(b.board->label(row, 0).visible, row <= 4) << row;
    EXPECT_TRUE(!b.board->label(4, 0).font.bold && b.board->label(1, 0).font.bold);
    EXPECT_EQ(std::tuple(b.board->label(4, 0).colour, b.board->label(4, 2).colour,
                         b.board->label(1, 0).colour),
              std::tuple(dead.dark, dead.dark, b.g.gra.slots[0].light));

    // The death marks follow the death order; the band names keep the light colour.
    const auto *first = b.text.find("R.I.P.  1"), *second = b.text.find("R.I.P.  2");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(std::pair(first->colour, second->colour),
              std::pair(dead.light, b.g.gra.slots[1].light));
    EXPECT_FALSE(b.text.find("R.I.P.  3"));
    EXPECT_EQ(b.text.count(b.g.gra.DisplayName(3)), 2);  // grid and band

    // Shown in another palette: the same labels in its colours, the game's own untouched.
    const Rgb gameDark = dead.dark;
    const auto& safe = colourBlindSafeColours();
    b.board->setSlotColours(safe);
    b.paint();
    EXPECT_EQ(std::tuple(b.board->label(4, 0).colour, b.board->label(1, 0).colour,
                         b.text.find("R.I.P.  1")->colour),
              std::tuple(safe[3].dark, safe[0].light, safe[3].light));
    EXPECT_EQ(dead.dark, gameDark);
}

TEST(Scoreboard, LongNameShortInTheGridAndWholeInTheBand) {
    Board b(700);  // narrow columns: the first number's label starts at x = 574
    ASSERT_TRUE(b.g.scores.Add(PlrScore{"Maximilian Longname", 0, {}}));
    b.g.gra.seats[0].rosterIndex = b.g.scores.count() - 1;
    b.players(1, 1);
    b.paint();
    // 47 pixels leave 9 bold characters: "Maximname", then one more goes and "..." comes in.
    EXPECT_EQ(b.board->label(3, 0).text, "Maxi...name");
    EXPECT_EQ(b.text.count("Maximilian Longname"), 1);
}

TEST(Scoreboard, LeaderFramedOnlyWhenAloneAndBarsScaleToTheLeaderOrTheRoundTarget) {
    Board b;
    b.players(1, 1);
    b.g.gra.slots[1].gamePoints = b.g.gra.slots[2].gamePoints = 5;
    b.paint();
    EXPECT_FALSE(b.anyPixel(kFrameLight));

    b.g.gra.slots[2].gamePoints = 6;
    b.paint();
    const Rect r = b.board->labelRect(3, 1);
    EXPECT_EQ(b.g.window.colour(r.x - 6, r.y - 2), kFrameLight);
    EXPECT_EQ(b.g.window.colour(r.right() + 5, r.bottom() + 1), kBlack);
    // Round points and rounds won are tied at 0: no other frame.
    const Rect other = b.board->labelRect(3, 2);
    EXPECT_NE(b.g.window.colour(other.x - 6, other.y - 2), kFrameLight);

    // The bars scale to the leader or to the round's target.
    b.g.settings.int_showbars = 1;
    b.g.settings.int_rndpts = 40;
    b.g.gra.slots[1].roundPoints = 10;
    b.g.gra.slots[2].roundPoints = 20;
    b.paint();
    auto barEnds = [&b](int slot) {
        const Rect band = b.board->band(b.g.gra, slot);
        const Rgb bar = BlendColor(b.g.gra.slots[std::size_t(slot)].dark, kPanelColour, 0.6);
        int x = band.x;
        while (b.g.window.colour(x, band.y + 15) == bar) ++x;
        return x - band.x;
    };
    const int width = b.board->band(b.g.gra, 1).w;
    EXPECT_EQ(std::pair(barEnds(1), barEnds(2)), std::pair(width * 10 / 40, width * 20 / 40));

    b.g.gra.slots[2].roundPoints = 70;  // past the target: the leader fills its band, no more
    b.paint();
    EXPECT_EQ(std::pair(barEnds(1), barEnds(2)), std::pair(width * 10 / 70, width));

    b.g.settings.int_showbars = 0;
    b.paint();
    EXPECT_EQ(barEnds(2), 0);
    const Rect band = b.board->band(b.g.gra, 2);
    EXPECT_EQ(b.g.window.colour(band.x, band.y), kBackColour);  // no band frame either
    EXPECT_EQ(b.text.count(b.g.gra.DisplayName(2)), 2);
}

TEST(Scoreboard, EventLabelCentredAndOnlyChangesReachTheScreen) {
    Board b;
    b.players(1, 1);
    b.paint();
    b.g.window.dirty.take();
    b.label.text = "Wall";
    b.label.fontHeight = 20;
    b.label.colour = kYellow;
    b.board->PaintEventLabel(b.g.window, b.back, b.label);
    const Rect r = b.board->eventLabelRect();
    const int x = r.x + (r.w - 40) / 2, y = r.y + (r.h - 20) / 2;
    EXPECT_EQ(std::tuple(b.g.window.colour(x, y), b.g.window.colour(x + 39, y + 19),
                         b.g.window.colour(x - 1, y)),
              std::tuple(kYellow, kYellow, kBackColour));
    Rect changed;
    for (const Rect& d : b.g.window.dirty.take()) changed = unite(changed, d);
    EXPECT_EQ(std::tuple(changed.x, changed.y, changed.w, changed.h), std::tuple(x, y, 40, 20));

    // Painting the same again changes nothing on the screen.
    b.paint();
    b.board->PaintEventLabel(b.g.window, b.back, b.label);
    EXPECT_TRUE(b.g.window.dirty.empty());
    b.label.text.clear();
    b.board->PaintEventLabel(b.g.window, b.back, b.label);
    EXPECT_EQ(b.g.window.colour(x, y), kBackColour);
}

struct Messages {
    void step() { AdvanceEventMessage(g.gra, label, g.text); }
    test::TestGame g;
    EventLabel label{.width = 300, .height = 40};
};

TEST(EventMessage, LastsOneHundredStepsFadingInAndOutAndDisasterNamesTwiceAsLong) {
    Messages m;
    m.g.gra.ShowEvent("Wall", kYellow);
    std::vector<Rgb> colours;
    for (int step = 1; step <= 99; ++step) {
        m.step();
        ASSERT_EQ(m.label.text, "Wall") << step;
        colours.push_back(m.label.colour);
    }
    // Step 1 is a tenth of the way from the panel colour; steps 10 to 79 at full colour.
    EXPECT_EQ(colours[0], BlendColor(kYellow, kPanelColour, 10 * double(static_cast<float>(0.01))));
    for (int step = 1; step <= 99; ++step)
        EXPECT_EQ(colours[std::size_t(step - 1)] == kYellow, step >= 10 && step <= 79) << step;
    EXPECT_EQ(colours[98], BlendColor(kPanelColour, kYellow, 5 * (0.99f - 0.8)));
    m.label.changed = false;
    m.step();
    EXPECT_TRUE(m.label.text.empty() && m.label.changed && m.g.gra.message.countdown == 0);
    m.step();  // idle
    EXPECT_EQ(m.g.gra.message.countdown, 0);

    // Disaster names stay about twice as long.
    int total = 0;
    for (int i = 0; i < 20; ++i) {
        m.g.gra.ShowEvent("Wall disaster!", {255, 160, 255});
        int steps = 0;
        do {
            m.step();
            ++steps;
        } while (m.g.gra.message.countdown > 0);
        total += steps;
    }
    EXPECT_TRUE(total / 20 > 180 && total / 20 < 220) << total / 20;
}

// The first step fits the text to the label; ShowEventNow skips the fade-in.
TEST(EventMessage, TextFitsTheLabelAndNamesHideInNormalGamesWhenSwitchedOff) {
    Messages m;
    m.g.gra.ShowEvent("Cruel mouse", kYellow);
    m.step();
    // Block text: 11 characters of half the height each must fit 300 x 40.
    EXPECT_EQ(m.label.fontHeight, 40);
    m.g.gra.ShowEvent("Where is the food?", kYellow);
    m.step();
    EXPECT_LE(m.label.fontHeight * 18 / 2, 300);
    EXPECT_GT(m.label.fontHeight * 18 / 2, 300 * 0.85);

    ShowEventNow(m.g.gra, m.label, m.g.text, "This round won by Alice!", kWhite);
    EXPECT_EQ(std::tuple(m.g.gra.message.countdown, m.label.text, m.label.colour),
              std::tuple(88, "This round won by Alice!", kWhite));

    // Names are hidden in normal games when switched off, but not in DEMO games.
    Messages off;
    off.g.settings.int_showevents = 0;
    off.g.gra.ShowEvent("Tunnel", kYellow);
    off.step();
    EXPECT_TRUE(off.g.gra.message.countdown == 0 && off.label.text.empty());
    off.g.gra.demo = true;
    off.g.gra.ShowEvent("Tunnel", kYellow);
    off.step();
    EXPECT_EQ(off.label.text, "Tunnel");
}

// On a 460-pixel arena one pattern cell is one pixel: X = x + 1000, Y = y + 1000.
Background pattern(int type, std::array<int, 3> weights = {0, 0, 0}, int side = 460) {
    Background b;
    b.setSide(side);
    b.type = type;
    b.weights = weights;
    return b;
}

TEST(BackgroundColor, PatternsAtChosenPointsMovedByScrolling) {
    EXPECT_EQ(pattern(0).BackgroundColor(17, 99), (Rgb{0, 0, 0}));
    EXPECT_EQ(pattern(2).BackgroundColor(17, 99), (Rgb{0, 0, 60}));
    // 8000 % 13 = 5, 7000 % 11 = 4, 13000 % 17 = 12.
    EXPECT_EQ(pattern(3).BackgroundColor(0, 0), (Rgb{15, 16, 72}));
    // X = 1007, Y = 1004: 2014 % 20 = 14 -> 21; 3012 % 30 = 12; (6 + 14) % 40 + 30 = 50.
    EXPECT_EQ(pattern(5).BackgroundColor(7, 4), (Rgb{21, 12, 50}));
    EXPECT_EQ(pattern(8).BackgroundColor(2, 3), (Rgb{30, 20, 59}));
    // (1003 - 1001 + 1000) % 10 = 2 -> T = 3; (1000 - 1000 + 1000) % 10 = 0 -> T = 5.
    EXPECT_EQ(pattern(9).BackgroundColor(3, 1), (Rgb{0, 0, 60}));
    EXPECT_EQ(pattern(9).BackgroundColor(0, 0), (Rgb{0, 0, 100}));
    EXPECT_EQ(pattern(10).BackgroundColor(1, 2), (Rgb{0, 0, 59}));
    // XY / 3 divides whole numbers: sin(333666), not sin(333666.67), which would give 56.
    EXPECT_EQ(pattern(11).BackgroundColor(0, 1), (Rgb{0, 0, 33}));
    EXPECT_EQ(pattern(11).BackgroundColor(3, 3), (Rgb{0, 0, 40}));
    // cos 1000 x sin 1000 = 0.465 lies under the floor of 0.5.
    EXPECT_EQ(pattern(14).BackgroundColor(0, 0), (Rgb{0, 0, 30}));
    EXPECT_EQ(pattern(15).BackgroundColor(4, 7), (Rgb{0, 0, 25}));   // 5 x (T[4] + T[7])
    EXPECT_EQ(pattern(16).BackgroundColor(5, 12), (Rgb{0, 0, 30}));  // 5 x T[2] + 5 x T[6]
    // 322 / 460 = 0.7 is a little less as a 32-bit real: ten times it truncates to 6, so
    // a cell is 0.6 pixels and pixel 6 lies on cell 1010 (T[0]) rather than 1008.
    EXPECT_EQ(pattern(9, {0, 0, 0}, 322).BackgroundColor(6, 0), (Rgb{0, 0, 100}));
    // Weights pull channels toward the brightest: 5 puts red halfway to 50, blue stays;
    // 2 on green gives 0.8 x 12 + 0.1 x 100 = 19.6.
    EXPECT_EQ(pattern(5, {5, 0, 5}).BackgroundColor(7, 4), (Rgb{35, 12, 50}));
    EXPECT_EQ(pattern(5, {0, 2, 0}).BackgroundColor(7, 4), (Rgb{21, 19, 50}));

    // The tiles repeat every 10 cells, the large one every 20.
    const Background diagonal = pattern(9), small = pattern(15), large = pattern(16);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(diagonal.BackgroundColor(x, 3), diagonal.BackgroundColor(x + 7, 10));
        EXPECT_EQ(small.BackgroundColor(x, 5), small.BackgroundColor(x + 10, 5));
        EXPECT_EQ(large.BackgroundColor(x, 5), large.BackgroundColor(x + 20, 5));
    }

    // Scrolling moves the pattern.
    Background b = pattern(7, {1, 2, 3});
    const Rgb before = b.BackgroundColor(40, 50);
    const Rgb other = b.BackgroundColor(40, 49);
    b.scrollBy(0, 1);
    EXPECT_EQ(b.BackgroundColor(40, 51), before);
    EXPECT_EQ(b.BackgroundColor(40, 50), other);
    b.scrollBy(-3, 0);
    EXPECT_EQ(b.BackgroundColor(37, 51), before);
}

TEST(DrawBackground, DemoDrawsOnlyTypesThreeToFifteen) {
    Random rng(7);
    Background b;
    b.setSide(46);
    PixelBuffer back(52, 52);
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        b.DrawBackground(back, 3, true, 0, rng);
        seen.insert(b.type);
        ASSERT_TRUE(std::ranges::all_of(b.weights, [](int w) { return w >= 0 && w <= 5; }));
    }
    EXPECT_EQ(std::tuple(seen.size(), *seen.begin(), *seen.rbegin()), std::tuple(13u, 3, 15));
    b.DrawBackground(back, 3, false, 16, rng);
    EXPECT_EQ(b.type, 16);
}

TEST(DrawBackground, PaintsEveryArenaPixelWithItsColourAndLeavesTheFrame) {
    constexpr int m = 4, side = 322;  // a cell of 0.6 pixels
    constexpr std::uint32_t kFrame = 0xFF123456u;
    Random rng(3);
    Background b;
    b.setSide(side);
    PixelBuffer back(side + 2 * m, side + 2 * m, kFrame);
    for (int type = 0; type < kBackgroundTypes; ++type) {
        b.DrawBackground(back, m, false, type, rng);
        b.scrollBy(5, -2);  // scrolling ends with the next drawing
        b.DrawBackground(back, m, false, type, rng);
        const auto wrong = [&](int x, int y) {
            return back.colour(m + x, m + y) != b.BackgroundColor(x, y);
        };
        EXPECT_EQ(test::countWhere({0, 0, side, side}, wrong, 7), 0) << type;
        EXPECT_TRUE(back.at(m - 1, m) == kFrame && back.at(m + side, m + side) == kFrame) << type;
    }
}

using Matrix = std::array<std::array<double, 3>, 3>;
struct Lab {
    double L, a, b;
};

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
const std::map<std::string, Matrix> kDichromacies{
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                     {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
                     {0.004733, 0.691367, 0.308950}}}},
};

double linear(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// CIELAB (D65) of a colour as a dichromat sees it.
Lab seenAs(Rgb c, const Matrix& m) {
    const std::array<double, 3> in{linear(c.r), linear(c.g), linear(c.b)};
    std::array<double, 3> rgb{};
    for (std::size_t i = 0; i < 3; ++i)
        rgb[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    const double X = 0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2];
    const double Y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double Z = 0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2];
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const double fx = f(X / 0.95047), fy = f(Y), fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// CIEDE2000 (Sharma, Wu and Dalal 2005), kL = kC = kH = 1.
double deltaE2000(Lab p, Lab q) {
    const double cBar = (std::hypot(p.a, p.b) + std::hypot(q.a, q.b)) / 2;
    const double c7 = std::pow(cBar, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const double c1 = std::hypot(a1, p.b), c2 = std::hypot(a2, q.b);
    auto hue = [](double b, double a) {
        return a == 0 && b == 0 ? 0.0 : std::fmod(std::atan2(b, a) / kRadiansPerDegree + 360, 360);
    };
    const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
    double dh = 0;
    if (c1 * c2 != 0)
        dh = h2 - h1 > 180 ? h2 - h1 - 360 : (h2 - h1 < -180 ? h2 - h1 + 360 : h2 - h1);
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * kRadiansPerDegree);
    const double lBar = (p.L + q.L) / 2, cpBar = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0)
        hBar = std::abs(h1 - h2) <= 180
                   ? (h1 + h2) / 2
                   : (h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2);
    const auto cosDegrees = [](double d) { return std::cos(d * kRadiansPerDegree); };
    const double t = 1 - 0.17 * cosDegrees(hBar - 30) + 0.24 * cosDegrees(2 * hBar) +
                     0.32 * cosDegrees(3 * hBar + 6) - 0.20 * cosDegrees(4 * hBar - 63);
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double cp7 = std::pow(cpBar, 7);
    const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double sL = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sC = 1 + 0.045 * cpBar, sH = 1 + 0.015 * cpBar * t;
    const double rT = -std::sin(2 * dTheta * kRadiansPerDegree) * rC;
    const double l = (q.L - p.L) / sL, c = (c2 - c1) / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}


// The darkest and the lightest colour any background pattern shows, with any weights.
std::pair<Rgb, Rgb> backgroundExtremes() {
    constexpr int kSide = 460;
    Background b;
    b.setSide(kSide);
    std::pair<Rgb, Rgb> extremes{kWhite, kBlack};
    // Lightness grows with luminance alone, which a table of the channels gives quickly.
    std::array<double, 256> lin{};
    for (int v = 0; v < 256; ++v) lin[std::size_t(v)] = linear(std::uint8_t(v));
    auto lightness = [&lin](Rgb c) {
        return 0.2126729 * lin[c.r] + 0.7151522 * lin[c.g] + 0.0721750 * lin[c.b];
    };
    for (b.type = 0; b.type < kBackgroundTypes; ++b.type) {
        // One spot of each raw pattern colour: the weights only pull it toward its brightest.
        b.weights = {0, 0, 0};
        std::unordered_map<std::uint32_t, std::pair<int, int>> spots;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                spots.emplace(toPixel(b.BackgroundColor(x, y)), std::pair{x, y});
        for (int w = 0; w < 6 * 6 * 6; ++w) {
            b.weights = {w / 36, w / 6 % 6, w % 6};
            for (const auto& [raw, at] : spots) {
                const Rgb c = b.BackgroundColor(at.first, at.second);
                if (lightness(c) < lightness(extremes.first)) extremes.first = c;
                if (lightness(c) > lightness(extremes.second)) extremes.second = c;
            }
        }
    }
    return extremes;
}

// The smallest colour difference a dichromat sees among the slots (a slot's own trail and
// head may look alike) and between any slot colour and the backgrounds.
struct Closest {
    double slots = 1e9, background = 1e9;
};
Closest closest(const std::array<SlotColours, kSlotCount>& palette, const Matrix& m,
                std::pair<Rgb, Rgb> backgrounds) {
    Closest worst;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (const Rgb own : {palette[i].dark, palette[i].light}) {
            // The scoreboard writes the names on its panel as well.
            for (const Rgb back : {backgrounds.first, backgrounds.second, kPanelColour})
                worst.background =
                    std::min(worst.background, deltaE2000(seenAs(own, m), seenAs(back, m)));
            for (std::size_t j = i + 1; j < palette.size(); ++j)
                for (const Rgb other : {palette[j].dark, palette[j].light})
                    worst.slots =
                        std::min(worst.slots, deltaE2000(seenAs(own, m), seenAs(other, m)));
        }
    }
    return worst;
}

TEST(SlotPalette, SafeColoursStayApartForEveryDichromacyRecolourSwapsOnlySlotColours) {
    EXPECT_NEAR(deltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
    EXPECT_NEAR(deltaE2000({2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}), 0.9082, 1e-4);

    // The safe colours stay apart for every dichromacy.
    const auto backgrounds = backgroundExtremes();
    EXPECT_EQ(backgrounds, std::pair(kBlack, Rgb{120, 110, 60}));
    for (const auto& [name, m] : kDichromacies) {
        const Closest safe = closest(colourBlindSafeColours(), m, backgrounds);
        EXPECT_GE(safe.slots, 20) << name;
        EXPECT_GE(safe.background, 15) << name;
    }
    std::array<Slyder, kSlotCount> slots{};
    for (std::size_t s = 0; s < slots.size(); ++s) {
        slots[s].dark = Rgb{std::uint8_t(10 + s), 0, 0};
        slots[s].light = Rgb{0, std::uint8_t(10 + s), 0};
    }
    const std::uint32_t other = toPixel(Rgb{10, 10, 0});
    std::vector<std::uint32_t> pixels{toPixel(slots[0].dark), toPixel(slots[5].light), other};
    auto shown = pixels;
    SlotRecolour().apply(shown.data(), int(shown.size()));
    EXPECT_EQ(shown, pixels);
    SlotRecolour(slots, SlotPalette::Standard).apply(shown.data(), int(shown.size()));
    EXPECT_EQ(shown, pixels);
    SlotRecolour(slots, SlotPalette::ColourBlindSafe).apply(shown.data(), int(shown.size()));
    const auto& safe = colourBlindSafeColours();
    EXPECT_EQ(shown, (std::vector{toPixel(safe[0].dark), toPixel(safe[5].light), other}));
}

}  // namespace
}  // namespace slyders
