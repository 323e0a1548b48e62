#include "params/ext_value.h"

#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "params/param.h"

namespace slyders {

namespace {

constexpr int kNumberTextSize = 64;

}  // namespace

std::int32_t leadingInt(const char* text) {
    const long value = std::strtol(text ? text : "", nullptr, 10);
    if (value < INT32_MIN) return INT32_MIN;
    if (value > INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

double leadingDouble(const char* text) {
    return std::strtod(text ? text : "", nullptr);
}

// ------------------------------------------------------------------ ExtObject

ExtObject::ExtObject(std::int32_t flags, void* object, ParamInterface* iface)
    : m_flags(flags), m_object(object), m_interface(iface) {
    addReference();
}

ExtObject ExtObject::plain(ParamInterface* iface, void* object) {
    return ExtObject(0, object, iface);
}

ExtObject ExtObject::shared(ParamInterface* iface, DestrBase* object) {
    return ExtObject(kShared, object, iface);
}

ExtObject ExtObject::ofParam(Param& param) {
    return ExtObject(kConcreteParam, param.record(), &param);
}

ExtObject::ExtObject(const ExtObject& other)
    : m_flags(other.m_flags), m_object(other.m_object), m_interface(other.m_interface) {
    addReference();
}

ExtObject& ExtObject::operator=(const ExtObject& other) {
    if (this != &other) {
        other.addReference();  // first, in case both refer to the same shared object
        dropReference();
        m_flags = other.m_flags;
        m_object = other.m_object;
        m_interface = other.m_interface;
    }
    return *this;
}

ExtObject::~ExtObject() {
    dropReference();
}

void ExtObject::addReference() const {
    if ((m_flags & kShared) && m_object) ++static_cast<DestrBase*>(m_object)->refCount;
}

void ExtObject::dropReference() {
    if (!(m_flags & kShared) || !m_object) return;
    auto* shared = static_cast<DestrBase*>(m_object);
    if (--shared->refCount == 0) delete shared;
    m_object = nullptr;
}

SString ExtObject::describe() const {
    if (!m_interface) return SString("<empty object>");
    SString text("<");
    text += m_interface->objectName();
    char address[kNumberTextSize];
    std::snprintf(address, sizeof address, " object at %p>", m_object);
    text += address;
    return text;
}

// ------------------------------------------------------------------ ExtValue

std::int32_t ExtValue::asInt() const {
    switch (type()) {
        case ExtValueType::Int:
            return std::get<std::int32_t>(m_value);
        case ExtValueType::Double: {
            const double v = std::get<double>(m_value);
            if (!(v > INT32_MIN)) return std::isnan(v) ? 0 : INT32_MIN;
            return v < INT32_MAX ? static_cast<std::int32_t>(v) : INT32_MAX;
        }
        case ExtValueType::String:
            return leadingInt(std::get<SString>(m_value).c_str());
        default:
            return 0;
    }
}

double ExtValue::asDouble() const {
    switch (type()) {
        case ExtValueType::Int:
            return std::get<std::int32_t>(m_value);
        case ExtValueType::Double:
            return std::get<double>(m_value);
        case ExtValueType::String:
            return leadingDouble(std::get<SString>(m_value).c_str());
        default:
            return 0.0;
    }
}

SString ExtValue::asString() const {
    char text[kNumberTextSize];
    switch (type()) {
        case ExtValueType::Int:
            std::snprintf(text, sizeof text, "%" PRId32, std::get<std::int32_t>(m_value));
            return SString(text);
        case ExtValueType::Double:
            // A double stays recognisable as one when it is read back.
            std::snprintf(text, sizeof text, "%g", std::get<double>(m_value));
            if (!std::strchr(text, '.')) std::strcat(text, ".0");
            return SString(text);
        case ExtValueType::String:
            return std::get<SString>(m_value);
        case ExtValueType::Object:
            return std::get<ExtObject>(m_value).describe();
        default:
            return SString("null");
    }
}

ExtObject ExtValue::asObject() const {
    if (type() == ExtValueType::Object) return std::get<ExtObject>(m_value);
    return ExtObject();
}

}  // namespace slyders
