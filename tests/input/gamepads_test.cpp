// Pads through SDL's virtual joystick: what they hold, where they sit, and a game steered by
// one exactly as by the keys.
#include "input/gamepads.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame/key_state.h"
#include "test_support.h"
#include "virtual_pad.h"

namespace slyders {
namespace {

using test::VirtualPad;

TEST(Gamepads, DpadShouldersAndTheStickPastItsDeadZoneSteer) {
    Gamepads pads;
    ASSERT_EQ(pads.failure(), "");
    for (const PadState& none : pads.poll()) EXPECT_TRUE(!none.connected && none.held == Held{});
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
    const auto names = [&pads] { return std::pair(pads.states()[0].name, pads.states()[1].name); };
    pads.poll();
    EXPECT_EQ(names(), (std::pair<std::string, std::string>("One", "Two")));

    one.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pads.poll();
    one.unplug();  // pulled out with a button held: its place holds nothing
    pads.poll();
    EXPECT_TRUE(!pads.states()[0].connected && pads.states()[0].held == Held{});
    EXPECT_EQ(pads.states()[1].name, "Two");

    VirtualPad three("Three");
    pads.poll();
    EXPECT_EQ(names(), (std::pair<std::string, std::string>("Three", "Two")));
}

constexpr int kMaxTicks = 900;
constexpr int kUnplugTick = 420;  // the pad is pulled out here ...
constexpr int kReplugTick = 450;  // ... and plugged in again here

// What the player means to hold at a tick: left, then right, then left again.
Held intended(int tick) {
    if (tick >= 200 && tick < 260) return {true, false};
    if (tick >= 300 && tick < 340) return {false, true};
    if (tick >= 400 && tick < 520) return {true, false};
    return {};
}

// The hashes of a game of one human on this key pair and one computer.
template <typename Input>
std::vector<std::uint64_t> play(int keyPair, Input input) {
    GameStart start{.computers = 1, .humans = 1, .seed = 99};
    start.seats[0] = {keyPair, 2};
    return test::playedHashes(start, input, kMaxTicks);
}

TEST(PadSteering, APadTurnsASlyderExactlyAsTheKeysDoEvenWhenPulledOutAndBack) {
    // The keyboard: the arrow keys, let go while the pad is out.
    KeyState keys;
    const auto keyboard = [&keys](int tick, const auto& seats) {
        Held h = intended(tick);
        if (tick >= kUnplugTick && tick < kReplugTick) h = {};
        h.left ? keys.press(SteerKey::Left) : keys.release(SteerKey::Left);
        h.right ? keys.press(SteerKey::Right) : keys.release(SteerKey::Right);
        return seatInput(keys, seats);
    };
    const auto byKeys = play(0, keyboard);
    ASSERT_GT(byKeys.size(), std::size_t(kReplugTick / kHashInterval));

    Gamepads pads;
    auto pad = std::make_unique<test::VirtualPad>("Test Pad");
    ASSERT_TRUE(pad->plugged());
    const KeyState noKeys;
    const auto gamepad = [&](int tick, const auto& seats) {
        if (tick == kUnplugTick) pad.reset();
        if (tick == kReplugTick) pad = std::make_unique<test::VirtualPad>("Test Pad");
        if (pad) {
            pad->button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, intended(tick).left);
            pad->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, intended(tick).right);
        }
        return seatInput(noKeys, seats, pads.poll());  // read at the moment of the tick
    };
    EXPECT_EQ(play(kFirstGamepadPair, gamepad), byKeys);
    // And the steering did matter: without any input the game goes another way.
    EXPECT_NE(play(0, [&noKeys](int, const auto& seats) { return seatInput(noKeys, seats); }),
              byKeys);
}

TEST(PadSteering, CustomKeysAndPadsSteerOnlyTheirOwnSeats) {
    KeyState keys;
    CustomKeys custom;
    custom.code = {{{'A', 'S'}, {'K', 'L'}}};
    keys.setCustomKeys(custom);
    keys.pressCustom('S');
    keys.pressCustom('K');
    keys.press(SteerKey::Q);
    PadStates pads;
    pads[1] = {true, {true, true}, "Pad"};
    pads[2] = {false, {true, false}, ""};  // not plugged in: holds nothing whatever it says

    std::array<HumanSeat, kHumanSeats> seats{{{kFirstCustomPair, -1},
                                              {kFirstCustomPair + 1, -1},
                                              {kFirstGamepadPair + 1, -1},
                                              {kFirstGamepadPair + 2, -1}}};
    EXPECT_EQ(seatInput(keys, seats, pads).seat,
              (std::array<std::uint8_t, 4>{kSteerRight, kSteerLeft, kSteerLeft | kSteerRight, 0}));
    seats[3].keyPair = 1;
    EXPECT_EQ(seatInput(keys, seats, pads).seat[3], kSteerLeft);

    keys.setCustomKeys(CustomKeys{});  // new keys: the old ones are let go
    EXPECT_EQ(seatInput(keys, seats, pads).seat[0], kSteerNone);
}

}  // namespace
}  // namespace slyders
