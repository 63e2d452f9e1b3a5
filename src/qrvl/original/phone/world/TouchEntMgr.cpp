#include "qrvl/original/phone/world/TouchEntMgr.h"

#include "qrvl/original/phone/world/CEnt.h"

#include <cmath>

namespace {

int Channel(float value)
{
    return int(std::lround(value * 255.0f));
}

} // namespace

TouchEntMgr& TouchEntMgr::GetInstance()
{
    static TouchEntMgr manager;
    return manager;
}

PVRTVec4 TouchEntMgr::RegisterEnt(CEnt* entity)
{
    Color const colour = next;
    registry[colour] = Norv::WeakPtr<CEnt>(entity);
    ++next.r;
    return PVRTVec4(float(colour.r) / 255.0f, float(colour.g) / 255.0f, float(colour.b) / 255.0f, float(colour.a) / 255.0f);
}

CEnt* TouchEntMgr::GetEnt(PVRTVec4 const& colour)
{
    return GetEnt(Color {Channel(colour.x), Channel(colour.y), Channel(colour.z), Channel(colour.w)});
}

CEnt* TouchEntMgr::GetEnt(Color const& key)
{
    auto const found = registry.find(key);
    return found == registry.end() ? nullptr : found->second.Get();
}

void TouchEntMgr::Clear()
{
    registry.clear();
    next = Color {1, 0, 0, 255};
}
