// A small string builder over NarrowString.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

class StdOStringStream : public NarrowString {
public:
    using NarrowString::NarrowString;

    StdOStringStream& operator<<(char c);
    StdOStringStream& operator<<(int value);            // "%i"
    StdOStringStream& operator<<(unsigned int value);   // "%u"
    StdOStringStream& operator<<(float value);          // "%f", six decimals
};

} // namespace Norv
