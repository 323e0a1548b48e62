// Replay files: any bytes are refused with a message or read whole, and a replay that was
// read writes back to bytes that read as the same replay. Inputs are tried as they are and
// with their checksum made right, so the fuzzer reaches past the checksum.
#include "fuzz_support.h"
#include "replay/replay.h"

using namespace slyders;

namespace {

Replay sampleReplay() {
    Replay rp;
    rp.programVersion = "2.1";
    rp.startedAt = 1'800'000'000;
    rp.start.computers = 1;
    rp.start.humans = 2;
    rp.start.seed = 12345;
    rp.start.seats[0] = {0, 2};
    rp.start.seats[1] = {1, 3};
    rp.arenaSide = 648;
    rp.settings[2] = 40;
    rp.names = {"", "Computer", "Zo\xC3\xAB", "Max", "", ""};
    rp.ratings = {0, 50, 100, 7, 0, 0};
    // A network game: at last the machine of seat 2 went away.
    rp.events = {ReplayEvent{.tick = 130, .input = {{kSteerLeft, kSteerRight, 0, 0}}},
                 ReplayEvent{.tick = 400, .kind = ReplayEventKind::Speed, .value = 2},
                 ReplayEvent{.tick = 401, .kind = ReplayEventKind::Setting, .setting = 9},
                 ReplayEvent{.tick = 402, .kind = ReplayEventKind::Leave, .value = 0b0010}};
    rp.network = true;
    rp.endTick = 605;
    rp.hashes.assign(30, 0x1234'5678'9ABC'DEF0ull);
    rp.end = ReplayEnd::Over;
    rp.points = {0, 3, 1, 2, 0, 0};
    rp.deathOrder = "231";
    rp.resultText = "40 points reached.";
    return rp;
}

// Makes the checksum at the end right for the bytes before it.
void fixChecksum(fuzz::Bytes& bytes) {
    const std::uint64_t sum = replayChecksum(bytes.data(), bytes.size() - kReplayChecksumSize);
    for (std::size_t i = 0; i < kReplayChecksumSize; ++i)
        bytes[bytes.size() - kReplayChecksumSize + i] = static_cast<std::uint8_t>(sum >> (8 * i));
}

void checkRead(const std::uint8_t* data, std::size_t size) {
    const ReplayReadResult r = decodeReplay(data, size);
    if (!r.replay) {
        if (r.error.empty()) fuzz::fail("a refusal without a message");
        return;
    }
    const auto again = encodeReplay(*r.replay);
    const ReplayReadResult back = decodeReplay(again.data(), again.size());
    if (!back.replay || !(*back.replay == *r.replay)) fuzz::fail("a replay reads back changed");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto whole = encodeReplay(sampleReplay());
    fuzz::Bytes cut(whole.begin(), whole.begin() + long(whole.size() / 2));
    // A file of the first format: no leaves, version 1 in its header.
    Replay older = sampleReplay();
    older.events.pop_back();
    older.network = false;
    fuzz::Bytes first = encodeReplay(older);
    first[8] = 1;
    fixChecksum(first);
    return fuzz::writeSeedsIfAsked({whole, cut, encodeReplay(Replay{}), first});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRead(data, size);
    if (size > kReplayChecksumSize) {
        fuzz::Bytes fixed(data, data + size);
        fixChecksum(fixed);
        checkRead(fixed.data(), fixed.size());
    }
    return 0;
}
