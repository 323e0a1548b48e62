// Two machines that would play one start differently never begin the game: the guest is
// refused at join, told what differs, and a machine alike is let in.
#include <gtest/gtest.h>

#include "net/fingerprint.h"
#include "net_test_support.h"
#include "test_support.h"

using namespace slyders;
using namespace slyders::net;

namespace {

// Writes every text a third narrower than the blocks do: another font library's letters.
class NarrowText final : public TextRenderer {
public:
    TextSize extent(const FontSpec& font, std::string_view text) override {
        return {int(text.size()) * font.height / 3, font.height};
    }
    void draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
              std::string_view text) override {
        m_blocks.draw(target, x, y, FontSpec{font.family, font.height * 2 / 3}, colour, text);
    }

private:
    test::BlockText m_blocks;
};

std::string joinWith(HostSession& host, std::uint16_t port, const Fingerprint& print) {
    SessionConfig config{"", "laptop", {"Max"}};
    config.fingerprint = print;
    GuestSession guest(config);
    std::string why;
    test::joinLobby(host, guest, port, &why);
    return why;
}

}  // namespace

TEST(Fingerprint, OnlyThePartThatDrawsDiffersAndItIsNamed) {
    test::BlockText blocks;
    NarrowText narrow;
    const Fingerprint a = machineFingerprint(blocks), b = machineFingerprint(narrow);
    EXPECT_EQ(a, machineFingerprint(blocks));  // the same machine prints the same
    EXPECT_EQ(differingParts(a, b), kPartTexts);
    EXPECT_EQ(differingParts(a, a), 0);
    Fingerprint otherRules = a;
    otherRules.rules += 1;
    otherRules.angles += 1;
    EXPECT_EQ(differingParts(a, otherRules), kPartRules | kPartAngles);
    EXPECT_NE(differenceText(kPartTexts).find("draws the arena's texts differently"),
              std::string::npos);
    EXPECT_NE(differenceText(kPartAngles).find("angles"), std::string::npos);
    EXPECT_NE(differenceText(kPartRules).find("Install the same Slyders package"),
              std::string::npos);
}

TEST(Fingerprint, AGuestThatDrawsDifferentlyIsRefusedAtJoinAndALikeOneJoins) {
    test::BlockText blocks;
    NarrowText narrow;
    SessionConfig config{"", "desktop", {"Zoe"}};
    config.fingerprint = machineFingerprint(blocks);
    HostSession host(config);
    const std::uint16_t port = test::testPort(31);
    ASSERT_TRUE(test::opens(host, port));

    EXPECT_EQ(joinWith(host, port, machineFingerprint(narrow)), differenceText(kPartTexts));
    EXPECT_EQ(host.guestsPresent(), 0);
    EXPECT_EQ(joinWith(host, port, machineFingerprint(blocks)), "");
    EXPECT_EQ(host.guestsPresent(), 1);
    host.close();
}
