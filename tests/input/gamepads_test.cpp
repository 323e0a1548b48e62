#include "input/gamepads.h"

#include <gtest/gtest.h>

#include "virtual_pad.h"

namespace slyders {
namespace {

using test::VirtualPad;

TEST(Gamepads, DpadShouldersAndTheStickPastItsDeadZoneSteer) {
    Gamepads pads;
    ASSERT_EQ(pads.failure(), "");
    for (const PadState& none : pads.poll()) {
        EXPECT_FALSE(none.connected);
        EXPECT_EQ(none.held, Held{});
    }
    VirtualPad pad("Test Pad");
    ASSERT_TRUE(pad.plugged());
    const PadState& first = pads.poll()[0];
    ASSERT_TRUE(first.connected);
    EXPECT_EQ(first.name, "Test Pad");
    EXPECT_EQ(first.held, Held{});

    const auto heldWith = [&](auto&& act, auto&& undo) {
        act();
        const Held held = pads.poll()[0].held;
        undo();
        EXPECT_EQ(pads.poll()[0].held, Held{});
        return held;
    };
    const auto press = [&](SDL_GameControllerButton b) {
        return heldWith([&] { pad.button(b, true); }, [&] { pad.button(b, false); });
    };
    const auto tilt = [&](int x) { return heldWith([&] { pad.stick(x); }, [&] { pad.stick(0); }); };
    EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_DPAD_LEFT), (Held{true, false}));
    EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), (Held{false, true}));
    EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), (Held{true, false}));
    EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER), (Held{false, true}));
    EXPECT_EQ(press(SDL_CONTROLLER_BUTTON_A), Held{});
    // A quarter of the travel is dead: a stick resting a little off centre steers nothing.
    EXPECT_EQ(tilt(-7000), Held{});
    EXPECT_EQ(tilt(7000), Held{});
    EXPECT_EQ(tilt(-20000), (Held{true, false}));
    EXPECT_EQ(tilt(32767), (Held{false, true}));
}

TEST(Gamepads, APadKeepsItsPlaceAndAFreedPlaceIsTakenAgain) {
    Gamepads pads;
    VirtualPad one("One");
    VirtualPad two("Two");
    pads.poll();
    EXPECT_EQ(pads.states()[0].name, "One");
    EXPECT_EQ(pads.states()[1].name, "Two");

    one.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pads.poll();
    one.unplug();  // pulled out with a button held: its place holds nothing
    pads.poll();
    EXPECT_FALSE(pads.states()[0].connected);
    EXPECT_EQ(pads.states()[0].held, Held{});
    EXPECT_EQ(pads.states()[1].name, "Two");

    VirtualPad three("Three");
    pads.poll();
    EXPECT_EQ(pads.states()[0].name, "Three");
    EXPECT_EQ(pads.states()[1].name, "Two");
}

}  // namespace
}  // namespace slyders
