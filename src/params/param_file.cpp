// The parameter file form: a header line naming the object, one "id:value" line (or tilde
// block) per saved property, and an empty line that ends the object.
#include <cstring>
#include <string>

#include "params/param.h"
#include "params/report.h"
#include "params/virt_file.h"

namespace slyders {

namespace {

constexpr int kChunkSize = 99;          // characters read at a time
constexpr int kLongestPlainValue = 50;  // longer values go into a tilde block
constexpr int kFirstPrintable = 32;

// One chunk of a line; complete when its line end was read (and removed) with it.
bool readChunk(VirtFILE* file, char (&chunk)[kChunkSize + 1], bool& complete) {
    if (!file->getLine(chunk, kChunkSize + 1)) return false;
    std::size_t n = std::strlen(chunk);
    complete = false;
    while (n > 0 && static_cast<unsigned char>(chunk[n - 1]) < kFirstPrintable) {
        chunk[--n] = 0;
        complete = true;
    }
    return true;
}

// Everything up to the first "~" that is not escaped, line breaks included. A CR LF line
// end reads as LF, as the other lines of the file do.
SString readTildeValue(VirtFILE* file) {
    std::string value;
    for (int c; (c = file->getChar()) != -1;) {
        if (c == '~' && (value.empty() || value.back() != '\\')) break;
        if (c == '\n' && !value.empty() && value.back() == '\r') value.pop_back();
        value.push_back(static_cast<char>(c));
    }
    return SString(value.c_str(), static_cast<std::int32_t>(value.size()));
}

void skipRestOfLine(VirtFILE* file) {
    for (int c; (c = file->getChar()) != -1 && c != '\n';) {
    }
}

bool needsTildeBlock(const SString& text) {
    return text.length() > kLongestPlainValue || std::strpbrk(text.c_str(), "\r\n") != nullptr;
}

}  // namespace

int ParamInterface::saveObject(VirtFILE* file, const char* alternativeName) const {
    bool failed = false;
    auto put = [&](const char* text) {
        if (file->putString(text) < 0) failed = true;
    };
    put(alternativeName ? alternativeName : objectName());
    put(":\n");
    for (int i = 0; const char* id = propertyId(i); ++i) {
        const char* type = propertyType(i);
        if ((propertyFlags(i) & kPropNotSaved) || (type && type[0] == 'p')) continue;
        put(id);
        put(":");
        SString text = getText(i);
        text.escapeTildes();
        if (needsTildeBlock(text)) {
            put("~\n");
            put(text.c_str());
            put("~\n");
        } else {
            put(text.c_str());
            put("\n");
        }
    }
    put("\n");
    return failed ? 1 : 0;
}

void ParamInterface::loadObject(VirtFILE* file) {
    char chunk[kChunkSize + 1];
    bool complete = false;
    while (readChunk(file, chunk, complete) && chunk[0]) {
        int i = 0;
        const char* id = nullptr;
        std::size_t idLength = 0;
        for (; (id = propertyId(i)) != nullptr; ++i) {
            idLength = std::strlen(id);
            if (std::strncmp(chunk, id, idLength) == 0 && chunk[idLength] == ':') break;
        }
        if (!id) continue;  // the header, or a line that names no property

        SString value;
        if (chunk[idLength + 1] == '~') {
            value = readTildeValue(file);
            skipRestOfLine(file);
        } else {
            value = chunk + idLength + 1;
            while (!complete && readChunk(file, chunk, complete)) value += chunk;
        }
        value.unescapeTildes();
        const int result = setText(i, value);
        if (result & (kSetBelowMin | kSetAboveMax)) {
            reportMessage("Param", "load2", 1, "Adjusted '%s' in '%s' (was too %s)", id,
                          objectName(), (result & kSetAboveMax) ? "big" : "small");
        }
    }
}

}  // namespace slyders
