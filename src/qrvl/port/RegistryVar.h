// A tuning value of the 3D board kept in the registry under "/qrvl/": read
// on every use, so a change through the registry or a script takes effect on
// the next frame. Constructing one writes its default.
#pragma once

#include "contrib/pvr/PVRTVec3.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

template <class T>
class RegistryVar : public Norv::RefCounter {
public:
    // Writes the default over whatever the key held.
    RegistryVar(char const* name, T defaultValue);
    // A value read back is kept within lowest .. highest (per component):
    // for values that divide, whatever a script or the registry file says.
    RegistryVar(char const* name, T defaultValue, T lowest, T highest);

    // The registry's value; the default when the key is gone or unreadable.
    T Get() const;
    void Set(T const& value);

    Norv::NarrowString const& GetPath() const { return path; }

private:
    Norv::NarrowString path;
    T fallback;
    bool ranged = false;
    T lowest {};
    T highest {};
};

extern template class RegistryVar<float>;
extern template class RegistryVar<int>;
extern template class RegistryVar<PVRTVec3>;
