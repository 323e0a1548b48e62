// The Expert computer player. Where the other skills look along rays and aim, the Expert
// plays its possible steering for about a second ahead on a model of the arena: the map as it
// stands, its own head moving as the game moves it, and the places every other slyder could
// reach by each tick. The plan that lives longest and ends with the most room to go on wins.
#include "game/expert.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "game/gra.h"

namespace slyders {

namespace {

constexpr int kHorizon = 72;  // ticks looked ahead: about a second at medium speed
// Ticks after which a plan switches from its first move to its second.
constexpr std::array<int, 6> kSwitchTicks{4, 8, 16, 24, 36, 48};
// Where the model feels for obstacles around the head, in units: a little beyond the head's
// own radius, because the speed drifts a little while the model holds it.
constexpr double kProbeReach = 1.15;
constexpr std::array<int, 5> kProbeAngles{0, -45, 45, -90, 90};
// The room after a plan is counted in coarse cells four units wide, each looked at in four
// pixels two units apart: a trail is two units wide, so none slips between them. Beyond
// kRoomCap cells (about a tenth of the arena) the room is plenty.
constexpr double kCoarseUnits = 4.0;
constexpr int kRoomCap = 1500;
constexpr double kMeetDistance = 2.0;  // units between two heads' middles when they touch
constexpr int kTrailDelay = 4;    // a head's position becomes trail when it is this many ticks old
constexpr int kHistoryTicks = 4;  // the positions a slyder remembers before the present one
constexpr std::uint8_t kNever = UINT8_MAX;
constexpr std::uint16_t kFar = UINT16_MAX;
static_assert(kHorizon < kNever);
// The other slyders may turn on every tick, every second or every fourth, either way.
constexpr std::array<int, 3> kFanTurnEvery{1, 2, 4};

constexpr int kLeft = -1, kStraight = 0, kRight = 1;

// A plan holds its first move up to and with tick switchTick, then its second.
struct Plan {
    int first, switchTick, then;
};

// The plans in the order of preference among equals: straight on first, short turns early.
constexpr auto kPlans = [] {
    std::array<Plan, 3 + 6 * kSwitchTicks.size()> plans{};
    std::size_t i = 0;
    for (int move : {kStraight, kLeft, kRight}) plans[i++] = {move, kHorizon, move};
    for (int k : kSwitchTicks) {
        plans[i++] = {kLeft, k, kStraight};
        plans[i++] = {kRight, k, kStraight};
        plans[i++] = {kStraight, k, kLeft};
        plans[i++] = {kStraight, k, kRight};
        plans[i++] = {kLeft, k, kRight};
        plans[i++] = {kRight, k, kLeft};
    }
    return plans;
}();

// A slyder as the model moves it: as the game does, at the speed it has now.
struct Motion {
    float x = 0, y = 0;
    int heading = 0;
    float speed = 1;
};

// The arena as one slot sees it.
struct ArenaView {
    const Arena& arena;
    double u;
    int side;

    // What stops the head of slot s: anything but free cells, gaps and its own head.
    bool blocks(int px, int py, int s) const {
        if (!arena.inside(px, py)) return false;
        const std::int32_t c = arena.cell(px, py);
        return c != kCellFree && c != kCellGap && c != kHeadBase + s;
    }
    bool isGap(int px, int py) const {
        return arena.inside(px, py) && arena.cell(px, py) == kCellGap;
    }

    // One tick of a slyder's movement as the game makes it: the turn, the step and the mirror
    // bounce off the edges. False when the step leaves the arena.
    bool advance(Motion& m, int turn) const {
        int& h = m.heading;
        h = ((h + turn) % 360 + 360) % 360;
        m.x = static_cast<float>(m.x + m.speed * u * cosDeg(h));
        m.y = static_cast<float>(m.y + m.speed * u * sinDeg(h));
        const double x = m.x, y = m.y, far = side - 1;
        if (x < -u / 2 || x > far + u / 2 || y < -u / 2 || y > far + u / 2) return false;
        if (x < u && 90 < h && h < 270) h = 540 - h;
        if (y < u && 180 < h && h < 360) h = 720 - h;
        if (x > far - u && (h > 270 || h < 90)) h = 180 - h;
        if (y > far - u && 0 < h && h < 180) h = 360 - h;
        h = (h + 360) % 360;
        return true;
    }

    // Whether the head of slot s would touch something at m: its middle and its front half.
    bool hits(const Motion& m, int s) const {
        if (blocks(static_cast<int>(m.x), static_cast<int>(m.y), s)) return true;
        const double r = kProbeReach * u;
        return std::any_of(kProbeAngles.begin(), kProbeAngles.end(), [&](int a) {
            return blocks(static_cast<int>(m.x + r * cosDeg(m.heading + a)),
                          static_cast<int>(m.y + r * sinDeg(m.heading + a)), s);
        });
    }
};

// The arena in coarse cells: which are blocked, and the first tick at which another slyder
// could be in each. Kept between calls only to save allocations; every call fills it anew.
struct Coarse {
    int size = 1;  // pixels per cell
    int n = 0;     // cells per row and column
    std::vector<std::uint8_t> blocked;
    std::vector<std::uint8_t> arrival;
    std::vector<std::uint16_t> visit;           // which plan's room count has been in a cell
    std::vector<std::uint16_t> othersDistance;  // steps of the nearest other head, in cells
    std::vector<std::uint16_t> distance;        // steps from the end of the plan being counted
    std::vector<int> queue;

    // The neighbours of cell c across its four sides, -1 beyond the edge.
    std::array<int, 4> neighbours(int c) const {
        const int i = c % n, j = c / n;
        return {i > 0 ? c - 1 : -1, i < n - 1 ? c + 1 : -1, j > 0 ? c - n : -1,
                j < n - 1 ? c + n : -1};
    }

    int index(double x, double y) const {
        const int i = std::clamp(static_cast<int>(x) / size, 0, n - 1);
        const int j = std::clamp(static_cast<int>(y) / size, 0, n - 1);
        return j * n + i;
    }
};

void buildCoarse(Coarse& g, const ArenaView& view, int self) {
    g.size = std::max(1, static_cast<int>(kCoarseUnits * view.u));
    g.n = (view.side + g.size - 1) / g.size;
    const std::size_t cells = std::size_t(g.n) * std::size_t(g.n);
    g.blocked.assign(cells, 0);
    g.arrival.assign(cells, kNever);
    g.visit.assign(cells, 0);
    g.othersDistance.assign(cells, kFar);
    g.distance.assign(cells, 0);
    g.queue.resize(cells);
    const int near = g.size / 4, far = 3 * g.size / 4;
    for (int j = 0; j < g.n; ++j) {
        const int y0 = std::min(view.side - 1, j * g.size + near);
        const int y1 = std::min(view.side - 1, j * g.size + far);
        for (int i = 0; i < g.n; ++i) {
            const int x0 = std::min(view.side - 1, i * g.size + near);
            const int x1 = std::min(view.side - 1, i * g.size + far);
            const bool blocked = view.blocks(x0, y0, self) || view.blocks(x1, y0, self) ||
                                 view.blocks(x0, y1, self) || view.blocks(x1, y1, self);
            g.blocked[std::size_t(j * g.n + i)] = blocked ? 1 : 0;
        }
    }
}

// Marks where another slyder could be by each tick if it turned the same way all along, on
// every tick or on some, until it met an obstacle: the cells it may take before the Expert.
void stampArc(Coarse& g, const ArenaView& view, int other, Motion m, int turn, int every) {
    for (int t = 1; t <= kHorizon; ++t) {
        if (!view.advance(m, t % every == 0 ? turn : 0)) return;
        if (view.blocks(static_cast<int>(m.x), static_cast<int>(m.y), other)) return;
        // Every cell the Expert's head could meet this one in.
        const double r = kMeetDistance * view.u;
        const int lo = g.index(m.x - r, m.y - r), hi = g.index(m.x + r, m.y + r);
        for (int y = lo / g.n; y <= hi / g.n; ++y) {
            for (int x = lo % g.n; x <= hi % g.n; ++x) {
                std::uint8_t& a = g.arrival[std::size_t(y * g.n + x)];
                a = std::min(a, static_cast<std::uint8_t>(t));
            }
        }
    }
}

void stampOthers(Coarse& g, const ArenaView& view, const Gra& gra, int self) {
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        const Slyder& sl = gra.slot(s);
        if (s == self || !sl.alive) continue;
        const Motion start{sl.x, sl.y, (sl.heading % 360 + 360) % 360, sl.speed};
        const int step = gra.turnStepOf(s);
        stampArc(g, view, s, start, 0, 1);
        for (int every : kFanTurnEvery) {
            stampArc(g, view, s, start, -step, every);
            stampArc(g, view, s, start, step, every);
        }
    }
}

// How many cell steps the nearest other living head is from every cell, around obstacles.
void measureOthers(Coarse& g, const Gra& gra, int self) {
    std::size_t head = 0, tail = 0;
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        const Slyder& sl = gra.slot(s);
        if (s == self || !sl.alive) continue;
        const int c = g.index(sl.x, sl.y);
        g.othersDistance[std::size_t(c)] = 0;
        g.queue[tail++] = c;
    }
    while (head < tail) {
        const int c = g.queue[head++];
        const std::uint16_t next = g.othersDistance[std::size_t(c)] + 1;
        for (const int d : g.neighbours(c)) {
            if (d < 0 || g.blocked[std::size_t(d)] || g.othersDistance[std::size_t(d)] <= next) {
                continue;
            }
            g.othersDistance[std::size_t(d)] = next;
            g.queue[tail++] = d;
        }
    }
}

// The coarse cells reachable from the end of a plan, not counting its own trail nor what
// others may take first; up to kRoomCap.
// The cells are counted that the Expert reaches before any other head: starting from the
// end of the plan, kHorizon cell steps ahead of its arrival there counts for the others.
int roomAfter(Coarse& g, const std::array<int, kHorizon>& path, int end, std::uint16_t plan,
              int othersLead) {
    for (int t = 0; t < kHorizon - kTrailDelay; ++t)
        g.visit[std::size_t(path[std::size_t(t)])] = plan;
    g.visit[std::size_t(end)] = plan;
    g.distance[std::size_t(end)] = 0;
    std::size_t head = 0, tail = 0;
    g.queue[tail++] = end;
    int room = 0;
    while (head < tail && room < kRoomCap) {
        const int c = g.queue[head++];
        const int next = g.distance[std::size_t(c)] + 1;
        for (const int d : g.neighbours(c)) {
            if (d < 0) continue;
            const std::size_t k = std::size_t(d);
            if (g.visit[k] == plan || g.blocked[k] || g.arrival[k] != kNever) continue;
            g.visit[k] = plan;
            if (g.othersDistance[k] <= next + othersLead) continue;
            g.distance[k] = static_cast<std::uint16_t>(next);
            g.queue[tail++] = d;
            ++room;
        }
    }
    return std::min(room, kRoomCap);
}

struct Outcome {
    int alive = 0;  // ticks the plan lives, kHorizon for all of them
    int room = 0;   // after the last tick
    int gaps = 0;   // gaps passed through: a point each
};

bool better(const Outcome& a, const Outcome& b) {
    if (a.alive != b.alive) return a.alive > b.alive;
    if (a.room != b.room) return a.room > b.room;
    return a.gaps > b.gaps;
}

struct Self {
    int slot;
    int step;
    Motion start;
    bool inGap;
    std::array<FPoint, kHistoryTicks + 1> history;  // oldest first, the head now last
    int othersLead;                                 // cell steps the others make while a plan runs
};

// Whether the head at m meets its own trail: only a bounce off an edge turns a slyder back
// onto it within the look-ahead. Positions from kTrailDelay ticks before on are still its
// head, which it passes through.
bool meetsOwnTrail(const FPoint* positions, int t, const Motion& m, double reach2) {
    for (int k = -kHistoryTicks; k < t - kTrailDelay; ++k) {
        const FPoint& p = positions[k + kHistoryTicks];
        const double dx = p.x - m.x, dy = p.y - m.y;
        if (dx * dx + dy * dy < reach2) return true;
    }
    return false;
}

// Plays one plan. Its room is counted only when it could still beat the best plan so far:
// with full room already found, only more gaps could.
Outcome runPlan(Coarse& g, const ArenaView& view, const Self& me, const Plan& p,
                std::uint16_t planNumber, const Outcome& best) {
    Motion m = me.start;
    bool inGap = me.inGap, bounced = false;
    std::array<int, kHorizon> path{};
    // Where the head was: its history (oldest first), then the plan's ticks.
    std::array<FPoint, kHistoryTicks + 1 + kHorizon> positions{};
    std::copy(me.history.begin(), me.history.end(), positions.begin());
    const double reach = 2 * kProbeReach * view.u, reach2 = reach * reach;
    Outcome out;
    for (int t = 1; t <= kHorizon; ++t) {
        const int move = t <= p.switchTick ? p.first : p.then;
        const int before = m.heading + move * me.step;
        if (!view.advance(m, move * me.step) || view.hits(m, me.slot)) return out;
        bounced = bounced || m.heading != (before % 360 + 360) % 360;
        positions[std::size_t(t + kHistoryTicks)] = FPoint{m.x, m.y};
        if (bounced && meetsOwnTrail(positions.data(), t, m, reach2)) return out;
        const int c = g.index(m.x, m.y);
        if (g.arrival[std::size_t(c)] <= t) return out;
        path[std::size_t(t - 1)] = c;
        // As in the game, the point comes on leaving the gap.
        const bool gap = view.isGap(static_cast<int>(m.x), static_cast<int>(m.y));
        if (inGap && !gap) ++out.gaps;
        inGap = gap;
        out.alive = t;
    }
    if (best.alive == kHorizon && best.room == kRoomCap && out.gaps <= best.gaps) return out;
    out.room = roomAfter(g, path, path.back(), planNumber, me.othersLead);
    return out;
}

}  // namespace

int expertSteer(const Gra& gra, int slot, int turnStep) {
    thread_local Coarse coarse;
    const ArenaView view{gra.arena, gra.arena.unit(), gra.arena.side()};
    const Slyder& sl = gra.slot(slot);
    Self me{slot,     turnStep, Motion{sl.x, sl.y, (sl.heading % 360 + 360) % 360, sl.speed},
            sl.inGap, {},       0};
    std::reverse_copy(sl.history.begin(), sl.history.end(), me.history.begin());
    buildCoarse(coarse, view, slot);
    stampOthers(coarse, view, gra, slot);
    measureOthers(coarse, gra, slot);
    me.othersLead = static_cast<int>(kHorizon * view.u / coarse.size);

    Outcome best;
    int bestMove = kStraight;
    for (std::size_t i = 0; i < kPlans.size(); ++i) {
        const Outcome o =
            runPlan(coarse, view, me, kPlans[i], static_cast<std::uint16_t>(i + 1), best);
        if (i == 0 || better(o, best)) {
            best = o;
            bestMove = kPlans[i].first;
        }
    }
    return bestMove;
}

}  // namespace slyders
