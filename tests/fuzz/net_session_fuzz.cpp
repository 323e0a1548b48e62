// The network game's rules under any traffic: the host's and a guest's session are fed
// sequences of packets, sound and broken, from several peers over a simulated network and
// clock. Whatever comes, what a session keeps stays bounded, the host never releases a tick
// without every machine's keys for it, a machine whose keys stop never holds the game for
// long, and a guest never plays one tick two ways.
#include <map>
#include <set>

#include "fuzz_support.h"
#include "net/net_session.h"

using namespace slyders;
using namespace slyders::net;

namespace {

constexpr std::uint64_t kStartUs = 1'000'000;
constexpr std::uint64_t kStepUs = 10'000;  // one unit of simulated waiting
constexpr int kSilentMs = 1000;
constexpr std::uint64_t kSilentUs = kSilentMs * 1000ull;
constexpr int kHelloMs = 200;
constexpr int kFloodUnit = 64;  // a flood repeats a packet this many times per unit
constexpr std::size_t kMostHeld = 4096;
constexpr std::uint32_t kHashEvery = 20;
// Each machine that stops steering may hold the game one timeout, and a little more.
constexpr std::uint64_t kStuckMostUs = (kSilentUs + kStepUs * 256) * (kHumanSeats + 1);
constexpr int kWork = 60'000;  // packets and waits one input may ask for: each run stays quick

// The fuzzer's bytes, read as small numbers; zeros once they run out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    // False once the bytes, or the work they may ask for, run out.
    bool more() const { return m_at < m_size && m_work > 0; }
    bool spend() { return --m_work > 0; }
    std::uint8_t u8() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint16_t u16() { return std::uint16_t(u8() | u8() << 8); }
    std::vector<std::uint8_t> run(std::size_t most) {
        std::vector<std::uint8_t> out(std::min<std::size_t>(u8() % (most + 1), m_size - m_at));
        for (std::uint8_t& b : out) b = u8();
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    int m_work = kWork;
};

// A network where everything sent to a session arrives at its next service, in order.
class SimNet final : public Transport {
public:
    void service(int, std::vector<NetEvent>& out) override {
        for (NetEvent& e : m_inbox) out.push_back(std::move(e));
        m_inbox.clear();
    }
    void send(int peer, const std::vector<std::uint8_t>& bytes, bool) override {
        if (m_peers.count(peer)) m_sent += bytes.size();
    }
    void disconnect(int peer) override { m_leaving.insert(peer); }
    void drop(int peer) override {
        m_peers.erase(peer);
        m_leaving.erase(peer);
    }
    void disconnectAll() override { m_leaving = m_peers; }
    void flush() override {}
    std::uint16_t port() const override { return kDefaultPort; }
    int peerCount() const override { return int(m_peers.size()); }

    // ENet's part: a connection is refused when every place is taken.
    bool connect(int peer) {
        if (int(m_peers.size()) >= kPeerSlots) return false;
        m_peers.insert(peer);
        m_inbox.push_back({NetEvent::Type::Connected, peer, {}});
        return true;
    }
    void hangUp(int peer) {
        if (!m_peers.erase(peer)) return;
        m_leaving.erase(peer);
        m_inbox.push_back({NetEvent::Type::Disconnected, peer, {}});
    }
    void deliver(int peer, std::vector<std::uint8_t> bytes) {
        if (!m_peers.count(peer) || m_leaving.count(peer)) return;
        m_received += bytes.size();
        m_inbox.push_back({NetEvent::Type::Received, peer, std::move(bytes)});
    }
    // A goodbye completes once the session serviced it.
    void settle() { for (int peer : std::set<int>(m_leaving)) hangUp(peer); }

private:
    std::set<int> m_peers, m_leaving;
    std::vector<NetEvent> m_inbox;
};

SessionConfig configAt(std::uint64_t& clock) {
    return {.machine = "fuzz", .names = {"Ann"}, .silentTimeoutMs = kSilentMs,
            .noticeMs = kSilentMs / 4, .helloTimeoutMs = kHelloMs,
            .clock = [&clock] { return clock; }};
}

class HostRun {
public:
    explicit HostRun(Bytes& in) : m_in(in), m_host(configAt(m_clock)) {
        auto net = std::make_unique<SimNet>();
        m_net = net.get();
        m_host.open(std::move(net));
    }

    void run() {
        while (m_in.more() && m_in.spend()) {
            step(m_in.u8());
            m_host.service(0);
            m_net->settle();
            check();
        }
    }

private:
    int peer() { return 1 + m_in.u8() % 12; }

    std::vector<std::uint8_t> packet(std::uint8_t kind) {
        const std::uint16_t game = m_host.current().game;
        kind %= 6;
        if (kind == 0) {
            Hello h{"", "m", {"Bo"}, {}, {}, {}, {}};
            if (m_in.u8() & 1) h.names.push_back("Cy");
            return encode(h);
        }
        if (kind == 1)  // the fields are read from the bytes in their order
            return encode(Input{game, m_played + m_in.u8(), std::uint8_t(m_in.u8() & 0xF),
                                m_in.run(kMaxRun), m_in.u16()});
        if (kind == 2) return encode(Hash{game, ++m_hashTick, m_hashTick});
        if (kind == 3) return encode(Done{game, m_played, 0});
        if (kind == 4) return encode(Pong{std::uint32_t(m_clock / 1000)});
        return m_in.run(64);
    }

    void send(int p, std::vector<std::uint8_t> bytes) {
        if (const Decoded d = decode(bytes.data(), bytes.size()); d.packet)
            if (const Input* in = std::get_if<Input>(&*d.packet)) noteInput(p, *in);
        m_net->deliver(p, std::move(bytes));
    }

    void noteInput(int p, const Input& in) {
        if (in.game != m_host.current().game) return;
        for (std::size_t i = 0; i < in.packed.size(); ++i)
            m_sent[{p, in.firstTick + std::uint32_t(i)}].insert(in.packed[i]);
    }

    void step(std::uint8_t op) {
        op %= 8;
        if (op == 0) m_net->connect(peer());
        if (op == 1) m_net->hangUp(peer());
        if (op == 2) {
            const int p = peer();  // before the packet's bytes are read
            send(p, packet(m_in.u8()));
        }
        if (op == 3) {  // one peer floods with one kind of packet
            const int p = peer();
            const std::uint8_t kind = m_in.u8();
            const int count = kFloodUnit * (1 + m_in.u8() % 64);
            for (int i = 0; i < count && m_in.spend(); ++i) send(p, packet(kind));
            m_host.service(0);
        }
        if (op == 4) m_clock += kStepUs * m_in.u8();
        if (op == 5 && m_host.guestsPresent() > 0 && m_played == m_gameEnd) begin();
        if (op == 6) play(1 + m_in.u8() % 64);
        if (op == 7) talkWithoutSteering(1 + m_in.u8());
    }

    void begin() {
        m_host.begin(Start{});  // one human at the host
        m_sent.clear();
        m_own.clear();
        m_played = m_asked = m_hashTick = m_stuckTick = 0;
        m_gameEnd = 1'000'000;
    }

    // Every guest answers the pings and checks the game, and none steers.
    void talkWithoutSteering(int steps) {
        for (int i = 0; i < steps && m_in.spend(); ++i) {
            for (const MachineInfo& m : m_host.machines())
                if (m.peer > 0 && !m.gone)
                    send(m.peer, encode(Pong{std::uint32_t(m_clock / 1000)}));
            m_clock += kStepUs * 10;
            m_host.service(0);
            m_net->settle();
            play(1);
        }
    }

    void play(int ticks) {
        if (m_played >= m_gameEnd || m_host.current().game == 0) return;
        for (int i = 0; i < ticks && m_in.spend(); ++i) {
            const std::uint32_t t = m_played + 1;
            const std::uint8_t own = m_in.u8();
            if (t > m_asked) {
                m_asked = t;
                m_own[t + m_host.current().delay] = own;
            }
            const std::optional<FrameEntry> f = m_host.frameFor(t, own);
            if (!f) {
                if (m_stuckTick != t) m_stuckTick = t, m_stuckSinceUs = m_clock;
                return;
            }
            checkFrame(t, *f);
            m_played = t;
            if (t % kHashEvery == 0) m_host.reportHash(t, 0);
            if (m_in.u8() == 0xFF) {
                m_host.gameOver(t, 0);
                m_gameEnd = t;
                return;
            }
        }
    }

    // Each seat's keys in a released tick are keys its machine sent for that tick; a
    // machine that left has its seats emptied, nothing else.
    void checkFrame(std::uint32_t t, const FrameEntry& f) {
        if (int(t) <= m_host.current().delay) return;
        const auto& machines = m_host.machines();
        for (std::size_t m = 0; m < machines.size(); ++m) {
            const std::uint8_t bits = inputBitsOf(machines[m].seatMask);
            if (!bits) continue;
            const std::uint8_t got = f.packed & bits;
            if (m == 0) {
                const auto own = m_own.find(t);
                if (own == m_own.end() || (own->second & bits) != got)
                    fuzz::fail("the host's own keys were not played as given");
                continue;
            }
            if (got == 0 && machines[m].gone) continue;
            const auto sent = m_sent.find({machines[m].peer, t});
            if (sent == m_sent.end() || !sent->second.count(got))
                fuzz::fail("a tick was released without a machine's keys for it");
        }
    }

    // Each machine that stops steering is waited for one timeout, then left behind.
    // A session that stopped (machines that disagree, everybody gone) ends the game instead.
    bool heldUp() const {
        return !m_host.stopped() && m_stuckTick != 0 && m_stuckTick > m_played &&
               m_played < m_gameEnd && m_clock - m_stuckSinceUs > kStuckMostUs;
    }

    void check() {
        if (m_host.held() > kMostHeld) fuzz::fail("the host keeps ever more for its peers");
        if (!heldUp()) return;
        const std::optional<FrameEntry> f = m_host.frameFor(m_stuckTick, 0);
        if (!f) fuzz::fail("a machine that stopped steering holds the game");
        checkFrame(m_stuckTick, *f);
        m_played = m_stuckTick;
    }

    Bytes& m_in;
    std::uint64_t m_clock = kStartUs;
    HostSession m_host;
    SimNet* m_net = nullptr;
    std::map<std::pair<int, std::uint32_t>, std::set<std::uint8_t>> m_sent;
    std::map<std::uint32_t, std::uint8_t> m_own;
    std::uint32_t m_played = 0, m_asked = 0, m_hashTick = 0, m_gameEnd = 0, m_stuckTick = 0;
    std::uint64_t m_stuckSinceUs = 0;
};

class GuestRun {
public:
    explicit GuestRun(Bytes& in) : m_in(in), m_guest(configAt(m_clock)) {
        auto net = std::make_unique<SimNet>();
        m_net = net.get();
        m_net->connect(1);
        m_guest.attach(std::move(net));
        m_heardUs = m_clock;
    }

    void run() {
        while (m_in.more() && m_in.spend() && !m_guest.stopped()) {
            step(m_in.u8());
            m_guest.service(0);
            check();
        }
    }

private:
    void deliver(std::vector<std::uint8_t> bytes) {
        m_net->deliver(1, std::move(bytes));
        m_heardUs = m_clock;
    }

    void step(std::uint8_t op) {
        op %= 6;
        if (op == 0)
            deliver(encode(Start{.game = std::uint16_t(m_game + 1),
                                 .delay = std::uint8_t(1 + m_in.u8() % 8),
                                 .yourSeats = std::uint8_t(1 + m_in.u8() % 15)}));
        if (op == 1) {
            Frame f{m_game, m_played + m_in.u8() - 8, {}};
            for (std::uint8_t b : m_in.run(kMaxRun)) f.entries.push_back({b, m_in.u8()});
            deliver(encode(f));
        }
        if (op == 2) deliver(m_in.run(64));
        if (op == 3) m_clock += kStepUs * m_in.u8();
        if (op == 4) deliver(encode(Ping{m_in.u16()}));
        if (op == 5) play(1 + m_in.u8() % 64);
    }

    void play(int ticks) {
        m_guest.service(0);
        if (const std::optional<Start> s = m_guest.takeStart()) m_game = s->game, m_played = 0;
        for (int i = 0; i < ticks && m_game != 0 && m_in.spend(); ++i) {
            const std::uint32_t t = m_played + 1;
            const std::optional<FrameEntry> f = m_guest.frameFor(t, m_in.u8());
            if (!f) return;
            // Asked again, the same tick is the same.
            if (m_guest.frameFor(t, 0) != f) fuzz::fail("a guest's tick changed once played");
            m_played = t;
            if (t % kHashEvery == 0) m_guest.reportHash(t, 0);
        }
    }

    void check() {
        if (m_guest.held() > std::size_t(kMaxRun) * 8)
            fuzz::fail("the guest keeps ever more of its own keys");
        if (m_clock - m_heardUs > kSilentUs && !m_guest.stopped())
            fuzz::fail("a guest waits on for a host that says nothing");
    }

    Bytes& m_in;
    std::uint64_t m_clock = kStartUs;
    GuestSession m_guest;
    SimNet* m_net = nullptr;
    std::uint64_t m_heardUs = 0;
    std::uint16_t m_game = 0;
    std::uint32_t m_played = 0;
};

// Seeds: a guest joins, the game begins and is played a while; a guest that talks but never
// steers; a flood of state checks; a guest that plays a while.
std::vector<fuzz::Bytes> seeds() {
    return {
        {0, 0, 1, 2, 1, 0, 5, 6, 40, 4, 50, 6, 40},
        {0, 0, 1, 2, 1, 0, 0, 5, 7, 200, 7, 200},
        {0, 0, 1, 2, 1, 0, 0, 5, 3, 1, 2, 63, 3, 1, 2, 63, 3, 1, 2, 63},
        {1, 0, 2, 3, 5, 0, 1, 0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 5, 10},
    };
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::writeSeedsIfAsked(seeds()); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    if (in.u8() % 2 == 0)
        HostRun(in).run();
    else
        GuestRun(in).run();
    return 0;
}
