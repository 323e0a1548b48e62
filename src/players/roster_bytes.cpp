#include "players/roster_bytes.h"

#include <algorithm>

namespace slyders {

namespace {

constexpr std::size_t kNameField = kMaxNameBytes + 1;

bool isContinuationByte(unsigned char c) {
    return (c & 0xC0u) == 0x80u;
}

void putWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

std::uint16_t wordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

std::vector<std::uint8_t> serialiseRoster(const std::vector<PlrScore>& entries) {
    std::vector<std::uint8_t> out;
    for (const PlrScore& e : entries) {
        out.insert(out.end(), e.name.begin(), e.name.end());
        out.push_back(0);
        putWord(out, e.played);
        for (std::uint16_t r : e.results) putWord(out, r);
    }
    return out;
}

ParsedRoster parseRoster(const std::vector<std::uint8_t>& bytes) {
    ParsedRoster parsed;
    const std::size_t size = std::min(bytes.size(), kRosterBytesMax);
    parsed.whole = bytes.size() <= kRosterBytesMax;
    std::size_t at = 0;
    while (at < size) {
        const auto fieldEnd = bytes.begin() + std::ptrdiff_t(std::min(at + kNameField, size));
        const auto zero = std::find(bytes.begin() + std::ptrdiff_t(at), fieldEnd, std::uint8_t{0});
        const std::size_t nameEnd = std::size_t(zero - bytes.begin());
        if (zero == fieldEnd || nameEnd + kEntryFixedBytes > size) {
            parsed.whole = false;
            break;
        }
        PlrScore e;
        e.name.assign(bytes.begin() + std::ptrdiff_t(at), zero);
        std::size_t field = nameEnd + 1;
        e.played = wordAt(bytes, field);
        for (std::uint16_t& r : e.results) {
            field += 2;
            r = wordAt(bytes, field);
        }
        parsed.entries.push_back(std::move(e));
        at = nameEnd + kEntryFixedBytes;
    }
    return parsed;
}

int characterCount(std::string_view utf8) {
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return !isContinuationByte(static_cast<unsigned char>(c));
    }));
}

std::string clipName(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes) return std::string(utf8);
    std::size_t cut = maxBytes;
    // The byte at the cut must start a character, so no character is split.
    while (cut > 0 && isContinuationByte(static_cast<unsigned char>(utf8[cut]))) --cut;
    return std::string(utf8.substr(0, cut));
}

}  // namespace slyders
