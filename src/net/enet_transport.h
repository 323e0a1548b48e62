#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

namespace slyders::net {

struct NetEvent {
    enum class Type { Connected, Disconnected, Received };
    Type type = Type::Received;
    int peer = 0;
    std::vector<std::uint8_t> data;
};

// One ENet host: the host's listening end or a guest's one connection. Reliable packets go
// in order on one channel; inputs and frames go unsequenced, each repeating the ticks the
// other end has not confirmed, so a lost datagram costs one tick, not a resend.
class EnetTransport {
public:
    ~EnetTransport();
    EnetTransport(const EnetTransport&) = delete;
    EnetTransport& operator=(const EnetTransport&) = delete;

    // Listens on the port at the address ("" for every address of the machine).
    static std::unique_ptr<EnetTransport> listen(const std::string& address, std::uint16_t port,
                                                 int maxPeers, std::string& error);
    // Starts connecting; the Connected event tells when the host answered.
    static std::unique_ptr<EnetTransport> connect(const std::string& address, std::uint16_t port,
                                                  std::string& error);

    // Sends what is queued and collects what came, waiting at most timeoutMs for the first.
    void service(int timeoutMs, std::vector<NetEvent>& out);
    void send(int peer, const std::vector<std::uint8_t>& bytes, bool reliable);
    void disconnect(int peer);
    void disconnectAll();
    void flush();
    std::uint16_t port() const;
    std::uint64_t bytesSent() const { return m_sent; }
    std::uint64_t bytesReceived() const { return m_received; }

private:
    EnetTransport() = default;
    _ENetHost* m_host = nullptr;
    std::map<int, _ENetPeer*> m_peers;
    int m_nextId = 1;
    std::uint64_t m_sent = 0, m_received = 0;
};

// "host", "host:port" or "[v6]:port" into address and port; false with a reason otherwise.
bool splitHostPort(const std::string& text, std::string& host, std::uint16_t& port,
                   std::string& error);

// The addresses of this machine that friends may reach it at (IPv4, loopback last).
std::vector<std::string> localAddresses();

}  // namespace slyders::net
