#pragma once

#include <cstdint>
#include <vector>

namespace slyders::net {

struct NetEvent {
    enum class Type { Connected, Disconnected, Received };
    Type type = Type::Received;
    int peer = 0;
    std::vector<std::uint8_t> data;
};

// What a session needs of the network: peers by number, datagrams to and from them. ENet
// in the game; a simulated network with a simulated clock when the fuzzer drives a session.
class Transport {
public:
    virtual ~Transport() = default;
    // Sends what is queued and collects what came, waiting at most timeoutMs for the first.
    virtual void service(int timeoutMs, std::vector<NetEvent>& out) = 0;
    virtual void send(int peer, const std::vector<std::uint8_t>& bytes, bool reliable) = 0;
    // Says goodbye once what was sent to the peer has arrived.
    virtual void disconnect(int peer) = 0;
    // Frees the peer's place at once, with no word of goodbye waited for.
    virtual void drop(int peer) = 0;
    virtual void disconnectAll() = 0;
    virtual void flush() = 0;
    virtual std::uint16_t port() const = 0;
    // Peers connected or still saying goodbye: each holds one of the listener's places.
    virtual int peerCount() const = 0;
    std::uint64_t bytesSent() const { return m_sent; }
    std::uint64_t bytesReceived() const { return m_received; }

protected:
    std::uint64_t m_sent = 0, m_received = 0;
};

}  // namespace slyders::net
