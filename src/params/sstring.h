#pragma once

#include <cstdint>

namespace slyders {

// One text buffer, shared by every SString that was copied from the same string. The text is
// always NUL-terminated; the storage holds capacity + 1 bytes.
struct SBuf {
    char* text;
    std::int32_t used = 0;
    std::int32_t capacity = 0;
    std::int32_t references = 1;

    // The one empty buffer that every default-constructed string points at. It owns no
    // storage, is never freed and its reference count never changes.
    static SBuf& empty() { return s_empty; }

    explicit SBuf(std::int32_t capacity);
    ~SBuf();
    SBuf(const SBuf&) = delete;
    SBuf& operator=(const SBuf&) = delete;

    void resize(std::int32_t newCapacity);

private:
    struct Shared {};
    constexpr explicit SBuf(Shared);
    static SBuf s_empty;
};

// A text with a reference-counted buffer: copies cost one counter update, and a buffer is
// copied only when a string that shares it is about to change.
class SString {
public:
    SString() : m_buf(&SBuf::empty()) {}
    // From characters and a length (-1: up to the terminator; null: empty).
    SString(const char* text, std::int32_t length = -1);  // NOLINT: a text reads as a string
    SString(const SString& other);
    ~SString();
    SString& operator=(const SString& other);
    SString& operator=(const char* text);

    // Replaces the content (null: empty, negative length: up to the terminator).
    void set(const char* text, std::int32_t length = -1);

    void append(const char* text, std::int32_t length);
    void append(const char* text);
    void append(const SString& other);
    SString& operator+=(const char* text) {
        append(text);
        return *this;
    }
    SString& operator+=(const SString& other) {
        append(other);
        return *this;
    }

    // Writing in place: room for n characters (n < 0: the current length), content kept.
    // finishWrite(n) ends the text at n, or at its first terminator when n < 0.
    char* beginWrite(std::int32_t n = -1);
    void finishWrite(std::int32_t n = -1);
    // Writing at the end: room for n more characters. finishAppend(n) keeps n of them, or
    // all that were written up to the terminator when n < 0.
    char* beginAppend(std::int32_t n);
    void finishAppend(std::int32_t n = -1);

    // A negative start shortens the length by as much and starts at 0.
    SString substring(std::int32_t start, std::int32_t length) const;

    // "~" <-> "\~", so that a value can stand inside a tilde block of the parameter file.
    // Each returns whether the string held anything to convert.
    bool escapeTildes();
    bool unescapeTildes();

    bool operator==(const SString& other) const;
    bool operator==(const char* text) const;

    const char* c_str() const { return m_buf->text; }
    std::int32_t length() const { return m_buf->used; }
    bool empty() const { return m_buf->used == 0; }
    std::int32_t capacity() const { return m_buf->capacity; }
    const SBuf* buffer() const { return m_buf; }
    // -1 for the default growth rule, else the characters to add whenever the buffer grows.
    void setGrowthHint(std::int32_t extra) { m_growthHint = extra; }

private:
    std::int32_t grownCapacity(std::int32_t n) const;
    bool holds(const char* text) const;
    void share(SBuf* buf);
    void release();
    void makeExclusive(std::int32_t n, bool keepContent);

    SBuf* m_buf;
    std::int32_t m_appendMark = 0;
    std::int32_t m_growthHint = -1;
};

}  // namespace slyders
