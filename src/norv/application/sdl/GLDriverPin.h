// Keeps the OpenGL drivers loaded until exit in sanitizer builds.
#pragma once

namespace Norv {

// Under AddressSanitizer, marks every loaded "*_dri.so" driver as never to be
// unloaded: closing the display unloads it, and LeakSanitizer could then no
// longer name the driver's own leaks at exit, so the system-library
// suppressions would not apply. Does nothing in other builds.
void PinGLDrivers();

} // namespace Norv
