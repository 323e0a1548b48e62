#include "play/replay_seeker.h"

#include <algorithm>

#include "game/game_tick.h"
#include "play/headless_game.h"

namespace slyders {

namespace {

// The label's text and colour; each label keeps its own box.
void copyLabel(const EventLabel& from, EventLabel& to) {
    to.text = from.text;
    to.colour = from.colour;
    to.fontHeight = from.fontHeight;
    to.changed = true;
}

}  // namespace

GameFacts::GameFacts(Gra& g)
    : slots(g.slots),
      tick(g.tick),
      speedLevel(g.speedLevel),
      fastFinish(g.fastFinish),
      disasters(g.disasters),
      gapColour(g.gapColour),
      message(g.message),
      ops(g.ops),
      deathOrder(g.deathOrder),
      rng(g.rng().state()),
      settings(settingsValues(g.settings())) {}

void GameFacts::putInto(Gra& g) const {
    g.slots = slots;
    g.tick = tick;
    g.speedLevel = speedLevel;
    g.fastFinish = fastFinish;
    g.disasters = disasters;
    g.gapColour = gapColour;
    g.message = message;
    g.ops = ops;
    g.deathOrder = deathOrder;
    g.rng().setState(rng);
    applySettings(g.settings(), settings);
    g.panelChanged = true;
}

void GameMoment::putInto(Gra& g, ReplayCursor& c, EventLabel& l) const {
    g.arena.takeGameFrom(arena);
    facts.putInto(g);
    c.moveTo(cursor);
    copyLabel(label, l);
}

ReplaySeeker::ReplaySeeker(const Replay& replay, TextRenderer& text, int clientWidth,
                           int clientHeight, const EventLabel& label, std::int32_t spacing)
    : m_replay(replay),
      m_window(clientWidth, clientHeight),
      m_back(clientWidth, clientHeight),
      m_gra(m_rng, m_settings, m_scores, text, m_silence),
      m_label(label),
      m_cursor(replay),
      m_source(m_cursor, m_gra) {
    const auto most = static_cast<std::int32_t>(kMostMoments - 1);
    m_spacing = spacing > 0 ? spacing
                            : std::max(kMomentSpacing, (replay.endTick + most - 1) / most);
    m_gra.InitArena(clientHeight, &m_window, replay.arenaSide);
    m_gra.arena.setWindowShown(false);  // nobody looks: the pictures follow when copied
    applySettings(m_settings, replay.settings);
    scan();
}

// Plays the recording once from its start to its end.
void ReplaySeeker::scan() {
    m_cursor.start(m_gra, m_back);
    // Reserved whole: a moment is large, and moving them all as the list grows costs.
    m_moments.reserve(static_cast<std::size_t>(m_replay.endTick / m_spacing) + 1);
    m_moments.emplace_back(m_gra, m_cursor, m_label);
    const TickInput nobodyHere{};
    m_gra.running = true;
    while (const std::optional<TickInput> input = m_source.inputFor(m_gra.tick + 1, nobodyHere)) {
        const DisasterFlags before = m_gra.disasters;
        const TickResult result =
            playSourcedTick(m_gra, m_source, *input, m_back, m_label, nullptr);
        m_window.dirty.take();
        noteTick(m_gra, before);
        if (m_gra.tick % m_spacing == 0) m_moments.emplace_back(m_gra, m_cursor, m_label);
        if (result == TickResult::GameOver) break;
    }
    m_gra.running = false;
    m_length = m_gra.tick;
}

void ReplaySeeker::noteTick(const Gra& g, const DisasterFlags& before) {
    for (std::size_t d = 0; d < before.on.size(); ++d) {
        if (g.disasters.on[d] && !before.on[d]) {
            m_marks.push_back({g.tick, TimelineMark::Kind::Disaster, static_cast<int>(d)});
        }
    }
    const std::size_t known = static_cast<std::size_t>(
        std::count_if(m_marks.begin(), m_marks.end(),
                      [](const TimelineMark& m) { return m.kind == TimelineMark::Kind::Death; }));
    for (std::size_t i = known; i < g.deathOrder.size(); ++i) {
        m_marks.push_back({g.tick, TimelineMark::Kind::Death, g.deathOrder[i] - '0'});
    }
}

void ReplaySeeker::seek(std::int32_t tick, Gra& gra, ReplayCursor& cursor, EventLabel& label) {
    tick = std::clamp(tick, 0, m_length);
    const std::size_t k =
        std::min(static_cast<std::size_t>(tick / m_spacing), m_moments.size() - 1);
    m_moments[k].putInto(m_gra, m_cursor, m_label);
    const TickInput nobodyHere{};
    m_gra.running = true;
    while (m_gra.tick < tick) {
        const std::optional<TickInput> input = m_source.inputFor(m_gra.tick + 1, nobodyHere);
        if (!input) break;
        playSourcedTick(m_gra, m_source, *input, m_back, m_label, nullptr);
        m_window.dirty.take();
    }
    m_gra.running = false;
    handOver(gra, cursor, label);
}

// Straight from game to game: a moment made on the way would be a large new allocation.
void ReplaySeeker::handOver(Gra& gra, ReplayCursor& cursor, EventLabel& label) {
    gra.arena.takeGameFrom(m_gra.arena);
    GameFacts(m_gra).putInto(gra);
    cursor.moveTo(m_cursor.position());
    copyLabel(m_label, label);
}

}  // namespace slyders
