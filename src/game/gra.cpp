#include "game/gra.h"

#include <algorithm>

#include "present/arena_text.h"

namespace slyders {

namespace {

constexpr std::array<Rgb, kSlotCount> kDarkColours{Rgb{225, 225, 225}, Rgb{0, 255, 225},
                                                   Rgb{0, 225, 0},     Rgb{225, 0, 0},
                                                   Rgb{0, 0, 225},     Rgb{225, 225, 0}};
constexpr std::array<Rgb, kSlotCount> kLightColours{Rgb{255, 255, 255}, Rgb{150, 255, 255},
                                                    Rgb{150, 255, 150}, Rgb{255, 150, 150},
                                                    Rgb{150, 150, 255}, Rgb{255, 255, 150}};

constexpr Rgb kSpiralColour = kBrick;
constexpr int kMinIntro = 75;
constexpr int kIntroPerSlot = 60;
constexpr int kSpiralLifetime = 70;
constexpr int kMarkerLifetime = 50;
constexpr int kGapIntervalBase = 150;
constexpr int kGapIntervalSpread = 50;

}  // namespace

// No static object uses the table while it is built.
const DegreeTable kDegrees;

DegreeTable::DegreeTable() {
    for (int d = kFirst; d <= kLast; ++d) {
        cos[std::size_t(d - kFirst)] = cosDeg(double(d));
        sin[std::size_t(d - kFirst)] = sinDeg(double(d));
    }
}

Gra::Gra(Random& rng, TInterface& settings, Scores& scores, TextRenderer& text,
         SoundRequests& sound)
    : m_rng(rng), m_settings(settings), m_scores(scores), m_text(text), m_sound(sound) {
    for (int s = 0; s < kSlotCount; ++s) {
        slot(s).dark = kDarkColours[std::size_t(s)];
        slot(s).light = kLightColours[std::size_t(s)];
    }
    for (int k = 0; k < kHumanSeats; ++k) seats[std::size_t(k)] = HumanSeat{k, -1};
}

void Gra::ResetRound() {
    for (Slyder& s : slots) s.gamePoints = s.roundPoints = s.roundsWon = 0;
}

void Gra::NewGame() {
    const int N = activeCount();
    for (int s = firstSlot; s <= lastActive(); ++s) {
        slot(s).nextGap = kGapIntervalBase + m_rng.mod(kGapIntervalSpread);
    }
    const int phi = m_rng.mod(20);  // an angle in radians, shared by all slots
    const double u = arena.unit();
    const int centre = arena.side() / 2;
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        const int n = s - firstSlot;
        const int a = m_rng.mod(4);
        sl.x = static_cast<float>(centre +
                                  100 * u * std::cos((20 + a) * 0.05 * 2 * kPi * n / N + phi));
        const int b = m_rng.mod(4);
        sl.y = static_cast<float>(centre +
                                  100 * u * std::sin((20 + b) * 0.05 * 2 * kPi * n / N + phi));
        sl.heading = m_rng.mod(360);
        sl.history.fill(FPoint{sl.x, sl.y});
    }
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        sl.alive = true;
        sl.inGap = false;
        sl.invisibleLeft = 0;
        sl.gamePoints = 0;
        sl.gapLeft = 0;
        sl.speed = 1.0f;
    }
    ops.clear();
    disasters.clear();
    tick = 0;
}

int Gra::IntroLeft() const {
    return tick - std::max(kMinIntro, kIntroPerSlot * activeCount());
}

bool Gra::AllHumansSeated() const {
    for (int k = 0; k < humans; ++k) {
        if (seats[std::size_t(k)].rosterIndex == -1) return false;
    }
    return true;
}

int Gra::AliveCount() const {
    int n = 0;
    for (int s = firstSlot; s <= lastActive(); ++s) n += slot(s).alive ? 1 : 0;
    return n;
}

int Gra::AliveHumans() const {
    int n = 0;
    for (int s = 2; s <= lastActive(); ++s) n += slot(s).alive ? 1 : 0;
    return n;
}

void Gra::StepAlong(float& x, float& y, int angle) const {
    x = static_cast<float>(x + arena.unit() * cosDeg(angle));
    y = static_cast<float>(y + arena.unit() * sinDeg(angle));
}

int Gra::rosterIndexOfSlot(int slot) const {
    if (slot >= 2) return seats[std::size_t(slot - 2)].rosterIndex;
    return firstSlot == 1 ? 0 : slot;  // one computer plays entry 0; two play entries 0 and 1
}

std::string Gra::DisplayName(int slot) const {
    if (recordedNames) return (*recordedNames)[std::size_t(slot)];
    if (demo) return Scores::kDemoNames[std::size_t(slot)];
    const std::string& shown = network.names[std::size_t(slot)];
    if (!shown.empty()) return shown;
    const int index = rosterIndexOfSlot(slot);
    if (index < 0 || index >= m_scores.count()) return "?";
    return m_scores.entry(index).name;
}

void Gra::ShowEvent(const std::string& text, Rgb colour) {
    if (!m_settings.int_showevents && !demo) return;
    message = EventMessage{text, colour, 100};
}

int Gra::panByX(double x, bool clamped) const {
    double f = x / arena.side();
    if (clamped) f = std::clamp(f, 0.0, 1.0);
    return static_cast<int>((f - 0.5) * 20000);
}

void Gra::GameStep() {
    std::erase_if(ops, [](const Ops& op) { return !op.active; });
    if (tick == 1) Intro();
    if (IntroLeft() >= 1) startEvents();
    // Objects made in this step run in it too, so walk by index while the list grows.
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].active) RunEvent(ops[i]);
    }
}

void Gra::Intro() {
    const double u = arena.unit();
    const bool spirals = AliveCount() < 4;
    for (int s = firstSlot; s <= lastActive(); ++s) {
        const Slyder& sl = slot(s);
        const int h = sl.heading;
        if (spirals) {
            for (int k = 0; k < 3; ++k) {
                const double a = h - 4 + 120 * k;
                Ops op;
                op.kind = OpsKind::Intro;
                op.lifetime = kSpiralLifetime;
                op.x = static_cast<float>(sl.x + 40 * u * cosDeg(a));
                op.y = static_cast<float>(sl.y + 40 * u * sinDeg(a));
                op.angle = 120 * k + (h - 4) + 180;  // pointing back at the slyder
                op.parameter = -1;
                ops.push_back(op);
            }
        }
        Ops marker;
        marker.kind = OpsKind::Intro;
        marker.lifetime = kMarkerLifetime;
        marker.x = sl.x;
        marker.y = sl.y;
        marker.angle = h;
        marker.parameter = s;
        ops.push_back(marker);

        // The name is written just behind the slyder.
        const double cx = sl.x + 10 * u * cosDeg(h + 176);
        const double cy = sl.y + 10 * u * sinDeg(h + 176);
        DrawArenaText(arena, m_text, cx - 25 * u, cy - 20 * u, cx + 25 * u, cy + 20 * u,
                      DisplayName(s), "Comic Sans MS", sl.light, false);
    }
    playSound(kSndBegin, 0, 0);
    ShowEvent("New game starts!", kWhite);
}

void Gra::RunEvent(Ops& op) {
    op.age += 1;
    const bool positioned = !(op.x == -1 && op.y == -1);
    const int S = arena.side();
    if (positioned && (static_cast<int>(op.x) < 0 || static_cast<int>(op.y) < 0 ||
                       static_cast<int>(op.x) >= S || static_cast<int>(op.y) >= S)) {
        op.active = false;
    }
    if (op.lifetime < op.age) op.active = false;
    if (!op.active) return;
    switch (op.kind) {
        case OpsKind::Wall:
            runWall(op);
            break;
        case OpsKind::Intro:
            runIntroObject(op);
            break;
        case OpsKind::Tunnel:
            if (op.age % 5 == 0) op.angle += op.parameter;  // bend slowly outward again
            StepAlong(op.x, op.y, op.angle);
            arena.PutDisc(op.x, op.y, kCellSolid, kBrick);
            break;
        case OpsKind::Void:
            runVoid(op);
            break;
        case OpsKind::Food:
            runFood(op);
            break;
        case OpsKind::CruelMouse:
            CruelPointer(op.parameter);
            break;
        case OpsKind::Scroll:
            if (op.age % std::max(1, static_cast<int>(20 / arena.unit())) == 0)
                ScrollArena(op.parameter);
            break;
        case OpsKind::Attractor:
            runAttractor(op);
            break;
        default:
            break;
    }
}

// Spirals (parameter -1) curl inward as they age; a slot's marker draws a curl along the
// slyder's heading that shows where it will go.
void Gra::runIntroObject(Ops& op) {
    if (op.parameter < 0) {
        op.angle += op.age / 11;
        StepAlong(op.x, op.y, op.angle);
        arena.PutDisc(op.x, op.y, kCellSolid, kSpiralColour);
        return;
    }
    const Slyder& sl = slot(op.parameter);
    op.angle += 20;
    const double u = arena.unit();
    const double fade = 1.0 - static_cast<double>(op.age) / op.lifetime;
    op.x = static_cast<float>(op.x + fade * u * cosDeg(op.angle));
    op.y = static_cast<float>(op.y + fade * u * sinDeg(op.angle));
    StepAlong(op.x, op.y, sl.heading);
    arena.PutDisc(op.x, op.y, op.parameter, sl.dark);
}

}  // namespace slyders
