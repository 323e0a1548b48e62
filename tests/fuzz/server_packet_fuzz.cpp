// The server's packets: a stranger's bytes at the server's port are refused with a reason or
// read whole, and what was read stays within the bounds the rooms rely on.
#include "fuzz_support.h"
#include "net/protocol.h"

using namespace slyders;

namespace {

std::vector<fuzz::Bytes> samplePackets() {
    net::Hello create{"", "kitchen", {"Zo\xC3\xAB", "Max"}, {1, 2, 3, 4}, net::RoomAction::Create, "", {"s1", "s2"}};
    net::Hello join{"", "den", {"Ann"}, {1, 2, 3, 4}, net::RoomAction::Join, "ACDE34", {"secret"}};
    net::Hello watch{"", "", {}, {}, net::RoomAction::Watch, "ACDE34", {}};
    net::RoomState state{"ACDE34", true, false, 3, {"Ann", "Max"}};
    net::Ladder ladder{{{"Ann", 100, 42}, {"Computer 1", 7, 3}}};
    std::vector<fuzz::Bytes> seeds;
    for (const net::Packet& p : std::vector<net::Packet>{
             create, join, watch, state, ladder, net::LadderAsk{}, net::Welcome{1, "ACDE34"},
             net::Refuse{net::RefuseReason::NoRoom, 0}, net::Stop{net::StopReason::Removed}}) {
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
    if (const auto* hello = std::get_if<net::Hello>(&*d.packet)) {
        if (hello->names.size() > 4 || hello->secrets.size() > 4) fuzz::fail("too many seats");
        if (hello->names.empty() && hello->action != net::RoomAction::Watch)
            fuzz::fail("a player with no seat");
        if (hello->room.size() > net::kMaxText) fuzz::fail("a code too long");
    }
    if (const auto* state = std::get_if<net::RoomState>(&*d.packet)) {
        if (state->players.size() > 4 || state->watchers > net::kMaxWatchers)
            fuzz::fail("a room beyond its bounds");
    }
    if (const auto* ladder = std::get_if<net::Ladder>(&*d.packet)) {
        if (ladder->rows.size() > std::size_t(net::kMaxLadderRows)) fuzz::fail("a ladder too long");
    }
    const std::vector<std::uint8_t> again = net::encode(*d.packet);
    if (!net::decode(again.data(), again.size()).packet) fuzz::fail("a packet reads back refused");
    return 0;
}
