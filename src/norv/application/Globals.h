// The engine's table of global components, shared by the application and
// the file system.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"

namespace Norv {

class Globals {
public:
    enum ComponentId {
        AppGlobalsId = 0,     // made by the application's constructor
        VfsStaticDataId = 1,  // the file system's mount table
        SpareId = 2,          // stays empty
        ComponentCount = 3,
    };

    static void Initialize() {}
    static void Shutdown() {}
    // The table, never null; its slots are released 2, 1, 0 at exit.
    static SmartPtr<RefCounter>* GetGlobals();
    // Takes the new component's reference before dropping the old one.
    static void Set(RefCounter* component, ComponentId id);
};

} // namespace Norv
