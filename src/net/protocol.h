#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/game_start.h"
#include "net/fingerprint.h"
#include "params/app_settings.h"
#include "players/scores.h"

namespace slyders::net {

// Every packet starts with these: a peer of another make of the game is told so at once.
constexpr std::uint32_t kMagic = 0x534C5944;  // "SLYD"
// Version 3: games play with mirror corners and check the faster state hash, and a guest
// may be told that the host dropped it. Version 4: a guest brings its machine's fingerprint
// and is refused when it would play the game differently; rooms on a server, joined by a code.
constexpr std::uint16_t kVersion = 4;
constexpr std::uint16_t kDefaultPort = 27960;
constexpr int kSettingCount = 23;
constexpr std::size_t kMaxText = 64;  // names, machine names and passwords
constexpr int kMaxRun = 32;           // ticks repeated in one input or frame packet

// The held steering of the four seats in one byte, two bits a seat.
std::uint8_t packInput(const TickInput& input);
TickInput unpackInput(std::uint8_t packed);
// The bits of the seats in a seat mask (bit i = seat i).
std::uint8_t inputBitsOf(std::uint8_t seatMask);

// Differs: the machine would play the game differently. The last six come from a server:
// no room has the code, too many wrong codes from one address, the server holds all the rooms
// it may, a name belongs to another machine there, every spectator's place is taken, the
// owner asked for a game with settings out of their bounds.
enum class RefuseReason : std::uint8_t {
    Version = 1,
    Full,
    Password,
    Started,
    BadPackets,
    Differs,
    NoRoom,
    TooManyCodes,
    ServerFull,
    NameOwned,
    WatchersFull,
    Settings,
};
constexpr int kRefuseReasons = 12;

// What a machine that comes to a server wants: a game hosted by a player asks for nothing.
enum class RoomAction : std::uint8_t { None = 0, Create, Join, Watch };
constexpr std::size_t kRoomCodeLength = 6;
constexpr int kMaxWatchers = 32;

// A guest asks to join with the players sitting at its machine.
struct Hello {
    std::string password;
    std::string machine;
    std::vector<std::string> names;  // 1 .. 4, one per seat; none for a spectator
    Fingerprint fingerprint{};
    RoomAction action = RoomAction::None;
    std::string room;                  // the code of the room to join or watch
    std::vector<std::string> secrets;  // at a server: one per name, proving it is this machine's
};
struct Welcome {
    std::uint8_t machineIndex = 0;
    std::string room;  // at a server: the room's code
};
// A server tells the room's machines who is in it: the owner decides its games.
struct RoomState {
    std::string code;
    bool youOwn = false;
    bool playing = false;
    std::uint8_t watchers = 0;
    std::vector<std::string> players;  // 0 .. 4 names, in seat order
};
// The server's best players, asked for by anybody and answered at once.
struct LadderAsk {};
struct LadderRow {
    std::string name;
    std::int32_t rating = 0;
    std::uint16_t rounds = 0;
};
constexpr int kMaxLadderRows = 20;
struct Ladder {
    std::vector<LadderRow> rows;
};
struct Refuse {
    RefuseReason reason = RefuseReason::Version;
    std::uint8_t freeSeats = 0;  // for a full game
    std::uint8_t differs = 0;    // the fingerprint's parts that differ from the host's
};
// The host starts a game: everything every machine needs to play the very same game.
struct Start {
    std::uint16_t game = 0;
    GameStart start;
    std::array<std::int32_t, kSettingCount> settings{};
    std::int32_t arenaSide = 0;
    std::uint8_t delay = 1;      // input delay in ticks
    std::uint8_t yourSeats = 0;  // seat mask of the receiving machine
    std::array<std::string, kSlotCount> names;
    std::array<std::int32_t, kSlotCount> ratings{};  // the host's ratings, shown by guests
    // The host's roster at the start: guests credit a won round and show the high scores
    // exactly as the host does, without touching their own.
    std::vector<PlrScore> roster;
};
// A machine's own seats for a run of ticks from firstTick.
struct Input {
    std::uint16_t game = 0;
    std::uint32_t firstTick = 0;
    std::uint8_t seatMask = 0;
    std::vector<std::uint8_t> packed;
    std::uint32_t framesKnown = 0;  // the frames the sender has: the host resends the rest
};
// What the host released: every seat's input per tick, and the seats that die before it.
struct FrameEntry {
    std::uint8_t packed = 0;
    std::uint8_t killSeats = 0;
    friend bool operator==(const FrameEntry&, const FrameEntry&) = default;
};
struct Frame {
    std::uint16_t game = 0;
    std::uint32_t firstTick = 0;
    std::vector<FrameEntry> entries;
};
struct Hash {
    std::uint16_t game = 0;
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
};
// A guest has played its game to the end.
struct Done {
    std::uint16_t game = 0;
    std::uint32_t tick = 0;
    std::uint64_t hash = 0;
};
struct Waiting {
    std::string name;  // empty: nobody is late any more
};
// Dropped: the host heard nothing from the receiving machine for too long and went on
// without it.
// Removed: the server played the game itself and this machine's game was not the same; the
// others play on. ServerClosed: the server is shutting down.
enum class StopReason : std::uint8_t { Disagree = 1, HostClosed, Dropped, Removed, ServerClosed };
struct Stop {
    StopReason reason = StopReason::Disagree;
};

// The host measures each guest's round trip; the guest sends the stamp back.
struct Ping {
    std::uint32_t stamp = 0;
};
struct Pong {
    std::uint32_t stamp = 0;
};

// A Start from the owner of a room to the server asks for a game with its choices.
using Packet = std::variant<Hello, Welcome, Refuse, Start, Input, Frame, Hash, Done, Waiting, Stop,
                            Ping, Pong, RoomState, LadderAsk, Ladder>;

std::vector<std::uint8_t> encode(const Packet& packet);

// A packet, or why it was refused.
struct Decoded {
    std::optional<Packet> packet;
    std::string error;
    bool wrongVersion = false;
};
Decoded decode(const std::uint8_t* data, std::size_t size);

extern const char* const kWrongVersionText;
extern const char* const kHostSilentText;  // a guest heard nothing from the host for too long
std::string refuseText(const Refuse& refuse);
// The refusal of a machine that asked a server for the room `code`.
std::string roomRefuseText(const Refuse& refuse, const std::string& code);
std::string stopText(StopReason reason);

std::array<std::int32_t, kSettingCount> settingValues(const TInterface& settings);
void applySettingValues(TInterface& settings, const std::array<std::int32_t, kSettingCount>& v);

}  // namespace slyders::net
