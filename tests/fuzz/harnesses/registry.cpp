// registry.xml: loaded as the program loads it, then its settings saved
// again from what it holds.
#include "FuzzFolder.h"
#include "norv/base/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("registry.xml", data, size);
    Norv::Registry registry;
    if (registry.Load("registry.xml", true, ""))
        registry.Save("/qrvl/settings");
    return 0;
}
