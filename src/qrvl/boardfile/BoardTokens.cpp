#include "qrvl/boardfile/BoardTokens.h"

BoardTokens::BoardTokens(const unsigned char* text, size_t size)
    : text(text)
    , size(size)
{
}

void BoardTokens::setError(const char* what)
{
    if (fault.empty())
        fault = what;
}

bool BoardTokens::next(char* buffer)
{
    int length = 0;
    for (;;) {
        unsigned char const byte = at < size ? text[at++] : 0;
        if (byte == 13 || byte >= 128)
            continue;
        if (byte == 0) {
            buffer[length] = '\0';
            return length > 0;
        }
        if (byte == 10 || byte == ',')
            break;
        if (length == kTokenSize - 1) {
            buffer[length] = '\0';
            setError("token too long");
            return false;
        }
        buffer[length++] = static_cast<char>(byte);
    }
    buffer[length] = '\0';
    return true;
}
