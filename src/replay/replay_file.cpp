// The replay file: little-endian fields behind a magic name and a format version, closed by
// a checksum of everything before it.
#include <cstring>
#include <stdexcept>
#include <string>

#include "game/arena.h"
#include "game/state_hash.h"
#include "replay/replay.h"

namespace slyders {

namespace {

constexpr char kMagic[8] = {'S', 'L', 'Y', 'R', 'E', 'P', 'L', 'Y'};
constexpr std::size_t kChecksumSize = kReplayChecksumSize;
constexpr std::size_t kMaxText = 255;
constexpr std::uint32_t kMaxEvents = 50'000'000;
constexpr std::int32_t kMaxTick = INT32_MAX - 1;
constexpr std::int32_t kMaxPoints = 1'000'000'000;

}  // namespace

std::uint64_t replayChecksum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 0xCBF29CE484222325ull;  // FNV-1a
    for (std::size_t i = 0; i < size; ++i) {
        h ^= data[i];
        h *= 0x100000001B3ull;
    }
    return h;
}

namespace {

class Writer {
public:
    void u8(std::uint32_t v) { m_out.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v) { uint(v, 2); }
    void u32(std::uint32_t v) { uint(v, 4); }
    void i32(std::int32_t v) { uint(static_cast<std::uint32_t>(v), 4); }
    void u64(std::uint64_t v) { uint(v, 8); }
    void text(const std::string& s) {
        const std::size_t n = std::min(s.size(), kMaxText);
        u8(static_cast<std::uint32_t>(n));
        m_out.insert(m_out.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
    }
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        m_out.insert(m_out.end(), b, b + n);
    }
    std::vector<std::uint8_t>& out() { return m_out; }

private:
    void uint(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) m_out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> m_out;
};

// Reading past the end or a value out of its range is damage, reported with what was read.
struct Damaged : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_p(data), m_end(data + size) {}
    std::uint32_t u8(const char* what) { return static_cast<std::uint32_t>(uint(1, what)); }
    std::uint32_t u16(const char* what) { return static_cast<std::uint32_t>(uint(2, what)); }
    std::uint32_t u32(const char* what) { return static_cast<std::uint32_t>(uint(4, what)); }
    std::int32_t i32(const char* what) { return static_cast<std::int32_t>(u32(what)); }
    std::uint64_t u64(const char* what) { return uint(8, what); }
    std::string text(const char* what) {
        const std::size_t n = u8(what);
        need(n, what);
        std::string s(reinterpret_cast<const char*>(m_p), n);
        m_p += n;
        return s;
    }
    std::int32_t ranged(const char* what, std::int32_t lo, std::int32_t hi) {
        const std::int32_t v = i32(what);
        if (v < lo || v > hi) throw outOfRange(what);
        return v;
    }
    std::int32_t ranged8(const char* what, std::int32_t lo, std::int32_t hi) {
        const auto v = static_cast<std::int32_t>(u8(what));
        if (v < lo || v > hi) throw outOfRange(what);
        return v;
    }
    std::size_t left() const { return static_cast<std::size_t>(m_end - m_p); }

private:
    // One form for every field, whether its name is singular or plural.
    static Damaged outOfRange(const char* what) {
        return Damaged(std::string("there is a value out of range in ") + what);
    }
    void need(std::size_t n, const char* what) {
        if (left() < n) throw Damaged(std::string("it ends inside ") + what);
    }
    std::uint64_t uint(int n, const char* what) {
        need(std::size_t(n), what);
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i) v |= std::uint64_t(m_p[i]) << (8 * i);
        m_p += n;
        return v;
    }
    const std::uint8_t* m_p;
    const std::uint8_t* m_end;
};

void writeStart(Writer& w, const GameStart& s) {
    w.u8(s.demo ? 1 : 0);
    w.u8(std::uint32_t(s.computers));
    w.u8(std::uint32_t(s.humans));
    w.u8(std::uint32_t(s.skill));
    w.u8(std::uint32_t(s.speed));
    w.u64(s.seed);
    for (const HumanSeat& seat : s.seats) {
        w.u8(std::uint32_t(seat.keyPair));
        w.i32(seat.rosterIndex);
    }
    for (std::int32_t p : s.roundPoints) w.i32(p);
    for (std::int32_t r : s.roundsWon) w.i32(r);
}

GameStart readStart(Reader& r) {
    GameStart s;
    s.demo = r.ranged8("the DEMO flag", 0, 1) == 1;
    s.computers = r.ranged8("the number of computer players", 0, 2);
    s.humans = r.ranged8("the number of human players", 0, kHumanSeats);
    s.skill = r.ranged8("the skill", kLowestSkill, kHighestSkill);
    s.speed = r.ranged8("the speed", 0, 2);
    s.seed = r.u64("the seed");
    for (HumanSeat& seat : s.seats) {
        seat.keyPair = r.ranged8("a key pair", 0, 255);
        seat.rosterIndex = r.ranged("a seat's player", -1, 100'000);
    }
    for (std::int32_t& p : s.roundPoints) p = r.ranged("the round points", 0, kMaxPoints);
    for (std::int32_t& w : s.roundsWon) w = r.ranged("the rounds won", 0, kMaxPoints);
    if (!s.demo && s.humans + s.computers == 0) throw Damaged("the game has no players");
    return s;
}

// Checked before anything is played: the side decides how much memory the playback takes.
int readArenaSide(Reader& r) {
    const auto side = static_cast<int>(r.u16("the arena side"));
    if (side > kMaxArenaSide) {
        throw Damaged("its arena side of " + std::to_string(side) +
                      " pixels is larger than any screen gives (at most " +
                      std::to_string(kMaxArenaSide) + ")");
    }
    if (side < kMinArenaSide) {
        throw Damaged("its arena side of " + std::to_string(side) +
                      " pixels is smaller than any window gives (at least " +
                      std::to_string(kMinArenaSide) + ")");
    }
    return side;
}

void writeEvent(Writer& w, const ReplayEvent& e) {
    w.i32(e.tick);
    w.u8(std::uint32_t(e.kind));
    switch (e.kind) {
        case ReplayEventKind::Input:
            w.bytes(e.input.seat.data(), e.input.seat.size());
            break;
        case ReplayEventKind::Speed:
            w.u8(std::uint32_t(e.value));
            break;
        case ReplayEventKind::FastFinish:
            break;
        case ReplayEventKind::Setting:
            w.u8(e.setting);
            w.i32(e.value);
            break;
        case ReplayEventKind::Leave:
            w.u8(std::uint32_t(e.value));
            break;
    }
}

ReplayEvent readEvent(Reader& r, std::int32_t after, std::int32_t endTick, std::uint32_t version) {
    ReplayEvent e;
    e.tick = r.ranged("an event's tick", after, endTick);
    const std::uint32_t kind = r.u8("an event");
    switch (kind) {
        case std::uint32_t(ReplayEventKind::Input):
            e.kind = ReplayEventKind::Input;
            for (std::uint8_t& b : e.input.seat) {
                b = static_cast<std::uint8_t>(r.ranged8("the held keys", 0, 3));
            }
            break;
        case std::uint32_t(ReplayEventKind::Speed):
            e.kind = ReplayEventKind::Speed;
            e.value = r.ranged8("a speed change", 0, 2);
            break;
        case std::uint32_t(ReplayEventKind::FastFinish):
            e.kind = ReplayEventKind::FastFinish;
            break;
        case std::uint32_t(ReplayEventKind::Setting):
            e.kind = ReplayEventKind::Setting;
            e.setting = static_cast<std::uint8_t>(
                r.ranged8("a setting's number", 0, kReplaySettingCount - 1));
            e.value = r.i32("a setting's value");
            break;
        case std::uint32_t(ReplayEventKind::Leave):
            if (version < 2) throw Damaged("an event of an unknown kind");
            e.kind = ReplayEventKind::Leave;
            e.value = r.ranged8("the seats that left", 1, (1 << kHumanSeats) - 1);
            break;
        default:
            throw Damaged("an event of an unknown kind");
    }
    return e;
}

// The parts of a replay that must fit together.
void checkWhole(const Replay& rp) {
    if (rp.hashes.size() != std::size_t(rp.endTick / kHashInterval)) {
        throw Damaged("its checks do not cover the game");
    }
    const int slots = rp.start.demo ? kSlotCount : rp.start.computers + rp.start.humans;
    if (int(rp.deathOrder.size()) > slots) throw Damaged("more slyders died than played");
    for (char c : rp.deathOrder) {
        if (c < '0' || c > '5') throw Damaged("the order of deaths names no slot");
    }
}

}  // namespace

std::vector<std::uint8_t> encodeReplay(const Replay& rp) {
    Writer w;
    w.bytes(kMagic, sizeof kMagic);
    // A replay of an older game is written as the version that knew its rules.
    w.u16(rp.start.rules == Rules::FirstCorners ? kFirstCornersLastVersion : kReplayFormatVersion);
    w.text(rp.programVersion);
    w.u64(static_cast<std::uint64_t>(rp.startedAt));
    w.u8(rp.network ? 1 : 0);
    writeStart(w, rp.start);
    w.u16(std::uint32_t(rp.arenaSide));
    w.u8(kReplaySettingCount);
    for (std::int32_t v : rp.settings) w.i32(v);
    for (int s = 0; s < kSlotCount; ++s) {
        w.text(rp.names[std::size_t(s)]);
        w.i32(rp.ratings[std::size_t(s)]);
    }
    w.u8(std::uint32_t(rp.end));
    w.i32(rp.endTick);
    w.u32(static_cast<std::uint32_t>(rp.events.size()));
    for (const ReplayEvent& e : rp.events) writeEvent(w, e);
    w.u32(static_cast<std::uint32_t>(rp.hashes.size()));
    for (std::uint64_t h : rp.hashes) w.u64(h);
    for (std::int32_t p : rp.points) w.i32(p);
    w.text(rp.deathOrder);
    w.u16(static_cast<std::uint32_t>(std::min<std::size_t>(rp.resultText.size(), 0xFFFF)));
    w.bytes(rp.resultText.data(), std::min<std::size_t>(rp.resultText.size(), 0xFFFF));
    w.u64(replayChecksum(w.out().data(), w.out().size()));
    return std::move(w.out());
}

ReplayReadResult decodeReplay(const std::uint8_t* data, std::size_t size) {
    ReplayReadResult result;
    if (size < sizeof kMagic + 2 || std::memcmp(data, kMagic, sizeof kMagic) != 0) {
        result.error = "This file is not a Slyders replay.";
        return result;
    }
    const std::uint32_t version = std::uint32_t(data[8]) | std::uint32_t(data[9]) << 8;
    if (version > kReplayFormatVersion) {
        result.error = "This replay was made by a newer Slyders.";
        return result;
    }
    try {
        if (version == 0) throw Damaged("its format version is 0");
        if (size < sizeof kMagic + 2 + kChecksumSize) throw Damaged("it is cut short");
        Reader tail(data + size - kChecksumSize, kChecksumSize);
        if (tail.u64("the checksum") != replayChecksum(data, size - kChecksumSize)) {
            throw Damaged("it was cut short or changed since it was written");
        }
        Reader r(data + sizeof kMagic + 2, size - sizeof kMagic - 2 - kChecksumSize);
        Replay rp;
        rp.programVersion = r.text("the program version");
        rp.startedAt = static_cast<std::int64_t>(r.u64("the date"));
        rp.network = r.ranged8("the network flag", 0, 1) == 1;
        rp.start = readStart(r);
        rp.start.rules =
            version <= kFirstCornersLastVersion ? Rules::FirstCorners : Rules::MirrorCorners;
        rp.arenaSide = readArenaSide(r);
        if (r.u8("the settings") != kReplaySettingCount) {
            throw Damaged("it does not hold the 23 settings");
        }
        for (std::int32_t& v : rp.settings) v = r.i32("the settings");
        for (int s = 0; s < kSlotCount; ++s) {
            rp.names[std::size_t(s)] = r.text("the names");
            rp.ratings[std::size_t(s)] = r.ranged("the ratings", 0, 100);
        }
        rp.end = r.ranged8("the end", 0, 1) == 0 ? ReplayEnd::Over : ReplayEnd::Stopped;
        rp.endTick = r.ranged("the last tick", 0, kMaxTick);
        const std::uint32_t events = r.u32("the events");
        if (events > kMaxEvents || events > r.left() / 5)
            throw Damaged("it ends inside the events");
        rp.events.reserve(events);
        std::int32_t last = 1;
        for (std::uint32_t i = 0; i < events; ++i) {
            rp.events.push_back(readEvent(r, last, rp.endTick, version));
            last = rp.events.back().tick;
        }
        const std::uint32_t hashes = r.u32("the checks");
        if (hashes > r.left() / 8) throw Damaged("it ends inside the checks");
        rp.hashes.resize(hashes);
        for (std::uint64_t& h : rp.hashes) h = r.u64("the checks");
        for (std::int32_t& p : rp.points) p = r.ranged("the final points", 0, kMaxPoints);
        rp.deathOrder = r.text("the order of deaths");
        const std::uint32_t textSize = r.u16("the result");
        std::string text;
        for (std::uint32_t i = 0; i < textSize; ++i) text += static_cast<char>(r.u8("the result"));
        rp.resultText = std::move(text);
        if (r.left() != 0) throw Damaged("there are bytes after its end");
        checkWhole(rp);
        result.replay = std::move(rp);
    } catch (const Damaged& d) {
        result.error = std::string("This replay is damaged: ") + d.what() + ".";
    }
    return result;
}

}  // namespace slyders
