// The score panel, its bands and the event message in its label.
#include "present/scoreboard.h"

#include <gtest/gtest.h>

#include "game/rounds.h"
#include "present/event_label.h"
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
    EXPECT_EQ(b.board->label(0, 2).font.height, 15);
    EXPECT_TRUE(b.board->label(0, 2).font.bold);

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
    const auto* first = b.text.find("R.I.P.  1");
    const auto* second = b.text.find("R.I.P.  2");
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
    b.g.gra.slots[1].gamePoints = 5;
    b.g.gra.slots[2].gamePoints = 5;
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
    EXPECT_EQ(b.g.window.colour(x, y), kYellow);
    EXPECT_EQ(b.g.window.colour(x + 39, y + 19), kYellow);
    EXPECT_EQ(b.g.window.colour(x - 1, y), kBackColour);
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

TEST(EventMessage, LastsOneHundredStepsFadingInAndOut) {
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
    for (int step = 1; step <= 9; ++step)
        EXPECT_NE(colours[std::size_t(step - 1)], kYellow) << step;
    for (int step = 10; step <= 79; ++step)
        EXPECT_EQ(colours[std::size_t(step - 1)], kYellow) << step;
    for (int step = 80; step <= 99; ++step)
        EXPECT_NE(colours[std::size_t(step - 1)], kYellow) << step;
    EXPECT_EQ(colours[98], BlendColor(kPanelColour, kYellow, 5 * (0.99f - 0.8)));
    m.label.changed = false;
    m.step();
    EXPECT_TRUE(m.label.text.empty() && m.label.changed);
    EXPECT_EQ(m.g.gra.message.countdown, 0);
    m.step();  // idle
    EXPECT_EQ(m.g.gra.message.countdown, 0);
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

TEST(EventMessage, DisasterNamesStayAboutTwiceAsLong) {
    Messages m;
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

}  // namespace
}  // namespace slyders
