#include "params/sstring.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace slyders {

namespace {

// Writable, so that terminating a capacity-0 text in place is harmless.
char g_emptyText[1] = {0};

constexpr std::int32_t kMaxGrowth = 10000;
constexpr std::int32_t kGrowthSlack = 8;

std::int32_t textLength(const char* text) {
    return static_cast<std::int32_t>(std::strlen(text));
}

}  // namespace

constexpr SBuf::SBuf(Shared) : text(g_emptyText) {}

// Constant-initialised, so that strings made before main() find it ready.
constinit SBuf SBuf::s_empty{Shared{}};

SBuf::SBuf(std::int32_t cap) : text(g_emptyText), capacity(cap) {
    if (capacity > 0) {
        text = static_cast<char*>(std::malloc(static_cast<std::size_t>(capacity) + 1));
        text[0] = 0;
    }
}

SBuf::~SBuf() {
    if (capacity > 0) std::free(text);
}

void SBuf::resize(std::int32_t newCapacity) {
    char* old = capacity > 0 ? text : nullptr;
    text = static_cast<char*>(std::realloc(old, static_cast<std::size_t>(newCapacity) + 1));
    if (!old) text[0] = 0;
    capacity = newCapacity;
}

// ------------------------------------------------------------------ sharing

SString::SString(const char* text, std::int32_t length) : m_buf(&SBuf::empty()) {
    if (text) set(text, length);
}

SString::SString(const SString& other) : m_buf(&SBuf::empty()) {
    share(other.m_buf);
}

SString::~SString() {
    release();
}

SString& SString::operator=(const SString& other) {
    if (m_buf != other.m_buf) {
        release();
        share(other.m_buf);
    }
    return *this;
}

SString& SString::operator=(const char* text) {
    set(text);
    return *this;
}

void SString::share(SBuf* buf) {
    m_buf = buf;
    if (buf != &SBuf::empty()) ++buf->references;
}

void SString::release() {
    if (m_buf != &SBuf::empty() && --m_buf->references == 0) delete m_buf;
    m_buf = &SBuf::empty();
}

std::int32_t SString::grownCapacity(std::int32_t n) const {
    if (m_growthHint < 0) return n + std::min(n / 2, kMaxGrowth) + kGrowthSlack;
    return n + m_growthHint;
}

void SString::makeExclusive(std::int32_t n, bool keepContent) {
    if (m_buf == &SBuf::empty()) {
        m_buf = new SBuf(grownCapacity(n));
        return;
    }
    if (m_buf->references >= 2) {
        SBuf* old = m_buf;
        --old->references;
        m_buf = new SBuf(grownCapacity(n));
        if (keepContent) {
            const std::int32_t kept = std::min(old->used, n);
            std::memcpy(m_buf->text, old->text, static_cast<std::size_t>(kept));
            m_buf->text[kept] = 0;
            m_buf->used = kept;
        }
        return;
    }
    if (n > m_buf->capacity) m_buf->resize(grownCapacity(n));
}

// ------------------------------------------------------------------ writing

bool SString::holds(const char* text) const {
    const std::less_equal<const char*> notAfter;
    return m_buf != &SBuf::empty() && notAfter(m_buf->text, text) &&
           notAfter(text, m_buf->text + m_buf->used);
}

void SString::set(const char* text, std::int32_t length) {
    if (!text) {
        text = "";
        length = 0;
    }
    if (length < 0) length = textLength(text);
    SString keepAlive;  // a source inside our own text must outlive the new buffer
    if (holds(text)) keepAlive = *this;
    makeExclusive(length, false);
    std::memmove(m_buf->text, text, static_cast<std::size_t>(length));
    m_buf->text[length] = 0;
    m_buf->used = length;
}

void SString::append(const char* text, std::int32_t length) {
    if (length <= 0 || !text) return;
    SString keepAlive;
    if (holds(text)) keepAlive = *this;
    const std::int32_t used = m_buf->used;
    makeExclusive(used + length, true);
    std::memcpy(m_buf->text + used, text, static_cast<std::size_t>(length));
    m_buf->used = used + length;
    m_buf->text[m_buf->used] = 0;
}

void SString::append(const char* text) {
    if (text && *text) append(text, textLength(text));
}

void SString::append(const SString& other) {
    append(other.c_str(), other.length());
}

char* SString::beginWrite(std::int32_t n) {
    if (n < 0) n = m_buf->used;
    makeExclusive(n, true);
    m_appendMark = m_buf->used;
    return m_buf->text;
}

void SString::finishWrite(std::int32_t n) {
    if (n >= 0) {
        m_buf->text[n] = 0;
        m_buf->used = n;
    } else {
        m_buf->used = textLength(m_buf->text);
    }
}

char* SString::beginAppend(std::int32_t n) {
    makeExclusive(m_buf->used + n, true);
    m_appendMark = m_buf->used;
    return m_buf->text + m_buf->used;
}

void SString::finishAppend(std::int32_t n) {
    if (n >= 0) {
        m_buf->used = m_appendMark + n;
        m_buf->text[m_buf->used] = 0;
    } else {
        m_buf->used = m_appendMark + textLength(m_buf->text + m_appendMark);
    }
}

// ------------------------------------------------------------------ reading

SString SString::substring(std::int32_t start, std::int32_t length) const {
    if (start < 0) {
        length += start;
        start = 0;
    }
    const std::int32_t count = std::min(length, m_buf->used - start);
    if (count <= 0) return SString();
    if (count == m_buf->used) return *this;
    return SString(m_buf->text + start, count);
}

bool SString::operator==(const SString& other) const {
    return m_buf == other.m_buf || std::strcmp(m_buf->text, other.m_buf->text) == 0;
}

bool SString::operator==(const char* text) const {
    return std::strcmp(m_buf->text, text ? text : "") == 0;
}

// Both conversions copy the stretches between the characters they look for into a fresh
// string, which replaces this one only when it holds something.
bool SString::escapeTildes() {
    const char* text = c_str();
    if (!std::strchr(text, '~')) return false;
    SString fresh;
    for (const char* tilde; (tilde = std::strchr(text, '~')) != nullptr; text = tilde + 1) {
        fresh.append(text, static_cast<std::int32_t>(tilde - text));
        fresh.append("\\~", 2);
    }
    fresh.append(text);
    if (!fresh.empty()) *this = fresh;
    return true;
}

bool SString::unescapeTildes() {
    const char* text = c_str();
    if (!std::strchr(text, '\\')) return false;
    SString fresh;
    for (const char* slash; (slash = std::strchr(text, '\\')) != nullptr;) {
        fresh.append(text, static_cast<std::int32_t>(slash - text));
        if (slash[1] == '~') {
            fresh.append("~", 1);
            text = slash + 2;
        } else {
            const std::int32_t kept = slash[1] ? 2 : 1;  // the backslash and what follows it
            fresh.append(slash, kept);
            text = slash + kept;
        }
    }
    fresh.append(text);
    if (!fresh.empty()) *this = fresh;
    return true;
}

}  // namespace slyders
