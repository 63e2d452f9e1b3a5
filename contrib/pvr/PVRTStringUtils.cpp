// Path and white-space helpers on toolkit strings.
#include "contrib/pvr/PVRTStringUtils.h"

#include <cstdio>

namespace {

char const kWhiteSpace[] = " \t\n\r";
// Formatted texts are short messages and names.
constexpr int kFormatBufferSize = 1024;

// The index of the last slash, else of the last backslash, else npos.
CPVRTString::size_type LastSeparator(CPVRTString const& s)
{
    CPVRTString::size_type const slash = s.find_last_of('/');
    return slash != CPVRTString::npos ? slash : s.find_last_of('\\');
}

} // namespace

CPVRTString PVRTStringGetFileExtension(CPVRTString const& s)
{
    CPVRTString::size_type const dot = s.find_last_of('.');
    return dot == CPVRTString::npos ? CPVRTString() : s.substr(dot);
}

CPVRTString PVRTStringGetContainingDirectoryPath(CPVRTString const& s)
{
    CPVRTString::size_type const separator = LastSeparator(s);
    return separator == CPVRTString::npos ? CPVRTString() : s.substr(0, separator);
}

CPVRTString PVRTStringGetFileName(CPVRTString const& s)
{
    CPVRTString::size_type const separator = LastSeparator(s);
    return separator == CPVRTString::npos ? s : s.substr(separator + 1);
}

CPVRTString PVRTStringStripWhiteSpaceFromStartOf(CPVRTString const& s)
{
    CPVRTString::size_type const first = s.find_first_not_of(kWhiteSpace);
    // Nothing but white space strips to nothing.
    return first == CPVRTString::npos ? CPVRTString() : s.substr(first);
}

CPVRTString PVRTStringStripWhiteSpaceFromEndOf(CPVRTString const& s)
{
    CPVRTString::size_type const last = s.find_last_not_of(kWhiteSpace);
    return last == CPVRTString::npos ? CPVRTString() : s.substr(0, last + 1);
}

CPVRTString PVRTStringFromFormattedList(char const* format, va_list args)
{
    char text[kFormatBufferSize];
    vsnprintf(text, sizeof text, format, args);
    return CPVRTString(text);
}

CPVRTString PVRTStringFromFormattedStr(char const* format, ...)
{
    va_list args;
    va_start(args, format);
    CPVRTString text = PVRTStringFromFormattedList(format, args);
    va_end(args);
    return text;
}
