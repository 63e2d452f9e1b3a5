// The plain key: it stores what it is given and retypes itself.
#include "norv/base/RegistryKey.h"

namespace Norv {

template <class T>
bool RegistryKey::Store(T const& newValue, int32_t newType)
{
    value = newValue;
    type = newType;
    return true;
}

bool RegistryKey::Set(bool newValue)
{
    return Store(newValue, TypeBool);
}

bool RegistryKey::Set(int newValue)
{
    return Store(newValue, TypeInt);
}

bool RegistryKey::Set(float newValue)
{
    return Store(newValue, TypeFloat);
}

bool RegistryKey::Set(NarrowString const& newValue)
{
    return Store(newValue, TypeString);
}

Any RegistryKey::GetData() const
{
    return value;
}

} // namespace Norv
