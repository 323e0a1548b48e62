#include "net/discovery.h"

#include <algorithm>
#include <vector>

#include "game/game_start.h"
#include "net/protocol.h"

// The local network's questions and answers: read from strangers, so every byte is checked.
namespace slyders::net {

namespace {
constexpr std::uint8_t kQueryKind = 0x40, kAdKind = 0x41;
constexpr std::size_t kHeaderSize = 7;

void header(std::vector<std::uint8_t>& out, std::uint8_t kind) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(kMagic >> (8 * i)));
    out.push_back(std::uint8_t(kVersion));
    out.push_back(std::uint8_t(kVersion >> 8));
    out.push_back(kind);
}

bool hasHeader(const std::uint8_t* data, std::size_t size, std::uint8_t kind) {
    std::vector<std::uint8_t> want;
    header(want, kind);
    return size >= kHeaderSize && std::equal(want.begin(), want.end(), data);
}

void text(std::vector<std::uint8_t>& out, const std::string& s) {
    const std::size_t n = std::min(s.size(), kMaxText);
    out.push_back(std::uint8_t(n));
    out.insert(out.end(), s.begin(), s.begin() + std::ptrdiff_t(n));
}

}  // namespace

std::vector<std::uint8_t> encodeQuery() {
    std::vector<std::uint8_t> out;
    header(out, kQueryKind);
    return out;
}

bool isQuery(const std::uint8_t* data, std::size_t size) {
    return size == kHeaderSize && hasHeader(data, size, kQueryKind);
}

std::vector<std::uint8_t> encodeAd(const GameAd& ad) {
    std::vector<std::uint8_t> out;
    header(out, kAdKind);
    out.push_back(std::uint8_t(ad.port));
    out.push_back(std::uint8_t(ad.port >> 8));
    text(out, ad.machine);
    text(out, ad.players);
    out.push_back(ad.freeSeats);
    out.push_back(ad.password ? 1 : 0);
    return out;
}

std::optional<GameAd> decodeAd(const std::uint8_t* data, std::size_t size, std::string& error) {
    if (!hasHeader(data, size, kAdKind)) {
        error = "not an answer from a Slyders game of this version";
        return std::nullopt;
    }
    std::size_t pos = kHeaderSize;
    auto left = [&] { return size - pos; };
    auto readText = [&](std::string& s) {
        if (left() < 1 || data[pos] > kMaxText || left() < 1u + data[pos]) return false;
        s.assign(reinterpret_cast<const char*>(data + pos + 1), data[pos]);
        pos += 1u + data[pos];
        return true;
    };
    GameAd ad;
    if (left() < 2) {
        error = "the answer is too short";
        return std::nullopt;
    }
    ad.port = std::uint16_t(data[pos] | (data[pos + 1] << 8));
    pos += 2;
    if (!readText(ad.machine) || !readText(ad.players) || left() != 2) {
        error = "the answer is damaged";
        return std::nullopt;
    }
    ad.freeSeats = data[pos];
    const std::uint8_t password = data[pos + 1];
    if (ad.port == 0 || ad.freeSeats > kHumanSeats || password > 1) {
        error = "the answer is out of range";
        return std::nullopt;
    }
    ad.password = password == 1;
    return ad;
}

}  // namespace slyders::net
