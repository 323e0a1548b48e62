#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "net/transport.h"

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

namespace slyders::net {

// One ENet host: the host's listening end or a guest's one connection. Reliable packets go
// in order on one channel; inputs and frames go unsequenced, each repeating the ticks the
// other end has not confirmed, so a lost datagram costs one tick, not a resend.
class EnetTransport final : public Transport {
public:
    ~EnetTransport() override;
    EnetTransport(const EnetTransport&) = delete;
    EnetTransport& operator=(const EnetTransport&) = delete;

    // Listens on the port at the address ("" for every address of the machine).
    static std::unique_ptr<EnetTransport> listen(const std::string& address, std::uint16_t port,
                                                 int maxPeers, std::string& error);
    // Starts connecting; the Connected event tells when the host answered.
    static std::unique_ptr<EnetTransport> connect(const std::string& address, std::uint16_t port,
                                                  std::string& error);
    // A host of its own that connects out to as many as maxPeers hosts (or to one host many
    // times: ENet tells connections from one socket apart), each by connectTo.
    static std::unique_ptr<EnetTransport> outgoing(int maxPeers, std::string& error);
    // Starts one more connection; its peer, or 0 with a reason when there is no place left.
    int connectTo(const std::string& address, std::uint16_t port, std::string& error);

    void service(int timeoutMs, std::vector<NetEvent>& out) override;
    void send(int peer, const std::vector<std::uint8_t>& bytes, bool reliable) override;
    void disconnect(int peer) override;
    void drop(int peer) override;
    void disconnectAll() override;
    void flush() override;
    std::uint16_t port() const override;
    int peerCount() const override { return int(m_peers.size()); }
    // The peer's IPv4 address as a number (0 for an unknown peer), and as text.
    std::uint32_t hostOf(int peer) const;
    std::string addressOf(int peer) const;

private:
    EnetTransport() = default;
    void take(const _ENetEvent& e, std::vector<NetEvent>& out);
    _ENetHost* m_host = nullptr;
    std::map<int, _ENetPeer*> m_peers;
    int m_nextId = 1;
};

// "host", "host:port" or "[v6]:port" into address and port; false with a reason otherwise.
bool splitHostPort(const std::string& text, std::string& host, std::uint16_t& port,
                   std::string& error);

// The addresses of this machine that friends may reach it at (IPv4, loopback last).
std::vector<std::string> localAddresses();

}  // namespace slyders::net
