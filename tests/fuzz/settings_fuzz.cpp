// The settings file reader: any bytes load without harm, and what is saved then reads back
// to the same file.
#include <cstdio>
#include <cstdlib>

#include "fuzz_support.h"
#include "params/settings_table.h"
#include "params/virt_file.h"

using namespace slyders;

namespace {

fuzz::Bytes save(TInterface& settings) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream) fuzz::fail("no memory stream");
    {
        StdioFILE file(stream);
        settingsParam(settings).saveObject(&file);
    }
    fuzz::Bytes bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

TInterface load(const fuzz::Bytes& bytes) {
    TInterface settings;
    if (bytes.empty()) return settings;
    std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "r");
    if (!stream) fuzz::fail("no memory stream");
    StdioFILE file(stream);
    settingsParam(settings).loadObject(&file);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    TInterface defaults, changed;
    changed.int_rndpts = 75;
    changed.int_background = 16;
    changed.xtr_wall = changed.dis_void = 0;
    return fuzz::writeSeedsIfAsked(
        {save(defaults), save(changed),
         fuzz::bytesOf("Settings:\r\nint_rndpts:~\n25\\~x~ tail\r\nint_snd:\n\nint_soe:0\n")});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TInterface first = load(fuzz::Bytes(data, data + size));
    const fuzz::Bytes saved = save(first);
    TInterface second = load(saved);
    if (save(second) != saved) fuzz::fail("saved settings read back differently");
    return 0;
}
