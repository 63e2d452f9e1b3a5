// The toolkit's diagnostic output on stderr.
#include "contrib/pvr/PVRTError.h"

#include <cstdarg>
#include <cstdio>

namespace {
// Messages are short one-liners; anything longer is cut.
constexpr int kErrorBufferSize = 1024;
} // namespace

void PVRTErrorOutputDebug(char const* format, ...)
{
    char text[kErrorBufferSize];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    fputs(text, stderr);
}
