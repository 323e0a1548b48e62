// The host's lockstep: a tick is released only with every machine's input, never with a
// seat a machine does not own, and a machine that left loses its slyders at one tick.
#include "net/lockstep.h"

#include <gtest/gtest.h>

#include "test_support.h"

using namespace slyders;
using namespace slyders::net;

TEST(Lockstep, DelayGrowsWithTheRoundTrip) {
    EXPECT_EQ(inputDelayFor(0.3, 1), 1);  // a local network
    EXPECT_EQ(inputDelayFor(80, 1), 8);   // across the internet, with a tick to spare
    EXPECT_GT(inputDelayFor(80, 2), inputDelayFor(80, 0));
}

TEST(Lockstep, TicksWaitForEveryMachineAndCarryTheirSeats) {
    HostLockstep lock({0b0001, 0b0110}, 2);
    EXPECT_EQ(lock.releaseReady(), 2);  // the delay's first ticks have nobody steering
    EXPECT_EQ(lock.lateMachine(), 0);
    EXPECT_TRUE(lock.addInput(0, 3, 0b0001, {kSteerLeft}));
    EXPECT_EQ(lock.releaseReady(), 0);
    EXPECT_EQ(lock.lateMachine(), 1);
    EXPECT_TRUE(lock.addInput(1, 3, 0b0110, {std::uint8_t(kSteerRight << 2 | kSteerLeft << 4)}));
    EXPECT_EQ(lock.releaseReady(), 1);
    const TickInput in = unpackInput(lock.released(3)->packed);
    EXPECT_EQ(in.seat[0], kSteerLeft);
    EXPECT_EQ(in.seat[1], kSteerRight);
    EXPECT_EQ(in.seat[2], kSteerLeft);
    // A resent run repeats what is known; only the new tick counts.
    EXPECT_TRUE(lock.addInput(1, 3, 0b0110, {0, 0}));
    EXPECT_TRUE(lock.addInput(0, 4, 0b0001, {0}));
    EXPECT_EQ(lock.releaseReady(), 1);
    ASSERT_TRUE(lock.framesFrom(3, 1));
    EXPECT_EQ(lock.framesFrom(3, 1)->entries.size(), 2u);
    EXPECT_FALSE(lock.framesFrom(5, 1));
}

TEST(Lockstep, UntrustedInputIsRefused) {
    HostLockstep lock({0b0001, 0b0010}, 1);
    EXPECT_FALSE(lock.addInput(1, 2, 0b0001, {kSteerLeft}));         // the host's seat
    EXPECT_FALSE(lock.addInput(1, 2, 0b0010, {kSteerLeft}));         // bits of seat 0
    EXPECT_FALSE(lock.addInput(1, 2 + kMaxAhead + 1, 0b0010, {0}));  // far ahead
    EXPECT_FALSE(lock.addInput(1, 0, 0b0010, {0}));
    EXPECT_FALSE(lock.addInput(7, 2, 0b0010, {0}));
    EXPECT_EQ(lock.releaseReady(), 1);
    EXPECT_EQ(lock.lateMachine(), 0);
}

TEST(Lockstep, AMachineThatLeftDiesAtTheNextTick) {
    HostLockstep lock({0b0001, 0b0010}, 1);
    lock.releaseReady();
    lock.addInput(0, 2, 0b0001, {0});
    lock.addInput(0, 3, 0b0001, {0});
    EXPECT_EQ(lock.lateMachine(), 1);
    lock.markGone(1);
    EXPECT_EQ(lock.releaseReady(), 2);
    EXPECT_EQ(lock.released(2)->killSeats, 0b0010);
    EXPECT_EQ(lock.released(3)->killSeats, 0);

    test::TestGame game;
    game.seatOneHuman(1);
    game.gra.humans = 2;
    game.gra.network.names[3] = "Ben";
    game.place(3, 50, 50, 0);
    applyLeaves(game.gra, 0b0010);
    EXPECT_FALSE(game.slot(3).alive);
    EXPECT_EQ(game.gra.deathOrder, "3");
    EXPECT_EQ(game.gra.message.text, "Ben left the game.");
}

TEST(Lockstep, GuestsResendWhatTheHostHasNotConfirmed) {
    GuestLockstep guest(0b0010, 1);
    EXPECT_FALSE(guest.pendingInput(1));
    guest.setOwnInput(2, 0xFF);
    guest.setOwnInput(3, 0);
    const Input in = *guest.pendingInput(1);
    EXPECT_EQ(in.firstTick, 2u);
    EXPECT_EQ(in.packed, (std::vector<std::uint8_t>{0b1100, 0}));  // only its own seat's bits
    EXPECT_TRUE(guest.addFrame(Frame{1, 1, {{0, 0}, {4, 0}}}));
    EXPECT_EQ(guest.pendingInput(1)->firstTick, 3u);
    EXPECT_FALSE(guest.addFrame(Frame{1, 5000, {{0, 0}}}));
    EXPECT_FALSE(guest.frameFor(3));
}

TEST(Lockstep, HashesAreComparedWhicheverComesFirst) {
    HashBook book;
    EXPECT_FALSE(book.other(1, 20, 5));
    EXPECT_FALSE(book.own(20, 5));
    EXPECT_TRUE(book.other(2, 20, 6));
    EXPECT_FALSE(book.own(40, 1));
    EXPECT_EQ(book.compared(), 2);
}
