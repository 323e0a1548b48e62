#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace slyders::net {

// A hosted game asks the home router to forward its UDP port from the internet, by UPnP-IGD
// or else by NAT-PMP/PCP, keeps the lease while it hosts and gives the port back at the end.
// Routers take seconds to answer, so all of it runs on a thread of its own.
enum class Mapping { Asking, Open, Closed };

struct MappingStatus {
    Mapping state = Mapping::Asking;
    std::uint16_t port = 0;
    std::string external;  // "203.0.113.7:27960" once open
    std::string via;       // "UPnP" or "NAT-PMP"
};

// The line the lobby shows: where friends outside join, or what to do instead.
std::string mappingText(const MappingStatus& status);

constexpr int kLeaseSeconds = 1200;
constexpr int kRouterWaitMs = 2000;  // each way of asking waits this long for an answer

// What the lobby needs of whoever opens the port.
class PortOpener {
public:
    virtual ~PortOpener() = default;
    // The game moved to another port: the old one goes back, the new one is asked for.
    virtual void setPort(std::uint16_t port) = 0;
    virtual MappingStatus status() const = 0;
};

class PortMapper final : public PortOpener {
public:
    explicit PortMapper(std::uint16_t port, int leaseSeconds = kLeaseSeconds);
    // Gives the port back (waits for the thread, which stops within a router wait or two).
    ~PortMapper() override;
    PortMapper(const PortMapper&) = delete;
    PortMapper& operator=(const PortMapper&) = delete;
    void setPort(std::uint16_t port) override;
    MappingStatus status() const override;

private:
    struct Router;
    void run();
    void publish(const MappingStatus& s);

    int m_leaseSeconds;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::uint16_t m_wanted;
    bool m_stop = false;
    MappingStatus m_status;
    std::thread m_thread;
};

}  // namespace slyders::net
