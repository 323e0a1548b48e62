#include "play/timeline.h"

#include <algorithm>

namespace slyders {

namespace {
constexpr int kMinimumHeight = 4;  // thinner than this the bar would not be seen
constexpr int kGapShare = 4;       // of the margin: left free above and below the bar
constexpr Rgb kUnplayed{40, 40, 48};
constexpr Rgb kPlayed{64, 76, 120};
constexpr int kMarkHalfWidth = 1;  // a mark is three pixels wide
constexpr Rgb kDisaster{255, 140, 0};
constexpr Rgb kNow = kWhite;
}  // namespace

Rect Timeline::placeUnder(const Arena& arena, int clientHeight) {
    const int top = arena.offset() + arena.side();
    const int margin = clientHeight - top;
    const int gap = margin / kGapShare;
    const Rect place{arena.offset(), top + gap, arena.side(), margin - 2 * gap};
    return place.h >= kMinimumHeight ? place : Rect{};
}

Timeline::Timeline(Rect place, std::int32_t length, std::vector<TimelineMark> marks,
                   std::array<Rgb, kSlotCount> slotColours)
    : m_place(place),
      m_length(std::max(1, length)),
      m_marks(std::move(marks)),
      m_slotColours(slotColours) {}

int Timeline::xOf(std::int32_t tick) const {
    const std::int64_t t = std::clamp(tick, 0, m_length);
    return m_place.x + static_cast<int>(t * (m_place.w - 1) / m_length);
}

std::int32_t Timeline::tickAt(int x) const {
    const std::int64_t dx = std::clamp(x - m_place.x, 0, std::max(0, m_place.w - 1));
    return static_cast<std::int32_t>((dx * m_length + (m_place.w - 1) / 2) /
                                     std::max(1, m_place.w - 1));
}

bool Timeline::hits(int x, int y) const {
    return !m_place.empty() && x >= m_place.x && x < m_place.right() && y >= m_place.y &&
           y < m_place.bottom();
}

void Timeline::fillColumn(PixelBuffer& window, int x, int top, int bottom, Rgb colour) const {
    for (int y = top; y < bottom; ++y) {
        if (window.contains(x, y)) window.set(x, y, colour);
    }
}

void Timeline::draw(PixelBuffer& window, std::int32_t tick) {
    if (m_place.empty()) return;
    const int now = xOf(tick);
    if (now == m_drawnX) return;
    m_drawnX = now;
    const int top = m_place.y, bottom = m_place.bottom();
    for (int x = m_place.x; x < m_place.right(); ++x) {
        fillColumn(window, x, top, bottom, x <= now ? kPlayed : kUnplayed);
    }
    // Deaths reach from the top, disasters from the bottom: both show when they coincide.
    const int split = top + m_place.h * 2 / 3;
    for (const TimelineMark& m : m_marks) {
        const bool death = m.kind == TimelineMark::Kind::Death;
        const Rgb colour =
            death ? m_slotColours[std::size_t(std::clamp(m.which, 0, kSlotCount - 1))] : kDisaster;
        const int x = xOf(m.tick);
        for (int dx = -kMarkHalfWidth; dx <= kMarkHalfWidth; ++dx) {
            if (x + dx < m_place.x || x + dx >= m_place.right()) continue;
            fillColumn(window, x + dx, death ? top : split, death ? split : bottom, colour);
        }
    }
    fillColumn(window, now, top, bottom, kNow);
    window.dirty.add(m_place);
}

void Timeline::erase(PixelBuffer& window, const PixelBuffer& background) const {
    if (m_place.empty()) return;
    window.blit(background, m_place.x, m_place.y, m_place.x, m_place.y, m_place.w, m_place.h);
    window.dirty.add(m_place);
}

std::optional<std::int32_t> Timeline::nextDeath(std::int32_t tick) const {
    std::optional<std::int32_t> best;
    for (const TimelineMark& m : m_marks) {
        if (m.kind == TimelineMark::Kind::Death && m.tick > tick && (!best || m.tick < *best)) {
            best = m.tick;
        }
    }
    return best;
}

std::optional<std::int32_t> Timeline::previousDeath(std::int32_t tick) const {
    std::optional<std::int32_t> best;
    for (const TimelineMark& m : m_marks) {
        if (m.kind == TimelineMark::Kind::Death && m.tick < tick && (!best || m.tick > *best)) {
            best = m.tick;
        }
    }
    return best;
}

}  // namespace slyders
