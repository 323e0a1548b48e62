#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace slyders::net {

// Games on the local network: a join window asks every machine there, by broadcast, which
// games are open; each host in its lobby answers with what the list shows.
constexpr std::uint16_t kDiscoveryPort = 27961;
constexpr int kQueryEveryMs = 1000;
// A game that has not answered for this long has gone (started, or its host closed it).
constexpr int kForgetAfterMs = 3500;

struct GameAd {
    std::uint16_t port = 0;  // the game's own port
    std::string machine;
    std::string players;
    std::uint8_t freeSeats = 0;
    bool password = false;
    friend bool operator==(const GameAd&, const GameAd&) = default;
};

std::vector<std::uint8_t> encodeQuery();
bool isQuery(const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> encodeAd(const GameAd& ad);
// An answer, or nothing with the reason in `error`.
std::optional<GameAd> decodeAd(const std::uint8_t* data, std::size_t size, std::string& error);

// The broadcast addresses of this machine's networks (loopback left out).
std::vector<std::string> broadcastAddresses();
bool isLoopback(const std::string& address);

// A host's ear for queries: answers each with the game as it stands.
class DiscoveryResponder {
public:
    DiscoveryResponder() = default;
    ~DiscoveryResponder();
    DiscoveryResponder(const DiscoveryResponder&) = delete;
    DiscoveryResponder& operator=(const DiscoveryResponder&) = delete;
    // Listens at the address ("" every address, as broadcasts need) and port.
    bool open(const std::string& address, std::uint16_t port, std::string& error);
    // Answers every query that came since the last call; never waits.
    void answer(const GameAd& ad);

private:
    int m_socket = -1;
};

struct FoundGame {
    std::string address;  // "host:port", as typed into the join window
    std::string host;
    GameAd ad;
    std::uint64_t seenUs = 0;
};

// A join window's search: asks the targets every second and keeps the answers that are
// fresh. In the game the targets are the local networks' broadcast addresses.
class DiscoveryBrowser {
public:
    DiscoveryBrowser(std::vector<std::string> targets, std::uint16_t port);
    ~DiscoveryBrowser();
    DiscoveryBrowser(const DiscoveryBrowser&) = delete;
    DiscoveryBrowser& operator=(const DiscoveryBrowser&) = delete;
    bool open(std::string& error);
    // Asks again when it is time, reads what came, forgets who went quiet; never waits.
    // True when the list changed.
    bool poll();
    const std::vector<FoundGame>& games() const { return m_games; }

private:
    bool take(const std::string& host, const GameAd& ad, std::uint64_t now);
    std::vector<std::string> m_targets;
    std::uint16_t m_port;
    int m_socket = -1;
    std::uint64_t m_lastQueryUs = 0;
    std::vector<FoundGame> m_games;
};

}  // namespace slyders::net
