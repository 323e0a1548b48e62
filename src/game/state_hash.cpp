#include "game/state_hash.h"

#include <array>
#include <bit>
#include <cstring>

#include "game/gra.h"

namespace slyders {

namespace {

// A fast 64-bit mix (multiply and rotate per word); not for secrets, only for agreement.
class Hasher {
public:
    void add(std::uint64_t v) {
        m_h ^= v * kMul1;
        m_h = std::rotl(m_h, 29) * kMul2;
    }
    void addFloat(float f) { add(std::bit_cast<std::uint32_t>(f)); }
    std::uint64_t value() const {
        std::uint64_t h = m_h;
        h ^= h >> 33;
        h *= kMul1;
        h ^= h >> 29;
        return h;
    }

private:
    static constexpr std::uint64_t kMul1 = 0x9E3779B97F4A7C15ull;
    static constexpr std::uint64_t kMul2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t m_h = 0x243F6A8885A308D3ull;
};

constexpr std::size_t kWordBytes = 8;
constexpr std::size_t kLanes = 4;
constexpr std::size_t kStripeBytes = kLanes * 2 * kWordBytes;  // two words per lane
constexpr std::uint64_t kLaneMul = 0xFF51AFD7ED558CCDull;
constexpr int kLaneRotate = 31;
constexpr std::array<std::uint64_t, kLanes> kLaneSeeds = {
    0x13198A2E03707344ull, 0xA4093822299F31D0ull, 0x082EFA98EC4E6C89ull, 0x452821E638D01377ull};
// No byte of these is a cell value (-3 .. 15), so a word of cells xor a key is never zero
// and never wipes out its lane in the multiplication.
constexpr std::array<std::uint64_t, kLanes> kLaneKeys = {
    0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull, 0x27D4EB2F165667C5ull};

// The map as the first rules hashed it: two cells per word, row after row, each as its
// 32-bit value, the first in the low half; a word may take the last cell of one row and the
// first of the next.
void addMapCellByCell(Hasher& h, const Grid<Cell>& map) {
    auto value = [](Cell c) { return std::uint32_t(std::int32_t(c)); };
    bool half = false;
    std::uint32_t low = 0;
    for (int y = 0; y < map.height(); ++y) {
        const Cell* row = map.row(y);
        for (int x = 0; x < map.width(); ++x) {
            if (half) h.add(low | std::uint64_t(value(row[x])) << 32);
            else low = value(row[x]);
            half = !half;
        }
    }
    if (half) h.add(low);
}

// Eight cells as one little-endian word, whatever the machine's byte order, so that network
// peers of any kind agree.
std::uint64_t loadWord(const std::uint8_t* p) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    return w;
}

// The last n (< 8) cells of a row the same way, zeros above them.
std::uint64_t loadTail(const std::uint8_t* p, std::size_t n) {
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < n; ++i) w |= std::uint64_t(p[i]) << (8 * i);
    return w;
}

std::uint64_t mixLane(std::uint64_t lane, std::uint64_t word) {
    return std::rotl((lane ^ word) * kLaneMul, kLaneRotate);
}

// Sixteen cells into a lane with one full multiplication, its high and low halves folded.
std::uint64_t foldLane(std::uint64_t lane, std::uint64_t first, std::uint64_t second,
                       std::uint64_t key) {
    __extension__ using Wide = unsigned __int128;
    const Wide m = Wide(lane ^ first) * Wide(second ^ key);
    return std::uint64_t(m) ^ std::uint64_t(m >> 64);
}

// The map sixteen cells per lane and step, in four lanes that do not wait for each other, so
// the processor overlaps their multiplications: the whole map is read every check, and this
// is what makes checking a replay nearly as fast as playing the game. A row's last words and
// its last cells, fewer than eight, are mixed in one word at a time.
void addMapByWords(Hasher& h, const Grid<Cell>& map) {
    std::array<std::uint64_t, kLanes> lane = kLaneSeeds;
    const auto width = std::size_t(map.width());
    for (int y = 0; y < map.height(); ++y) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(map.row(y));
        std::size_t x = 0;
        for (; x + kStripeBytes <= width; x += kStripeBytes) {
            for (std::size_t k = 0; k < kLanes; ++k) {
                const std::uint8_t* q = p + x + 2 * k * kWordBytes;
                lane[k] = foldLane(lane[k], loadWord(q), loadWord(q + kWordBytes), kLaneKeys[k]);
            }
        }
        for (std::size_t k = 0; x + kWordBytes <= width; x += kWordBytes, ++k) {
            lane[k % kLanes] = mixLane(lane[k % kLanes], loadWord(p + x));
        }
        if (x < width) lane[kLanes - 1] = mixLane(lane[kLanes - 1], loadTail(p + x, width - x));
    }
    for (std::uint64_t v : lane) h.add(v);
}

}  // namespace

std::uint64_t stateHash(const Gra& gra) {
    Hasher h;
    if (gra.rules == Rules::FirstCorners) addMapCellByCell(h, gra.arena.map());
    else addMapByWords(h, gra.arena.map());
    h.add(std::uint32_t(gra.tick));
    h.add(std::uint32_t(gra.firstSlot) << 8 | std::uint32_t(gra.humans));
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        const Slyder& sl = gra.slot(s);
        h.addFloat(sl.x);
        h.addFloat(sl.y);
        h.addFloat(sl.speed);
        h.add(std::uint32_t(sl.heading));
        h.add(std::uint64_t(sl.alive) | std::uint64_t(sl.inGap) << 1);
        h.add(std::uint32_t(sl.gapLeft) | std::uint64_t(std::uint32_t(sl.nextGap)) << 32);
        h.add(std::uint32_t(sl.invisibleLeft));
        h.add(std::uint32_t(sl.gamePoints) | std::uint64_t(std::uint32_t(sl.roundPoints)) << 32);
    }
    h.add(gra.ops.size());
    for (const Ops& op : gra.ops) {
        h.add(std::uint64_t(op.active) | std::uint64_t(std::uint32_t(op.kind)) << 8);
        h.add(std::uint32_t(op.lifetime) | std::uint64_t(std::uint32_t(op.age)) << 32);
        h.addFloat(op.x);
        h.addFloat(op.y);
        h.add(std::uint32_t(op.angle) | std::uint64_t(std::uint32_t(op.parameter)) << 32);
    }
    for (bool on : gra.disasters.on) h.add(on);
    h.add(gra.rng().state());
    return h.value();
}

}  // namespace slyders
