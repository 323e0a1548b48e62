#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

namespace slyders {

// A growable list of records. It grows by an eighth plus a little, so that lists which gain
// one element at a time are not copied on every add. The position index is a cursor that
// survives removals: removing at or before it moves it back by one.
template <typename T>
class SListTempl {
public:
    SListTempl() = default;
    SListTempl(const SListTempl& other) { *this = other; }
    SListTempl(SListTempl&& other) noexcept { swap(other); }
    ~SListTempl() { release(); }

    SListTempl& operator=(const SListTempl& other) {
        if (this == &other) return *this;
        clear();
        reserve(other.m_count);
        for (const T& item : other) add(item);
        m_position = other.m_position;
        return *this;
    }
    SListTempl& operator=(SListTempl&& other) noexcept {
        SListTempl moved(std::move(other));
        swap(moved);
        return *this;
    }

    std::int32_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    std::int32_t capacity() const { return m_capacity; }
    T& operator[](std::int32_t i) { return m_items[i]; }
    const T& operator[](std::int32_t i) const { return m_items[i]; }
    T* begin() { return m_items; }
    T* end() { return m_items + m_count; }
    const T* begin() const { return m_items; }
    const T* end() const { return m_items + m_count; }

    std::int32_t position() const { return m_position; }
    void setPosition(std::int32_t p) { m_position = p; }

    void add(T item) { insert(m_count, std::move(item)); }
    SListTempl& operator+=(T item) {
        add(std::move(item));
        return *this;
    }

    // Inserts before position p (p = size() appends).
    void insert(std::int32_t p, T item) {
        if (m_count + 1 > m_capacity) grow(m_count + 1);
        std::construct_at(m_items + m_count, std::move(item));
        for (std::int32_t i = m_count; i > p; --i) std::swap(m_items[i], m_items[i - 1]);
        ++m_count;
    }

    void remove(std::int32_t p) {
        for (std::int32_t i = p; i + 1 < m_count; ++i) m_items[i] = std::move(m_items[i + 1]);
        --m_count;
        std::destroy_at(m_items + m_count);
        if (p <= m_position) --m_position;
    }

    void clear() {
        std::destroy(m_items, m_items + m_count);
        m_count = 0;
        m_position = 0;
    }

    void reserve(std::int32_t capacity) {
        if (capacity > m_capacity) reallocate(capacity);
    }

private:
    void grow(std::int32_t needed) { reallocate(needed + needed / 8 + 3); }

    void reallocate(std::int32_t capacity) {
        std::allocator<T> alloc;
        T* items = alloc.allocate(static_cast<std::size_t>(capacity));
        std::uninitialized_move(m_items, m_items + m_count, items);
        std::destroy(m_items, m_items + m_count);
        if (m_items) alloc.deallocate(m_items, static_cast<std::size_t>(m_capacity));
        m_items = items;
        m_capacity = capacity;
    }

    void release() {
        clear();
        if (m_items) std::allocator<T>().deallocate(m_items, static_cast<std::size_t>(m_capacity));
        m_items = nullptr;
        m_capacity = 0;
    }

    void swap(SListTempl& other) noexcept {
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_count, other.m_count);
        std::swap(m_position, other.m_position);
        std::swap(m_items, other.m_items);
    }

    std::int32_t m_capacity = 0;
    std::int32_t m_count = 0;
    std::int32_t m_position = 0;
    T* m_items = nullptr;
};

// The same list for untyped (or any) pointers, with a search by value.
template <typename T = void*>
class PtrListTempl : public SListTempl<T> {
    static_assert(std::is_pointer_v<T>, "PtrListTempl holds pointers");

public:
    // Index of the first element equal to p, -1 when there is none.
    std::int32_t find(T p) const {
        for (std::int32_t i = 0; i < this->size(); ++i)
            if ((*this)[i] == p) return i;
        return -1;
    }
};

}  // namespace slyders
