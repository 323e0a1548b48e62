#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "players/scores.h"

namespace slyders {

// The stored roster is the entries one after another, no header and no count:
// the name and a zero byte, then `played` and the ten results, 16-bit little-endian.
constexpr std::size_t kRosterBytesMax = 10000;  // the most the game reads or writes
constexpr std::size_t kMaxNameBytes = 19;       // a name field of 20 with its terminator
constexpr std::size_t kEntryFixedBytes = 23;    // terminator, played, ten results
constexpr int kMinNameCharacters = 2;

// The bytes one entry takes in the store.
inline std::size_t entryBytes(const PlrScore& e) {
    return e.name.size() + kEntryFixedBytes;
}

std::vector<std::uint8_t> serialiseRoster(const std::vector<PlrScore>& entries);

struct ParsedRoster {
    std::vector<PlrScore> entries;  // every entry that was read whole
    bool whole = true;              // false: some bytes could not be read as a whole entry
};

// Reads at most kRosterBytesMax bytes and never past the end of the value. An entry whose
// name has no terminator within its 20-byte field, or that ends early, stops the reading.
ParsedRoster parseRoster(const std::vector<std::uint8_t>& bytes);

// Names are UTF-8 in the store: the number of characters, and the longest prefix of at most
// maxBytes bytes that does not end inside a character.
int characterCount(std::string_view utf8);
std::string clipName(std::string_view utf8, std::size_t maxBytes = kMaxNameBytes);

}  // namespace slyders
