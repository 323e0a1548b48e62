// Network packets, at a host's port and at the server's: any bytes a stranger sends are
// refused with a reason or read whole, what was read stays within the bounds the sessions and
// rooms rely on, and a packet that was read writes back to bytes that read again.
#include "fuzz_support.h"
#include "net/protocol.h"

using namespace slyders;

namespace {

std::vector<fuzz::Bytes> samplePackets() {
    const std::vector<std::string> names{"Zo\xC3\xAB", "Max"};
    const net::Hello hello{"secret", "kitchen", names, {1, 2, 3, 4}, {}, {}, {}};
    const net::Start start{.game = 3,
                           .start = {.computers = 1, .humans = 2, .seed = 987654321},
                           .arenaSide = 648,
                           .delay = 2,
                           .yourSeats = 2,
                           .names = {"", "Computer", names[0], names[1], "", ""},
                           .ratings = {0, 50, 100, 7, 0, 0},
                           .roster = {PlrScore{"Computer 1", 120, {3, 0, 0, 0, 0, 0, 0, 0, 0, 40}},
                                      PlrScore{names[0], 40, {}}}};
    const net::Input input{3, 120, 2, {0, 1, 1, 2}, 118};
    const net::Frame frame{3, 120, {{1, 0}, {5, 2}}};
    // The server's: rooms made, joined and watched, their state and the ladder.
    net::Hello create{"", "kitchen",   names, {1, 2, 3, 4}, net::RoomAction::Create,
                      "", {"s1", "s2"}};
    net::Hello join{"", "den", {"Ann"}, {1, 2, 3, 4}, net::RoomAction::Join, "ACDE34", {"secret"}};
    net::Hello watch{"", "", {}, {}, net::RoomAction::Watch, "ACDE34", {}};
    net::RoomState state{"ACDE34", true, false, 3, {"Ann", "Max"}};
    net::Ladder ladder{{{"Ann", 100, 42}, {"Computer 1", 7, 3}}};
    std::vector<fuzz::Bytes> seeds;
    for (const net::Packet& p : std::vector<net::Packet>{
             hello, net::Welcome{1, ""}, net::Refuse{net::RefuseReason::Full, 1},
             net::Refuse{net::RefuseReason::Differs, 0, net::kPartTexts}, start, input, frame,
             net::Hash{3, 140, 0x1234'5678'9ABC'DEF0ull}, net::Waiting{"Max"}, net::Ping{77},
             create, join, watch, state, ladder, net::LadderAsk{}, net::Welcome{1, "ACDE34"},
             net::Refuse{net::RefuseReason::NoRoom, 0}, net::Stop{net::StopReason::Removed}})
        seeds.push_back(net::encode(p));
    return seeds;
}

void checkBounds(const net::Packet& packet) {
    if (const auto* hello = std::get_if<net::Hello>(&packet)) {
        if (hello->names.size() > 4 || hello->secrets.size() > 4) fuzz::fail("too many seats");
        if (hello->names.empty() && hello->action != net::RoomAction::Watch)
            fuzz::fail("a player with no seat");
        if (hello->room.size() > net::kMaxText) fuzz::fail("a code too long");
    }
    if (const auto* state = std::get_if<net::RoomState>(&packet)) {
        if (state->players.size() > 4 || state->watchers > net::kMaxWatchers)
            fuzz::fail("a room beyond its bounds");
    }
    if (const auto* ladder = std::get_if<net::Ladder>(&packet))
        if (ladder->rows.size() > std::size_t(net::kMaxLadderRows)) fuzz::fail("a ladder too long");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return fuzz::writeSeedsIfAsked(samplePackets());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const net::Decoded d = net::decode(data, size);
    if (!d.packet) {
        if (d.error.empty()) fuzz::fail("a refusal without a reason");
        return 0;
    }
    checkBounds(*d.packet);
    const std::vector<std::uint8_t> again = net::encode(*d.packet);
    if (!net::decode(again.data(), again.size()).packet) fuzz::fail("a packet reads back refused");
    return 0;
}
