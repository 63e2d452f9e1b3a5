// The toolkit's diagnostic output on stderr.
#include "contrib/pvr/PVRTError.h"

#include "contrib/pvr/PVRTStringUtils.h"

#include <cstdarg>
#include <cstdio>

void PVRTErrorOutputDebug(char const* format, ...)
{
    va_list args;
    va_start(args, format);
    fputs(PVRTStringFromFormattedList(format, args).c_str(), stderr);
    va_end(args);
}
