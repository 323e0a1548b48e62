// The replay folder keeps the newest games and every kept one; files that are no whole
// replay are refused with the message the player sees.
#include "replay/replay_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "test_support.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;
constexpr std::int64_t kDay = 1'800'000'000;  // a start time in seconds

Replay gameAt(std::int64_t startedAt, std::int32_t endTick = 40) {
    Replay r;
    r.programVersion = "test";
    r.startedAt = startedAt;
    r.arenaSide = 360;
    r.endTick = endTick;
    r.hashes.assign(std::size_t(endTick / 20), 7);
    r.end = ReplayEnd::Over;
    return r;
}

fs::path saved(ReplayStore& store, const Replay& r) {
    std::string error;
    const std::optional<fs::path> file = store.save(r, error);
    EXPECT_TRUE(file) << error;
    return file.value_or(fs::path{});
}

struct ReplayStoreTest : ::testing::Test {
    const test::TempFolder folder;
    ReplayStore store{folder.path};
    std::string error;
};

// Games started in the same second follow each other by their number, past 9 and past a
// kept one; the newest is the last saved. The folder keeps the newest hundred and every kept
// one.
TEST_F(ReplayStoreTest, GamesOfOneSecondKeepTheirOrderAndTheNewestHundredAndEveryKeptOneStay) {
    std::vector<fs::path> files;
    for (int i = 0; i < 12; ++i) {
        files.push_back(saved(store, gameAt(kDay)));
        if (i == 1) files.back() = *store.keep(files.back(), error);
        EXPECT_EQ(*store.newest(), files.back()) << i;
    }
    EXPECT_EQ(store.all(), files);
    EXPECT_EQ(files[1].stem().string().substr(19), "-2-kept");
    EXPECT_EQ(files[11].stem().string().substr(19), "-12");

    for (int i = 1; i <= 90; ++i) saved(store, gameAt(kDay + i));
    EXPECT_EQ(store.all().size(), 101u);
    EXPECT_TRUE(fs::exists(files[1]));
    EXPECT_FALSE(fs::exists(files[0]));
    EXPECT_TRUE(fs::exists(files[2]));
    EXPECT_EQ(store.newest()->filename(), saved(store, gameAt(kDay + 200)).filename());
}

// A full disk (a file size limit stands in for it) leaves no file behind, hidden or not; a
// temporary file that a killed game left goes at the next start, one being written does not.
TEST_F(ReplayStoreTest, AFailedSaveLeavesNothingAndLeftoversGoLater) {
    saved(store, gameAt(kDay));
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = before;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    EXPECT_FALSE(store.save(gameAt(kDay + 1), error));
    EXPECT_FALSE(writeReplayFile(folder.path / "shared.slyrep", gameAt(kDay + 2), error));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(error.find("could not be written"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator{}), 1);

    const fs::path old = folder.path / ".2026-01-01_10-00-00.slyrep.tmp";
    const fs::path fresh = folder.path / ".2026-01-01_10-00-01.slyrep.tmp";
    std::ofstream(old) << "half";
    std::ofstream(fresh) << "half";
    fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    EXPECT_EQ(store.removeLeftovers(), 1);
    EXPECT_FALSE(fs::exists(old));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_EQ(store.all().size(), 1u);
}

TEST(ReplayFile, EachKindOfBadFileGetsItsMessage) {
    const test::TempFolder folder;
    const fs::path file = folder.path / "bad.slyrep";
    std::string error;
    const auto write = [&](const std::vector<std::uint8_t>& bytes) {
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file;
    };
    const auto refusal = [&](const fs::path& f) {
        EXPECT_FALSE(loadReplayFile(f, error));
        return error;
    };
    const std::vector<std::uint8_t> good = encodeReplay(gameAt(1, 60));
    ASSERT_TRUE(loadReplayFile(write(good), error)) << error;

    EXPECT_EQ(refusal(write({'#', 'S', 'e', 't'})), "This file is not a Slyders replay.");
    std::vector<std::uint8_t> newer = good, flipped = good;
    newer[8] += 1;  // the format version follows the magic name
    EXPECT_EQ(refusal(write(newer)), "This replay was made by a newer Slyders.");
    flipped[good.size() / 2] ^= 0x40;
    for (const auto& damaged : {std::vector(good.begin(), good.end() - 5), flipped}) {
        EXPECT_EQ(refusal(write(damaged)).rfind("This replay is damaged: ", 0), 0u);
    }
    EXPECT_NE(refusal(folder.path / "missing.slyrep").find("could not be read"), std::string::npos);
}

// Puts a little-endian value into a replay's bytes at a place and makes the checksum at the
// end right for what comes before it.
void patch(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
    const std::size_t n = bytes.size() - kReplayChecksumSize;
    const std::uint64_t sum = replayChecksum(bytes.data(), n);
    for (std::size_t i = 0; i < kReplayChecksumSize; ++i) bytes[n + i] = std::uint8_t(sum >> (8 * i));
}

std::string decodeError(const std::vector<std::uint8_t>& bytes) {
    return decodeReplay(bytes.data(), bytes.size()).error;
}

// A whole, well-formed file that asks for an arena no screen gives (it would make the playback
// allocate gigabytes and play for a minute) is refused as it is read.
TEST(ReplayFile, AnArenaLargerThanAnyScreenIsRefusedBeforeAnyWork) {
    Replay huge = gameAt(1, 60);
    huge.arenaSide = 8000;
    std::vector<std::uint8_t> bytes = encodeReplay(huge);
    EXPECT_EQ(decodeError(bytes),
              "This replay is damaged: its arena side of 8000 pixels is larger than any screen "
              "gives (at most 3888).");
    // The side follows the header, the program version, the date, the network flag and the
    // start of the game (5 small fields, the seed, 4 seats of 5 bytes, 12 points and rounds).
    const std::size_t sideAt = 10 + 1 + huge.programVersion.size() + 8 + 1 + 5 + 8 + 20 + 48;
    patch(bytes, sideAt, kMaxArenaSide, 2);
    const ReplayReadResult read = decodeReplay(bytes.data(), bytes.size());
    ASSERT_TRUE(read.replay) << read.error;
    EXPECT_EQ(read.replay->arenaSide, kMaxArenaSide);
    patch(bytes, sideAt, 99, 2);
    EXPECT_EQ(decodeError(bytes),
              "This replay is damaged: its arena side of 99 pixels is smaller than any window "
              "gives (at least 100).");
}

TEST(ReplayFile, LeavesOfANetworkGameReadBackAndFirstFormatFilesStillRead) {
    // The file as the first format wrote it: version 1 in the header, the checksum made right.
    const auto asFirstFormat = [](std::vector<std::uint8_t> bytes) {
        patch(bytes, 8, 1, 1);
        return bytes;
    };
    Replay older = gameAt(5, 60);
    older.events = {ReplayEvent{.tick = 3, .input = {{kSteerLeft, 0, 0, 0}}}};
    const auto first = asFirstFormat(encodeReplay(older));
    ReplayReadResult read = decodeReplay(first.data(), first.size());
    ASSERT_TRUE(read.replay) << read.error;
    Replay asPlayed = older;
    asPlayed.start.rules = Rules::FirstCorners;  // it plays back as it was played
    EXPECT_EQ(*read.replay, asPlayed);

    Replay network = older;
    network.network = true;
    network.events.push_back(ReplayEvent{.tick = 44, .kind = ReplayEventKind::Leave, .value = 0b0110});
    const auto bytes = encodeReplay(network);
    read = decodeReplay(bytes.data(), bytes.size());
    ASSERT_TRUE(read.replay) << read.error;
    EXPECT_EQ(*read.replay, network);
    // The first format knew no leaves: such a file was not written by a Slyders.
    EXPECT_EQ(decodeError(asFirstFormat(bytes)),
              "This replay is damaged: an event of an unknown kind.");
}

}  // namespace
}  // namespace slyders
