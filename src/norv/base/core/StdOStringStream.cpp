#include "norv/base/core/StdOStringStream.h"

#include <cstdio>

namespace Norv {

namespace {

// Large enough for any double printed with "%f" (up to 309 integer digits).
constexpr int kNumberBufferSize = 320;

template <class T>
void AppendFormatted(NarrowString& out, char const* format, T value)
{
    char buffer[kNumberBufferSize];
    int const n = std::snprintf(buffer, sizeof buffer, format, value);
    if (n > 0)
        out.append(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

} // namespace

StdOStringStream& StdOStringStream::operator<<(char c)
{
    push_back(c);
    return *this;
}

StdOStringStream& StdOStringStream::operator<<(int value)
{
    AppendFormatted(*this, "%i", value);
    return *this;
}

StdOStringStream& StdOStringStream::operator<<(unsigned int value)
{
    AppendFormatted(*this, "%u", value);
    return *this;
}

StdOStringStream& StdOStringStream::operator<<(float value)
{
    AppendFormatted(*this, "%f", static_cast<double>(value));
    return *this;
}

} // namespace Norv
