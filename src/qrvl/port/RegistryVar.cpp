// Tuning values over the application's registry; a vector lives in three
// float keys with "_x", "_y" and "_z" appended to its path.
#include "qrvl/port/RegistryVar.h"

#include "norv/base/Registry.h"

#include <algorithm>

namespace {

Norv::NarrowString const kTuningRoot = "/qrvl/";

template <class T>
void Write(Norv::NarrowString const& path, T value)
{
    if (Norv::g_registry)
        Norv::g_registry->Set(path, value);
}

template <class T>
void Read(Norv::NarrowString const& path, T& value)
{
    if (Norv::g_registry)
        Norv::g_registry->Get(path, value);
}

void Write(Norv::NarrowString const& path, PVRTVec3 const& value)
{
    Write(path + "_x", value.x);
    Write(path + "_y", value.y);
    Write(path + "_z", value.z);
}

void Read(Norv::NarrowString const& path, PVRTVec3& value)
{
    Read(path + "_x", value.x);
    Read(path + "_y", value.y);
    Read(path + "_z", value.z);
}

template <class T>
T Clamp(T value, T lowest, T highest)
{
    return std::max(lowest, std::min(value, highest));
}

PVRTVec3 Clamp(PVRTVec3 const& value, PVRTVec3 const& lowest, PVRTVec3 const& highest)
{
    return PVRTVec3(
        Clamp(value.x, lowest.x, highest.x), Clamp(value.y, lowest.y, highest.y), Clamp(value.z, lowest.z, highest.z));
}

} // namespace

template <class T>
RegistryVar<T>::RegistryVar(char const* name, T defaultValue) : path(kTuningRoot + name), fallback(defaultValue)
{
    Write(path, defaultValue);
}

template <class T>
RegistryVar<T>::RegistryVar(char const* name, T defaultValue, T lowest_, T highest_)
    : RegistryVar(name, defaultValue)
{
    ranged = true;
    lowest = lowest_;
    highest = highest_;
}

template <class T>
T RegistryVar<T>::Get() const
{
    T value = fallback;
    Read(path, value);
    return ranged ? Clamp(value, lowest, highest) : value;
}

template <class T>
void RegistryVar<T>::Set(T const& value)
{
    Write(path, value);
}

template class RegistryVar<float>;
template class RegistryVar<int>;
template class RegistryVar<PVRTVec3>;
