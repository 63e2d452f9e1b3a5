// One typed value of the registry tree.
#pragma once

#include "norv/base/core/Any.h"
#include "norv/base/core/NarrowString.h"

#include <cstdint>

namespace Norv {

class RegistryKey {
public:
    // The type codes, as registry.xml and scripts know them.
    enum Type : int32_t { TypeBool = 0, TypeInt = 1, TypeFloat = 2, TypeString = 3 };

    RegistryKey() = default;
    RegistryKey(RegistryKey const&) = delete;
    RegistryKey& operator=(RegistryKey const&) = delete;
    virtual ~RegistryKey() = default;

    // A plain key takes any value and the type that comes with it; true when
    // the value was accepted.
    virtual bool Set(bool value);
    virtual bool Set(int value);
    virtual bool Set(float value);
    virtual bool Set(NarrowString const& value);
    // A copy of the value; empty when the key holds none.
    virtual Any GetData() const;

    int32_t GetType() const { return type; }

protected:
    explicit RegistryKey(int32_t type) : type(type) {}

private:
    template <class T>
    bool Store(T const& newValue, int32_t newType);

    Any value;
    int32_t type = TypeBool;
};

} // namespace Norv
