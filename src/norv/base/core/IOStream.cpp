#include "norv/base/core/IOStream.h"

namespace Norv {

bool IOStream::WriteLine(NarrowString const& line)
{
    return Write(line.data(), static_cast<int>(line.size())) == static_cast<int>(line.size());
}

bool IOStream::ReadLine(NarrowString& line)
{
    char byte;
    if (Read(&byte, 1) < 1)
        return false;
    while (byte != '\n') {
        if (byte != '\r')
            line.push_back(byte);
        if (Read(&byte, 1) < 1)
            return false;
    }
    return true;
}

bool IOStream::ReadLine(WideString&)
{
    return true;
}

} // namespace Norv
