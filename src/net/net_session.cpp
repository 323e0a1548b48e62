#include "net/net_session.h"

#include "players/roster_bytes.h"

#include <algorithm>
#include <chrono>

namespace slyders::net {

namespace {
constexpr std::uint64_t kUsPerMs = 1000;
constexpr std::uint64_t kPingEveryUs = 100 * kUsPerMs;
constexpr std::uint64_t kResendEveryUs = 8 * kUsPerMs;
// Longer than a tick at the slowest pace: a game that goes on never waits for it.
constexpr std::uint64_t kQuietResendEveryUs = 40 * kUsPerMs;
constexpr double kPingSmoothing = 0.25;  // share of a new sample in the shown ping
constexpr int kJoinPollMs = 10;
// Beyond this many places in use, the oldest stranger makes room for whoever comes next.
constexpr int kSpareSlots = 8;
// Every machine may send this many packets that bring no new input at once, and this many
// more a second: pongs, hashes and resent inputs come far slower.
constexpr double kFloodBurst = 200;
constexpr double kFloodPerSecond = 1000;
constexpr double kUsPerS = 1e6;
constexpr std::uint16_t kPortTries = 20;
// A spectator that comes late gets the whole game so far at once: this many runs of ticks.
constexpr std::size_t kMaxEarlyFrames = 8192;

template <typename T>
const T* as(const Packet& p) {
    return std::get_if<T>(&p);
}
}  // namespace

// Two players of one name would share one entry of the host's roster, and nobody could tell
// their slyders apart on the scoreboard: a name already in the game gets a number.
std::string HostSession::freeName(const std::string& wanted,
                                  const std::vector<std::string>& joining) const {
    auto taken = [&](const std::string& n) {
        if (std::find(joining.begin(), joining.end(), n) != joining.end()) return true;
        const std::vector<std::string>& reserved = m_config.reserved;
        if (std::find(reserved.begin(), reserved.end(), n) != reserved.end()) return true;
        return std::any_of(m_machines.begin(), m_machines.end(), [&](const MachineInfo& m) {
            return std::find(m.names.begin(), m.names.end(), n) != m.names.end();
        });
    };
    // Names are kept as the roster keeps them; the number goes in the room that leaves.
    const std::string name = clipName(wanted);
    if (!taken(name)) return name;
    for (int k = 2;; ++k) {
        const std::string number = " " + std::to_string(k);
        const std::string candidate = clipName(name, kMaxNameBytes - number.size()) + number;
        if (!taken(candidate)) return candidate;
    }
}

std::uint64_t nowMicros() {
    return std::uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count());
}

std::string MachineInfo::label() const {
    std::string s;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) s += i + 1 == names.size() ? " and " : ", ";
        s += names[i];
    }
    return s.empty() ? machine : s;
}

// ---------------------------------------------------------------- host

HostSession::HostSession(SessionConfig config) : m_config(std::move(config)) {
    m_clock = m_config.clock;
    MachineInfo self;
    self.machine = m_config.machine;
    self.names = m_config.names;
    m_machines.push_back(self);
}

bool HostSession::open(const std::string& address, std::uint16_t port, std::string& error) {
    m_address = address;
    m_requestedPort = port;
    m_net = EnetTransport::listen(address, port, kPeerSlots, error);
    return m_net != nullptr;
}

bool HostSession::openNear(const std::string& address, std::uint16_t port, std::string& error) {
    for (std::uint16_t k = 0; k < kPortTries && port + k <= 0xFFFF; ++k) {
        std::string ignored;
        if (open(address, std::uint16_t(port + k), ignored)) break;
    }
    m_requestedPort = port;
    if (m_net) return true;
    error = "Port " + std::to_string(port) + " and the " + std::to_string(kPortTries - 1) +
            " after it are in use or cannot be opened.";
    return false;
}

bool HostSession::reopenNear(std::uint16_t port, std::string& error) {
    if (m_started || guestsPresent() > 0) {
        error = "The port cannot change once a guest has joined.";
        return false;
    }
    const std::uint16_t was = this->port(), wasRequested = m_requestedPort;
    m_strangers.clear();
    m_net.reset();  // the old port is free again, and may itself be chosen
    if (openNear(m_address, port, error)) return true;
    std::string ignored;
    open(m_address, was, ignored);
    m_requestedPort = wasRequested;
    return false;
}

bool HostSession::advertise(const std::string& address, std::uint16_t port, std::string& error) {
    auto responder = std::make_unique<DiscoveryResponder>();
    if (!responder->open(address, port, error)) return false;
    m_responder = std::move(responder);
    return true;
}

GameAd HostSession::ad() const {
    GameAd ad;
    ad.port = port();
    ad.machine = m_config.machine;
    for (const MachineInfo& m : m_machines) {
        if (m.gone) continue;
        ad.players += (ad.players.empty() ? "" : ", ") + m.label();
    }
    ad.freeSeats = std::uint8_t(freeSeats());
    ad.password = !m_config.password.empty();
    return ad;
}

int HostSession::freeSeats() const {
    int taken = 0;
    for (const MachineInfo& m : m_machines) {
        if (!m.gone) taken += int(m.names.size());
    }
    return std::max(0, kHumanSeats - taken);
}

int HostSession::guestsPresent() const {
    return int(std::count_if(m_machines.begin() + 1, m_machines.end(),
                             [](const MachineInfo& m) { return !m.gone; }));
}

std::vector<SeatOwner> HostSession::seatOwners() const {
    std::vector<SeatOwner> owners;
    for (int m = 0; m < int(m_machines.size()); ++m) {
        if (m_machines[std::size_t(m)].gone) continue;
        for (const std::string& n : m_machines[std::size_t(m)].names) owners.push_back({m, n});
    }
    return owners;
}

int HostSession::chooseDelay(int speedLevel) const {
    double worst = 0;
    for (const MachineInfo& m : m_machines) {
        if (!m.gone) worst = std::max(worst, m.pingMs);
    }
    return inputDelayFor(worst, speedLevel);
}

const Start& HostSession::begin(Start start) {
    m_started = m_inGame = true;
    // A room lives through many games: machines that left before this one are forgotten.
    if (m_config.serverRoom) {
        std::erase_if(m_machines, [](const MachineInfo& m) { return m.gone; });
    }
    start.game = std::uint16_t(m_start.game + 1);
    start.delay = std::uint8_t(chooseDelay(start.start.speed));
    std::vector<std::uint8_t> masks(m_machines.size(), 0);
    int seat = 0;
    for (std::size_t m = 0; m < m_machines.size(); ++m) {
        MachineInfo& info = m_machines[m];
        info.done = false;
        info.framesAcked = 0;
        info.lastHashTick = 0;
        info.seatMask = 0;
        if (info.gone) continue;
        for (std::size_t i = 0; i < info.names.size(); ++i) info.seatMask |= 1u << seat++;
        masks[m] = info.seatMask;
    }
    m_lock.emplace(masks, start.delay);
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        if (m_machines[m].gone) m_lock->markGone(int(m));  // left after the last game
    }
    m_aloneFrom = 0;
    m_hashes = HashBook{};
    m_ownUpTo = 0;
    m_lateMachine = -1;
    m_noticeSent = false;
    m_stuckMachine = -1;
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        const MachineInfo& info = m_machines[m];
        if (info.gone) continue;
        Start theirs = start;
        theirs.yourSeats = info.seatMask;
        m_net->send(info.peer, encode(theirs), true);
    }
    m_net->flush();
    start.yourSeats = m_machines[0].seatMask;
    m_start = start;
    return m_start;
}

std::size_t HostSession::held() const {
    std::size_t n = m_machines.size() + m_strangers.size() + m_hashes.held();
    return m_lock ? n + m_lock->held() : n;
}

bool HostSession::guestsDone() const {
    return std::all_of(m_machines.begin() + 1, m_machines.end(),
                       [](const MachineInfo& m) { return m.gone || m.done; });
}

int HostSession::machineOfPeer(int peer) const {
    for (int m = 1; m < int(m_machines.size()); ++m) {
        if (m_machines[std::size_t(m)].peer == peer && !m_machines[std::size_t(m)].gone) return m;
    }
    return -1;
}

void HostSession::service(int timeoutMs) {
    if (!m_net) return;
    m_events.clear();
    m_net->service(timeoutMs, m_events);
    forgiveOwnPause();
    for (const NetEvent& e : m_events) onEvent(e);
    dropStrangers();
    dropSilent();
    sendPings();
    if (m_responder && !m_started) m_responder->answer(ad());
    if (m_lock) {
        if (m_lock->releaseReady() > 0) sendFrames(true);
        checkLate();
        sendFrames(false);
    }
    m_net->flush();
}

void HostSession::onEvent(const NetEvent& e) {
    const int machine = machineOfPeer(e.peer);
    if (e.type == NetEvent::Type::Connected) {
        onConnected(e.peer);
        return;
    }
    if (e.type == NetEvent::Type::Disconnected) {
        std::erase_if(m_strangers, [&](const Stranger& s) { return s.peer == e.peer; });
        if (machine > 0) onGone(machine, Gone::Left);
        return;
    }
    const Decoded d = decode(e.data.data(), e.data.size());
    if (d.wrongVersion) {
        m_net->send(e.peer, encode(Refuse{RefuseReason::Version, 0}), true);
        m_net->disconnect(e.peer);
        if (machine > 0) onGone(machine, Gone::Left);
        return;
    }
    if (!d.packet) {
        bad(e.peer, machine);
        return;
    }
    if (machine > 0) {
        MachineInfo& info = m_machines[std::size_t(machine)];
        info.lastHeardUs = now();
        if (flooded(info)) {
            bad(e.peer, machine);
            return;
        }
        onPacket(machine, e.peer, *d.packet);
    } else if (const Hello* hello = as<Hello>(*d.packet)) {
        onHello(e.peer, *hello);
    } else {
        bad(e.peer, machine);
    }
}

void HostSession::onHello(int peer, const Hello& hello) {
    std::optional<Refuse> refuse;
    // A machine that asks for a room found no room here; a room is not joined without one.
    if (hello.names.empty() || (hello.action != RoomAction::None) != m_config.serverRoom) {
        refuse = Refuse{RefuseReason::NoRoom, 0};
    } else if (m_inGame) {
        refuse = Refuse{RefuseReason::Started, 0};
    } else if (const std::uint8_t parts = differingParts(m_config.fingerprint, hello.fingerprint)) {
        refuse = Refuse{RefuseReason::Differs, 0, parts};
    } else if (hello.password != m_config.password) {
        refuse = Refuse{RefuseReason::Password, 0};
    } else if (int(hello.names.size()) > freeSeats()) {
        refuse = Refuse{RefuseReason::Full, std::uint8_t(freeSeats())};
    }
    if (refuse) {
        m_net->send(peer, encode(*refuse), true);
        m_net->disconnect(peer);
        return;
    }
    std::erase_if(m_strangers, [&](const Stranger& s) { return s.peer == peer; });
    MachineInfo info;
    info.peer = peer;
    info.machine = hello.machine;
    for (const std::string& n : hello.names) info.names.push_back(freeName(n, info.names));
    info.lastHeardUs = now();
    info.floodTokens = kFloodBurst;
    info.floodCountedUs = info.lastHeardUs;
    m_machines.push_back(info);
    m_net->send(peer, encode(Welcome{std::uint8_t(m_machines.size() - 1), m_config.room}), true);
}

void HostSession::onPacket(int machine, int peer, const Packet& p) {
    MachineInfo& info = m_machines[std::size_t(machine)];
    if (const Pong* pong = as<Pong>(p)) {
        const double ms = double(std::uint32_t(now() / kUsPerMs) - pong->stamp);
        info.pingMs = info.pingMs == 0 ? ms : info.pingMs + kPingSmoothing * (ms - info.pingMs);
    } else if (const Input* in = as<Input>(p)) {
        if (!m_lock || in->game != m_start.game) return;  // a late one of the game before
        int added = 0;
        if (!m_lock->addInput(machine, in->firstTick, in->seatMask, in->packed, &added)) {
            bad(peer, machine);
            return;
        }
        if (added > 0) info.floodTokens = std::min(kFloodBurst, info.floodTokens + 1);
        info.framesAcked = std::max(info.framesAcked, in->framesKnown);
        info.heardSinceFrames = true;
    } else if (const Hash* h = as<Hash>(p)) {
        if (!m_lock || h->game != m_start.game) return;
        // A machine hashes each tick it played once, in order.
        if (h->tick <= info.lastHashTick) {
            bad(peer, machine);
            return;
        }
        info.lastHashTick = h->tick;
        if (m_hashes.other(machine, h->tick, h->hash)) disagree();
        removeDisagreeing();
    } else if (const Done* done = as<Done>(p)) {
        if (!m_lock || done->game != m_start.game) return;
        if (info.done) {
            bad(peer, machine);
            return;
        }
        info.done = true;
        if (m_hashes.other(machine, done->tick, done->hash)) disagree();
        removeDisagreeing();
    } else {
        bad(peer, machine);
    }
}

bool HostSession::flooded(MachineInfo& info) {
    const std::uint64_t t = now();
    const double refill = double(t - std::min(t, info.floodCountedUs)) / kUsPerS * kFloodPerSecond;
    info.floodCountedUs = t;
    info.floodTokens = std::min(kFloodBurst, info.floodTokens + refill);
    if (info.floodTokens < 1) return true;
    info.floodTokens -= 1;
    return false;
}

void HostSession::bad(int peer, int machine) {
    ++m_badPackets;
    int* count = nullptr;
    if (machine > 0) {
        count = &m_machines[std::size_t(machine)].badPackets;
    } else {
        for (Stranger& s : m_strangers) {
            if (s.peer == peer) count = &s.badPackets;
        }
    }
    if (!count || ++*count < kBadPacketLimit) return;
    m_net->send(peer, encode(Refuse{RefuseReason::BadPackets, 0}), true);
    m_net->disconnect(peer);
    if (machine > 0) onGone(machine, Gone::BadPackets);
}

void HostSession::onConnected(int peer) {
    // ENet turns away, unanswered, whoever comes when every place is taken: the strangers
    // who have not said who they are go first, so a player always finds one.
    while (m_net->peerCount() > kPeerSlots - kSpareSlots && !m_strangers.empty()) {
        m_net->drop(m_strangers.front().peer);
        m_strangers.erase(m_strangers.begin());
    }
    m_strangers.push_back(Stranger{peer, 0, now()});
}

void HostSession::dropStrangers() {
    const std::uint64_t t = now();
    std::erase_if(m_strangers, [&](const Stranger& s) {
        if (t - s.sinceUs <= std::uint64_t(m_config.helloTimeoutMs) * kUsPerMs) return false;
        m_net->drop(s.peer);
        return true;
    });
}

// This machine itself said nothing for a long while (a box held the game loop): the guests
// were not silent, only unheard, and they get the whole timeout again.
void HostSession::forgiveOwnPause() {
    const std::uint64_t t = now();
    const std::uint64_t pause = t - std::min(t, m_lastServiceUs);
    if (m_lastServiceUs != 0 && pause > std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs / 2) {
        for (MachineInfo& info : m_machines) info.lastHeardUs = std::max(info.lastHeardUs, t);
        m_stuckSinceUs = t;
    }
    m_lastServiceUs = t;
}

// In the lobby and between games every guest answers the pings; one that has said nothing
// for the silent timeout has gone, and its seat is free again.
void HostSession::dropSilent() {
    const std::uint64_t t = now();
    const std::uint64_t limit = std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs;
    for (int m = int(m_machines.size()) - 1; m > 0; --m) {
        const MachineInfo& info = m_machines[std::size_t(m)];
        if (!info.gone && t - std::min(t, info.lastHeardUs) > limit) onGone(m, Gone::Silent);
    }
}

void HostSession::onGone(int machine, Gone why) {
    MachineInfo& info = m_machines[std::size_t(machine)];
    if (info.gone) return;
    info.gone = true;
    // A machine that comes back from a long pause is told why the game went on without it.
    if (why == Gone::Silent) m_net->send(info.peer, encode(Stop{StopReason::Dropped}), true);
    m_net->disconnect(info.peer);
    if (!m_started) {
        m_machines.erase(m_machines.begin() + machine);  // gone from the lobby: no seat
        return;
    }
    if (m_lock) m_lock->markGone(machine);
}

void HostSession::checkLate() {
    // Once the rest plays alone, nobody's keys are late.
    const int late = alone(m_lock->nextRelease()) ? -1 : m_lock->lateMachine();
    const std::uint64_t t = now();
    if (late != m_lateMachine) {
        if (m_noticeSent) sendAll(Waiting{""}, true);
        m_noticeSent = false;
        m_lateMachine = late;
        m_lateSinceUs = t;
    }
    if (late != m_stuckMachine || m_lock->nextRelease() != m_stuckTick) {
        m_stuckMachine = late;
        m_stuckTick = m_lock->nextRelease();
        m_stuckSinceUs = t;
    }
    if (late <= 0) return;
    const MachineInfo& info = m_machines[std::size_t(late)];
    // Whatever else it sends, a machine whose keys stop holds everybody up: it is silent.
    if (t - std::min(t, m_stuckSinceUs) > std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs) {
        onGone(late, Gone::Silent);
        if (m_lock->releaseReady() > 0) sendFrames(true);
        return;
    }
    if (!m_noticeSent && t - m_lateSinceUs > std::uint64_t(m_config.noticeMs) * kUsPerMs) {
        sendAll(Waiting{info.label()}, true);
        m_noticeSent = true;
    }
}

void HostSession::sendFrames(bool force) {
    const std::uint64_t t = now();
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        MachineInfo& info = m_machines[m];
        if (info.gone) continue;
        // Frames go again only to a machine that has spoken since they went and still lacks
        // them (one lost on the way), or after a long silence; the next tick's frame carries
        // the ones before it anyway. A machine keeping up costs one datagram a tick.
        const std::uint64_t since = t - std::min(t, info.lastFramesSentUs);
        const bool again = (info.heardSinceFrames && since >= kResendEveryUs) ||
                           since >= kQuietResendEveryUs;
        if (!force && !again) continue;
        if (auto f = m_lock->framesFrom(info.framesAcked + 1, m_start.game)) {
            m_net->send(info.peer, encode(*f), false);
            info.lastFramesSentUs = t;
            info.heardSinceFrames = false;
        }
    }
}

void HostSession::sendPings() {
    const std::uint64_t t = now();
    if (t - m_lastPingUs < kPingEveryUs) return;
    m_lastPingUs = t;
    sendAll(Ping{std::uint32_t(t / kUsPerMs)}, false);
}

void HostSession::sendAll(const Packet& p, bool reliable) {
    const std::vector<std::uint8_t> bytes = encode(p);
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        if (!m_machines[m].gone) m_net->send(m_machines[m].peer, bytes, reliable);
    }
}

void HostSession::disagree() {
    if (m_config.serverRoom) return;  // only the machines that disagree leave: see below
    sendAll(Stop{StopReason::Disagree}, true);
    m_net->flush();
    stop(stopText(StopReason::Disagree));
}

// A room's own game is the one that counts: a machine whose hash is not the same is told
// and leaves, its slyders die on every other machine, and the rest play on.
void HostSession::removeDisagreeing() {
    for (int machine : m_hashes.takeDisagreeing()) {
        if (!m_config.serverRoom || machine <= 0 || machine >= int(m_machines.size())) continue;
        MachineInfo& info = m_machines[std::size_t(machine)];
        if (info.gone) continue;
        m_net->send(info.peer, encode(Stop{StopReason::Removed}), true);
        onGone(machine, Gone::Left);
    }
}

std::optional<FrameEntry> HostSession::frameFor(std::uint32_t tick, std::uint8_t ownPacked) {
    if (!m_lock || m_stopped) return std::nullopt;
    if (alone(tick)) return FrameEntry{};
    if (tick > m_ownUpTo) {
        m_ownUpTo = tick;
        const std::uint8_t mask = m_machines[0].seatMask;
        const std::uint8_t own = std::uint8_t(ownPacked & inputBitsOf(mask));
        if (mask) m_lock->addInput(0, tick + std::uint32_t(m_lock->delay()), mask, {own});
        if (m_lock->releaseReady() > 0) {
            sendFrames(true);
            m_net->flush();
        }
    }
    return m_lock->released(tick);
}

void HostSession::reportHash(std::uint32_t tick, std::uint64_t hash) {
    if (m_hashes.own(tick, hash)) disagree();
    removeDisagreeing();
}

void HostSession::gameOver(std::uint32_t tick, std::uint64_t hash) {
    reportHash(tick, hash);
    m_machines[0].done = true;
}

std::string HostSession::waitingFor() const {
    if (m_lateMachine <= 0) return {};
    if (now() - m_lateSinceUs < std::uint64_t(m_config.noticeMs) * kUsPerMs) return {};
    return m_machines[std::size_t(m_lateMachine)].label();
}

void HostSession::close() {
    if (!m_net) return;
    sendAll(Stop{StopReason::HostClosed}, true);
    m_net->flush();
    m_net->disconnectAll();
    std::vector<NetEvent> ignored;
    m_net->service(0, ignored);
    m_net->flush();
}

// ---------------------------------------------------------------- guest

GuestSession::GuestSession(SessionConfig config) : m_config(std::move(config)) {
    m_clock = m_config.clock;
}

void GuestSession::attach(std::unique_ptr<Transport> transport) {
    m_net = std::move(transport);
    m_hostPeer = 1;
    m_welcomed = true;
    m_lastHeardUs = m_lastServiceUs = now();
}

bool GuestSession::join(const std::string& address, std::uint16_t port, int timeoutMs,
                        std::string& error) {
    m_net = EnetTransport::connect(address, port, error);
    if (!m_net) return false;
    const std::string where = address + ":" + std::to_string(port);
    bool connected = false;
    const std::uint64_t until = now() + std::uint64_t(timeoutMs) * kUsPerMs;
    while (now() < until && !m_welcomed && !m_refused && !m_stopped) {
        m_events.clear();
        m_net->service(kJoinPollMs, m_events);
        for (const NetEvent& e : m_events) {
            if (e.type == NetEvent::Type::Connected) {
                connected = true;
                m_hostPeer = e.peer;
                Hello hello{m_config.password, m_config.machine, m_config.names,
                            m_config.fingerprint, m_config.action, m_config.room,
                            m_config.secrets};
                send(hello, true);
                m_net->flush();
            } else if (e.type == NetEvent::Type::Disconnected) {
                if (!m_refused) m_refused = "Could not reach " + where + ".";
            } else {
                const Decoded d = decode(e.data.data(), e.data.size());
                if (d.wrongVersion) m_refused = kWrongVersionText;
                if (d.packet) onPacket(*d.packet);
            }
        }
    }
    if (m_refused && m_config.action != RoomAction::None && !m_welcomed) {
        m_refused = m_refusedText.empty() ? *m_refused : m_refusedText;
    }
    if (m_welcomed) {
        m_lastHeardUs = m_lastServiceUs = now();
        return true;
    }
    error = m_refused   ? *m_refused
            : connected ? "The host at " + where + " did not answer."
                        : "Could not reach " + where + ".";
    return false;
}

void GuestSession::service(int timeoutMs) {
    if (!m_net || m_stopped || m_stopAfterKnown) return;
    m_events.clear();
    m_net->service(timeoutMs, m_events);
    const std::uint64_t limit = std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs;
    // This machine did not run for the timeout: the host has gone on without it.
    const std::uint64_t t = now();
    const bool paused = t - std::min(t, m_lastServiceUs) > limit;
    m_lastServiceUs = t;
    for (const NetEvent& e : m_events) {
        if (e.type == NetEvent::Type::Disconnected) {
            if (paused) {
                stop(stopText(StopReason::Dropped));
            } else {
                closedByHost(stopText(StopReason::HostClosed));
            }
            continue;
        }
        if (e.type != NetEvent::Type::Received) continue;
        m_lastHeardUs = now();
        const Decoded d = decode(e.data.data(), e.data.size());
        if (d.wrongVersion) {
            stop(kWrongVersionText);
        } else if (!d.packet) {
            ++m_badPackets;
        } else {
            onPacket(*d.packet);
        }
    }
    if (now() - std::min(now(), m_lastHeardUs) > limit) {
        stop(paused ? stopText(StopReason::Dropped) : kHostSilentText);
    }
    if (m_stopped) return;
    // The keys go once a tick; again only while this machine waits for a frame (keys or a
    // frame lost on the way), or now and then, for a host that waits on them.
    if (m_lock && !watching()) {
        const std::uint64_t since = now() - std::min(now(), m_lastInputSentUs);
        const bool waiting = m_lock->framesKnown() < m_waitTick;
        if ((waiting && since > kResendEveryUs) || since > kQuietResendEveryUs) sendInput();
    }
    m_net->flush();
}

void GuestSession::onPacket(const Packet& p) {
    if (const Welcome* w = as<Welcome>(p)) {
        m_roomCode = w->room;
        m_welcomed = true;
    } else if (const RoomState* room = as<RoomState>(p)) {
        m_roomState = *room;
    } else if (const Ladder* ladder = as<Ladder>(p)) {
        m_ladder = ladder->rows;
    } else if (const Refuse* r = as<Refuse>(p)) {
        m_refused = refuseText(*r);
        if (m_config.action != RoomAction::None) m_refusedText = roomRefuseText(*r, m_config.room);
        // No password typed at all: the player needs to hear that one is asked for.
        if (r->reason == RefuseReason::Password && m_config.password.empty()) {
            m_refused = "This game needs a password.";
        }
        if (m_welcomed) stop(*m_refused);
    } else if (const Start* s = as<Start>(p)) {
        m_pendingStart = *s;
        m_earlyFrames.clear();
    } else if (const Frame* f = as<Frame>(p)) {
        // A spectator's ticks come once each, right behind the game's start: those that come
        // before this machine took the start wait for it.
        if (m_pendingStart && f->game == m_pendingStart->game) {
            if (m_earlyFrames.size() < kMaxEarlyFrames) m_earlyFrames.push_back(*f);
        } else if (m_lock && f->game == m_start.game && !m_lock->addFrame(*f)) {
            ++m_badPackets;
        }
    } else if (const Ping* ping = as<Ping>(p)) {
        send(Pong{ping->stamp}, false);
    } else if (const Waiting* w = as<Waiting>(p)) {
        m_hostWaitingFor = w->name;
    } else if (const Stop* s = as<Stop>(p)) {
        const bool closed =
            s->reason == StopReason::HostClosed || s->reason == StopReason::ServerClosed;
        if (closed) {
            closedByHost(stopText(s->reason));
        } else {
            stop(stopText(s->reason));
        }
    } else {
        ++m_badPackets;
    }
}

void GuestSession::closedByHost(const std::string& why) {
    // The frames before the close came first, so a spectator behind the game still has the
    // rest of it to play, to its end; the others are in step and have nothing more to play.
    if (watching() && m_lock && m_lock->framesKnown() > m_playedUpTo) {
        if (!m_stopAfterKnown) m_stopAfterKnown = why;
    } else {
        stop(why);
    }
}

std::optional<Start> GuestSession::takeStart() {
    if (!m_pendingStart) return std::nullopt;
    m_start = *m_pendingStart;
    m_pendingStart.reset();
    m_lock.emplace(m_start.yourSeats, m_start.delay);
    for (const Frame& f : m_earlyFrames) m_lock->addFrame(f);
    m_earlyFrames.clear();
    m_aloneFrom = 0;
    m_ownUpTo = 0;
    m_playedUpTo = 0;
    m_waitTick = 0;
    m_hostWaitingFor.clear();
    return m_start;
}

std::optional<FrameEntry> GuestSession::frameFor(std::uint32_t tick, std::uint8_t ownPacked) {
    if (!m_lock || m_stopped) return std::nullopt;
    if (alone(tick)) return FrameEntry{};
    if (tick > m_ownUpTo && !watching()) {  // a spectator steers nothing
        m_ownUpTo = tick;
        m_lock->setOwnInput(tick + m_start.delay, ownPacked);
        sendInput();
        m_net->flush();
    }
    auto f = m_lock->frameFor(tick);
    if (f) {
        m_playedUpTo = std::max(m_playedUpTo, tick);
    } else if (m_stopAfterKnown) {
        stop(*m_stopAfterKnown);  // all of the game that was sent has been played
    }
    if (!f && m_waitTick != tick) {
        m_waitTick = tick;
        m_waitSinceUs = now();
    }
    return f;
}

void GuestSession::sendInput() {
    if (auto in = m_lock->pendingInput(m_start.game)) send(*in, false);
    m_lastInputSentUs = now();
}

void GuestSession::reportHash(std::uint32_t tick, std::uint64_t hash) {
    if (!watching()) send(Hash{m_start.game, tick, hash}, true);
}

void GuestSession::gameOver(std::uint32_t tick, std::uint64_t hash) {
    if (!watching()) send(Done{m_start.game, tick, hash}, true);
    m_net->flush();
    m_lock.reset();
    if (m_stopAfterKnown) stop(*m_stopAfterKnown);  // the watched game's end was all there was
}

void GuestSession::requestStart(const Start& choices) {
    send(choices, true);
    m_net->flush();
}

std::string GuestSession::waitingFor() const {
    if (!m_lock || m_lock->framesKnown() >= m_waitTick) return {};
    if (now() - m_waitSinceUs < std::uint64_t(m_config.noticeMs) * kUsPerMs) return {};
    return m_hostWaitingFor.empty() ? "the host" : m_hostWaitingFor;
}

void GuestSession::leave() {
    if (!m_net) return;
    m_net->disconnectAll();
    std::vector<NetEvent> ignored;
    m_net->service(0, ignored);
    m_net->flush();
}

std::size_t GuestSession::held() const {
    return m_lock ? m_lock->held() : 0;
}

void GuestSession::send(const Packet& p, bool reliable) {
    m_net->send(m_hostPeer, encode(p), reliable);
}

}  // namespace slyders::net
