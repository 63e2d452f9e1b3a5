// The engine's main function.
#include "norv/application/sdl/SdlMain.h"

#include "norv/application/CommandLine.h"
#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/SmartPtr.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Pictures and sounds are decoded into large buffers that live only until
// they are handed on. Left to itself, glibc raises its threshold for giving
// a block pages of its own to the size of the first such block freed, so
// the later ones come from the heap, where their room stays resident after
// they are freed. A fixed threshold gives every large block its own pages,
// returned as soon as it is freed.
void ReturnLargeBlocksWhenFreed()
{
#ifdef __GLIBC__
    constexpr int kLargeBlockBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

} // namespace

extern "C" int SDL_main(int argc, char** argv)
{
    ReturnLargeBlocksWhenFreed();
    Norv::ParseCommandLine(argc, argv);
    Norv::SmartPtr<Norv::SdlApplication> app(Norv::CreateApplication());
    if (!app->IsStarted())
        return 1;
    return app->Run();
}
