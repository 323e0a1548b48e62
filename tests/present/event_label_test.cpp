#include "present/event_label.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace slyders {
namespace {

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
