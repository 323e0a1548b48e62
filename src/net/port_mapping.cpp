#include "net/port_mapping.h"

#include <arpa/inet.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <natpmp.h>
#include <sys/select.h>

#include <array>
#include <chrono>
#include <cstring>
#include <optional>

namespace slyders::net {

namespace {
constexpr const char* kDescription = "Slyders";
constexpr const char* kUdp = "UDP";
constexpr unsigned char kMulticastTtl = 2;
constexpr int kUpnpFoundConnected = 1, kUpnpFoundDisconnected = 2;
constexpr int kOnlyPermanentLeases = 725;  // the router refuses leases that end
constexpr int kRetryClosedSeconds = 60;    // a router that said no is asked again this often
constexpr int kMsPerS = 1000;

// One exchange with a NAT-PMP gateway: the request was sent; waits for its answer within
// the router wait, with the library's own resends.
std::optional<natpmpresp_t> natpmpAnswer(natpmp_t& n) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kRouterWaitMs);
    natpmpresp_t response{};
    for (;;) {
        const auto left = until - std::chrono::steady_clock::now();
        if (left <= std::chrono::milliseconds(0)) return std::nullopt;
        timeval timeout{};
        if (getnatpmprequesttimeout(&n, &timeout) < 0) return std::nullopt;
        const auto leftUs = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        if (timeout.tv_sec * 1'000'000 + timeout.tv_usec > leftUs) {
            timeout.tv_sec = leftUs / 1'000'000;
            timeout.tv_usec = leftUs % 1'000'000;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(n.s, &fds);
        ::select(n.s + 1, &fds, nullptr, nullptr, &timeout);
        const int r = readnatpmpresponseorretry(&n, &response);
        if (r == 0) return response;
        if (r != NATPMP_TRYAGAIN) return std::nullopt;
    }
}
}  // namespace

std::string mappingText(const MappingStatus& s) {
    const std::string port = std::to_string(s.port);
    switch (s.state) {
        case Mapping::Asking:
            return "Asking your router to open port " + port + " to the internet...";
        case Mapping::Open:
            return "Friends on the internet join " + s.external + " (your router opened it by " +
                   s.via + ").";
        case Mapping::Closed:
            break;
    }
    return "Your router did not open port " + port +
           " to the internet: friends outside your home network can join only once the port is "
           "forwarded to this machine in the router's settings. Or all of you play through a "
           "Slyders server.";
}

// The routers that answered, kept between renewals, and the way back to each.
struct PortMapper::Router {
    bool upnp = false;
    UPNPUrls urls{};
    IGDdatas data{};
    std::array<char, 64> lan{};
    bool natpmp = false;

    ~Router() {
        if (upnp) FreeUPNPUrls(&urls);
    }

    bool findUpnp() {
        if (upnp) return true;
        int error = 0;
        UPNPDev* devices =
            upnpDiscover(kRouterWaitMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, kMulticastTtl, &error);
        if (!devices) return false;
        const int found = UPNP_GetValidIGD(devices, &urls, &data, lan.data(), int(lan.size()));
        freeUPNPDevlist(devices);
        upnp = found == kUpnpFoundConnected || found == kUpnpFoundDisconnected;
        if (!upnp && found != 0) FreeUPNPUrls(&urls);
        return upnp;
    }

    bool mapUpnp(std::uint16_t port, int lease, std::string& external) {
        if (!findUpnp()) return false;
        std::array<char, 40> address{};
        if (UPNP_GetExternalIPAddress(urls.controlURL, data.first.servicetype, address.data()) != 0) {
            return false;
        }
        const std::string p = std::to_string(port);
        int r = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, p.c_str(), p.c_str(),
                                    lan.data(), kDescription, kUdp, nullptr,
                                    std::to_string(lease).c_str());
        if (r == kOnlyPermanentLeases) {
            r = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, p.c_str(), p.c_str(),
                                    lan.data(), kDescription, kUdp, nullptr, "0");
        }
        if (r != 0) return false;
        external = std::string(address.data()) + ":" + p;
        return true;
    }

    bool mapNatpmp(std::uint16_t port, int lease, std::string& external) {
        natpmp_t n{};
        if (initnatpmp(&n, 0, 0) < 0) return false;
        std::optional<natpmpresp_t> address, mapping;
        if (sendpublicaddressrequest(&n) >= 0) address = natpmpAnswer(n);
        if (address && sendnewportmappingrequest(&n, NATPMP_PROTOCOL_UDP, port, port,
                                                 std::uint32_t(lease)) >= 0) {
            mapping = natpmpAnswer(n);
        }
        closenatpmp(&n);
        if (!mapping) return false;
        std::array<char, INET_ADDRSTRLEN> text{};
        ::inet_ntop(AF_INET, &address->pnu.publicaddress.addr, text.data(), text.size());
        external = std::string(text.data()) + ":" +
                   std::to_string(mapping->pnu.newportmapping.mappedpublicport);
        natpmp = true;
        return true;
    }

    void unmap(std::uint16_t port) {
        if (upnp) {
            UPNP_DeletePortMapping(urls.controlURL, data.first.servicetype,
                                   std::to_string(port).c_str(), kUdp, nullptr);
        }
        if (natpmp) {
            natpmp_t n{};
            if (initnatpmp(&n, 0, 0) < 0) return;
            // A lifetime of 0 hands the mapping back.
            if (sendnewportmappingrequest(&n, NATPMP_PROTOCOL_UDP, port, 0, 0) >= 0) natpmpAnswer(n);
            closenatpmp(&n);
        }
    }
};

PortMapper::PortMapper(std::uint16_t port, int leaseSeconds)
    : m_leaseSeconds(leaseSeconds), m_wanted(port) {
    m_status.port = port;
    m_thread = std::thread([this] { run(); });
}

PortMapper::~PortMapper() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void PortMapper::setPort(std::uint16_t port) {
    {
        const std::lock_guard lock(m_mutex);
        if (port == m_wanted) return;
        m_wanted = port;
        m_status = MappingStatus{Mapping::Asking, port, {}, {}};
    }
    m_wake.notify_all();
}

MappingStatus PortMapper::status() const {
    const std::lock_guard lock(m_mutex);
    return m_status;
}

void PortMapper::publish(const MappingStatus& s) {
    const std::lock_guard lock(m_mutex);
    if (s.port == m_wanted) m_status = s;
}

void PortMapper::run() {
    Router router;
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const std::uint16_t port = m_wanted;
        lock.unlock();
        MappingStatus s{Mapping::Closed, port, {}, {}};
        if (router.mapUpnp(port, m_leaseSeconds, s.external)) {
            s.via = "UPnP";
        } else if (router.mapNatpmp(port, m_leaseSeconds, s.external)) {
            s.via = "NAT-PMP";
        }
        if (!s.via.empty()) s.state = Mapping::Open;
        publish(s);
        lock.lock();
        // Renewed at half the lease; a router that said no is asked again now and then.
        const int waitS = s.state == Mapping::Open ? m_leaseSeconds / 2 : kRetryClosedSeconds;
        m_wake.wait_for(lock, std::chrono::milliseconds(std::int64_t(waitS) * kMsPerS),
                        [&] { return m_stop || m_wanted != port; });
        if (s.state == Mapping::Open && (m_stop || m_wanted != port)) {
            lock.unlock();
            router.unmap(port);
            lock.lock();
        }
    }
}

}  // namespace slyders::net
