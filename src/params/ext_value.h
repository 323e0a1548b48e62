#pragma once

#include <cstdint>
#include <variant>

#include "params/sstring.h"

namespace slyders {

class ParamInterface;
class Param;

// Base of the objects that several values share; the last reference deletes it.
class DestrBase {
public:
    virtual ~DestrBase() = default;
    std::int32_t refCount = 0;
};

// A reference to a record together with the parameter interface that describes it.
class ExtObject {
public:
    static constexpr std::int32_t kShared = 1;         // holds a count of a DestrBase
    static constexpr std::int32_t kConcreteParam = 2;  // the interface is a whole Param

    ExtObject() = default;
    // A record that lives elsewhere; nothing is counted.
    static ExtObject plain(ParamInterface* iface, void* object);
    // A shared object; this reference keeps it alive.
    static ExtObject shared(ParamInterface* iface, DestrBase* object);
    // The record of a Param, described by the Param itself.
    static ExtObject ofParam(Param& param);

    ExtObject(const ExtObject& other);
    ExtObject& operator=(const ExtObject& other);
    ~ExtObject();

    // "<empty object>" or "<Name object at 0x...>".
    SString describe() const;

    std::int32_t flags() const { return m_flags; }
    void* object() const { return m_object; }
    ParamInterface* paramInterface() const { return m_interface; }
    bool isEmpty() const { return m_interface == nullptr; }
    bool operator==(const ExtObject& other) const {
        return m_object == other.m_object && m_interface == other.m_interface;
    }

private:
    ExtObject(std::int32_t flags, void* object, ParamInterface* iface);
    void addReference() const;
    void dropReference();

    std::int32_t m_flags = 0;
    void* m_object = nullptr;
    ParamInterface* m_interface = nullptr;
};

// The value tags, in the order of the alternatives of ExtValue's storage.
enum class ExtValueType : std::uint8_t { Empty = 0, Int = 1, Double = 2, String = 3, Object = 4 };

// A tagged value: nothing, an integer, a double, a text or an object reference. Conversions
// never fail; a text that is no number converts to 0.
class ExtValue {
public:
    ExtValue() = default;
    ExtValue(std::int32_t v) : m_value(v) {}          // NOLINT: values convert freely
    ExtValue(double v) : m_value(v) {}                // NOLINT
    ExtValue(const SString& v) : m_value(v) {}        // NOLINT
    ExtValue(const char* v) : m_value(SString(v)) {}  // NOLINT
    ExtValue(const ExtObject& v) : m_value(v) {}      // NOLINT

    ExtValueType type() const { return static_cast<ExtValueType>(m_value.index()); }
    bool isEmpty() const { return type() == ExtValueType::Empty; }
    void setEmpty() { m_value = std::monostate{}; }
    void setInt(std::int32_t v) { m_value = v; }
    void setDouble(double v) { m_value = v; }
    void setString(const SString& v) { m_value = v; }
    void setObject(const ExtObject& v) { m_value = v; }

    std::int32_t asInt() const;
    double asDouble() const;
    SString asString() const;  // "null" when empty; a double always shows a "."
    ExtObject asObject() const;

private:
    std::variant<std::monostate, std::int32_t, double, SString, ExtObject> m_value;
};

// The leading decimal integer or number of a text, 0 when there is none.
std::int32_t leadingInt(const char* text);
double leadingDouble(const char* text);

}  // namespace slyders
