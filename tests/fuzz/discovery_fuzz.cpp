// Answers from the local network: any bytes a stranger sends are refused with a reason or
// read whole, and an answer that was read writes back to the same bytes.
#include "fuzz_support.h"
#include "net/discovery.h"

using namespace slyders;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return fuzz::writeSeedsIfAsked(
        {net::encodeAd({27960, "kitchen", "Zo\xC3\xAB and Max", 2, true}),
         net::encodeAd({1, "", "", 0, false}), net::encodeQuery()});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const std::optional<net::GameAd> ad = net::decodeAd(data, size, error);
    if (!ad) {
        if (error.empty()) fuzz::fail("a refusal without a reason");
        return 0;
    }
    if (net::encodeAd(*ad) != std::vector<std::uint8_t>(data, data + size))
        fuzz::fail("an answer does not write back to its bytes");
    return 0;
}
