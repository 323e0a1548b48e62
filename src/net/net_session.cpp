#include "net/net_session.h"

#include "players/roster_bytes.h"

#include <algorithm>
#include <chrono>

namespace slyders::net {

namespace {
constexpr std::uint64_t kUsPerMs = 1000;
constexpr std::uint64_t kPingEveryUs = 100 * kUsPerMs;
constexpr std::uint64_t kResendEveryUs = 8 * kUsPerMs;
constexpr double kPingSmoothing = 0.25;  // share of a new sample in the shown ping
constexpr int kMaxMachines = kHumanSeats;
constexpr int kJoinPollMs = 10;

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
    MachineInfo self;
    self.machine = m_config.machine;
    self.names = m_config.names;
    m_machines.push_back(self);
}

bool HostSession::open(const std::string& address, std::uint16_t port, std::string& error) {
    m_net = EnetTransport::listen(address, port, kMaxMachines * 2, error);
    return m_net != nullptr;
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
    m_started = true;
    start.game = std::uint16_t(m_start.game + 1);
    start.delay = std::uint8_t(chooseDelay(start.start.speed));
    std::vector<std::uint8_t> masks(m_machines.size(), 0);
    int seat = 0;
    for (std::size_t m = 0; m < m_machines.size(); ++m) {
        MachineInfo& info = m_machines[m];
        info.done = false;
        info.framesAcked = 0;
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
    for (const NetEvent& e : m_events) onEvent(e);
    sendPings();
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
        m_strangers.emplace_back(e.peer, 0);
        return;
    }
    if (e.type == NetEvent::Type::Disconnected) {
        std::erase_if(m_strangers, [&](const auto& s) { return s.first == e.peer; });
        if (machine > 0) onGone(machine, "left");
        return;
    }
    const Decoded d = decode(e.data.data(), e.data.size());
    if (d.wrongVersion) {
        m_net->send(e.peer, encode(Refuse{RefuseReason::Version, 0}), true);
        m_net->disconnect(e.peer);
        if (machine > 0) onGone(machine, "left");
        return;
    }
    if (!d.packet) {
        bad(e.peer, machine);
        return;
    }
    if (machine > 0) {
        m_machines[std::size_t(machine)].lastHeardUs = nowMicros();
        onPacket(machine, e.peer, *d.packet);
    } else if (const Hello* hello = as<Hello>(*d.packet)) {
        onHello(e.peer, *hello);
    } else {
        bad(e.peer, machine);
    }
}

void HostSession::onHello(int peer, const Hello& hello) {
    std::optional<Refuse> refuse;
    if (m_started) {
        refuse = Refuse{RefuseReason::Started, 0};
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
    std::erase_if(m_strangers, [&](const auto& s) { return s.first == peer; });
    MachineInfo info;
    info.peer = peer;
    info.machine = hello.machine;
    for (const std::string& n : hello.names) info.names.push_back(freeName(n, info.names));
    info.lastHeardUs = nowMicros();
    m_machines.push_back(info);
    m_net->send(peer, encode(Welcome{std::uint8_t(m_machines.size() - 1)}), true);
}

void HostSession::onPacket(int machine, int peer, const Packet& p) {
    MachineInfo& info = m_machines[std::size_t(machine)];
    if (const Pong* pong = as<Pong>(p)) {
        const double ms = double(std::uint32_t(nowMicros() / kUsPerMs) - pong->stamp);
        info.pingMs = info.pingMs == 0 ? ms : info.pingMs + kPingSmoothing * (ms - info.pingMs);
    } else if (const Input* in = as<Input>(p)) {
        if (!m_lock || in->game != m_start.game) return;  // a late one of the game before
        if (!m_lock->addInput(machine, in->firstTick, in->seatMask, in->packed)) {
            bad(peer, machine);
            return;
        }
        info.framesAcked = std::max(info.framesAcked, in->framesKnown);
    } else if (const Hash* h = as<Hash>(p)) {
        if (h->game == m_start.game && m_hashes.other(machine, h->tick, h->hash)) disagree();
    } else if (const Done* done = as<Done>(p)) {
        if (done->game != m_start.game) return;
        info.done = true;
        if (m_hashes.other(machine, done->tick, done->hash)) disagree();
    } else {
        bad(peer, machine);
    }
}

void HostSession::bad(int peer, int machine) {
    ++m_badPackets;
    int* count = nullptr;
    if (machine > 0) {
        count = &m_machines[std::size_t(machine)].badPackets;
    } else {
        for (auto& s : m_strangers) {
            if (s.first == peer) count = &s.second;
        }
    }
    if (!count || ++*count < kBadPacketLimit) return;
    m_net->send(peer, encode(Refuse{RefuseReason::BadPackets, 0}), true);
    m_net->disconnect(peer);
    if (machine > 0) onGone(machine, "sent bad packets");
}

void HostSession::onGone(int machine, const std::string&) {
    MachineInfo& info = m_machines[std::size_t(machine)];
    if (info.gone) return;
    info.gone = true;
    if (!m_started) {
        m_machines.erase(m_machines.begin() + machine);  // gone from the lobby: no seat
        return;
    }
    m_net->disconnect(info.peer);
    if (m_lock) m_lock->markGone(machine);
}

void HostSession::checkLate() {
    // Once the rest plays alone, nobody's keys are late.
    const int late = alone(m_lock->nextRelease()) ? -1 : m_lock->lateMachine();
    const std::uint64_t now = nowMicros();
    if (late != m_lateMachine) {
        if (m_noticeSent) sendAll(Waiting{""}, true);
        m_noticeSent = false;
        m_lateMachine = late;
        m_lateSinceUs = now;
    }
    if (late <= 0) return;
    const MachineInfo& info = m_machines[std::size_t(late)];
    if (now - info.lastHeardUs > std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs) {
        onGone(late, "silent");
        if (m_lock->releaseReady() > 0) sendFrames(true);
        return;
    }
    if (!m_noticeSent && now - m_lateSinceUs > std::uint64_t(m_config.noticeMs) * kUsPerMs) {
        sendAll(Waiting{info.label()}, true);
        m_noticeSent = true;
    }
}

void HostSession::sendFrames(bool force) {
    const std::uint64_t now = nowMicros();
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        MachineInfo& info = m_machines[m];
        if (info.gone) continue;
        if (!force && now - info.lastFramesSentUs < kResendEveryUs) continue;
        if (auto f = m_lock->framesFrom(info.framesAcked + 1, m_start.game)) {
            m_net->send(info.peer, encode(*f), false);
            info.lastFramesSentUs = now;
        }
    }
}

void HostSession::sendPings() {
    const std::uint64_t now = nowMicros();
    if (now - m_lastPingUs < kPingEveryUs) return;
    m_lastPingUs = now;
    sendAll(Ping{std::uint32_t(now / kUsPerMs)}, false);
}

void HostSession::sendAll(const Packet& p, bool reliable) {
    const std::vector<std::uint8_t> bytes = encode(p);
    for (std::size_t m = 1; m < m_machines.size(); ++m) {
        if (!m_machines[m].gone) m_net->send(m_machines[m].peer, bytes, reliable);
    }
}

void HostSession::disagree() {
    sendAll(Stop{StopReason::Disagree}, true);
    m_net->flush();
    stop(stopText(StopReason::Disagree));
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
}

void HostSession::gameOver(std::uint32_t tick, std::uint64_t hash) {
    reportHash(tick, hash);
    m_machines[0].done = true;
}

std::string HostSession::waitingFor() const {
    if (m_lateMachine <= 0) return {};
    if (nowMicros() - m_lateSinceUs < std::uint64_t(m_config.noticeMs) * kUsPerMs) return {};
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

GuestSession::GuestSession(SessionConfig config) : m_config(std::move(config)) {}

bool GuestSession::join(const std::string& address, std::uint16_t port, int timeoutMs,
                        std::string& error) {
    m_net = EnetTransport::connect(address, port, error);
    if (!m_net) return false;
    bool connected = false;
    const std::uint64_t until = nowMicros() + std::uint64_t(timeoutMs) * kUsPerMs;
    while (nowMicros() < until && !m_welcomed && !m_refused && !m_stopped) {
        m_events.clear();
        m_net->service(kJoinPollMs, m_events);
        for (const NetEvent& e : m_events) {
            if (e.type == NetEvent::Type::Connected) {
                connected = true;
                m_hostPeer = e.peer;
                Hello hello{m_config.password, m_config.machine, m_config.names};
                send(hello, true);
                m_net->flush();
            } else if (e.type == NetEvent::Type::Disconnected) {
                if (!m_refused) m_refused = "Could not reach " + address + ".";
            } else {
                const Decoded d = decode(e.data.data(), e.data.size());
                if (d.wrongVersion) m_refused = kWrongVersionText;
                if (d.packet) onPacket(*d.packet);
            }
        }
    }
    if (m_welcomed) {
        m_lastHeardUs = nowMicros();
        return true;
    }
    error = m_refused   ? *m_refused
            : connected ? "The host at " + address + " did not answer."
                        : "Could not reach " + address + ".";
    return false;
}

void GuestSession::service(int timeoutMs) {
    if (!m_net || m_stopped) return;
    m_events.clear();
    m_net->service(timeoutMs, m_events);
    for (const NetEvent& e : m_events) {
        if (e.type == NetEvent::Type::Disconnected) {
            stop(stopText(StopReason::HostClosed));
            continue;
        }
        if (e.type != NetEvent::Type::Received) continue;
        m_lastHeardUs = nowMicros();
        const Decoded d = decode(e.data.data(), e.data.size());
        if (d.wrongVersion) {
            stop(kWrongVersionText);
        } else if (!d.packet) {
            ++m_badPackets;
        } else {
            onPacket(*d.packet);
        }
    }
    if (nowMicros() - m_lastHeardUs > std::uint64_t(m_config.silentTimeoutMs) * kUsPerMs) {
        stop(stopText(StopReason::HostClosed));
    }
    if (m_lock && nowMicros() - m_lastInputSentUs > kResendEveryUs) sendInput();
    m_net->flush();
}

void GuestSession::onPacket(const Packet& p) {
    if (const Welcome* w = as<Welcome>(p)) {
        (void)w;
        m_welcomed = true;
    } else if (const Refuse* r = as<Refuse>(p)) {
        m_refused = refuseText(*r);
        if (m_welcomed) stop(*m_refused);
    } else if (const Start* s = as<Start>(p)) {
        m_pendingStart = *s;
    } else if (const Frame* f = as<Frame>(p)) {
        if (m_lock && f->game == m_start.game && !m_lock->addFrame(*f)) ++m_badPackets;
    } else if (const Ping* ping = as<Ping>(p)) {
        send(Pong{ping->stamp}, false);
    } else if (const Waiting* w = as<Waiting>(p)) {
        m_hostWaitingFor = w->name;
    } else if (const Stop* s = as<Stop>(p)) {
        stop(stopText(s->reason));
    } else {
        ++m_badPackets;
    }
}

std::optional<Start> GuestSession::takeStart() {
    if (!m_pendingStart) return std::nullopt;
    m_start = *m_pendingStart;
    m_pendingStart.reset();
    m_lock.emplace(m_start.yourSeats, m_start.delay);
    m_aloneFrom = 0;
    m_ownUpTo = 0;
    m_waitTick = 0;
    m_hostWaitingFor.clear();
    return m_start;
}

std::optional<FrameEntry> GuestSession::frameFor(std::uint32_t tick, std::uint8_t ownPacked) {
    if (!m_lock || m_stopped) return std::nullopt;
    if (alone(tick)) return FrameEntry{};
    if (tick > m_ownUpTo) {
        m_ownUpTo = tick;
        m_lock->setOwnInput(tick + m_start.delay, ownPacked);
        sendInput();
        m_net->flush();
    }
    auto f = m_lock->frameFor(tick);
    if (!f && m_waitTick != tick) {
        m_waitTick = tick;
        m_waitSinceUs = nowMicros();
    }
    return f;
}

void GuestSession::sendInput() {
    if (auto in = m_lock->pendingInput(m_start.game)) send(*in, false);
    m_lastInputSentUs = nowMicros();
}

void GuestSession::reportHash(std::uint32_t tick, std::uint64_t hash) {
    send(Hash{m_start.game, tick, hash}, true);
}

void GuestSession::gameOver(std::uint32_t tick, std::uint64_t hash) {
    send(Done{m_start.game, tick, hash}, true);
    m_net->flush();
    m_lock.reset();
}

std::string GuestSession::waitingFor() const {
    if (!m_lock || m_lock->framesKnown() >= m_waitTick) return {};
    if (nowMicros() - m_waitSinceUs < std::uint64_t(m_config.noticeMs) * kUsPerMs) return {};
    return m_hostWaitingFor.empty() ? "the host" : m_hostWaitingFor;
}

void GuestSession::leave() {
    if (!m_net) return;
    m_net->disconnectAll();
    std::vector<NetEvent> ignored;
    m_net->service(0, ignored);
    m_net->flush();
}

void GuestSession::send(const Packet& p, bool reliable) {
    m_net->send(m_hostPeer, encode(p), reliable);
}

}  // namespace slyders::net
