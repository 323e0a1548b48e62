// The join window's list of the local network's games, over 127.0.0.1 only: a host in its
// lobby is found within two seconds with what the list shows and is forgotten once it closes;
// damaged answers are refused.
#include <gtest/gtest.h>

#include <thread>

#include "net/discovery.h"
#include "net_test_support.h"

using namespace slyders;
using namespace slyders::net;

namespace {

const FoundGame* findAt(const DiscoveryBrowser& browser, const std::string& address) {
    for (const FoundGame& g : browser.games()) {
        if (g.address == address) return &g;
    }
    return nullptr;
}

void nap() {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace

TEST(LocalGames, AHostIsListedWithinTwoSecondsAndForgottenOnceItCloses) {
    const std::uint16_t port = test::testPort(41), listPort = test::testPort(42);
    auto host = std::make_unique<HostSession>(SessionConfig{"", "kitchen", {"Zoe"}});
    ASSERT_TRUE(test::opens(*host, port));
    std::string error;
    ASSERT_TRUE(host->advertise("127.0.0.1", listPort, error)) << error;
    host->setPassword("secret");

    DiscoveryBrowser browser({"127.0.0.1"}, listPort);
    ASSERT_TRUE(browser.open(error)) << error;
    const std::string address = "127.0.0.1:" + std::to_string(port);
    ASSERT_TRUE(test::within(
        2000, [&] { return findAt(browser, address) != nullptr; },
        [&] {
            host->service(0);
            browser.poll();
            nap();
        }));
    const GameAd& ad = findAt(browser, address)->ad;
    EXPECT_EQ(ad.machine, "kitchen");
    EXPECT_EQ(ad.players, "Zoe");
    EXPECT_EQ(ad.freeSeats, 3);
    EXPECT_TRUE(ad.password);

    host->close();
    host.reset();
    EXPECT_TRUE(test::within(
        kForgetAfterMs + 1500, [&] { return browser.games().empty(); },
        [&] {
            browser.poll();
            nap();
        }));
}

TEST(LocalGames, DamagedAnswersAreRefusedWithAReason) {
    const std::vector<std::uint8_t> good = encodeAd(GameAd{27960, "kitchen", "Zoe", 3, false});
    std::string error;
    ASSERT_TRUE(decodeAd(good.data(), good.size(), error));
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        error.clear();
        EXPECT_FALSE(decodeAd(good.data(), cut, error)) << cut;
        EXPECT_FALSE(error.empty());
    }
    std::vector<std::uint8_t> tooMany = good;
    tooMany[tooMany.size() - 2] = 9;  // free seats beyond the game's four
    EXPECT_FALSE(decodeAd(tooMany.data(), tooMany.size(), error));
    const std::vector<std::uint8_t> query = encodeQuery();
    EXPECT_TRUE(isQuery(query.data(), query.size()));
    EXPECT_FALSE(decodeAd(query.data(), query.size(), error));
}
