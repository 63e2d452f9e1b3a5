// The props' descriptions: colours, models, solids and keys read from text
// by the props tool, on a flat land.
#include "Description.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string const path = FuzzFolder::Write("fuzz.props", data, size);
    Description description([](float, float) { return 0.0f; });
    PropSet set;
    std::string error;
    description.Read(path, set, error);
    return 0;
}
