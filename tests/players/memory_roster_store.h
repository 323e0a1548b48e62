#pragma once

#include <cstdint>
#include <vector>

#include "players/scores.h"

namespace slyders::test {

// A roster store in memory that remembers what the roster asked of it.
class MemoryRosterStore final : public RosterStore {
public:
    std::vector<std::uint8_t> read() override { return bytes; }
    void write(const std::vector<std::uint8_t>& b) override {
        bytes = b;
        ++writes;
    }
    void keepUnreadable() override { keptAside = true; }

    std::vector<std::uint8_t> bytes;
    int writes = 0;
    bool keptAside = false;
};

}  // namespace slyders::test
