#pragma once

#include <cstdint>

#include "params/ext_value.h"
#include "params/sstring.h"

namespace slyders {

class VirtFILE;

// A getter fills the value of a property from the record; a setter takes it in and returns
// set result bits. A procedure property ("p" type) keeps its procedure in the getter slot.
using PropertyGetter = void (*)(void* record, ExtValue& value);
using PropertySetter = int (*)(void* record, const ExtValue& value);
using PropertyProcedure = void (*)(void* record, ExtValue* arguments, ExtValue& result);

// Puts a procedure into the getter slot of a table entry.
inline PropertyGetter procedureSlot(PropertyProcedure procedure) {
    return reinterpret_cast<PropertyGetter>(reinterpret_cast<void (*)()>(procedure));
}

// One entry of a parameter table. Entry 0 is the header (id: name of group 0, group: number
// of groups, flags: number of properties, name: object name, type: description), then the
// names of groups 1 and up, then the properties; an entry with a null id ends the table.
struct PropertyDescriptor {
    const char* id;
    std::int16_t group;
    std::int16_t flags;
    const char* name;
    const char* type;
    std::int32_t offset;
    PropertyGetter getter;
    PropertySetter setter;
    const char* help;
};

// Property flags.
constexpr int kPropReadOnly = 1;
constexpr int kPropNotSaved = 2;
constexpr int kPropHidden = 32;

// Set result bits, combined with OR.
constexpr int kSetReadOnly = 1;
constexpr int kSetChanged = 2;
constexpr int kSetBelowMin = 4;
constexpr int kSetAboveMax = 8;

// groupMember's answer past the last member of a group.
constexpr int kNoMember = -9999;

// Generic access to the properties of some record: enough to list, read, write, save, load
// and edit it without knowing its type.
class ParamInterface {
public:
    virtual int groupCount() const = 0;
    virtual int propertyCount() const = 0;
    virtual const char* objectName() const = 0;
    virtual const char* objectDescription() const { return nullptr; }
    virtual const char* propertyId(int i) const = 0;  // null past the last property
    virtual const char* propertyName(int i) const = 0;
    virtual const char* propertyType(int i) const = 0;
    virtual const char* propertyHelp(int i) const = 0;
    virtual int propertyFlags(int i) const = 0;
    virtual int propertyGroup(int i) const = 0;
    virtual const char* groupName(int g) const = 0;  // null past the last group
    virtual int groupMember(int g, int n) const = 0;
    virtual void call(int i, ExtValue* arguments, ExtValue& result) = 0;
    virtual SString getString(int i) const = 0;
    virtual std::int32_t getInt(int i) const = 0;
    virtual double getDouble(int i) const = 0;
    virtual ExtObject getObject(int i) const = 0;
    virtual ExtValue getValue(int i) const = 0;
    virtual int setInt(int i, std::int32_t value) = 0;
    virtual int setDouble(int i, double value) = 0;
    virtual int setString(int i, const SString& value) = 0;
    virtual int setObject(int i, const ExtObject& value) = 0;
    virtual int setValue(int i, const ExtValue& value) = 0;
    virtual ~ParamInterface() = default;

    // -1 when no property has this id (exact, case-sensitive).
    int findProperty(const char* id) const;
    // The value as text, by the type letter: "%ld", "%lg", the text itself, else empty.
    SString getText(int i) const;
    // Converts the text by the type letter and sets it, clamped; returns set result bits.
    int setText(int i, const SString& text);

    // The parameter file form: a header line, one line (or tilde block) per saved property
    // and an empty line. saveObject returns nonzero when a write failed.
    int saveObject(VirtFILE* file, const char* alternativeName = nullptr) const;
    void loadObject(VirtFILE* file);
};

// Properties that live at known offsets of one record, or behind getters and setters.
class SimpleAbstractParam : public virtual ParamInterface {
public:
    virtual void* fieldAddress(int i) const;
    virtual const PropertyDescriptor* descriptor(int i) const = 0;

    const char* objectName() const override { return m_name; }
    const char* propertyId(int i) const override;
    const char* propertyName(int i) const override { return descriptor(i)->name; }
    const char* propertyType(int i) const override { return descriptor(i)->type; }
    const char* propertyHelp(int i) const override { return descriptor(i)->help; }
    int propertyFlags(int i) const override { return descriptor(i)->flags; }
    int propertyGroup(int i) const override { return descriptor(i)->group; }
    void call(int i, ExtValue* arguments, ExtValue& result) override;
    SString getString(int i) const override { return getValue(i).asString(); }
    std::int32_t getInt(int i) const override { return getValue(i).asInt(); }
    double getDouble(int i) const override { return getValue(i).asDouble(); }
    ExtObject getObject(int i) const override { return getValue(i).asObject(); }
    ExtValue getValue(int i) const override;
    int setInt(int i, std::int32_t value) override;
    int setDouble(int i, double value) override;
    int setString(int i, const SString& value) override;
    int setObject(int i, const ExtObject& value) override;
    int setValue(int i, const ExtValue& value) override;

    void* record() const { return m_record; }
    void setRecord(void* record) { m_record = record; }

protected:
    SimpleAbstractParam(const char* name, void* record) : m_name(name), m_record(record) {}

private:
    ExtValue readField(int i) const;
    int storeField(int i, const ExtValue& value);
    int storeValue(int i, const ExtValue& value, int noted);

    const char* m_name;
    void* m_record;
};

// A SimpleAbstractParam whose descriptors come from one static table.
class Param : public SimpleAbstractParam {
public:
    Param(const PropertyDescriptor* table, void* record);

    const PropertyDescriptor* descriptor(int i) const override;
    int groupCount() const override { return m_table[0].group; }
    int propertyCount() const override { return m_table[0].flags; }
    const char* objectDescription() const override { return m_table[0].type; }
    const char* groupName(int g) const override;
    int groupMember(int g, int n) const override;

    const PropertyDescriptor* table() const { return m_table; }

private:
    const PropertyDescriptor* m_table;
};

}  // namespace slyders
