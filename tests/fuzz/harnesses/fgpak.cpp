// The framework's pak archives: the directory read from memory, then every
// entry decoded.
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGPakReader.h"
#include "qrvl/original/framework/FGString.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FGData archive;
    if (!archive.duplicate(data, static_cast<int>(size)))
        return 0;
    FGPakReader reader;
    if (!reader.init(&archive))
        return 0;
    for (int i = 0; i < reader.getNumFiles(); ++i)
        reader.getFile(reader.getFileName(i).getNativeString());
    return 0;
}
