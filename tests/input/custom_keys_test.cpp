#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>

#include "boxes/scripted_boxes.h"
#include "input/qt/custom_keys_store.h"
#include "input/qt/qt_keys.h"
#include "players/qt/keys_window.h"

namespace slyders {
namespace {

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
    EXPECT_NE(boxes.informed[0].find("F2"), std::string::npos);
    EXPECT_NE(boxes.informed[1].find("Q / W"), std::string::npos);
    EXPECT_NE(boxes.informed[2].find("Custom keys 1"), std::string::npos);
    const std::array<int, 2> as{Qt::Key_A, Qt::Key_S};
    EXPECT_EQ(devices.custom.code[0], as);
    EXPECT_EQ(readCustomKeys().keys.code[0], as);  // as after a restart

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
