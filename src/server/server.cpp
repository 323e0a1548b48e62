#include "server/server.h"

#include <algorithm>
#include <charconv>
#include <random>

#include "net/fingerprint.h"
#include "players/roster_bytes.h"

namespace slyders::server {

namespace {
constexpr std::uint64_t kUsPerMs = 1000, kUsPerS = 1'000'000;
constexpr std::uint64_t kMinuteUs = 60 * kUsPerS;
constexpr std::uint64_t kFlushEveryUs = 200;
// Letters and digits nobody mistakes for one another: no 0/O, 1/I/L, 2/Z, 5/S, 8/B.
constexpr std::string_view kCodeAlphabet = "ACDEFGHJKMNPQRTUVWXY34679";
constexpr int kShutdownWaitMs = 500;
constexpr int kLadderRowsShown = 10;

template <typename T>
const T* as(const net::Packet& p) {
    return std::get_if<T>(&p);
}

template <typename T>
bool number(const std::string& text, T& out) {
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size();
}

std::string upper(std::string code) {
    for (char& c : code) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return code;
}
}  // namespace

const char* const kServerUsage =
    "usage: slyders-server [--port P] [--db FILE] [--max-rooms N] [--name TEXT]\n"
    "       slyders-server --ladder [--db FILE]\n"
    "Serves rooms of Slyders games on one UDP port (27960 by default). Players create a room\n"
    "and get its code; friends join or watch it by the code. The server plays every game\n"
    "itself, checks every machine against its own game and keeps the ladder in FILE\n"
    "(slyders-server.db by default). --ladder prints the ladder and ends.\n";

std::optional<std::string> parseServerOptions(const std::vector<std::string>& args,
                                              ServerOptions& out, bool& ladder, bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int v = 0;
        if (a == "--port") {
            if (!hasValue || !number(args[++i], v) || v < 1 || v > 65535)
                return "--port takes a number from 1 to 65535";
            out.port = std::uint16_t(v);
        } else if (a == "--db") {
            if (!hasValue) return "--db needs a file";
            out.db = args[++i];
        } else if (a == "--max-rooms") {
            if (!hasValue || !number(args[++i], v) || v < 1 || v > kMaxConnections / 4)
                return "--max-rooms takes a number from 1 to " + std::to_string(kMaxConnections / 4);
            out.maxRooms = v;
        } else if (a == "--name") {
            if (!hasValue) return "--name needs a text";
            out.name = args[++i];
        } else if (a == "--address") {
            if (!hasValue) return "--address needs an address";
            out.address = args[++i];
        } else if (a == "--ladder") {
            ladder = true;
        } else if (a == "--help" || a == "-h") {
            help = true;
        } else {
            return "unknown option \"" + a + "\"";
        }
    }
    return std::nullopt;
}

Server::Server(ServerOptions options, TextRenderer& text,
               std::function<void(const std::string&)> log)
    : m_options(std::move(options)),
      m_text(text),
      m_log(std::move(log)),
      m_fingerprint(net::machineFingerprint(text)) {}

Server::~Server() = default;

bool Server::open(std::string& error) {
    m_passUs = net::nowMicros();
    if (!m_ladder.open(m_options.db, error)) return false;
    std::vector<PlrScore> roster = m_ladder.roster();
    if (roster.empty()) {
        m_scores.Load();  // a new ladder starts from the game's own defaults
    } else {
        m_scores = Scores::copyOf(std::move(roster));
    }
    for (int k = 0; k < 2 && k < m_scores.count(); ++k) m_reserved.push_back(m_scores.entry(k).name);
    m_top = topOf(m_scores.entries(), kLadderRowsShown);
    m_checker = std::make_unique<Checker>();
    m_net = net::EnetTransport::listen(m_options.address, m_options.port,
                                      peerPlacesFor(m_options.maxRooms), error);
    if (!m_net) return false;
    log(m_options.name + " listening on UDP port " + std::to_string(port()) + ", ladder " +
        m_options.db + " (" + std::to_string(m_ladder.games()) + " checked games)");
    return true;
}

// A room whose machines sent something, or whose checker found something, takes its turn
// at once; the others now and then, for their clocks. A pass that carries a few rooms' keys
// costs those rooms alone.
void Server::step(int timeoutMs) {
    m_events.clear();
    m_net->service(timeoutMs, m_events);
    m_passUs = net::nowMicros();
    for (const net::NetEvent& e : m_events) onEvent(e);
    std::uint64_t flushedUs = m_passUs;
    for (auto it = m_rooms.begin(); it != m_rooms.end();) {
        Room& room = *(it++)->second;
        if (!room.due(m_passUs)) continue;
        stepRoom(room);
        // A busy pass lets its frames go as it goes, not all at its end.
        const std::uint64_t t = net::nowMicros();
        if (t - flushedUs >= kFlushEveryUs) {
            m_net->flush();
            flushedUs = t;
        }
    }
    dropStrangers();
    m_net->flush();
}

void Server::stepRoom(Room& room) {
    room.step();
    if (!room.deserted()) return;
    log("room " + room.code() + " closed");
    room.close(net::StopReason::HostClosed);
    m_steersDroppedGone += room.counts().steersDropped;
    std::erase_if(m_roomOfPeer, [&](const auto& p) { return p.second == &room; });
    const std::string code = room.code();
    m_rooms.erase(code);
}

void Server::onEvent(const net::NetEvent& e) {
    if (e.type == net::NetEvent::Type::Connected) m_addresses[e.peer] = m_net->addressOf(e.peer);
    const auto inRoom = m_roomOfPeer.find(e.peer);
    if (inRoom != m_roomOfPeer.end()) {
        inRoom->second->onEvent(e);
        if (e.type == net::NetEvent::Type::Disconnected) {
            log(who(e.peer) + " left room " + inRoom->second->code());
            m_roomOfPeer.erase(inRoom);
            m_addresses.erase(e.peer);
        }
        return;
    }
    if (e.type == net::NetEvent::Type::Disconnected) m_addresses.erase(e.peer);
    switch (e.type) {
        case net::NetEvent::Type::Connected:
            m_strangers[e.peer] = Stranger{net::nowMicros(), 0};
            break;
        case net::NetEvent::Type::Disconnected:
            m_strangers.erase(e.peer);
            break;
        case net::NetEvent::Type::Received:
            onStranger(e.peer, e.data);
            break;
    }
}

void Server::onStranger(int peer, const std::vector<std::uint8_t>& bytes) {
    const auto stranger = m_strangers.find(peer);
    if (stranger == m_strangers.end()) return;  // already answered, leaving
    const net::Decoded d = net::decode(bytes.data(), bytes.size());
    if (d.wrongVersion) {
        refuse(peer, net::RefuseReason::Version, "another version");
    } else if (!d.packet) {
        if (++stranger->second.badPackets >= net::kBadPacketLimit)
            refuse(peer, net::RefuseReason::BadPackets, "bad packets");
    } else if (as<net::LadderAsk>(*d.packet)) {
        m_net->send(peer, net::encode(net::Ladder{top()}), true);
    } else if (const net::Hello* hello = as<net::Hello>(*d.packet)) {
        onHello(peer, *hello, bytes);
    } else if (!as<net::Pong>(*d.packet) && ++stranger->second.badPackets >= net::kBadPacketLimit) {
        refuse(peer, net::RefuseReason::BadPackets, "bad packets");
    }
}

void Server::onHello(int peer, const net::Hello& hello, const std::vector<std::uint8_t>& bytes) {
    const std::string code = upper(hello.room);
    Room* room = nullptr;
    if (hello.action == net::RoomAction::None) {
        refuse(peer, net::RefuseReason::NoRoom, "asked for no room");
        return;
    }
    if (hello.action == net::RoomAction::Create) {
        if (int(m_rooms.size()) >= m_options.maxRooms) {
            refuse(peer, net::RefuseReason::ServerFull, "every room is taken");
            return;
        }
    } else {
        const std::uint64_t bannedUntil = m_tries[m_net->hostOf(peer)].bannedUntilUs;
        if (bannedUntil > net::nowMicros()) {
            refuse(peer, net::RefuseReason::TooManyCodes, "still barred for wrong codes");
            return;
        }
        const auto it = m_rooms.find(code);
        if (it == m_rooms.end()) {
            if (wrongCode(peer)) {
                refuse(peer, net::RefuseReason::TooManyCodes, "barred: too many wrong codes");
            } else {
                refuse(peer, net::RefuseReason::NoRoom, "no room " + code);
            }
            return;
        }
        room = it->second.get();
    }
    if (hello.action == net::RoomAction::Watch) {
        if (room->counts().watchers >= net::kMaxWatchers) {
            refuse(peer, net::RefuseReason::WatchersFull, "room " + code + " has every spectator");
            return;
        }
        m_strangers.erase(peer);
        m_roomOfPeer[peer] = room;
        room->watch(peer);
        log(who(peer) + " watches room " + code);
        return;
    }
    bool claimed = false;
    {
        const std::lock_guard<std::mutex> lock(m_ladderMutex);
        claimed = m_ladder.claim(hello.names, hello.secrets);
    }
    if (!claimed) {
        refuse(peer, net::RefuseReason::NameOwned, "a name of another machine");
        return;
    }
    if (!room) {
        const std::string fresh = newCode();
        room = m_rooms
                   .emplace(fresh, std::make_unique<Room>(fresh, *m_net, m_text, *this,
                                                          m_options.silentTimeoutMs))
                   .first->second.get();
        log("room " + fresh + " made by " + who(peer));
    }
    m_strangers.erase(peer);
    m_roomOfPeer[peer] = room;
    room->admit(peer, bytes);
    std::string names;
    for (const std::string& n : hello.names) names += (names.empty() ? "" : ", ") + n;
    log(names + " (" + who(peer) + ") joins room " + room->code());
}

// Counts a wrong code of the peer's address; true when the address is now barred.
bool Server::wrongCode(int peer) {
    Tries& tries = m_tries[m_net->hostOf(peer)];
    const std::uint64_t t = net::nowMicros();
    std::erase_if(tries.wrongUs, [&](std::uint64_t at) { return t - at > kMinuteUs; });
    tries.wrongUs.push_back(t);
    if (int(tries.wrongUs.size()) <= kWrongCodesPerMinute) return false;
    tries.bannedUntilUs = t + std::uint64_t(kWrongCodesBanSeconds) * kUsPerS;
    tries.wrongUs.clear();
    return true;
}

void Server::refuse(int peer, net::RefuseReason why, const std::string& logged) {
    ++m_refusals;
    log("refused " + who(peer) + ": " + logged);
    m_net->send(peer, net::encode(net::Refuse{why, 0}), true);
    m_net->disconnect(peer);
    m_strangers.erase(peer);
}

std::string Server::newCode() {
    static std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kCodeAlphabet.size() - 1);
    for (;;) {
        std::string code;
        for (std::size_t i = 0; i < net::kRoomCodeLength; ++i) code += kCodeAlphabet[pick(random)];
        if (!m_rooms.count(code)) return code;
    }
}

// A connection that has not said what it wants within the hello timeout goes; so does the
// oldest one when the strangers alone would take more than their share of the places.
void Server::dropStrangers() {
    const std::uint64_t t = net::nowMicros();
    const std::uint64_t limit = std::uint64_t(m_options.helloTimeoutMs) * kUsPerMs;
    for (auto it = m_strangers.begin(); it != m_strangers.end();) {
        if (t - it->second.sinceUs > limit) {
            m_net->drop(it->first);
            m_addresses.erase(it->first);
            it = m_strangers.erase(it);
        } else {
            ++it;
        }
    }
    while (int(m_strangers.size()) > kStrangerPlaces) {
        const auto oldest = std::min_element(
            m_strangers.begin(), m_strangers.end(),
            [](const auto& a, const auto& b) { return a.second.sinceUs < b.second.sinceUs; });
        m_net->drop(oldest->first);
        m_addresses.erase(oldest->first);
        m_strangers.erase(oldest);
    }
    // Addresses whose wrong codes and bar have run out are forgotten: the table stays small.
    std::erase_if(m_tries, [&](const auto& entry) {
        const Tries& tries = entry.second;
        return tries.bannedUntilUs < t &&
               std::all_of(tries.wrongUs.begin(), tries.wrongUs.end(),
                           [&](std::uint64_t at) { return t - at > kMinuteUs; });
    });
}

std::string Server::who(int peer) const {
    const auto it = m_addresses.find(peer);
    return it == m_addresses.end() ? m_net->addressOf(peer) : it->second;
}

bool Server::record(const CheckedGame& game, std::string& error) {
    bool written = false;
    {
        const std::lock_guard<std::mutex> lock(m_ladderMutex);
        written = m_ladder.record(game, m_scores.entries(), error);
    }
    std::vector<net::LadderRow> top = topOf(m_scores.entries(), kLadderRowsShown);
    const std::lock_guard<std::mutex> lock(m_topMutex);
    m_top = std::move(top);
    return written;
}

std::vector<net::LadderRow> Server::top() {
    const std::lock_guard<std::mutex> lock(m_topMutex);
    return m_top;
}

ServerCounts Server::counts() const {
    ServerCounts c;
    c.rooms = int(m_rooms.size());
    for (const auto& [code, room] : m_rooms) {
        const RoomCounts r = room->counts();
        c.players += r.players;
        c.watchers += r.watchers;
        c.steersDropped += r.steersDropped;
    }
    c.steersDropped += m_steersDroppedGone;
    c.strangers = int(m_strangers.size());
    c.bytesIn = m_net ? m_net->bytesReceived() : 0;
    c.bytesOut = m_net ? m_net->bytesSent() : 0;
    c.gamesChecked = m_gamesChecked;
    c.refusals = m_refusals;
    return c;
}

std::string Server::summary() const {
    const ServerCounts c = counts();
    return "summary: " + std::to_string(c.rooms) + " rooms, " + std::to_string(c.players) +
           " players, " + std::to_string(c.watchers) + " spectators, " +
           std::to_string(c.bytesIn) + " bytes in, " + std::to_string(c.bytesOut) +
           " bytes out, " + std::to_string(c.gamesChecked) + " games checked, " +
           std::to_string(c.steersDropped) + " steering packets of spectators dropped";
}

void Server::shutdown() {
    if (!m_net) return;
    for (auto& [code, room] : m_rooms) room->close(net::StopReason::ServerClosed);
    m_net->flush();
    // Long enough for the words to go out and be acknowledged, far within the 2 s allowed.
    const std::uint64_t until = net::nowMicros() + kShutdownWaitMs * kUsPerMs;
    std::vector<net::NetEvent> ignored;
    while (net::nowMicros() < until && m_net->peerCount() > 0) {
        ignored.clear();
        m_net->service(10, ignored);
    }
    log("shut down: " + std::to_string(m_rooms.size()) + " rooms ended");
    m_checker->stop();
    m_rooms.clear();
    m_roomOfPeer.clear();
    m_net.reset();
}

}  // namespace slyders::server
