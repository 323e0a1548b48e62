// Extras and disasters: walls, tunnels, void, food, the cruel mouse, scrolling, attractors
// and invisibility. A disaster makes its event come 60 times as often until it ends by chance.
#include <algorithm>
#include <cmath>

#include "game/gra.h"

namespace slyders {

namespace {

constexpr int kWallBase = 3000, kTunnelBase = 7000, kVoidBase = 3000, kFoodBase = 2000;
constexpr int kMouseBase = 6000, kScrollBase = 3000, kAttractorBase = 6000, kInvisBase = 3000;
constexpr int kDisasterStart = 5;  // 1 in 5 per event
constexpr int kPicks = 20;         // tries to find a living slyder

}  // namespace

bool Gra::eventFires(int base, bool disaster) {
    return m_rng.mod(base / (59 * (disaster ? 1 : 0) + 1)) == 0;
}

int Gra::pickAliveSlot() {
    int s = firstSlot;
    for (int i = 0; i < kPicks; ++i) {
        s = firstSlot + m_rng.mod(activeCount());
        if (slot(s).alive) break;
    }
    return s;
}

int Gra::pickAliveHuman() {
    int s = 2;
    for (int i = 0; i < kPicks; ++i) {
        s = humans > 0 ? 2 + m_rng.mod(humans) : 2;
        if (slot(s).alive) break;
    }
    return s;
}

void Gra::tryStartDisaster(Disaster disaster, const char* message) {
    const std::array<std::int32_t, kDisasterCount> switches{
        m_settings.dis_wall, m_settings.dis_tunnel, m_settings.dis_void, m_settings.dis_attract};
    bool& flag = disasters[disaster];
    if (flag) return;
    if (m_rng.mod(kDisasterStart) == 0 && (switches[std::size_t(disaster)] || demo)) {
        flag = true;
        ShowEvent(message, kPink);
    }
}

void Gra::maybeEndDisaster(Disaster disaster, int endChance) {
    bool& flag = disasters[disaster];
    if (flag && m_rng.mod(endChance) == 0) flag = false;
}

// Walls, voids and attractors: the object, its sound, and the disaster's start or end.
void Gra::growingEvent(OpsKind kind, int sound, const char* message, Disaster disaster,
                       const char* disasterMessage, int endChance) {
    Ops op;
    MakeEvent(op, kind);
    playSound(sound, 0, panByX(op.x, false));
    ops.push_back(op);
    tryStartDisaster(disaster, disasterMessage);
    if (!disasters[disaster]) ShowEvent(message, kYellow);
    maybeEndDisaster(disaster, endChance);
}

void Gra::startEvents() {
    const bool on = demo;  // in a DEMO game every event is on
    const TInterface& set = m_settings;
    if (eventFires(kWallBase, disasters[Disaster::Wall]) && (set.xtr_wall || on)) {
        growingEvent(OpsKind::Wall, kSndWall, "Wall", Disaster::Wall, "Wall disaster!", 7);
    }
    if (eventFires(kTunnelBase, disasters[Disaster::Tunnel]) && (set.xtr_tunnel || on)) {
        startTunnel();
    }
    if (eventFires(kVoidBase, disasters[Disaster::Void]) && (set.xtr_void || on)) {
        growingEvent(OpsKind::Void, kSndEmpty, "Void...", Disaster::Void, "Void disaster!", 4);
    }
    if (eventFires(kFoodBase, false) && (set.xtr_food || on)) {
        Ops op;
        MakeEvent(op, OpsKind::Food);
        playSound(kSndFood, 0, panByX(op.x, false));
        ops.push_back(op);
        ShowEvent("Where is the food?", kYellow);
    }
    if (eventFires(kMouseBase, false) && (set.xtr_cruelptr || on)) {
        const int s = pickAliveHuman();
        if (slot(s).alive && isActive(s)) {
            Ops op;
            op.kind = OpsKind::CruelMouse;
            op.parameter = s;
            op.lifetime = 50 + m_rng.mod(200);
            ops.push_back(op);
            playSound(kSndCruelPtr, 0, panByX(slot(s).x, false));
            ShowEvent("Cruel mouse", kYellow);
        }
    }
    if (eventFires(kScrollBase, false) && (set.xtr_scroll || on)) {
        Ops op;
        MakeEvent(op, OpsKind::Scroll);
        playSound(kSndScroll, 0, 0);
        ops.push_back(op);
        ShowEvent("Scrolling...", kYellow);
    }
    if (eventFires(kAttractorBase, disasters[Disaster::Attractor]) && (set.xtr_attract || on)) {
        growingEvent(OpsKind::Attractor, kSndAttract, "Attractor", Disaster::Attractor,
                     "Attractor disaster!", 7);
    }
    if (eventFires(kInvisBase, false) && (set.xtr_invis || on)) {
        const int s = pickAliveSlot();
        Slyder& sl = slot(s);
        if (sl.alive && sl.invisibleLeft == 0) {
            sl.invisibleLeft = 300 + m_rng.mod(200);
            playSound(kSndInvis, 0, panByX(sl.x, false));
            ShowEvent(DisplayName(s) + " disappears!", kYellow);
        }
    }
}

// Two walls close in ahead of a slyder, 60 degrees to either side.
void Gra::startTunnel() {
    const int s = pickAliveSlot();
    const Slyder& sl = slot(s);
    if (sl.alive) {
        const int L = 60 + m_rng.mod(40);
        const int r = m_rng.mod(2);
        const double u = arena.unit();
        for (const int side : {-1, 1}) {
            Ops op;
            op.kind = OpsKind::Tunnel;
            op.lifetime = L;
            op.x = static_cast<float>(sl.x + 30 * u * cosDeg(sl.heading + 60 * side));
            op.y = static_cast<float>(sl.y + 30 * u * sinDeg(sl.heading + 60 * side));
            op.angle = side < 0 ? sl.heading + r + 15 : sl.heading - 15 - r;
            op.parameter = side;
            ops.push_back(op);
        }
        playSound(kSndTunnel, 0, panByX(sl.x, false));
        if (!disasters[Disaster::Tunnel]) ShowEvent("Tunnel", kYellow);
    }
    tryStartDisaster(Disaster::Tunnel, "Tunnel disaster!");
    maybeEndDisaster(Disaster::Tunnel, 7);
}

void Gra::MakeEvent(Ops& op, OpsKind kind) {
    op.active = true;
    op.age = 0;
    op.kind = kind;
    const int S = arena.side();
    const int m = static_cast<int>(10 * arena.unit());  // keep clear of the left and top edges
    switch (kind) {
        case OpsKind::Wall:
            switch (m_rng.mod(5)) {
                case 0:
                    op.x = 0, op.y = float(m + m_rng.mod(S - m)), op.angle = 0;
                    break;
                case 1:
                    op.x = float(m + m_rng.mod(S - m)), op.y = 0, op.angle = 90;
                    break;
                case 2:
                    op.x = float(S - 1), op.y = float(m + m_rng.mod(S - m)), op.angle = 180;
                    break;
                case 3:
                    op.x = float(m + m_rng.mod(S - m)), op.y = float(S - 1), op.angle = 270;
                    break;
                default: {
                    const int a = m_rng.mod(8);
                    op.y = float(m_rng.mod(S));
                    op.x = float(m_rng.mod(S));
                    op.angle = 45 * a;
                }
            }
            op.lifetime = 100 + m_rng.mod(50);
            break;
        case OpsKind::Void: {
            op.y = float(5 * m + m_rng.mod(S - 5 * m));
            op.x = float(5 * m + m_rng.mod(S - 5 * m));
            const int a = 30 + m_rng.mod(20), b = 30 + m_rng.mod(20);
            const int area = static_cast<int>(a * b * kPi * 1.2);
            op.lifetime = area - area % 2;
            break;
        }
        case OpsKind::Food:
            op.y = float(m + m_rng.mod(S - m));
            op.x = float(m + m_rng.mod(S - m));
            op.lifetime = 200 + 100 * m_rng.mod(4);
            break;
        case OpsKind::Scroll:
            op.x = op.y = -1;
            op.parameter = m_rng.mod(4);
            op.lifetime = 200 + 20 * m_rng.mod(40);
            break;
        case OpsKind::Attractor:
            op.parameter = 2 * m_rng.mod(2) - 1;
            op.y = float(m + m_rng.mod(S - m));
            op.x = float(m + m_rng.mod(S - m));
            op.lifetime = 400 + m_rng.mod(800);
            break;
        default:
            break;
    }
}

// A brick line two units wide that grows a unit per step, now and then turning square.
void Gra::runWall(Ops& op) {
    if (m_rng.mod(70) == 0) op.angle += (1 - m_rng.mod(3)) * 90;
    StepAlong(op.x, op.y, op.angle);
    arena.PutDisc(op.x, op.y, kCellSolid, kBrick);
}

// The void is eaten out from its centre outward, evenly over its area: a white flash on odd
// steps, the erase of a disc of two units on even ones.
void Gra::runVoid(Ops& op) {
    const bool odd = op.age % 2 == 1;
    if (odd) op.angle = m_rng.mod(360);
    const double r = std::sqrt((odd ? op.age : op.age - 1) / kPi);
    const double d = 5.0 / 6.0 * r * arena.unit();
    const double px = op.x + d * cosDeg(op.angle), py = op.y + d * sinDeg(op.angle);
    if (odd) {
        arena.PutDisc(px, py, kCellFree, kWhite);
    } else {
        arena.EraseDiscR(px, py, 2);
    }
}

// Food: a coloured dot every 50 steps, further out as it ages; its cells count as gap.
void Gra::runFood(Ops& op) {
    if (op.age % 50 != 0) return;
    op.parameter = op.age / 100 + 2;
    const int angle = m_rng.mod(360);
    const double d = op.parameter * arena.unit();
    const Rgb colour = slot(m_rng.mod(6)).light;
    arena.PutDisc(op.x + d * cosDeg(angle), op.y + d * sinDeg(angle), kCellGap, colour);
}

// Bends every living slyder's heading a degree toward (or away from) the attractor, every
// step when close and down to every 31st step across the whole arena.
void Gra::runAttractor(Ops& op) {
    if (op.age % 10 == 0) DrawAttractor(op, false);
    const double S = arena.side();
    const double diagonal = std::sqrt(S * S + S * S);
    for (Slyder& sl : slots) {
        if (!sl.alive || sl.x == op.x || sl.y == op.y) continue;
        const double f = std::hypot(double(sl.x) - op.x, double(sl.y) - op.y) / diagonal;
        int a = static_cast<int>(std::atan2(double(sl.y) - op.y, double(sl.x) - op.x) * 180 / kPi);
        if (op.parameter == 1) a += 180;
        a = (a + 360) % 360;
        int& t = sl.heading;
        const int sigma = std::max(t, a) - std::min(t, a) > 180 ? 1 : -1;
        if (op.age % (static_cast<int>(30 * f) + 1) == 0) t += a > t ? -sigma : sigma;
    }
    if (op.age == op.lifetime) DrawAttractor(op, true);
}

// A pinwheel of five hooked arms that turns, slows to a stop over the last fifth of its
// life, and stays behind in brick as an obstacle.
void Gra::DrawAttractor(Ops& op, bool final) {
    const double L = op.lifetime;
    auto wave = [&](double k) {
        return std::uint8_t(static_cast<int>(220 + 35 * std::sin(op.age * k * kPi / L)) & 0xFF);
    };
    const Rgb colour = final ? kBrick : Rgb{wave(7), wave(5), wave(4)};
    const double u = arena.unit();
    arena.EraseDiscR(op.x, op.y, static_cast<int>(5 * u));
    const double w = op.age < 0.8 * L ? 20 : 20 * (1 - (op.age - 0.8 * L) / (0.2 * L));
    op.angle = static_cast<int>(op.angle + op.parameter * w);
    arena.PutDisc(op.x, op.y, kCellSolid, colour);
    const int cx = static_cast<int>(op.x), cy = static_cast<int>(op.y);
    for (int k = 0; k < 5; ++k) {
        const double A = op.angle + 72 * k;
        const int x1 = static_cast<int>(op.x + 3 * u * cosDeg(A));
        const int y1 = static_cast<int>(op.y + 3 * u * sinDeg(A));
        const int x2 = static_cast<int>(op.x + 4 * u * cosDeg(A + 15 * op.parameter));
        const int y2 = static_cast<int>(op.y + 4 * u * sinDeg(A + 15 * op.parameter));
        arena.DrawThickLine(cx, cy, x1, y1, u, kCellSolid, colour);
        arena.DrawThickLine(x1, y1, x2, y2, u, kCellSolid, colour);
    }
}

void Gra::ScrollArena(int direction) {
    static constexpr std::array<std::array<int, 2>, 4> kShift{{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}};
    const int dx = kShift[std::size_t(direction)][0], dy = kShift[std::size_t(direction)][1];
    arena.shift(dx, dy);
    arena.background().scrollBy(dx, dy);
    arena.fillEdge(dx, dy);
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        sl.x += float(dx);
        sl.y += float(dy);
        for (FPoint& p : sl.history) p = FPoint{p.x + float(dx), p.y + float(dy)};
    }
    for (Ops& op : ops) {
        if (!op.active || (op.x == -1 && op.y == -1)) continue;
        op.x += float(dx);
        op.y += float(dy);
    }
}

// The pointer jumps to about three units ahead of the slyder, within four units either way.
void Gra::CruelPointer(int s) {
    const Slyder& sl = slot(s);
    const double u = arena.unit();
    const double dx = u * cosDeg(sl.heading), dy = u * sinDeg(sl.heading);
    const int m = arena.offset();
    const int X = static_cast<int>((m_rng.mod(9) - 4) * u + sl.x + 3 * dx + m);
    const int Y = static_cast<int>((m_rng.mod(9) - 4) * u + sl.y + 3 * dy + m);
    if (m_pointer) m_pointer->movePointer(X, Y);
}

}  // namespace slyders
