#include "net/lockstep.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/gra.h"
#include "game/tick_pace.h"

namespace slyders::net {

namespace {
constexpr double kJitterMs = 5;
constexpr double kFarRoundTripMs = 20;  // beyond this the link may lose and resend
constexpr int kMaxDelay = 60;
}  // namespace

int inputDelayFor(double roundTripMs, int speedLevel) {
    const double tickMs =
        double(tickPeriodMs(speedLevel)) * kPeriodsPerGroup / kTicksPerGroup;
    int d = static_cast<int>(std::ceil((roundTripMs + kJitterMs) / tickMs));
    if (roundTripMs > kFarRoundTripMs) d += 1;
    return std::clamp(d, 1, kMaxDelay);
}

HostLockstep::HostLockstep(std::vector<std::uint8_t> seatMasks, int delay)
    : m_masks(std::move(seatMasks)),
      m_delay(delay),
      m_inputs(m_masks.size()),
      m_gone(m_masks.size(), false) {}

bool HostLockstep::addInput(int machine, std::uint32_t firstTick, std::uint8_t seatMask,
                            const std::vector<std::uint8_t>& packed, int* added) {
    if (machine < 0 || std::size_t(machine) >= m_masks.size()) return false;
    const std::uint8_t mask = m_masks[std::size_t(machine)];
    if (seatMask != mask) return false;
    const std::uint32_t next = nextRelease();
    const std::uint64_t last = std::uint64_t(firstTick) + packed.size() - 1;
    if (firstTick > next + kMaxAhead || last + kMaxBehind < next || firstTick == 0) return false;
    const std::uint8_t allowed = inputBitsOf(mask);
    for (std::uint8_t b : packed) {
        if (b & ~allowed) return false;
    }
    if (m_gone[std::size_t(machine)]) return true;
    auto& inputs = m_inputs[std::size_t(machine)];
    for (std::size_t i = 0; i < packed.size(); ++i) {
        const std::uint32_t t = firstTick + std::uint32_t(i);
        if (t >= next && int(t) > m_delay && inputs.emplace(t, packed[i]).second && added) {
            ++*added;
        }
    }
    return true;
}

std::size_t HostLockstep::held() const {
    std::size_t n = 0;
    for (const auto& inputs : m_inputs) n += inputs.size();
    return n;
}

bool HostLockstep::hasInput(int machine, std::uint32_t tick) const {
    // A machine with no seats (a server that only plays along) sends no input.
    if (int(tick) <= m_delay || m_gone[std::size_t(machine)] || m_masks[std::size_t(machine)] == 0)
        return true;
    return m_inputs[std::size_t(machine)].count(tick) > 0;
}

int HostLockstep::lateMachine() const {
    for (int m = 0; m < int(m_masks.size()); ++m) {
        if (!hasInput(m, nextRelease())) return m;
    }
    return -1;
}

int HostLockstep::releaseReady() {
    int count = 0;
    // Ticks wait for somebody's keys: with no machine that steers left (a server whose
    // players all went) nothing more is released.
    bool steered = false;
    for (std::size_t m = 0; m < m_masks.size(); ++m) steered |= m_masks[m] != 0 && !m_gone[m];
    while (steered && lateMachine() < 0) {
        const std::uint32_t t = nextRelease();
        FrameEntry e;
        for (int m = 0; m < int(m_masks.size()); ++m) {
            auto& inputs = m_inputs[std::size_t(m)];
            const auto it = inputs.find(t);
            if (it != inputs.end()) {
                if (!m_gone[std::size_t(m)]) e.packed |= it->second;
                inputs.erase(it);
            }
        }
        e.killSeats = m_pendingKills;
        m_pendingKills = 0;
        m_frames.push_back(e);
        ++count;
    }
    return count;
}

void HostLockstep::markGone(int machine) {
    if (m_gone[std::size_t(machine)]) return;
    m_gone[std::size_t(machine)] = true;
    m_pendingKills |= m_masks[std::size_t(machine)];
    m_inputs[std::size_t(machine)].clear();
}

std::optional<FrameEntry> HostLockstep::released(std::uint32_t tick) const {
    if (tick == 0 || tick > m_frames.size()) return std::nullopt;
    return m_frames[tick - 1];
}

std::optional<Frame> HostLockstep::framesFrom(std::uint32_t from, std::uint16_t game) const {
    if (from == 0) from = 1;
    if (from > m_frames.size()) return std::nullopt;
    const std::uint32_t end = std::uint32_t(m_frames.size());
    const std::uint32_t first = std::max(from, end >= kMaxRun ? end - kMaxRun + 1 : 1u);
    Frame f;
    f.game = game;
    f.firstTick = first;
    f.entries.assign(m_frames.begin() + (first - 1), m_frames.end());
    return f;
}

void GuestLockstep::setOwnInput(std::uint32_t tick, std::uint8_t packed) {
    if (int(tick) > m_delay) m_own.emplace(tick, std::uint8_t(packed & inputBitsOf(m_seats)));
}

std::optional<Input> GuestLockstep::pendingInput(std::uint16_t game) const {
    auto it = m_own.upper_bound(framesKnown());
    if (it == m_own.end()) return std::nullopt;
    const std::uint32_t last = m_own.rbegin()->first;
    const std::uint32_t first = std::max(it->first, last >= kMaxRun ? last - kMaxRun + 1 : 1u);
    Input in;
    in.game = game;
    in.firstTick = first;
    in.seatMask = m_seats;
    in.framesKnown = framesKnown();
    for (std::uint32_t t = first; t <= last; ++t) {
        const auto own = m_own.find(t);
        in.packed.push_back(own == m_own.end() ? 0 : own->second);
    }
    return in;
}

bool GuestLockstep::addFrame(const Frame& frame) {
    const std::uint32_t known = framesKnown();
    if (frame.firstTick == 0 || frame.firstTick > known + 1 + kMaxAhead) return false;
    for (std::size_t i = 0; i < frame.entries.size(); ++i) {
        if (frame.firstTick + i == m_frames.size() + 1) m_frames.push_back(frame.entries[i]);
    }
    m_own.erase(m_own.begin(), m_own.upper_bound(framesKnown()));  // confirmed: never resent
    return true;
}

std::optional<FrameEntry> GuestLockstep::frameFor(std::uint32_t tick) const {
    if (tick == 0 || tick > m_frames.size()) return std::nullopt;
    return m_frames[tick - 1];
}

bool HashBook::own(std::uint32_t tick, std::uint64_t hash) {
    m_own[tick] = hash;
    m_ownLast = std::max(m_ownLast, tick);
    bool disagree = false;
    const auto [lo, hi] = m_early.equal_range(tick);
    for (auto it = lo; it != hi; ++it) disagree |= check(it->second.first, tick, it->second.second);
    // Hashes of ticks this machine has passed without one have nothing to be compared with.
    for (auto it = m_early.begin(); it != hi; ++it) --m_earlyOf[it->second.first];
    m_early.erase(m_early.begin(), hi);
    return disagree;
}

bool HashBook::other(int machine, std::uint32_t tick, std::uint64_t hash) {
    if (m_own.count(tick) == 0) {
        // A machine far ahead (playing the rest of the game alone) is checked as far as
        // there is room; the rest of its hashes are let go.
        std::size_t& early = m_earlyOf[machine];
        if (tick <= m_ownLast || early >= kMaxEarlyHashes) return false;
        ++early;
        m_early.emplace(tick, std::make_pair(machine, hash));
        return false;
    }
    return check(machine, tick, hash);
}

bool HashBook::check(int machine, std::uint32_t tick, std::uint64_t hash) {
    ++m_compared;
    if (m_own.at(tick) == hash) return false;
    if (std::find(m_disagreeing.begin(), m_disagreeing.end(), machine) == m_disagreeing.end())
        m_disagreeing.push_back(machine);
    return true;
}

std::vector<int> HashBook::takeDisagreeing() {
    return std::exchange(m_disagreeing, {});
}

}  // namespace slyders::net

namespace slyders::net {

namespace {
constexpr int kBotRays = 19;
constexpr int kBotMiddle = 9;  // straight ahead; lower rays lie to the left
}  // namespace

std::uint8_t botSteer(const Gra& gra, int seat) {
    const int s = seat + 2;
    if (!gra.isActive(s) || !gra.slot(s).alive) return kSteerNone;
    int best = kBotMiddle;
    double bestScore = gra.scoreRay(s, kBotMiddle);
    for (int j = 0; j < kBotRays; ++j) {
        const double score = gra.scoreRay(s, j);
        if (score > bestScore) {
            best = j;
            bestScore = score;
        }
    }
    if (best < kBotMiddle) return kSteerLeft;
    if (best > kBotMiddle) return kSteerRight;
    return kSteerNone;
}

}  // namespace slyders::net
