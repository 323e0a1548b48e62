// The roster's stored bytes: any value loads, every entry has a rating, and the roster as
// saved reads back whole and equal.
#include "fuzz_support.h"
#include "players/roster_bytes.h"
#include "players/scores.h"

using namespace slyders;

namespace {

class BytesStore final : public RosterStore {
public:
    explicit BytesStore(fuzz::Bytes value) : bytes(std::move(value)) {}
    std::vector<std::uint8_t> read() override { return bytes; }
    void write(const std::vector<std::uint8_t>& value) override { bytes = value; }
    fuzz::Bytes bytes;
};

bool sameEntries(const std::vector<PlrScore>& a, const Scores& b) {
    if (int(a.size()) != b.count()) return false;
    for (int i = 0; i < b.count(); ++i) {
        const PlrScore &x = a[std::size_t(i)], &y = b.entry(i);
        if (x.name != y.name || x.played != y.played || x.results != y.results) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BytesStore store({});
    Scores scores(&store);
    scores.Load();
    scores.Add({"Zo\xC3\xAB", 3, {}});
    scores.Add({"\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", 0, {}});
    scores.UpdateRatings({{2, 40, true}, {3, 12, false}});
    const fuzz::Bytes full = store.bytes;
    fuzz::Bytes cut(full.begin(), full.begin() + long(full.size() / 2));
    return fuzz::writeSeedsIfAsked({serialiseRoster({}), full, cut});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BytesStore store(fuzz::Bytes(data, data + size));
    Scores scores(&store);
    scores.Load();
    for (int i = 0; i < scores.count(); ++i) {
        const int rating = scores.Rating(i);
        if (rating < 0 || rating > 100) fuzz::fail("a rating outside 0 to 100");
    }
    scores.Save();
    if (store.bytes.size() > kRosterBytesMax) fuzz::fail("the saved roster is too big");
    const ParsedRoster back = parseRoster(store.bytes);
    if (!back.whole) fuzz::fail("the saved roster does not read back whole");
    if (!sameEntries(back.entries, scores)) fuzz::fail("the saved roster reads back changed");
    return 0;
}
