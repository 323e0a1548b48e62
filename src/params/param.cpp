#include "params/param.h"

#include <cstdio>
#include <cstring>

#include "params/report.h"

namespace slyders {

namespace {

constexpr int kNumberTextSize = 64;

char typeLetter(const char* type) {
    return type ? type[0] : 0;
}

// The two numbers after the type letter ("d 10 80"), when both are there.
bool readRange(const char* type, long& min, long& max) {
    return type && type[0] && std::sscanf(type + 1, "%ld %ld", &min, &max) == 2;
}

bool readRange(const char* type, double& min, double& max) {
    return type && type[0] && std::sscanf(type + 1, "%lg %lg", &min, &max) == 2;
}

template <typename T>
T& field(void* address) {
    return *static_cast<T*>(address);
}

}  // namespace

// ------------------------------------------------------------------ ParamInterface

int ParamInterface::findProperty(const char* id) const {
    for (int i = 0; const char* own = propertyId(i); ++i)
        if (std::strcmp(own, id) == 0) return i;
    return -1;
}

SString ParamInterface::getText(int i) const {
    char text[kNumberTextSize];
    switch (typeLetter(propertyType(i))) {
        case 'd':
            std::snprintf(text, sizeof text, "%ld", static_cast<long>(getInt(i)));
            return SString(text);
        case 'f':
            std::snprintf(text, sizeof text, "%lg", getDouble(i));
            return SString(text);
        case 's':
            return getString(i);
        default:
            return SString();
    }
}

int ParamInterface::setText(int i, const SString& text) {
    switch (typeLetter(propertyType(i))) {
        case 'd':
            return setInt(i, leadingInt(text.c_str()));
        case 'f':
            return setDouble(i, leadingDouble(text.c_str()));
        case 's':
            return setString(i, text);
        default:
            return 0;
    }
}

// ------------------------------------------------------------------ SimpleAbstractParam

void* SimpleAbstractParam::fieldAddress(int i) const {
    return static_cast<char*>(m_record) + descriptor(i)->offset;
}

const char* SimpleAbstractParam::propertyId(int i) const {
    return i >= 0 && i < propertyCount() ? descriptor(i)->id : nullptr;
}

void SimpleAbstractParam::call(int i, ExtValue* arguments, ExtValue& result) {
    const PropertyDescriptor* d = descriptor(i);
    if (typeLetter(d->type) == 'p' && d->getter) {
        // The table keeps the procedure in the getter slot; see procedureSlot().
        auto procedure =
            reinterpret_cast<PropertyProcedure>(reinterpret_cast<void (*)()>(d->getter));
        procedure(m_record, arguments, result);
        return;
    }
    reportMessage("SimpleAbstractParam", "call", 2,
                  "undefined function pointer in property #%d (%s)", i, d->id);
}

// Fields are read and written by the type letter, so that a mismatched getter or setter
// never reinterprets the bytes of another kind of field.
ExtValue SimpleAbstractParam::readField(int i) const {
    void* address = fieldAddress(i);
    switch (typeLetter(descriptor(i)->type)) {
        case 'd':
            return ExtValue(field<std::int32_t>(address));
        case 'f':
            return ExtValue(field<double>(address));
        case 's':
            return ExtValue(field<SString>(address));
        case 'o':
            return ExtValue(field<ExtObject>(address));
        case 'x':
            return field<ExtValue>(address);
        default:
            return ExtValue();
    }
}

int SimpleAbstractParam::storeField(int i, const ExtValue& value) {
    void* address = fieldAddress(i);
    switch (typeLetter(descriptor(i)->type)) {
        case 'd': {
            const std::int32_t v = value.asInt();
            if (field<std::int32_t>(address) == v) return 0;
            field<std::int32_t>(address) = v;
            return kSetChanged;
        }
        case 'f': {
            const double v = value.asDouble();
            if (!(field<double>(address) != v)) return 0;
            field<double>(address) = v;
            return kSetChanged;
        }
        case 's': {
            const SString v = value.asString();
            if (field<SString>(address) == v) return 0;
            field<SString>(address) = v;
            return kSetChanged;
        }
        case 'o':
            field<ExtObject>(address) = value.asObject();
            return kSetChanged;
        case 'x':
            field<ExtValue>(address) = value;
            return kSetChanged;
        default:
            return 0;
    }
}

int SimpleAbstractParam::storeValue(int i, const ExtValue& value, int noted) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->setter) return d->setter(m_record, value) | noted;
    return storeField(i, value) | noted;
}

ExtValue SimpleAbstractParam::getValue(int i) const {
    const PropertyDescriptor* d = descriptor(i);
    if (!d->getter || typeLetter(d->type) == 'p') return readField(i);
    ExtValue value;
    d->getter(m_record, value);
    return value;
}

int SimpleAbstractParam::setInt(int i, std::int32_t value) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->flags & kPropReadOnly) return kSetReadOnly;
    int noted = 0;
    long min = 0, max = 0;
    if (readRange(d->type, min, max)) {
        if (value < min) {
            value = static_cast<std::int32_t>(min);
            noted = kSetBelowMin;
        } else if (value > max) {
            value = static_cast<std::int32_t>(max);
            noted = kSetAboveMax;
        }
    }
    return storeValue(i, ExtValue(value), noted);
}

int SimpleAbstractParam::setDouble(int i, double value) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->flags & kPropReadOnly) return kSetReadOnly;
    int noted = 0;
    double min = 0, max = 0;
    if (readRange(d->type, min, max)) {
        if (value < min) {
            value = min;
            noted = kSetBelowMin;
        } else if (value > max) {
            value = max;
            noted = kSetAboveMax;
        }
    }
    return storeValue(i, ExtValue(value), noted);
}

int SimpleAbstractParam::setString(int i, const SString& value) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->flags & kPropReadOnly) return kSetReadOnly;
    long min = 0, maxLength = 0;
    if (readRange(d->type, min, maxLength) && maxLength >= 1 && value.length() > maxLength) {
        const SString shortened = value.substring(0, static_cast<std::int32_t>(maxLength));
        return storeValue(i, ExtValue(shortened), kSetAboveMax);
    }
    return storeValue(i, ExtValue(value), 0);
}

int SimpleAbstractParam::setObject(int i, const ExtObject& value) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->flags & kPropReadOnly) return kSetReadOnly;
    if (d->setter) return d->setter(m_record, ExtValue(value));
    storeField(i, ExtValue(value));
    return kSetChanged;
}

int SimpleAbstractParam::setValue(int i, const ExtValue& value) {
    const PropertyDescriptor* d = descriptor(i);
    if (d->flags & kPropReadOnly) return kSetReadOnly;
    if (d->setter) return d->setter(m_record, value);
    storeField(i, value);
    return kSetChanged;
}

// ------------------------------------------------------------------ Param

Param::Param(const PropertyDescriptor* table, void* record)
    : SimpleAbstractParam(table[0].name, record), m_table(table) {}

const PropertyDescriptor* Param::descriptor(int i) const {
    return &m_table[groupCount() + i];
}

const char* Param::groupName(int g) const {
    return g >= 0 && g < groupCount() ? m_table[g].id : nullptr;
}

int Param::groupMember(int g, int n) const {
    if (groupCount() < 2 && g == 0) return n < propertyCount() ? n : kNoMember;
    const int groups = groupCount();
    int counted = 0;
    for (int entry = groups; m_table[entry].id; ++entry) {
        if (m_table[entry].group != g) continue;
        if (counted == n) return entry - groups;
        ++counted;
    }
    return kNoMember;
}

}  // namespace slyders
