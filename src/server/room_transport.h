#pragma once

#include <deque>
#include <set>
#include <vector>

#include "net/transport.h"

namespace slyders::server {

// A room's share of the server's one port: the server hands it the events of its machines,
// and what it sends goes out through the port at the server's next flush.
class RoomTransport final : public net::Transport {
public:
    explicit RoomTransport(net::Transport& port) : m_port(port) {}

    void push(net::NetEvent e) { m_queue.push_back(std::move(e)); }
    void add(int peer) { m_peers.insert(peer); }
    void forget(int peer) { m_peers.erase(peer); }
    bool has(int peer) const { return m_peers.count(peer) > 0; }

    void service(int, std::vector<net::NetEvent>& out) override {
        while (!m_queue.empty()) {
            const net::NetEvent& e = m_queue.front();
            if (e.type == net::NetEvent::Type::Received) m_received += e.data.size();
            out.push_back(std::move(m_queue.front()));
            m_queue.pop_front();
        }
    }
    void send(int peer, const std::vector<std::uint8_t>& bytes, bool reliable) override {
        if (!has(peer)) return;
        m_port.send(peer, bytes, reliable);
        m_sent += bytes.size();
    }
    void disconnect(int peer) override {
        if (has(peer)) m_port.disconnect(peer);
    }
    void drop(int peer) override {
        if (!has(peer)) return;
        m_port.drop(peer);
        m_peers.erase(peer);
    }
    void disconnectAll() override {
        for (int peer : m_peers) m_port.disconnect(peer);
    }
    void flush() override {}  // the server flushes the port once a pass, for every room
    std::uint16_t port() const override { return m_port.port(); }
    int peerCount() const override { return int(m_peers.size()); }

private:
    net::Transport& m_port;
    std::deque<net::NetEvent> m_queue;
    std::set<int> m_peers;
};

}  // namespace slyders::server
