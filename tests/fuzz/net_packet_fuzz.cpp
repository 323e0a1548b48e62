// Feeds arbitrary bytes to the network packet reader: it must refuse or accept, never crash,
// and what it accepts must encode back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const slyders::net::Decoded d = slyders::net::decode(data, size);
    if (d.packet) {
        const std::vector<std::uint8_t> again = slyders::net::encode(*d.packet);
        const slyders::net::Decoded back = slyders::net::decode(again.data(), again.size());
        if (!back.packet) std::abort();
    } else if (d.error.empty()) {
        std::abort();  // every refusal says why
    }
    return 0;
}
