// splines.bin: the board's paths parsed from memory.
#include "qrvl/port/Splines.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    Splines splines;
    splines.Parse(data, size);
    return 0;
}
