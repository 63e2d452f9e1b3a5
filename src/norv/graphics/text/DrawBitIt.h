// The writer's position in a DrawBit array; it never reaches the last bit,
// which stays the terminator.
#pragma once

#include "norv/graphics/text/DrawBit.h"

namespace Norv::Text {

struct DrawBitIt {
    DrawBit* array = nullptr;
    int count = 0;
    int index = 0;

    DrawBitIt(DrawBit* bits, int length) : array(bits), count(length) {}

    DrawBit& operator*() const { return array[index]; }
    DrawBitIt& operator++()
    {
        if (index < count - 2)
            ++index;
        return *this;
    }
};

} // namespace Norv::Text
