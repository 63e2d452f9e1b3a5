// Path and white-space helpers on toolkit strings.
#pragma once

#include "contrib/pvr/PVRTString.h"

#include <cstdarg>

// From the last "." to the end, the dot included; empty without a dot.
CPVRTString PVRTStringGetFileExtension(CPVRTString const& s);
// Before the last slash (else the last backslash); empty without either.
CPVRTString PVRTStringGetContainingDirectoryPath(CPVRTString const& s);
// After the last slash (else the last backslash); all of s without either.
CPVRTString PVRTStringGetFileName(CPVRTString const& s);
// Without the leading or trailing spaces, tabs, newlines and carriage
// returns; a string made only of them comes back unchanged.
CPVRTString PVRTStringStripWhiteSpaceFromStartOf(CPVRTString const& s);
CPVRTString PVRTStringStripWhiteSpaceFromEndOf(CPVRTString const& s);
// printf-style formatting from an argument list, cut at 1023 characters.
CPVRTString PVRTStringFromFormattedList(char const* format, va_list args);
// printf-style formatting, cut at 1023 characters.
CPVRTString PVRTStringFromFormattedStr(char const* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
