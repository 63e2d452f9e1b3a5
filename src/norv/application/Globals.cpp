// The global component table.
#include "norv/application/Globals.h"

namespace Norv {

SmartPtr<RefCounter>* Globals::GetGlobals()
{
    // Built on first use, so it is empty before any engine code reads it;
    // an array is destroyed from its last element to its first.
    static SmartPtr<RefCounter> table[ComponentCount];
    return table;
}

void Globals::Set(RefCounter* component, ComponentId id)
{
    GetGlobals()[id].Reset(component);
}

} // namespace Norv
