// PFX effect files: parsed from their text.
#include "contrib/pvr/PVRTPFXParser.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string const text(reinterpret_cast<char const*>(data), size);
    CPVRTPFXParser parser;
    CPVRTString error;
    parser.ParseFromMemory(text.c_str(), &error);
    return 0;
}
