// Images in every format the engine reads (PNG, JPEG, DDS, PVR, ETC, RLE,
// 565 and the animation XML that names other images), decoded whole.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/Surface.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.img", data, size);
    Norv::SmartPtr<Norv::Surface> surface(Norv::LoadSurface(Norv::NarrowString("input.img")));
    return 0;
}
