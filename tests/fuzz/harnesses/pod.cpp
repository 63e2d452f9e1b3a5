// POD scenes: read from memory, then animated to a frame between keys.
#include "contrib/pvr/PVRTModelPOD.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    CPVRTModelPOD model;
    if (model.ReadFromMemory(reinterpret_cast<char const*>(data), size) == 0 && model.InitImpl() == 0)
        model.SetFrame(model.nNumFrame > 1 ? 1.5f : 0.0f);
    return 0;
}
