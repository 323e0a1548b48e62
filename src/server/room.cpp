#include "server/room.h"

#include <algorithm>

#include "net/fingerprint.h"
#include "params/settings_table.h"

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
constexpr int kWatcherBadPackets = 100;
// A room nothing came for takes its turn this often: for its session's clocks (frames sent
// again, pings, late machines), all far coarser than this.
constexpr std::uint64_t kIdleStepUs = 4 * kUsPerMs;

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
      m_host(host),
      m_check(std::make_shared<RoomCheck>(m_code, text, host.checkHost())) {
    net::SessionConfig config;
    config.machine = "server";
    config.serverRoom = true;
    config.room = m_code;
    config.silentTimeoutMs = silentTimeoutMs;
    // The server plays every game itself: a machine that would draw or play it otherwise
    // is refused at the door, as a host refuses it.
    config.fingerprint = host.fingerprint();
    config.reserved = host.reservedNames();
    config.clock = [&host] { return host.passMicros(); };
    m_session = std::make_unique<net::HostSession>(config);
    auto transport = std::make_unique<RoomTransport>(port);
    m_net = transport.get();
    m_session->open(std::move(transport));
}

Room::~Room() = default;

void Room::admit(int peer, const std::vector<std::uint8_t>& hello) {
    m_due = true;
    m_net->add(peer);
    m_net->push({net::NetEvent::Type::Connected, peer, {}});
    m_net->push({net::NetEvent::Type::Received, peer, hello});
}

void Room::watch(int peer) {
    m_net->add(peer);
    // Every player has played the game to its end (the server may still be checking it):
    // the newcomer watches the next one.
    const bool playedOut = m_phase == Phase::Playing && m_session->guestsDone();
    m_watchers.push_back(Watcher{peer, 0, false, playedOut, 0});
    m_net->send(peer, net::encode(net::Welcome{0, m_code}), true);
    m_stateSent.clear();  // the newcomer hears who is here
    if (m_phase == Phase::Playing) feedWatchers(false);
}

void Room::onEvent(const net::NetEvent& e) {
    m_due = true;
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
        askChecker(*choices);
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
    return ownerPeer() < 0 && m_net->peerCount() == int(m_watchers.size()) && m_check->idle();
}

RoomCounts Room::counts() const {
    return {int(playerNames().size()), int(m_watchers.size()), m_steersDropped};
}

bool Room::due(std::uint64_t now) const {
    return m_due || m_check->hasNews() || now - m_lastStepUs >= kIdleStepUs;
}

void Room::step() {
    m_due = false;
    m_lastStepUs = m_host.passMicros();
    const std::size_t before = m_session->machines().size();
    const int ownerBefore = ownerPeer();
    m_session->service(0);
    if (m_session->machines().size() != before || ownerPeer() != ownerBefore) m_stateSent.clear();
    hear();
    if (m_phase == Phase::Playing) handOverReleased();
    if (m_phase == Phase::Ending) {
        const bool waited = m_host.passMicros() - m_endingSinceUs > kEndingWaitUs;
        if (m_session->guestsDone() || waited) {
            m_phase = Phase::Lobby;
            m_session->openLobby();
            m_stateSent.clear();
        }
    }
    const std::uint64_t t = m_host.passMicros();
    if (t - m_lastWatcherPingUs > kWatcherPingUs) {
        m_lastWatcherPingUs = t;
        for (const Watcher& w : m_watchers) {
            m_net->send(w.peer, net::encode(net::Ping{std::uint32_t(t / kUsPerMs)}), false);
        }
    }
    sendRoomState();
}

// Told only when it changed: who owns the room, whether it plays, how many watch and who is
// in it (a machine that comes or goes changes the count, or clears what was told).
void Room::sendRoomState() {
    const int owner = ownerPeer();
    const bool playing = m_phase == Phase::Playing;
    int present = 0;
    for (const auto& m : m_session->machines()) present += m.gone ? 0 : 1;
    const std::string key = std::to_string(owner) + (playing ? "+" : "-") +
                            std::to_string(m_watchers.size()) + "/" + std::to_string(present);
    if (key == m_stateSent) return;
    m_stateSent = key;
    net::RoomState state;
    state.code = m_code;
    state.playing = playing;
    state.watchers = std::uint8_t(m_watchers.size());
    state.players = playerNames();
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

void Room::post(std::function<void(RoomCheck&)> job) {
    m_check->posted();
    m_host.checker().post([check = m_check, job = std::move(job)] {
        job(*check);
        check->done();
    });
}

// The checker seats the owner's game: the roster and the room's game are its alone.
void Room::askChecker(net::Start choices) {
    const std::vector<net::SeatOwner> owners = m_session->seatOwners();
    if (owners.empty()) return;
    m_seated.clear();
    for (const net::SeatOwner& o : owners) m_seated.push_back(o.name);
    m_phase = Phase::Starting;
    m_choices = choices;
    post([choices = std::move(choices), owners](RoomCheck& check) { check.ready(choices, owners); });
}

void Room::beginGame(const net::Start& start) {
    if (playerNames() != m_seated) {  // somebody left or came meanwhile: seat them again
        m_phase = Phase::Lobby;
        askChecker(m_choices);
        return;
    }
    const net::Start& begun = m_session->begin(start);
    post([begun](RoomCheck& check) { check.prepare(begun); });
    m_phase = Phase::Playing;
    m_handedUpTo = 0;
    m_frames.clear();
    m_stateSent.clear();
    for (Watcher& w : m_watchers) w.sentUpTo = 0, w.started = false, w.waitsForNext = false;
    feedWatchers(false);
    std::string who;
    for (const std::string& name : m_seated) who += (who.empty() ? "" : ", ") + name;
    m_host.log("room " + m_code + ": game " + std::to_string(begun.game) + " started with " + who);
}

// Every released tick goes to the checker at once: the server never waits on a clock, only
// on the machines. Those from which nobody steers any more the checker plays by itself.
void Room::handOverReleased() {
    std::vector<net::FrameEntry> frames;
    for (;;) {
        const std::uint32_t tick = m_handedUpTo + 1;
        if (m_session->alone(tick)) break;
        const std::optional<net::FrameEntry> frame = m_session->frameFor(tick, 0);
        if (!frame) break;
        m_handedUpTo = tick;
        frames.push_back(*frame);
        m_frames.push_back(*frame);
    }
    if (!frames.empty()) {
        post([frames = std::move(frames)](RoomCheck& check) { check.play(frames); });
    }
    feedWatchers(false);
}

// What the checker found: the next game seated, its hashes, the tick from which the
// machines play alone, its end.
void Room::hear() {
    for (CheckNews& news : m_check->take()) {
        switch (news.kind) {
            case CheckNews::Kind::Ready:
                if (m_phase == Phase::Starting) beginGame(news.start);
                break;
            case CheckNews::Kind::Hash:
                m_session->reportHash(news.tick, news.hash);
                break;
            case CheckNews::Kind::Alone:
                m_session->playAloneFrom(news.tick);
                // Nobody's keys count from there on: spectators work that out for themselves.
                if (m_frames.size() >= news.tick) m_frames.resize(news.tick - 1);
                break;
            case CheckNews::Kind::Over:
                m_session->gameOver(news.tick, news.hash);
                m_host.log(news.line);
                m_host.checked();
                endGame();
                break;
            case CheckNews::Kind::Capped:
                m_host.log("room " + m_code + ": game stopped at the tick cap");
                endGame();
                break;
        }
    }
}

void Room::endGame() {
    handOverReleased();
    feedWatchers(true);
    m_phase = Phase::Ending;
    m_endingSinceUs = m_host.passMicros();
    m_stateSent.clear();
}

// Each spectator gets the game's start once and then every released tick, from the first
// (one who came in the middle plays the game so far at once) in runs of a few ticks.
void Room::feedWatchers(bool all) {
    if (m_watchers.empty() || m_phase == Phase::Lobby) return;
    const std::uint32_t played = std::uint32_t(m_frames.size());
    for (Watcher& w : m_watchers) {
        if (w.waitsForNext) continue;
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
