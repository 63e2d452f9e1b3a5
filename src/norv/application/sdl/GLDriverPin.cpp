// Pinning of the OpenGL drivers for the leak check.
#include "norv/application/sdl/GLDriverPin.h"

#if defined(__SANITIZE_ADDRESS__)
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#endif

namespace Norv {

#if defined(__SANITIZE_ADDRESS__)

namespace {

int PinIfDriver(dl_phdr_info* info, size_t, void*)
{
    if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so")) {
        // Opening a loaded object again with RTLD_NODELETE keeps it for good.
        if (void* handle = dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE))
            dlclose(handle);
    }
    return 0;
}

} // namespace

void PinGLDrivers()
{
    dl_iterate_phdr(PinIfDriver, nullptr);
}

#else

void PinGLDrivers() {}

#endif

} // namespace Norv
