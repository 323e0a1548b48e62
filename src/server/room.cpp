#include "server/room.h"

#include <algorithm>
#include <ctime>
#include <random>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "game/leaves.h"
#include "game/rounds.h"
#include "game/state_hash.h"
#include "net/fingerprint.h"
#include "params/settings_table.h"
#include "play/headless_game.h"
#include "replay/replay.h"
#include "sim/sim_game.h"
#include "play/network_seating.h"

namespace slyders::server {

namespace {
constexpr std::uint64_t kUsPerMs = 1000;
// Between games the room waits this long for every machine to play the last one out.
constexpr std::uint64_t kEndingWaitUs = 10'000 * kUsPerMs;
// A spectator hears from the room at least this often, so its session never thinks the
// server silent between games.
constexpr std::uint64_t kWatcherPingUs = 1'000 * kUsPerMs;
// Spectators follow a few ticks behind: the ticks go to them in runs of this many.
constexpr std::uint32_t kWatcherRun = 4;
// The most ticks one pass plays for a room, so that a game played out at once (nobody
// steers any more) does not hold the other rooms up.
constexpr int kMaxTicksPerStep = 2000;
constexpr std::int32_t kTickCap = 200'000;
constexpr int kWatcherBadPackets = 100;

template <typename T>
const T* as(const net::Packet& p) {
    return std::get_if<T>(&p);
}

// The first of the owner's settings that the game's own table would not take, told for the
// log; empty when all are in their bounds. The server plays whatever it is sent, and a
// stranger's machine may send anything.
std::string settingOutOfBounds(const std::array<std::int32_t, net::kSettingCount>& values) {
    TInterface bounded;
    net::applySettingValues(bounded, values);
    Param param = settingsParam(bounded);
    for (int i = 0; i < param.propertyCount(); ++i) {
        const std::int32_t asked = param.getInt(i);
        const int result = param.setInt(i, asked);
        if (!(result & (kSetBelowMin | kSetAboveMax))) continue;
        return std::string(param.propertyName(i)) + " " + std::to_string(asked) +
               ((result & kSetBelowMin) ? " is below its minimum " : " is above its maximum ") +
               std::to_string(param.getInt(i));
    }
    return {};
}
}  // namespace

Room::Room(std::string code, net::Transport& port, TextRenderer& text, RoomHost& host,
           int silentTimeoutMs)
    : m_code(std::move(code)),
      m_port(port),
      m_host(host),
      m_gra(m_rng, m_settings, host.roster(), text, m_noSound) {
    m_settings.int_snd = 0;
    m_settings.int_soe = 0;
    net::SessionConfig config;
    config.machine = "server";
    config.serverRoom = true;
    config.room = m_code;
    config.silentTimeoutMs = silentTimeoutMs;
    // The server plays every game itself: a machine that would draw or play it otherwise
    // is refused at the door, as a host refuses it.
    config.fingerprint = host.fingerprint();
    for (int k = 0; k < 2 && k < host.roster().count(); ++k) {
        config.reserved.push_back(host.roster().entry(k).name);
    }
    m_session = std::make_unique<net::HostSession>(config);
    auto transport = std::make_unique<RoomTransport>(port);
    m_net = transport.get();
    m_session->open(std::move(transport));
}

Room::~Room() = default;

void Room::admit(int peer, const std::vector<std::uint8_t>& hello) {
    m_net->add(peer);
    m_net->push({net::NetEvent::Type::Connected, peer, {}});
    m_net->push({net::NetEvent::Type::Received, peer, hello});
}

void Room::watch(int peer) {
    m_net->add(peer);
    m_watchers.push_back(Watcher{peer, 0, false, 0});
    m_net->send(peer, net::encode(net::Welcome{0, m_code}), true);
    m_stateSent.clear();  // the newcomer hears who is here
    if (m_phase == Phase::Playing) feedWatchers(false);
}

void Room::onEvent(const net::NetEvent& e) {
    auto watcher = std::find_if(m_watchers.begin(), m_watchers.end(),
                                [&](const Watcher& w) { return w.peer == e.peer; });
    if (watcher != m_watchers.end()) {
        if (e.type == net::NetEvent::Type::Disconnected) {
            m_net->forget(e.peer);
            m_watchers.erase(watcher);
            m_stateSent.clear();
        } else if (e.type == net::NetEvent::Type::Received) {
            onWatcherPacket(*watcher, e.data);
        }
        return;
    }
    if (e.type == net::NetEvent::Type::Received && ownerAsks(e.peer, e.data)) return;
    m_net->push(e);
    if (e.type == net::NetEvent::Type::Disconnected) {
        m_net->forget(e.peer);
        m_stateSent.clear();
    }
}

void Room::onWatcherPacket(Watcher& w, const std::vector<std::uint8_t>& bytes) {
    const net::Decoded d = net::decode(bytes.data(), bytes.size());
    if (d.packet && as<net::Pong>(*d.packet)) return;
    if (d.packet && (as<net::Input>(*d.packet) || as<net::Hash>(*d.packet) ||
                     as<net::Done>(*d.packet) || as<net::Start>(*d.packet))) {
        ++m_steersDropped;  // a spectator has no seat: nothing it sends steers
        return;
    }
    if (d.packet && as<net::LadderAsk>(*d.packet)) {
        m_net->send(w.peer, net::encode(net::Ladder{m_host.top()}), true);
        return;
    }
    if (++w.badPackets >= kWatcherBadPackets) {
        m_net->send(w.peer, net::encode(net::Refuse{net::RefuseReason::BadPackets, 0}), true);
        m_net->disconnect(w.peer);
    }
}

// The owner's request for a game, and anybody's for the ladder, are the room's business;
// everything else is the session's.
bool Room::ownerAsks(int peer, const std::vector<std::uint8_t>& bytes) {
    const net::Decoded d = net::decode(bytes.data(), bytes.size());
    if (!d.packet) return false;
    if (as<net::LadderAsk>(*d.packet)) {
        m_net->send(peer, net::encode(net::Ladder{m_host.top()}), true);
        return true;
    }
    const net::Start* choices = as<net::Start>(*d.packet);
    if (!choices || peer != ownerPeer()) return false;
    if (const std::string wrong = settingOutOfBounds(choices->settings); !wrong.empty()) {
        // No honest machine asks for such a game: the owner is told and leaves, and the room
        // passes to the next player.
        m_host.log("room " + m_code + ": refused the owner's game: " + wrong);
        m_net->send(peer, net::encode(net::Refuse{net::RefuseReason::Settings, 0}), true);
        m_net->disconnect(peer);
    } else if (m_phase == Phase::Lobby) {
        beginGame(*choices);
    }
    return true;  // a second request while a game is on is no fault: the owner was early
}

int Room::ownerPeer() const {
    const auto& machines = m_session->machines();
    for (std::size_t m = 1; m < machines.size(); ++m) {
        if (!machines[m].gone) return machines[m].peer;
    }
    return -1;
}

std::vector<std::string> Room::playerNames() const {
    std::vector<std::string> names;
    for (const net::SeatOwner& s : m_session->seatOwners()) names.push_back(s.name);
    return names;
}

bool Room::deserted() const {
    return ownerPeer() < 0 && m_net->peerCount() == int(m_watchers.size());
}

RoomCounts Room::counts() const {
    return {int(playerNames().size()), int(m_watchers.size()), m_steersDropped};
}

void Room::step() {
    const std::size_t before = m_session->machines().size();
    const int ownerBefore = ownerPeer();
    m_session->service(0);
    if (m_session->machines().size() != before || ownerPeer() != ownerBefore) m_stateSent.clear();
    if (m_phase == Phase::Playing) playReleased();
    if (m_phase == Phase::Ending) {
        const bool waited = net::nowMicros() - m_endingSinceUs > kEndingWaitUs;
        if (m_session->guestsDone() || waited) {
            m_phase = Phase::Lobby;
            m_session->openLobby();
            m_stateSent.clear();
        }
    }
    const std::uint64_t t = net::nowMicros();
    if (t - m_lastWatcherPingUs > kWatcherPingUs) {
        m_lastWatcherPingUs = t;
        for (const Watcher& w : m_watchers) {
            m_net->send(w.peer, net::encode(net::Ping{std::uint32_t(t / kUsPerMs)}), false);
        }
    }
    sendRoomState();
}

void Room::sendRoomState() {
    net::RoomState state;
    state.code = m_code;
    state.playing = m_phase == Phase::Playing;
    state.watchers = std::uint8_t(m_watchers.size());
    state.players = playerNames();
    const int owner = ownerPeer();
    std::string key = std::to_string(owner) + (state.playing ? "+" : "-") +
                      std::to_string(state.watchers);
    for (const std::string& n : state.players) key += "|" + n;
    if (key == m_stateSent) return;
    m_stateSent = key;
    for (const auto& m : m_session->machines()) {
        if (m.gone || m.peer == 0) continue;
        state.youOwn = m.peer == owner;
        m_net->send(m.peer, net::encode(state), true);
    }
    state.youOwn = false;
    for (const Watcher& w : m_watchers) m_net->send(w.peer, net::encode(state), true);
    m_host.log("room " + m_code + ": " + std::to_string(state.players.size()) + " players, " +
               std::to_string(state.watchers) + " watching" +
               (state.playing ? ", playing" : ""));
}

void Room::beginGame(const net::Start& choices) {
    const std::vector<net::SeatOwner> owners = m_session->seatOwners();
    if (owners.empty()) return;
    Scores& scores = m_host.roster();
    net::Start s;
    GameStart& g = s.start;
    const int computers = std::clamp(choices.start.computers, 0, 2);
    g = nextGameStart(m_gra, false, computers);
    g.computers = computers;
    g.skill = std::clamp(choices.start.skill, kLowestSkill, kHighestSkill);
    g.speed = std::clamp(choices.start.speed, 0, 2);
    g.seed = choices.start.seed != 0 ? choices.start.seed : std::random_device{}();
    seatPlayersInJoinOrder(m_gra, scores, owners, s);  // the server's roster knows them all
    s.settings = choices.settings;
    s.arenaSide = choices.arenaSide;
    s.roster = scores.entries();
    const net::Start& begun = m_session->begin(s);
    prepare(begun);
    m_phase = Phase::Playing;
    m_stateSent.clear();
    for (Watcher& w : m_watchers) w.sentUpTo = 0, w.started = false;
    feedWatchers(false);
    std::string who;
    for (const auto& o : owners) who += (who.empty() ? "" : ", ") + o.name;
    m_host.log("room " + m_code + ": game " + std::to_string(begun.game) + " started with " + who);
}

void Room::prepare(const net::Start& start) {
    net::applySettingValues(m_settings, start.settings);
    m_settings.int_snd = 0;
    if (!m_window || m_gra.arena.side() != start.arenaSide) {
        // The server has no window: its two pictures hold the arena square alone, with no
        // margin around it. The game reads them nowhere else (a text is solid where it changed
        // the window's square), so it plays exactly as on a player's screen in less than
        // half the memory of a window's two pictures.
        const int side = start.arenaSide;
        m_window = std::make_unique<PixelBuffer>(side, side);
        m_back = std::make_unique<PixelBuffer>(side, side);
        m_gra.InitArena(side, m_window.get(), side);
        // The event label keeps the box a window of the arena's height gives it.
        const int height = clientHeightForSide(side), margin = (height - side) / 2;
        m_label.width = std::max(1, height * 16 / 9 - (side + 2 * margin));
        m_label.height = std::max(1, height / 12);
    }
    m_gra.network.names = start.names;
    StartGame(m_gra, start.start, *m_back);
    m_recorder.begin(m_gra, start.start, std::time(nullptr), "slyders-server");
    m_recorder.setNetwork(start.ratings);
    m_gra.running = true;
    m_frames.clear();
    m_over = false;
}

// Every tick whose input is released is played at once: the server never waits on a clock,
// only on the machines.
void Room::playReleased() {
    for (int n = 0; n < kMaxTicksPerStep && !m_over; ++n) {
        const std::uint32_t tick = std::uint32_t(m_gra.tick + 1);
        if (m_gra.tick >= kTickCap) {
            m_host.log("room " + m_code + ": game stopped at the tick cap");
            m_gra.running = false;
            m_phase = Phase::Ending;
            m_endingSinceUs = net::nowMicros();
            break;
        }
        if (m_gra.fastFinish) m_session->playAloneFrom(tick);
        const std::optional<net::FrameEntry> frame = m_session->frameFor(tick, 0);
        if (!frame) break;
        m_leaves = frame->killSeats;
        applyLeaves(m_gra, m_leaves);
        if (!m_session->alone(tick)) m_frames.push_back(*frame);
        playSourcedTick(m_gra, *this, net::unpackInput(frame->packed), *m_back, m_label,
                        &m_recorder);
        m_gra.panelChanged = false;
        m_window->dirty.take();
    }
    feedWatchers(m_over);
    if (m_over) finishGame();
}

void Room::played(const Gra& gra, bool over) {
    const std::uint32_t t = std::uint32_t(gra.tick);
    if (t % kHashInterval == 0) m_session->reportHash(t, stateHash(gra));
    if (over) m_over = true;
}

void Room::finishGame() {
    Gra& g = m_gra;
    const int winner = slyders::finishGame(g, m_label);
    m_session->gameOver(std::uint32_t(g.tick), stateHash(g));
    CheckedGame game;
    game.room = m_code;
    game.date = std::time(nullptr);
    game.deathOrder = g.deathOrder;
    for (int s = g.firstSlot; s <= g.lastActive(); ++s) {
        game.players.push_back(g.network.names[std::size_t(s)]);
        game.points.push_back(g.slot(s).gamePoints);
    }
    Replay replay;
    if (decideRoundEnd(g, winner) == RoundEnd::Won) {
        game.result = creditRoundWin(g, winner);
        replay = m_recorder.finish(g, ReplayEnd::Over, game.result);
        clearRoundPoints(g);
    } else {
        replay = m_recorder.finish(g, ReplayEnd::Over, {});
    }
    game.replay = encodeReplay(replay);
    m_host.record(game);
    ++m_gamesChecked;
    std::string points;
    for (std::size_t i = 0; i < game.players.size(); ++i) {
        points += (i ? ", " : "") + game.players[i] + " " + std::to_string(game.points[i]);
    }
    m_host.log("room " + m_code + ": game " + std::to_string(m_session->current().game) +
               " checked after " + std::to_string(g.tick) + " ticks: " + points +
               (game.result.empty() ? "" : " (" + game.result + ")"));
    m_phase = Phase::Ending;
    m_endingSinceUs = net::nowMicros();
    m_stateSent.clear();
}

// Each spectator gets the game's start once and then every released tick, from the first
// (one who came in the middle plays the game so far at once) in runs of a few ticks.
void Room::feedWatchers(bool all) {
    if (m_watchers.empty() || m_phase == Phase::Lobby) return;
    const std::uint32_t played = std::uint32_t(m_frames.size());
    for (Watcher& w : m_watchers) {
        if (!w.started) {
            net::Start start = m_session->current();
            start.yourSeats = 0;
            m_net->send(w.peer, net::encode(start), true);
            w.started = true;
        }
        if (played < w.sentUpTo + (all ? 1 : kWatcherRun)) continue;
        while (w.sentUpTo < played) {
            net::Frame f;
            f.game = m_session->current().game;
            f.firstTick = w.sentUpTo + 1;
            const std::uint32_t end = std::min<std::uint32_t>(played, w.sentUpTo + net::kMaxRun);
            f.entries.assign(m_frames.begin() + w.sentUpTo, m_frames.begin() + end);
            m_net->send(w.peer, net::encode(f), true);
            w.sentUpTo = end;
        }
    }
}

void Room::close(net::StopReason why) {
    feedWatchers(true);  // a spectator behind the game gets the rest of it before the stop
    const std::vector<std::uint8_t> stop = net::encode(net::Stop{why});
    for (const auto& m : m_session->machines()) {
        if (!m.gone && m.peer != 0) m_net->send(m.peer, stop, true);
    }
    for (const Watcher& w : m_watchers) m_net->send(w.peer, stop, true);
    m_net->disconnectAll();
}

}  // namespace slyders::server
