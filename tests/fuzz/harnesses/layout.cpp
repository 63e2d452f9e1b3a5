// Layout files (".lyt"): read, then every element's fields asked for.
#include "FuzzFolder.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGLayout.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.lyt", data, size);
    FGFileSystem files;
    FGLayout layout;
    if (!layout.init(files, "input.lyt"))
        return 0;
    for (int i = 0; i < layout.getNumElements(); ++i) {
        layout.getElementName(i);
        layout.getElementIDString(i);
        layout.getFirstIdx(layout.getElementIDString(i));
    }
    return 0;
}
