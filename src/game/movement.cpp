// Slyders moving, bouncing, leaving trail and gaps, scoring and dying.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/gra.h"
#include "game/rounds.h"

namespace slyders {

namespace {
constexpr int kHumanTurn = 2;  // degrees per tick
constexpr int kGapLengthBase = 14;
constexpr int kBigGapChance = 20;
constexpr float kSpeedStep = 1.02f;
constexpr float kSpeedFloor = 0.7f;
constexpr float kSpeedCeiling = 1.0f;
constexpr int kFullVolume = 10000;
constexpr int kPanLeft = -10000;
constexpr int kPanRight = 10000;
constexpr int kFullTurn = 360;

// Any whole number of degrees as the same direction within 0 .. 359.
int wrapDegrees(int degrees) {
    return ((degrees % kFullTurn) + kFullTurn) % kFullTurn;
}
}  // namespace

void Gra::steerHumans(const TickInput& input) {
    for (int i = 1; i <= humans; ++i) {
        Slyder& sl = slot(i + 1);
        const std::uint8_t held = input.seat[std::size_t(i - 1)];
        if (held & kSteerRight) sl.heading += kHumanTurn;
        if (held & kSteerLeft) sl.heading -= kHumanTurn;
    }
}

// Slots are moved strictly one after another: a slyder moved later already sees what the
// slyders before it drew in this step.
void Gra::MoveSlyders() {
    const double u = arena.unit();
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        if (!sl.alive) continue;
        sl.x = static_cast<float>(sl.x + sl.speed * u * cosDeg(sl.heading));
        sl.y = static_cast<float>(sl.y + sl.speed * u * sinDeg(sl.heading));
        if (CheckSlyder(s)) Death(s, sl.history);

        // What the slyder leaves behind appears when a position is four steps old.
        const FPoint p4 = sl.history[4], p3 = sl.history[3];
        if (sl.invisibleLeft >= 1) {
            arena.EraseDisc(p4.x, p4.y);
        } else if (sl.gapLeft >= 1) {
            arena.PutDisc(p4.x, p4.y, kCellGap, gapColour);
        } else {
            arena.PutTrailDisc(p4.x, p4.y, p3.x, p3.y, s, sl.dark);
        }
        for (int k = 4; k > 0; --k) sl.history[std::size_t(k)] = sl.history[std::size_t(k - 1)];
        sl.history[0] = FPoint{sl.x, sl.y};
        for (int k = 3; k >= 0; --k) {
            arena.PutDisc(sl.history[std::size_t(k)].x, sl.history[std::size_t(k)].y, kHeadBase + s,
                          sl.light);
        }
        // The spine: a grey line from dark (oldest) to white (newest) through the head.
        for (int k = 3; k >= 0; --k) {
            const int px = static_cast<int>(sl.history[std::size_t(k)].x);
            const int py = static_cast<int>(sl.history[std::size_t(k)].y);
            if (!arena.inside(px, py)) continue;
            const auto g = static_cast<std::uint8_t>(255 - 80 * k);
            arena.setPixel(px, py, Rgb{g, g, g});
            arena.cell(px, py) = kHeadBase + s;
        }
    }
}

bool Gra::CheckSlyder(int s) {
    Slyder& sl = slot(s);
    const double u = arena.unit();
    const int S = arena.side();
    const double x = sl.x, y = sl.y;
    if (x < -u / 2 || x > S - 1 + u / 2 || y < -u / 2 || y > S - 1 + u / 2) return true;

    // The edges reflect like mirrors; a head-on bounce pings loudest. Each test reads the
    // heading the tests before it left; under the first rules that could lie outside 0 .. 359,
    // where the next test's range misses it, and a corner bounced the wrong way.
    int& h = sl.heading;
    const bool mirrorCorners = rules == Rules::MirrorCorners;
    auto settle = [&] {
        if (mirrorCorners) h = wrapDegrees(h);
    };
    settle();
    if (x < u && 90 < h && h < 270) {
        playSound(kSndPing, -static_cast<int>(std::abs(h - 180) * kFullVolume / 90.0), kPanLeft);
        h = 540 - h;
        settle();
    }
    if (y < u && 180 < h && h < 360) {
        playSound(kSndPing, -static_cast<int>(std::abs(h - 270) * kFullVolume / 90.0),
                  panByX(x, true));
        h = 720 - h;
        settle();
    }
    if (x > S - 1 - u && (h > 270 || h < 90)) {
        playSound(kSndPing, static_cast<int>((std::abs((h % 180) - 90) / 90.0 - 1) * kFullVolume),
                  kPanRight);
        h = 180 - h;
        settle();
    }
    if (y > S - 1 - u && 0 < h && h < 180) {
        playSound(kSndPing, -static_cast<int>(std::abs(h - 90) * kFullVolume / 90.0),
                  panByX(x, true));
        h = 360 - h;
    }
    h = (h + 360) % 360;

    bool touchedGap = false, clear = true;
    const double u2 = u * u;
    for (int py = static_cast<int>(y - u); py <= y + u; ++py) {
        for (int px = static_cast<int>(x - u); px <= x + u; ++px) {
            if ((x - px) * (x - px) + (y - py) * (y - py) > u2 || !arena.inside(px, py)) continue;
            const std::int32_t c = arena.cell(px, py);
            if (c == kCellGap) touchedGap = true;
            if (c != kCellFree && c != kCellGap && c != kHeadBase + s) clear = false;
        }
    }
    if (!clear) return true;
    // A gap point is earned on leaving the gap, not on entering it.
    if (!touchedGap && sl.inGap) {
        sl.gamePoints += 1;
        sl.roundPoints += 1;
        sl.inGap = false;
        panelChanged = true;
    } else if (touchedGap && !sl.inGap) {
        playSound(kSndGap, 0, panByX(x, false));
        sl.inGap = true;
    }
    return false;
}

void Gra::Death(int s, const std::array<FPoint, 5>& historyBefore) {
    Slyder& sl = slot(s);
    playSound(kSndDeath, 0, panByX(sl.x, true));
    deathOrder += static_cast<char>('0' + s);
    for (const FPoint& p : historyBefore) arena.PutDisc(p.x, p.y, s, sl.dark);
    arena.PutDiscR(sl.x, sl.y, 2, s, sl.light);
    sl.alive = false;
    if (AliveHumans() == 1) {
        const int leader = UniqueLeader(*this, RoundPoints);
        if (leader >= 0 && slot(leader).roundPoints >= m_settings.int_rndpts) {
            playSound(kSndYippee, 0, 0);
        } else if (AliveCount() == 1 && humans > 1) {
            playSound(kSndAlone, 0, 0);
        }
    }
    if (AliveHumans() == 0 && AliveCount() > 0 && m_settings.int_fastfinish && !demo) {
        fastFinish = true;
    }
    if (AliveCount() == 0) playSound(kSndGameOver, 0, 0);
    for (int t = firstSlot; t <= lastActive(); ++t) {
        Slyder& other = slot(t);
        if (t == s || !other.alive) continue;
        other.gamePoints += 1;
        other.roundPoints += 1;
    }
    ShowEvent(DisplayName(s) + ", R.I.P.", kRed);
    panelChanged = true;
}

void Gra::StepTimers() {
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        sl.nextGap -= 1;
        if (sl.nextGap < 0 && sl.invisibleLeft == 0) {
            sl.gapLeft = kGapLengthBase + speedLevel;
            sl.nextGap = 150 + m_rng.mod(50);
            if (m_rng.mod(kBigGapChance) == 0 && (m_settings.xtr_biggaps || demo)) {
                sl.gapLeft = ((m_rng.mod(10) + 15) / 10) * sl.gapLeft;
            }
        }
    }
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        if (sl.gapLeft > 0) sl.gapLeft -= 1;
        if (sl.invisibleLeft > 0) sl.invisibleLeft -= 1;
    }
    // Greetings: slyders that pass at 16 to 20 units say hello, side by side or head-on.
    const double u = arena.unit();
    for (int s = firstSlot; s <= lastActive(); ++s) {
        for (int t = s + 1; t <= lastActive(); ++t) {
            const Slyder& a = slot(s);
            const Slyder& b = slot(t);
            if (!a.alive || !b.alive) continue;
            const double d = std::hypot(double(a.x) - b.x, double(a.y) - b.y);
            const int da = (a.heading - b.heading + 360) % 360;
            const int db = (b.heading - a.heading + 360) % 360;
            const bool near = 16 * u < d && d < 20 * u;
            if ((da < 60 || db < 60) && near) playSound(kSndHi, 0, panByX(a.x, false));
            if (da > 120 && db > 120 && near) playSound(kSndWow, 0, panByX(a.x, false));
        }
    }
    for (int s = firstSlot; s <= lastActive(); ++s) {
        Slyder& sl = slot(s);
        if (m_rng.mod(10) < 2 || sl.speed < kSpeedFloor) sl.speed *= kSpeedStep;
        if (m_rng.mod(10) < 2 || sl.speed > kSpeedCeiling) sl.speed /= kSpeedStep;
        if (sl.speed > kSpeedCeiling) sl.speed = kSpeedCeiling;
    }
}

}  // namespace slyders
