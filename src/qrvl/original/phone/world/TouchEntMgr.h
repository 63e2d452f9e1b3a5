// The identification colours of the board's touchable entities: each
// registered entity draws itself in its own colour in the pick pass, and
// the colour read back finds it again.
#pragma once

#include "contrib/pvr/PVRTVec4.h"
#include "norv/base/core/WeakPtr.h"

#include <map>

class CEnt;

class TouchEntMgr {
public:
    struct Color {
        int r, g, b, a;
        // Channel by channel, so that the registry's order is strict.
        bool operator<(Color const& o) const
        {
            return r != o.r ? r < o.r : g != o.g ? g < o.g : b != o.b ? b < o.b : a < o.a;
        }
    };

    static TouchEntMgr& GetInstance();

    // Files the entity under the next colour (red counting up from 1) and
    // returns that colour in 0..1.
    PVRTVec4 RegisterEnt(CEnt* entity);
    // The live entity of a colour read back in 0..1, each channel rounded
    // to the nearest of 0..255; null for none.
    CEnt* GetEnt(PVRTVec4 const& colour);
    // The live entity registered under exactly this colour, or null.
    CEnt* GetEnt(Color const& key);
    void Clear();

private:
    Color next {1, 0, 0, 255};
    std::map<Color, Norv::WeakPtr<CEnt>> registry;
};
