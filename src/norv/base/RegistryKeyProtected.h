// Read-only registry keys: every Set is refused. The typed subclasses fix the
// type code; machine keys derive from them and compute their value.
#pragma once

#include "norv/base/RegistryKey.h"

namespace Norv {

class RegistryKeyProtected : public RegistryKey {
public:
    bool Set(bool) override { return false; }
    bool Set(int) override { return false; }
    bool Set(float) override { return false; }
    bool Set(NarrowString const&) override { return false; }

protected:
    explicit RegistryKeyProtected(int32_t type) : RegistryKey(type) {}
};

class RegistryKeyProtectedString : public RegistryKeyProtected {
public:
    RegistryKeyProtectedString() : RegistryKeyProtected(TypeString) {}
};

class RegistryKeyProtectedInt : public RegistryKeyProtected {
public:
    RegistryKeyProtectedInt() : RegistryKeyProtected(TypeInt) {}
};

class RegistryKeyProtectedBool : public RegistryKeyProtected {
public:
    RegistryKeyProtectedBool() : RegistryKeyProtected(TypeBool) {}
};

} // namespace Norv
