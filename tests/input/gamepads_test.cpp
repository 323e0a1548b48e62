// Pads through SDL's virtual joystick: what they hold, where they sit, and a game steered by
// one exactly as by the keys; custom keys as stored, refused and tried in the Keys window.
#include "input/gamepads.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>
#include <memory>
#include <vector>

#include "boxes/scripted_boxes.h"
#include "frame/key_state.h"
#include "input/qt/custom_keys_store.h"
#include "input/qt/qt_keys.h"
#include "players/qt/keys_window.h"
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
    EXPECT_TRUE(first.name == "Test Pad" && first.held == Held{}) << first.name;

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
    EXPECT_EQ((std::array{tilt(-7000), tilt(7000), tilt(-20000), tilt(32767)}),
              (std::array<Held, 4>{{{}, {}, {true, false}, {false, true}}}));
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

// Every test starts from an empty store (XDG_CONFIG_HOME is a temporary folder).
class CustomKeysTest : public testing::Test {
protected:
    CustomKeysTest() { QSettings("Tallowin", "Slyders").remove("Keys"); }
    static void store(const char* name, const QVariant& value) {
        QSettings("Tallowin", "Slyders").setValue(QString("Keys/") + name, value);
    }
};

TEST_F(CustomKeysTest, StoredKeysComeBackBadOnesGiveWayAndMenuSeatedOrTakenKeysAreRefused) {
    const StoredCustomKeys fresh = readCustomKeys();
    EXPECT_TRUE(fresh.keys == defaultCustomKeys() && fresh.problems.empty());
    CustomKeys mine;
    mine.code = {{{Qt::Key_A, Qt::Key_S}, {Qt::Key_Shift, Qt::Key_Space}}};
    writeCustomKeys(mine);
    EXPECT_TRUE(readCustomKeys().keys == mine && readCustomKeys().problems.empty());

    // Not a number, a menu key, no key, the same key twice, a key with modifier bits: each
    // costs its pair, with a line that says so, and nothing else.
    for (const QVariant& bad :
         {QVariant("banana"), QVariant(int(Qt::Key_F2)), QVariant(0), QVariant(int(Qt::Key_A)),
          QVariant((Qt::CTRL | Qt::Key_B).toCombined())}) {
        writeCustomKeys(mine);
        store("Custom1Right", bad);
        const StoredCustomKeys read = readCustomKeys();
        EXPECT_EQ(read.keys.code, (std::array{defaultCustomKeys().code[0], mine.code[1]}))
            << bad.toString().toStdString();
        ASSERT_EQ(read.problems.size(), 1u);
        EXPECT_NE(read.problems[0].find("Custom keys 1"), std::string::npos);
    }
    // The second pair may not take the first pair's keys.
    writeCustomKeys(mine);
    store("Custom2Left", int(Qt::Key_S));
    EXPECT_EQ(readCustomKeys().keys.code[1], defaultCustomKeys().code[1]);

    // Menu keys, seated fixed keys and taken keys are refused.
    const CustomKeys keys = defaultCustomKeys();  // Z / X and K / L
    const std::vector<int> seated{0, 1, kFirstCustomPair};
    for (int menuKey : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F9, Qt::Key_Escape, Qt::Key_F4, Qt::Key_Alt,
                        Qt::Key_Control}) {
        const auto refusal = customKeyRefusal(menuKey, keys, seated);
        ASSERT_TRUE(refusal) << menuKey;
        EXPECT_NE(refusal->find("menu commands"), std::string::npos);
    }
    EXPECT_EQ(*customKeyRefusal(Qt::Key_Q, keys, seated),
              "The key Q is used by a seated player's key pair Q / W: please choose another key.");
    EXPECT_NE(customKeyRefusal(Qt::Key_L, keys, seated)->find("Custom keys 2"), std::string::npos);
    for (const int free : {Qt::Key_N, Qt::Key_A, Qt::Key_Shift})  // nobody sits on N / M
        EXPECT_FALSE(customKeyRefusal(free, keys, seated)) << free;
}

TEST_F(CustomKeysTest, TheKeysWindowChoosesStoresAndTestsKeys) {
    LocalDevices devices;
    devices.custom = defaultCustomKeys();
    PadStates pads;
    pads[0] = {true, {false, true}, "Pad"};
    devices.readPads = [&pads] { return pads; };
    test::ScriptedBoxes boxes;
    KeysWindow window(devices, {{"Ann", 1}, {"Bob", kFirstCustomPair}, {"Cy", kFirstGamepadPair}},
                      boxes);
    window.show();

    window.chooseCustom(0);
    QTest::keyClick(&window, Qt::Key_F2);  // refused, the window still waits for a left
    QTest::keyClick(&window, Qt::Key_W);   // Ann's
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_A);  // already the left
    QTest::keyClick(&window, Qt::Key_S);
    ASSERT_EQ(boxes.informed.size(), 3u);
    for (int i = 0; const char* says : {"F2", "Q / W", "Custom keys 1"})
        EXPECT_NE(boxes.informed[std::size_t(i++)].find(says), std::string::npos) << says;
    const std::array<int, 2> as{Qt::Key_A, Qt::Key_S};
    // As after a restart.
    EXPECT_EQ(std::pair(devices.custom.code[0], readCustomKeys().keys.code[0]), std::pair(as, as));

    // Esc halfway through choosing keeps the pair's keys and leaves the window open.
    const auto before = devices.custom.code[1];
    window.chooseCustom(1);
    QTest::keyClick(&window, Qt::Key_J);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(devices.custom.code[1], before);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_J);  // no longer choosing: just a key held in the test
    EXPECT_EQ(devices.custom.code[1], before);

    // The test: Ann holds both keys, Bob his new left, Cy's pad its right.
    QTest::keyPress(&window, Qt::Key_Q);
    QTest::keyPress(&window, Qt::Key_W);
    QTest::keyPress(&window, Qt::Key_A);
    QTest::qWait(50);
    EXPECT_EQ((std::array{window.lit(0, 0), window.lit(0, 1), window.lit(1, 0), window.lit(1, 1),
                          window.lit(2, 0), window.lit(2, 1)}),
              (std::array{true, true, true, false, false, true}));
    EXPECT_EQ(window.heldTogether(), "Held together: Q, W, A");
    QTest::keyRelease(&window, Qt::Key_W);
    EXPECT_FALSE(window.lit(0, 1));
    EXPECT_EQ(window.heldTogether(), "Held together: Q, A");
}

}  // namespace
}  // namespace slyders
