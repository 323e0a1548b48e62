#include "net/discovery.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "net/net_session.h"
#include "net/protocol.h"

namespace slyders::net {

namespace {
constexpr std::size_t kMaxDatagram = 512;
constexpr int kMaxReadsPerPoll = 64;  // a flood of datagrams costs one poll at most this much
constexpr std::uint64_t kUsPerMs = 1000;

int udpSocket() {
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    return s;
}

bool toSockaddr(const std::string& address, std::uint16_t port, sockaddr_in& out) {
    std::memset(&out, 0, sizeof out);
    out.sin_family = AF_INET;
    out.sin_port = htons(port);
    if (address.empty()) {
        out.sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    return ::inet_pton(AF_INET, address.c_str(), &out.sin_addr) == 1;
}

std::string errorText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}
}  // namespace

std::vector<std::string> broadcastAddresses() {
    std::vector<std::string> out;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return out;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        if ((i->ifa_flags & IFF_LOOPBACK) || !(i->ifa_flags & IFF_BROADCAST)) continue;
        if (!(i->ifa_flags & IFF_UP) || !i->ifa_broadaddr) continue;
        std::array<char, INET_ADDRSTRLEN> buf{};
        const auto* b = reinterpret_cast<const sockaddr_in*>(i->ifa_broadaddr);
        if (::inet_ntop(AF_INET, &b->sin_addr, buf.data(), buf.size())) {
            const std::string a = buf.data();
            if (std::find(out.begin(), out.end(), a) == out.end()) out.push_back(a);
        }
    }
    ::freeifaddrs(list);
    return out;
}

bool isLoopback(const std::string& address) {
    return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

// ---------------------------------------------------------------- the host's side

DiscoveryResponder::~DiscoveryResponder() {
    if (m_socket >= 0) ::close(m_socket);
}

bool DiscoveryResponder::open(const std::string& address, std::uint16_t port, std::string& error) {
    sockaddr_in where{};
    if (!toSockaddr(address, port, where)) {
        error = "not an IPv4 address: " + address;
        return false;
    }
    m_socket = udpSocket();
    if (m_socket < 0) {
        error = errorText("no socket for the local network's games");
        return false;
    }
    // Several games hosted on one machine all hear a broadcast query.
    const int on = 1;
    ::setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    ::setsockopt(m_socket, SOL_SOCKET, SO_REUSEPORT, &on, sizeof on);
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0) {
        error = errorText(("cannot listen for the local network at port " +
                           std::to_string(port)).c_str());
        ::close(m_socket);
        m_socket = -1;
        return false;
    }
    return true;
}

void DiscoveryResponder::answer(const GameAd& ad) {
    if (m_socket < 0) return;
    const std::vector<std::uint8_t> reply = encodeAd(ad);
    for (int k = 0; k < kMaxReadsPerPoll; ++k) {
        std::array<std::uint8_t, kMaxDatagram> buf{};
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n = ::recvfrom(m_socket, buf.data(), buf.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0) return;  // nothing more for now
        if (!isQuery(buf.data(), std::size_t(n))) continue;
        // Only to whoever asked: the answer goes nowhere else.
        ::sendto(m_socket, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&from),
                 fromSize);
    }
}

// ---------------------------------------------------------------- the join window's side

DiscoveryBrowser::DiscoveryBrowser(std::vector<std::string> targets, std::uint16_t port)
    : m_targets(std::move(targets)), m_port(port) {}

DiscoveryBrowser::~DiscoveryBrowser() {
    if (m_socket >= 0) ::close(m_socket);
}

bool DiscoveryBrowser::open(std::string& error) {
    m_socket = udpSocket();
    if (m_socket < 0) {
        error = errorText("no socket to look for games");
        return false;
    }
    const int on = 1;
    ::setsockopt(m_socket, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    return true;
}

bool DiscoveryBrowser::poll() {
    if (m_socket < 0) return false;
    const std::uint64_t now = nowMicros();
    if (m_lastQueryUs == 0 || now - m_lastQueryUs >= kQueryEveryMs * kUsPerMs) {
        m_lastQueryUs = now;
        const std::vector<std::uint8_t> query = encodeQuery();
        for (const std::string& t : m_targets) {
            sockaddr_in to{};
            if (!toSockaddr(t, m_port, to) || t.empty()) continue;
            ::sendto(m_socket, query.data(), query.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                     sizeof to);
        }
    }
    bool changed = false;
    for (int k = 0; k < kMaxReadsPerPoll; ++k) {
        std::array<std::uint8_t, kMaxDatagram> buf{};
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n = ::recvfrom(m_socket, buf.data(), buf.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0) break;
        std::string ignored;
        const std::optional<GameAd> ad = decodeAd(buf.data(), std::size_t(n), ignored);
        std::array<char, INET_ADDRSTRLEN> host{};
        if (!ad || !::inet_ntop(AF_INET, &from.sin_addr, host.data(), host.size())) continue;
        changed |= take(host.data(), *ad, now);
    }
    const std::size_t before = m_games.size();
    std::erase_if(m_games, [&](const FoundGame& g) { return now - g.seenUs > kForgetAfterMs * kUsPerMs; });
    return changed || m_games.size() != before;
}

bool DiscoveryBrowser::take(const std::string& host, const GameAd& ad, std::uint64_t now) {
    const std::string address = host + ":" + std::to_string(ad.port);
    for (FoundGame& g : m_games) {
        if (g.address != address) continue;
        g.seenUs = now;
        if (g.ad == ad) return false;
        g.ad = ad;
        return true;
    }
    m_games.push_back(FoundGame{address, host, ad, now});
    return true;
}

}  // namespace slyders::net
