#include "play/qt/watch_room.h"

#include <QCoreApplication>

#include "game/gra.h"
#include "present/arena_text.h"
#include "present/event_label.h"

namespace slyders {

namespace {
constexpr int kLabelFontHeight = 12;
}  // namespace

std::optional<TickInput> WatchRoom::Following::inputFor(std::int32_t tick, const TickInput&) {
    return m_owner.NetworkGame::ticks().inputFor(tick, TickInput{});
}

std::uint8_t WatchRoom::Following::leavesOfTick() const {
    return m_owner.NetworkGame::ticks().leavesOfTick();
}

void WatchRoom::Following::played(const Gra& gra, bool over) {
    m_owner.NetworkGame::ticks().played(gra, over);
    m_owner.followed(gra);
}

void WatchRoom::escape() {
    if (m_table.gra().running) leave(false);
}

std::string WatchRoom::restingTitle() const {
    return QCoreApplication::translate("WatchRoom", "Watching room %1")
        .arg(QString::fromStdString(watchingCode()))
        .toStdString();
}

std::string WatchRoom::watchingCode() const {
    return guest() ? guest()->roomCode() : std::string();
}

// Far behind the server (come in late, or held up), the ticks play as fast as they can until
// the game is live again; from there they keep the game's own pace.
void WatchRoom::followed(const Gra& gra) {
    const bool wasCatchingUp = m_catchingUp;
    m_catchingUp = guest() && guest()->framesKnown() > std::uint32_t(gra.tick) + kLiveLagTicks;
    if (wasCatchingUp && !m_catchingUp) m_table.restartTickPace();
    showWatching();
}

// The label is the game's while it says something; in between it names the room watched.
void WatchRoom::showWatching() {
    EventLabel& label = m_table.eventLabel();
    if (!label.text.empty()) return;
    label.text = "Watching room " + watchingCode();
    label.colour = kWhite;
    label.fontHeight = FitFontHeight(m_table.text(), FontSpec{kEventLabelFont, kLabelFontHeight},
                                     label.text, label.width, label.height);
    label.changed = true;
}

}  // namespace slyders
