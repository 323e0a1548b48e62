#pragma once

#include <cstdint>

namespace slyders {

// The program's one random generator. It yields uniform integers 0 .. 2^31 - 1; every draw of
// the game is one call, so the same seed and the same key states replay the same game.
class Random {
public:
    explicit Random(std::uint64_t seed = 1) { reseed(seed); }

    void reseed(std::uint64_t seed) {
        m_state = seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull;
        if (m_state == 0) m_state = 1;
    }

    // xorshift64*, whose high bits are of good quality; the top 31 bits are used.
    std::int32_t next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return static_cast<std::int32_t>((m_state * 0x2545F4914F6CDD1Dull) >> 33);
    }

    // The whole state: a game that starts from it again draws the same numbers.
    std::uint64_t state() const { return m_state; }
    void setState(std::uint64_t state) { m_state = state == 0 ? 1 : state; }

    // One draw reduced modulo n (n > 0).
    int mod(int n) { return next() % n; }

private:
    std::uint64_t m_state = 1;
};

}  // namespace slyders
