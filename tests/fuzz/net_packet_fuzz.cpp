// Network packets: any bytes a stranger sends are refused with a reason or read whole, and
// a packet that was read writes back to bytes that read again.
#include "fuzz_support.h"
#include "net/protocol.h"

using namespace slyders;

namespace {

std::vector<fuzz::Bytes> samplePackets() {
    net::Hello hello;
    hello.password = "secret";
    hello.machine = "kitchen";
    hello.names = {"Zo\xC3\xAB", "Max"};
    hello.fingerprint = {1, 2, 3, 4};
    net::Start start;
    start.game = 3;
    start.start.humans = 2;
    start.start.computers = 1;
    start.start.seed = 987654321;
    start.arenaSide = 648;
    start.delay = 2;
    start.yourSeats = 2;
    start.names = {"", "Computer", "Zo\xC3\xAB", "Max", "", ""};
    start.ratings = {0, 50, 100, 7, 0, 0};
    start.roster = {PlrScore{"Computer 1", 120, {3, 0, 0, 0, 0, 0, 0, 0, 0, 40}},
                    PlrScore{"Zo\xC3\xAB", 40, {}}};
    net::Input input;
    input.game = 3;
    input.firstTick = 120;
    input.seatMask = 2;
    input.packed = {0, 1, 1, 2};
    input.framesKnown = 118;
    net::Frame frame;
    frame.game = 3;
    frame.firstTick = 120;
    frame.entries = {{1, 0}, {5, 2}};
    std::vector<fuzz::Bytes> seeds;
    for (const net::Packet& p : std::vector<net::Packet>{
             hello, net::Welcome{1}, net::Refuse{net::RefuseReason::Full, 1},
             net::Refuse{net::RefuseReason::Differs, 0, net::kPartTexts}, start, input, frame,
             net::Hash{3, 140, 0x1234'5678'9ABC'DEF0ull}, net::Waiting{"Max"}, net::Ping{77}}) {
        const auto bytes = net::encode(p);
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    return seeds;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::writeSeedsIfAsked(samplePackets());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const net::Decoded d = net::decode(data, size);
    if (!d.packet) {
        if (d.error.empty()) fuzz::fail("a refusal without a reason");
        return 0;
    }
    const std::vector<std::uint8_t> again = net::encode(*d.packet);
    if (!net::decode(again.data(), again.size()).packet) fuzz::fail("a packet reads back refused");
    return 0;
}
