#include "net/protocol.h"

#include <cstring>

#include "players/roster_bytes.h"

namespace slyders::net {

namespace {

enum class Kind : std::uint8_t {
    Hello = 1,
    Welcome,
    Refuse,
    Start,
    Input,
    Frame,
    Hash,
    Done,
    Waiting,
    Stop,
    Ping,
    Pong,
    RoomState,
    LadderAsk,
    Ladder,
};
constexpr std::size_t kHeaderSize = 7;  // magic, version, kind
constexpr int kMaxDelay = 60;
constexpr int kSteerBits = 2;
constexpr std::uint8_t kSteerMask = 3;

constexpr std::array<std::int32_t TInterface::*, kSettingCount> kSettingFields{
    &TInterface::int_snd,        &TInterface::int_soe,        &TInterface::int_rndpts,
    &TInterface::int_showbars,   &TInterface::int_showevents, &TInterface::int_fastfinish,
    &TInterface::int_background, &TInterface::xtr_void,       &TInterface::xtr_tunnel,
    &TInterface::xtr_wall,       &TInterface::xtr_food,       &TInterface::xtr_biggaps,
    &TInterface::xtr_cruelptr,   &TInterface::xtr_teleport,   &TInterface::xtr_scroll,
    &TInterface::xtr_attract,    &TInterface::xtr_invis,      &TInterface::xtr_letters,
    &TInterface::xtr_missile,    &TInterface::dis_void,       &TInterface::dis_tunnel,
    &TInterface::dis_wall,       &TInterface::dis_attract,
};

class Writer {
public:
    explicit Writer(Kind kind) {
        u32(kMagic);
        u16(kVersion);
        u8(std::uint8_t(kind));
    }
    void u8(std::uint8_t v) { m_out.push_back(v); }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void i32(std::int32_t v) { put(std::uint32_t(v), 4); }
    void u64(std::uint64_t v) { put(v, 8); }
    void text(const std::string& s) {
        const std::size_t n = std::min(s.size(), kMaxText);
        u8(std::uint8_t(n));
        m_out.insert(m_out.end(), s.begin(), s.begin() + std::ptrdiff_t(n));
    }
    void bytes(const std::vector<std::uint8_t>& b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    std::vector<std::uint8_t> take() { return std::move(m_out); }

private:
    void put(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) m_out.push_back(std::uint8_t(v >> (8 * i)));
    }
    std::vector<std::uint8_t> m_out;
};

// Reads little-endian fields; the first short read or bad value sets the error and every
// later read gives zeros, so a decoder checks once at the end.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t u8() { return std::uint8_t(get(1)); }
    std::uint16_t u16() { return std::uint16_t(get(2)); }
    std::uint32_t u32() { return std::uint32_t(get(4)); }
    std::int32_t i32() { return std::int32_t(std::uint32_t(get(4))); }
    std::uint64_t u64() { return get(8); }
    std::string text() {
        const std::size_t n = u8();
        if (n > kMaxText) fail("a text is too long");
        if (!m_error.empty() || m_size - m_pos < n) {
            fail("the packet is too short");
            return {};
        }
        std::string s(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return s;
    }
    std::vector<std::uint8_t> bytes(std::size_t n) {
        if (!m_error.empty() || m_size - m_pos < n) {
            fail("the packet is too short");
            return {};
        }
        std::vector<std::uint8_t> b(m_data + m_pos, m_data + m_pos + n);
        m_pos += n;
        return b;
    }
    // Checks a value against its range.
    template <typename T>
    T within(T v, T lo, T hi, const char* what) {
        if (v < lo || v > hi) fail(std::string(what) + " is out of range");
        return v;
    }
    void fail(const std::string& why) {
        if (m_error.empty()) m_error = why;
    }
    void expectEnd() {
        if (m_error.empty() && m_pos != m_size) fail("the packet is too long");
    }
    const std::string& error() const { return m_error; }

private:
    std::uint64_t get(int bytes) {
        if (!m_error.empty()) return 0;
        if (m_size - m_pos < std::size_t(bytes)) {
            fail("the packet is too short");
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= std::uint64_t(m_data[m_pos + std::size_t(i)]) << (8 * i);
        m_pos += std::size_t(bytes);
        return v;
    }
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    std::string m_error;
};

void writeStart(Writer& w, const Start& s) {
    const GameStart& g = s.start;
    w.u16(s.game);
    w.u8(g.demo);
    w.u8(std::uint8_t(g.computers));
    w.u8(std::uint8_t(g.humans));
    w.u8(std::uint8_t(g.skill));
    w.u8(std::uint8_t(g.speed));
    w.u64(g.seed);
    for (const HumanSeat& seat : g.seats) {
        w.u8(std::uint8_t(seat.keyPair));
        w.i32(seat.rosterIndex);
    }
    for (std::int32_t v : g.roundPoints) w.i32(v);
    for (std::int32_t v : g.roundsWon) w.i32(v);
    for (std::int32_t v : s.settings) w.i32(v);
    w.i32(s.arenaSide);
    w.u8(s.delay);
    w.u8(s.yourSeats);
    for (const std::string& n : s.names) w.text(n);
    for (std::int32_t v : s.ratings) w.i32(v);
    const std::vector<std::uint8_t> roster = serialiseRoster(s.roster);
    w.u16(std::uint16_t(roster.size()));
    w.bytes(roster);
}

Start readStart(Reader& r) {
    Start s;
    GameStart& g = s.start;
    s.game = r.u16();
    g.demo = r.within<int>(r.u8(), 0, 1, "the DEMO flag") != 0;
    g.computers = r.within<int>(r.u8(), 0, 2, "the number of computers");
    g.humans = r.within<int>(r.u8(), 0, kHumanSeats, "the number of humans");
    g.skill = r.within<int>(r.u8(), kLowestSkill, kHighestSkill, "the skill");
    g.speed = r.within<int>(r.u8(), 0, 2, "the speed");
    g.seed = r.u64();
    for (HumanSeat& seat : g.seats) {
        seat.keyPair = r.within<int>(r.u8(), 0, 3, "a key pair");
        seat.rosterIndex = r.within<std::int32_t>(r.i32(), -1, 1 << 16, "a roster index");
    }
    for (std::int32_t& v : g.roundPoints) v = r.i32();
    for (std::int32_t& v : g.roundsWon) v = r.i32();
    for (std::int32_t& v : s.settings) v = r.i32();
    s.arenaSide = r.within(r.i32(), kMinArenaSide, kMaxArenaSide, "the arena side");
    s.delay = r.within<std::uint8_t>(r.u8(), 1, kMaxDelay, "the input delay");
    s.yourSeats = r.within<std::uint8_t>(r.u8(), 0, 15, "the seat mask");
    for (std::string& n : s.names) n = r.text();
    for (std::int32_t& v : s.ratings) v = r.i32();
    const std::size_t rosterBytes = r.within<std::size_t>(r.u16(), 0, kRosterBytesMax,
                                                          "the roster's size");
    const ParsedRoster roster = parseRoster(r.bytes(rosterBytes));
    if (!roster.whole) r.fail("the host's roster is damaged");
    s.roster = roster.entries;
    return s;
}

struct Encoder {
    std::vector<std::uint8_t> operator()(const Hello& p) const {
        Writer w(Kind::Hello);
        w.text(p.password);
        w.text(p.machine);
        w.u8(std::uint8_t(p.names.size()));
        for (const std::string& n : p.names) w.text(n);
        w.u64(p.fingerprint.texts);
        w.u64(p.fingerprint.angles);
        w.u64(p.fingerprint.settings);
        w.u64(p.fingerprint.rules);
        w.u8(std::uint8_t(p.action));
        w.text(p.room);
        w.u8(std::uint8_t(p.secrets.size()));
        for (const std::string& s : p.secrets) w.text(s);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Welcome& p) const {
        Writer w(Kind::Welcome);
        w.u8(p.machineIndex);
        w.text(p.room);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const RoomState& p) const {
        Writer w(Kind::RoomState);
        w.text(p.code);
        w.u8(p.youOwn ? 1 : 0);
        w.u8(p.playing ? 1 : 0);
        w.u8(p.watchers);
        w.u8(std::uint8_t(p.players.size()));
        for (const std::string& n : p.players) w.text(n);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const LadderAsk&) const { return Writer(Kind::LadderAsk).take(); }
    std::vector<std::uint8_t> operator()(const Ladder& p) const {
        Writer w(Kind::Ladder);
        w.u8(std::uint8_t(p.rows.size()));
        for (const LadderRow& r : p.rows) {
            w.text(r.name);
            w.i32(r.rating);
            w.u16(r.rounds);
        }
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Refuse& p) const {
        Writer w(Kind::Refuse);
        w.u8(std::uint8_t(p.reason));
        w.u8(p.freeSeats);
        w.u8(p.differs);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Start& p) const {
        Writer w(Kind::Start);
        writeStart(w, p);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Input& p) const {
        Writer w(Kind::Input);
        w.u16(p.game);
        w.u32(p.firstTick);
        w.u8(p.seatMask);
        w.u8(std::uint8_t(p.packed.size()));
        for (std::uint8_t b : p.packed) w.u8(b);
        w.u32(p.framesKnown);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Frame& p) const {
        Writer w(Kind::Frame);
        w.u16(p.game);
        w.u32(p.firstTick);
        w.u8(std::uint8_t(p.entries.size()));
        for (const FrameEntry& e : p.entries) {
            w.u8(e.packed);
            w.u8(e.killSeats);
        }
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Hash& p) const {
        Writer w(Kind::Hash);
        w.u16(p.game);
        w.u32(p.tick);
        w.u64(p.hash);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Done& p) const {
        Writer w(Kind::Done);
        w.u16(p.game);
        w.u32(p.tick);
        w.u64(p.hash);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Waiting& p) const {
        Writer w(Kind::Waiting);
        w.text(p.name);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Ping& p) const {
        Writer w(Kind::Ping);
        w.u32(p.stamp);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Pong& p) const {
        Writer w(Kind::Pong);
        w.u32(p.stamp);
        return w.take();
    }
    std::vector<std::uint8_t> operator()(const Stop& p) const {
        Writer w(Kind::Stop);
        w.u8(std::uint8_t(p.reason));
        return w.take();
    }
};

std::optional<Packet> readBody(Kind kind, Reader& r) {
    switch (kind) {
        case Kind::Hello: {
            Hello p;
            p.password = r.text();
            p.machine = r.text();
            const int n = r.within<int>(r.u8(), 0, kHumanSeats, "the number of seats");
            for (int i = 0; i < n && r.error().empty(); ++i) p.names.push_back(r.text());
            p.fingerprint = Fingerprint{r.u64(), r.u64(), r.u64(), r.u64()};
            p.action = RoomAction(r.within<int>(r.u8(), 0, 3, "the room's action"));
            p.room = r.text();
            const int secrets = r.within<int>(r.u8(), 0, kHumanSeats, "the number of secrets");
            for (int i = 0; i < secrets && r.error().empty(); ++i) p.secrets.push_back(r.text());
            // Only a spectator comes with nobody to seat.
            if (n == 0 && p.action != RoomAction::Watch) r.fail("the number of seats is out of range");
            return p;
        }
        case Kind::Welcome: {
            Welcome p;
            p.machineIndex = r.u8();
            p.room = r.text();
            return p;
        }
        case Kind::RoomState: {
            RoomState p;
            p.code = r.text();
            p.youOwn = r.within<int>(r.u8(), 0, 1, "the owner flag") != 0;
            p.playing = r.within<int>(r.u8(), 0, 1, "the playing flag") != 0;
            p.watchers = r.within<std::uint8_t>(r.u8(), 0, kMaxWatchers, "the spectators");
            const int n = r.within<int>(r.u8(), 0, kHumanSeats, "the number of players");
            for (int i = 0; i < n && r.error().empty(); ++i) p.players.push_back(r.text());
            return p;
        }
        case Kind::LadderAsk:
            return LadderAsk{};
        case Kind::Ladder: {
            Ladder p;
            const int n = r.within<int>(r.u8(), 0, kMaxLadderRows, "the ladder's length");
            for (int i = 0; i < n && r.error().empty(); ++i) {
                LadderRow row;
                row.name = r.text();
                row.rating = r.i32();
                row.rounds = r.u16();
                p.rows.push_back(row);
            }
            return p;
        }
        case Kind::Refuse: {
            Refuse p;
            p.reason = RefuseReason(r.within<int>(r.u8(), 1, kRefuseReasons, "the refusal"));
            p.freeSeats = r.u8();
            p.differs = r.within<std::uint8_t>(r.u8(), 0, kAllParts, "the parts that differ");
            return p;
        }
        case Kind::Start:
            return readStart(r);
        case Kind::Input: {
            Input p;
            p.game = r.u16();
            p.firstTick = r.u32();
            p.seatMask = r.within<std::uint8_t>(r.u8(), 1, 15, "the seat mask");
            const int n = r.within<int>(r.u8(), 1, kMaxRun, "the run of ticks");
            for (int i = 0; i < n && r.error().empty(); ++i) p.packed.push_back(r.u8());
            p.framesKnown = r.u32();
            return p;
        }
        case Kind::Frame: {
            Frame p;
            p.game = r.u16();
            p.firstTick = r.u32();
            const int n = r.within<int>(r.u8(), 1, kMaxRun, "the run of ticks");
            for (int i = 0; i < n && r.error().empty(); ++i) {
                FrameEntry e;
                e.packed = r.u8();
                e.killSeats = r.within<std::uint8_t>(r.u8(), 0, 15, "the seats that left");
                p.entries.push_back(e);
            }
            return p;
        }
        case Kind::Hash:
            return Hash{r.u16(), r.u32(), r.u64()};
        case Kind::Done:
            return Done{r.u16(), r.u32(), r.u64()};
        case Kind::Waiting:
            return Waiting{r.text()};
        case Kind::Stop:
            return Stop{StopReason(r.within<int>(r.u8(), 1, 5, "the reason to stop"))};
        case Kind::Ping:
            return Ping{r.u32()};
        case Kind::Pong:
            return Pong{r.u32()};
    }
    r.fail("the packet is of an unknown kind");
    return std::nullopt;
}

}  // namespace

const char* const kWrongVersionText = "This game was made by a different version of Slyders.";
const char* const kHostSilentText = "The host stopped answering.";

std::uint8_t packInput(const TickInput& input) {
    std::uint8_t b = 0;
    for (int i = 0; i < kHumanSeats; ++i) {
        b |= std::uint8_t((input.seat[std::size_t(i)] & kSteerMask) << (kSteerBits * i));
    }
    return b;
}

TickInput unpackInput(std::uint8_t packed) {
    TickInput in;
    for (int i = 0; i < kHumanSeats; ++i) {
        in.seat[std::size_t(i)] = std::uint8_t((packed >> (kSteerBits * i)) & kSteerMask);
    }
    return in;
}

std::uint8_t inputBitsOf(std::uint8_t seatMask) {
    std::uint8_t bits = 0;
    for (int i = 0; i < kHumanSeats; ++i) {
        if (seatMask & (1u << i)) bits |= std::uint8_t(kSteerMask << (kSteerBits * i));
    }
    return bits;
}

std::vector<std::uint8_t> encode(const Packet& packet) {
    return std::visit(Encoder{}, packet);
}

Decoded decode(const std::uint8_t* data, std::size_t size) {
    Decoded out;
    if (size < kHeaderSize) {
        out.error = "the packet is too short";
        return out;
    }
    Reader r(data, size);
    if (r.u32() != kMagic) {
        out.error = "the packet is not from Slyders";
        return out;
    }
    if (r.u16() != kVersion) {
        out.error = kWrongVersionText;
        out.wrongVersion = true;
        return out;
    }
    const std::uint8_t kind = r.u8();
    if (kind < std::uint8_t(Kind::Hello) || kind > std::uint8_t(Kind::Ladder)) {
        out.error = "the packet is of an unknown kind";
        return out;
    }
    std::optional<Packet> p = readBody(Kind(kind), r);
    r.expectEnd();
    if (!r.error().empty()) {
        out.error = r.error();
        return out;
    }
    out.packet = std::move(p);
    return out;
}

std::string refuseText(const Refuse& refuse) {
    switch (refuse.reason) {
        case RefuseReason::Version:
            return kWrongVersionText;
        case RefuseReason::Full:
            return refuse.freeSeats == 0
                       ? std::string("The game is full: no seat is free.")
                       : "The game is full: only " + std::to_string(refuse.freeSeats) +
                             (refuse.freeSeats == 1 ? " seat is" : " seats are") + " free.";
        case RefuseReason::Password:
            return "Wrong password.";
        case RefuseReason::Started:
            return "The game has already started.";
        case RefuseReason::BadPackets:
            return "Too many bad packets.";
        case RefuseReason::Differs:
            return differenceText(refuse.differs);
        case RefuseReason::NoRoom:
            return "No room has this code.";
        case RefuseReason::TooManyCodes:
            return "Too many wrong codes: try again in a few minutes.";
        case RefuseReason::ServerFull:
            return "The server holds all the rooms it may: try again later.";
        case RefuseReason::NameOwned:
            return "A player's name belongs to another machine on this server.";
        case RefuseReason::WatchersFull:
            return "The room has as many spectators as it may.";
        case RefuseReason::Settings:
            return "The server refused the game: a setting is out of its bounds.";
    }
    return "Refused.";
}

std::string roomRefuseText(const Refuse& refuse, const std::string& code) {
    if (refuse.reason == RefuseReason::NoRoom) return "No room has the code " + code + ".";
    if (refuse.reason == RefuseReason::Full) return "The room is full: no seat is free.";
    return refuseText(refuse);
}

std::string stopText(StopReason reason) {
    switch (reason) {
        case StopReason::Disagree:
            return "The machines disagree about the game; it was stopped.";
        case StopReason::Dropped:
            return "The host dropped this machine because it stopped answering.";
        case StopReason::Removed:
            return "This machine's game was not the server's; it was taken out of the game.";
        case StopReason::ServerClosed:
            return "The server is shutting down.";
        case StopReason::HostClosed:
            break;
    }
    return "The host has closed the game.";
}

std::array<std::int32_t, kSettingCount> settingValues(const TInterface& settings) {
    std::array<std::int32_t, kSettingCount> v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = settings.*kSettingFields[i];
    return v;
}

void applySettingValues(TInterface& settings, const std::array<std::int32_t, kSettingCount>& v) {
    for (std::size_t i = 0; i < v.size(); ++i) settings.*kSettingFields[i] = v[i];
}

}  // namespace slyders::net
