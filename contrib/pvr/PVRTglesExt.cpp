// OpenGL extension queries.
#include "contrib/pvr/PVRTglesExt.h"

#include "contrib/pvr/PVRTgl.h"

#include <cstring>

void CPVRTglesExt::LoadExtensions()
{
    // None of the extensions' entry points exist on this platform, so the
    // table is cleared and stays so whichever extensions are listed.
    for (EntryPoint& entry : entryPoints)
        entry = nullptr;
}

bool CPVRTglesExt::IsGLExtensionSupported(const char* name)
{
    if (!name || !*name || std::strchr(name, ' '))
        return false;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!extensions)
        return false;
    const size_t length = std::strlen(name);
    for (const char* found = std::strstr(extensions, name); found; found = std::strstr(found + 1, name)) {
        const bool startsName = found == extensions || found[-1] == ' ';
        const char end = found[length];
        if (startsName && (end == ' ' || end == '\0'))
            return true;
    }
    return false;
}
