// OpenGL extension queries and the table of extension entry points, which
// stays empty on this platform: nothing here loads extension functions.
#pragma once

class CPVRTglesExt {
public:
    // Entry points of the OpenGL ES 1.x extensions the toolkit knows.
    static constexpr int kEntryPointCount = 54;
    typedef void (*EntryPoint)();

    // Clears the table; every extension found keeps its entry points null.
    void LoadExtensions();

    // True when `name` is listed whole in the driver's extension string.
    static bool IsGLExtensionSupported(const char* name);

    EntryPoint entryPoints[kEntryPointCount] = {};
};
