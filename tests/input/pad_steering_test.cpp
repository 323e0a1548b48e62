#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame/key_state.h"
#include "input/gamepads.h"
#include "test_support.h"
#include "virtual_pad.h"

namespace slyders {
namespace {

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

GameStart startWithSeatOn(int keyPair) {
    GameStart start;
    start.computers = 1;
    start.humans = 1;
    start.seed = 99;
    start.seats[0] = {keyPair, 2};
    return start;
}

template <typename Input>
std::vector<std::uint64_t> play(const GameStart& start, Input input) {
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
    const auto byKeys = play(startWithSeatOn(0), keyboard);
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
    const auto byPad = play(startWithSeatOn(kFirstGamepadPair), gamepad);
    EXPECT_EQ(byPad, byKeys);

    // And the steering did matter: without any input the game goes another way.
    const auto idle = play(startWithSeatOn(0),
                           [&noKeys](int, const auto& seats) { return seatInput(noKeys, seats); });
    EXPECT_NE(idle, byKeys);
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

    std::array<HumanSeat, kHumanSeats> seats{};
    seats[0].keyPair = kFirstCustomPair;
    seats[1].keyPair = kFirstCustomPair + 1;
    seats[2].keyPair = kFirstGamepadPair + 1;
    seats[3].keyPair = kFirstGamepadPair + 2;
    EXPECT_EQ(seatInput(keys, seats, pads).seat,
              (std::array<std::uint8_t, 4>{kSteerRight, kSteerLeft, kSteerLeft | kSteerRight, 0}));
    seats[3].keyPair = 1;
    EXPECT_EQ(seatInput(keys, seats, pads).seat[3], kSteerLeft);

    keys.setCustomKeys(CustomKeys{});  // new keys: the old ones are let go
    EXPECT_EQ(seatInput(keys, seats, pads).seat[0], kSteerNone);
}

}  // namespace
}  // namespace slyders
