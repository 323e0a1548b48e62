#include "net/enet_transport.h"

#include <arpa/inet.h>
#include <enet/enet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <charconv>
#include <cstdlib>

#include "net/protocol.h"

namespace slyders::net {

namespace {
constexpr int kChannels = 1;
constexpr std::uint32_t kPingIntervalMs = 100;
// ENet must not give up before the game's own rule about silent machines has spoken.
constexpr std::uint32_t kTimeoutMinMs = 15000, kTimeoutMaxMs = 20000;
// A peer sending faster than the game reads gets no more room than this waiting in ENet,
// and one service hands out at most this many events: a flood cannot hold the game up
// or fill the memory between two of its ticks.
constexpr std::size_t kMaxWaitingBytes = 1 << 20;
constexpr std::size_t kMaxEventsPerService = 1024;

bool initialise(std::string& error) {
    static const bool ok = [] {
        if (enet_initialize() != 0) return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    if (!ok) error = "The network could not be started.";
    return ok;
}

void tunePeer(ENetPeer* peer) {
    enet_peer_ping_interval(peer, kPingIntervalMs);
    enet_peer_timeout(peer, 0, kTimeoutMinMs, kTimeoutMaxMs);
}

// ENet throws away unreliable packets when the round trip grows, and takes seconds to send
// them all again after a moment of delay. Every tick's keys and frames go that way, each sent
// again by the game itself until it is known to have arrived: thrown away, they would freeze
// the game for everybody, so nothing of the game's is held back. Set once connected: the
// handshake checks that both ends kept the throttle they announced.
void neverThrottle(ENetPeer* peer) {
    peer->packetThrottle = ENET_PEER_PACKET_THROTTLE_SCALE;
    peer->packetThrottleLimit = ENET_PEER_PACKET_THROTTLE_SCALE;
    peer->packetThrottleAcceleration = ENET_PEER_PACKET_THROTTLE_SCALE;
    peer->packetThrottleDeceleration = 0;
}
}  // namespace

EnetTransport::~EnetTransport() {
    if (m_host) enet_host_destroy(m_host);
}

std::unique_ptr<EnetTransport> EnetTransport::listen(const std::string& address, std::uint16_t port,
                                                     int maxPeers, std::string& error) {
    if (!initialise(error)) return nullptr;
    ENetAddress a{};
    a.host = ENET_HOST_ANY;
    a.port = port;
    if (!address.empty() && enet_address_set_host(&a, address.c_str()) != 0) {
        error = "Unknown address " + address + ".";
        return nullptr;
    }
    std::unique_ptr<EnetTransport> t(new EnetTransport);
    t->m_host = enet_host_create(&a, std::size_t(maxPeers), kChannels, 0, 0);
    if (!t->m_host) {
        error = "Port " + std::to_string(port) + " is in use or cannot be opened.";
        return nullptr;
    }
    t->m_host->maximumWaitingData = kMaxWaitingBytes;
    return t;
}

std::unique_ptr<EnetTransport> EnetTransport::connect(const std::string& address,
                                                      std::uint16_t port, std::string& error) {
    std::unique_ptr<EnetTransport> t = outgoing(1, error);
    if (!t || t->connectTo(address, port, error) == 0) return nullptr;
    return t;
}

std::unique_ptr<EnetTransport> EnetTransport::outgoing(int maxPeers, std::string& error) {
    if (!initialise(error)) return nullptr;
    std::unique_ptr<EnetTransport> t(new EnetTransport);
    t->m_host = enet_host_create(nullptr, std::size_t(maxPeers), kChannels, 0, 0);
    if (!t->m_host) {
        error = "The network could not be started.";
        return nullptr;
    }
    return t;
}

int EnetTransport::connectTo(const std::string& address, std::uint16_t port, std::string& error) {
    ENetAddress a{};
    const std::string where = address + ":" + std::to_string(port);
    if (enet_address_set_host(&a, address.c_str()) != 0) {
        error = "Could not reach " + where + ".";
        return 0;
    }
    a.port = port;
    ENetPeer* peer = enet_host_connect(m_host, &a, kChannels, 0);
    if (!peer) {
        error = "Could not reach " + where + ".";
        return 0;
    }
    tunePeer(peer);
    const int id = m_nextId++;
    peer->data = reinterpret_cast<void*>(std::intptr_t(id));
    m_peers[id] = peer;
    return id;
}

// One ENet service sends what waits, reads every datagram that came and walks all of the
// host's peer places, each time; the events it read wait in its queue. They are taken from
// there, and the network is serviced again only when the queue is empty: a server with
// thousands of places pays one walk per pass, not one per event.
void EnetTransport::service(int timeoutMs, std::vector<NetEvent>& out) {
    ENetEvent e;
    bool serviced = false;
    for (std::size_t taken = 0; taken < kMaxEventsPerService; ++taken) {
        int got = enet_host_check_events(m_host, &e);
        if (got == 0 && !serviced) {
            got = enet_host_service(m_host, &e, enet_uint32(std::max(0, timeoutMs)));
            serviced = true;
        }
        if (got <= 0) break;
        take(e, out);
    }
}

void EnetTransport::take(const ENetEvent& e, std::vector<NetEvent>& out) {
    NetEvent ev;
    switch (e.type) {
        case ENET_EVENT_TYPE_CONNECT:
            if (!e.peer->data) {
                const int id = m_nextId++;
                e.peer->data = reinterpret_cast<void*>(std::intptr_t(id));
                m_peers[id] = e.peer;
                tunePeer(e.peer);
            }
            neverThrottle(e.peer);
            ev.type = NetEvent::Type::Connected;
            ev.peer = int(reinterpret_cast<std::intptr_t>(e.peer->data));
            out.push_back(std::move(ev));
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            ev.type = NetEvent::Type::Disconnected;
            ev.peer = int(reinterpret_cast<std::intptr_t>(e.peer->data));
            m_peers.erase(ev.peer);
            e.peer->data = nullptr;
            if (ev.peer != 0) out.push_back(std::move(ev));
            break;
        case ENET_EVENT_TYPE_RECEIVE:
            ev.type = NetEvent::Type::Received;
            ev.peer = int(reinterpret_cast<std::intptr_t>(e.peer->data));
            ev.data.assign(e.packet->data, e.packet->data + e.packet->dataLength);
            m_received += e.packet->dataLength;
            enet_packet_destroy(e.packet);
            out.push_back(std::move(ev));
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
    }
}

void EnetTransport::send(int peer, const std::vector<std::uint8_t>& bytes, bool reliable) {
    const auto it = m_peers.find(peer);
    if (it == m_peers.end()) return;
    ENetPacket* p =
        enet_packet_create(bytes.data(), bytes.size(),
                           reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
    if (enet_peer_send(it->second, 0, p) == 0) {
        m_sent += bytes.size();
    } else {
        enet_packet_destroy(p);
    }
}

void EnetTransport::disconnect(int peer) {
    const auto it = m_peers.find(peer);
    if (it == m_peers.end()) return;
    enet_peer_disconnect_later(it->second, 0);
}

void EnetTransport::drop(int peer) {
    const auto it = m_peers.find(peer);
    if (it == m_peers.end()) return;
    it->second->data = nullptr;
    enet_peer_disconnect_now(it->second, 0);
    m_peers.erase(it);
}

void EnetTransport::disconnectAll() {
    for (const auto& [id, peer] : m_peers) enet_peer_disconnect_later(peer, 0);
}

void EnetTransport::flush() {
    enet_host_flush(m_host);
}

std::uint16_t EnetTransport::port() const {
    return m_host->address.port;
}

std::uint32_t EnetTransport::hostOf(int peer) const {
    const auto it = m_peers.find(peer);
    return it == m_peers.end() ? 0 : it->second->address.host;
}

std::string EnetTransport::addressOf(int peer) const {
    const auto it = m_peers.find(peer);
    if (it == m_peers.end()) return "?";
    char text[64] = {};
    enet_address_get_host_ip(&it->second->address, text, sizeof text);
    return std::string(text) + ":" + std::to_string(it->second->address.port);
}

bool splitHostPort(const std::string& text, std::string& host, std::uint16_t& port,
                   std::string& error) {
    port = kDefaultPort;
    std::string portText;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos) {
            error = "\"" + text + "\" is not an address.";
            return false;
        }
        host = text.substr(1, close - 1);
        if (close + 1 < text.size() && text[close + 1] == ':') portText = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        host = text.substr(0, colon);
        if (colon != std::string::npos) portText = text.substr(colon + 1);
    }
    if (host.empty()) {
        error = "The host address is empty.";
        return false;
    }
    if (!portText.empty() || text.find(':') != std::string::npos) {
        unsigned value = 0;
        const auto [p, ec] =
            std::from_chars(portText.data(), portText.data() + portText.size(), value);
        if (ec != std::errc() || p != portText.data() + portText.size() || value == 0 ||
            value > 65535) {
            error = "\"" + portText + "\" is not a port (1 to 65535).";
            return false;
        }
        port = std::uint16_t(value);
    }
    return true;
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> outside, loopback;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {"127.0.0.1"};
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        if (!inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) continue;
        ((i->ifa_flags & IFF_LOOPBACK) ? loopback : outside).push_back(text);
    }
    freeifaddrs(list);
    outside.insert(outside.end(), loopback.begin(), loopback.end());
    if (outside.empty()) outside.push_back("127.0.0.1");
    return outside;
}

}  // namespace slyders::net
