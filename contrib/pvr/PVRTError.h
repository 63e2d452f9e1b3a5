// The toolkit's one diagnostic channel: printf-style messages on stderr.
#pragma once

// Formats into a 1024-byte buffer (longer text is
// cut) and writes it to standard error.
void PVRTErrorOutputDebug(char const* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
